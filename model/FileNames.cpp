#include "model/FileNames.h"

#include <algorithm>
#include <optional>

#include "text/Encoding.h"
#include "text/Text.h"

namespace {

bool isControl(unsigned char byte) {
    const char32_t code = text::unicodeOfWindows1252(byte);
    return code < 0x20 || code == 0x7F || (code >= 0x80 && code <= 0x9F);
}

bool isSeparatorOrControl(char c) { return c == '/' || c == '\\' || isControl(static_cast<unsigned char>(c)); }

std::string pathInWorkDir(std::string_view prefix, std::string_view name, std::string_view suffix) {
    return std::string(prefix) + text::utf8FromWindows1252(name) + std::string(suffix);
}

bool isUsableFileName(std::string_view typedName) {
    const std::optional<std::string> stored = text::exactWindows1252FromUtf8(typedName);
    if (!stored || stored->size() > text::MaxTextLength) return false;
    if (*stored == "." || *stored == "..") return false;
    return std::none_of(stored->begin(), stored->end(), isSeparatorOrControl);
}

}  // namespace

NameForFiles nameForFiles(std::string_view typedName) {
    if (typedName.empty()) return NameForFiles::Empty;
    return isUsableFileName(typedName) ? NameForFiles::Usable : NameForFiles::Unusable;
}

NameForFiles storedNameForFiles(std::string_view storedName) {
    return nameForFiles(text::utf8FromWindows1252(storedName));
}

const char* refusalText(NameForFiles verdict) {
    switch (verdict) {
        case NameForFiles::Empty:
            return "Skriv inn et Konkuransenavn.";
        case NameForFiles::Unusable:
            return "Konkurransenavnet kan ikke brukes som filnavn.";
        default:
            return "";
    }
}

std::string tournamentFilePath(std::string_view name) { return pathInWorkDir("./data/", name, ".ini"); }

std::string journalPathFor(std::string_view tournamentFile) {
    const std::size_t slash = tournamentFile.find_last_of('/');
    const std::string_view folder = slash == std::string_view::npos ? "." : tournamentFile.substr(0, slash);
    std::string_view name = slash == std::string_view::npos ? tournamentFile : tournamentFile.substr(slash + 1);
    if (name.size() > 4 && name.substr(name.size() - 4) == ".ini") name.remove_suffix(4);
    return std::string(folder) + "/.gjenoppretting/" + std::string(name) + ".journal";
}

std::string startListPath(std::string_view name) { return pathInWorkDir("./", name, "_StartListe.txt"); }

std::string startListPdfPath(std::string_view name) { return pathInWorkDir("./", name, "_StartListe.pdf"); }

std::string resultListPath(std::string_view name) { return pathInWorkDir("./", name, "_ResultatListe.txt"); }

std::string scoreCardPath(std::string_view name) { return pathInWorkDir("./", name, "_Scorekort.pdf"); }

PrizeListPaths prizeListPaths(std::string_view name) {
    return {pathInWorkDir("./", name, "_Premieliste.txt"), pathInWorkDir("./", name, "_Premieliste.csv"),
            pathInWorkDir("./", name, "_Premieliste.pdf")};
}
