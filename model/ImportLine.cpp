#include "model/ImportLine.h"

#include "ini/FileSystem.h"
#include "text/Encoding.h"
#include "text/Text.h"

namespace {

// Stands in a line read as UTF-8 for a character Windows-1252 cannot hold. The code page
// leaves the byte undefined, so no name may carry it.
constexpr char Unrepresentable = '\x81';

// The white space that separates fields, the same in every locale.
bool isFieldBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Reads the fields of one line from left to right.
class FieldReader {
public:
    explicit FieldReader(std::string_view line) : line_(line.substr(0, line.find('\0'))) {}

    // The next run of non-blank characters; empty when the line has no more fields.
    std::string_view nextWord() {
        skipBlanks();
        const std::size_t start = pos_;
        while (pos_ < line_.size() && !isFieldBlank(line_[pos_])) ++pos_;
        return line_.substr(start, pos_ - start);
    }

    // A name field: one word of at most MaxImportWordLength characters.
    std::optional<std::string> nextName() {
        const std::string_view word = nextWord();
        if (word.empty() || word.size() > MaxImportWordLength) return std::nullopt;
        if (word.find(Unrepresentable) != std::string_view::npos) return std::nullopt;
        return std::string(word);
    }

    // A whole number: an optional sign and at least one digit; what follows the digits
    // (a decimal part, letters) is ignored.
    std::optional<int> nextInt() {
        const std::string_view word = nextNumber();
        if (word.empty()) return std::nullopt;
        return text::readInt(word);
    }

    // A handicap index as the register screen reads it: a decimal point or comma, and a
    // leading "+" for a plus handicap.
    std::optional<float> nextHandicapIndex() {
        const std::string_view word = nextNumber();
        if (word.empty()) return std::nullopt;
        return text::toFloat(text::readHandicapIndex(word));
    }

private:
    // The next word when it starts as a number does, with an optional sign and a digit.
    std::string_view nextNumber() {
        const std::string_view word = nextWord();
        const std::size_t firstDigit = !word.empty() && (word[0] == '+' || word[0] == '-') ? 1 : 0;
        if (firstDigit >= word.size() || !text::isDigit(word[firstDigit])) return {};
        return word;
    }

    void skipBlanks() {
        while (pos_ < line_.size() && isFieldBlank(line_[pos_])) ++pos_;
    }

    std::string_view line_;
    std::size_t pos_ = 0;
};

bool fitsLineLength(std::string_view line) { return line.size() <= MaxImportLineLength; }

// Runs `take` on every non-empty line and counts the lines it took and left out; `take`
// answers whether the line gave a record that found room. A file that is UTF-8 text (the
// rule of every text file the program reads) is read as UTF-8, any other as Windows-1252.
template <typename TakeLine>
ImportCounts importLines(std::string_view contents, TakeLine take) {
    const bool utf8 = text::isUtf8Text(contents);
    contents = withoutByteOrderMark(contents);
    ImportCounts counts;
    std::string converted;
    forEachImportLine(contents, [&](std::string_view line) {
        if (isEmptyImportLine(line)) return;
        if (utf8) {
            converted = text::windows1252FromUtf8(line, Unrepresentable);
            line = converted;
        }
        if (take(line)) {
            ++counts.taken;
        } else {
            ++counts.leftOut;
        }
    });
    return counts;
}

}  // namespace

std::string_view withoutByteOrderMark(std::string_view contents) {
    if (contents.starts_with(text::Utf8ByteOrderMark)) contents.remove_prefix(text::Utf8ByteOrderMark.size());
    return contents;
}

std::vector<std::string_view> splitImportLines(std::string_view contents) {
    std::vector<std::string_view> lines;
    forEachImportLine(contents, [&lines](std::string_view line) { lines.push_back(line); });
    return lines;
}

std::optional<ImportedPlayer> parsePlayerLine(std::string_view line) {
    if (!fitsLineLength(line)) return std::nullopt;
    FieldReader fields(line);
    std::optional<std::string> firstName = fields.nextName();
    if (!firstName) return std::nullopt;
    std::optional<std::string> surName = fields.nextName();
    if (!surName) return std::nullopt;
    const std::optional<float> hcp = fields.nextHandicapIndex();
    if (!hcp) return std::nullopt;
    return ImportedPlayer{std::move(*firstName), std::move(*surName), *hcp};
}

std::optional<ImportedPitch> parsePitchLine(std::string_view line) {
    if (!fitsLineLength(line)) return std::nullopt;
    FieldReader fields(line);
    std::optional<std::string> name = fields.nextName();
    if (!name) return std::nullopt;
    const std::optional<int> holes = fields.nextInt();
    if (!holes) return std::nullopt;
    return ImportedPitch{std::move(*name), *holes};
}

ImportCounts importPlayers(std::string_view contents, CPlayGroup& group) {
    return importLines(contents, [&group](std::string_view line) {
        const std::optional<ImportedPlayer> imported = parsePlayerLine(line);
        if (!imported) return false;
        CPlayer player;
        player.firstName = imported->firstName;
        player.surName = imported->surName;
        player.hcp = imported->hcp;
        return group.addPlayer(player);
    });
}

ImportCounts importPitches(std::string_view contents, std::span<CPitch> table) {
    std::size_t next = 0;
    return importLines(contents, [&](std::string_view line) {
        if (next >= table.size()) return false;
        const std::optional<ImportedPitch> imported = parsePitchLine(line);
        if (!imported) return false;
        table[next].name = imported->name;
        table[next].holes = imported->holes;
        ++next;
        return true;
    });
}

files::ReadResult readImportFile(const std::string& path) { return files::readRegularFile(path); }
