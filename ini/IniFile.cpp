#include "ini/IniFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <utility>

#include "ini/AtomicFile.h"
#include "text/Text.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

char lowerCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Section and key names compare without regard to ASCII letter case.
std::string lowered(std::string_view name) {
    std::string result(name);
    for (char& c : result) c = lowerCase(c);
    return result;
}

// "[name]" gives the name; a header without its closing bracket runs to the line end.
std::string_view headerName(std::string_view line) {
    std::string_view inner = trimmed(line).substr(1);
    return trimmed(inner.substr(0, inner.find(']')));
}

bool isHeader(std::string_view line) {
    const std::string_view text = trimmed(line);
    return !text.empty() && text.front() == '[';
}

// The key of a "key=value" line; nothing for comments, blank lines and lines without '='.
std::optional<std::string_view> keyOf(std::string_view line) {
    const std::string_view text = trimmed(line);
    if (text.empty() || text.front() == ';') return std::nullopt;
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return trimmed(text.substr(0, equals));
}

// The value of a key line: blanks around it removed, one pair of enclosing quotes stripped.
std::string_view valueOf(std::string_view line) {
    std::string_view value = trimmed(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

// A value that reading would change, one with blanks at its ends or with enclosing quotes
// of its own, is written inside a pair of quotes, which reading strips again.
std::string storedValue(std::string value) {
    const bool blankAtEnd = !value.empty() && (isBlank(value.front()) || isBlank(value.back()));
    const bool enclosedInQuotes = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    return blankAtEnd || enclosedInQuotes ? "\"" + value + "\"" : value;
}

// FNV-1a over the lower-case name.
std::uint32_t nameHash(std::string_view name) {
    std::uint32_t hash = 2166136261u;
    for (char c : name) hash = (hash ^ static_cast<unsigned char>(lowerCase(c))) * 16777619u;
    return hash;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerCase(a[i]) != lowerCase(b[i])) return false;
    }
    return true;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

IniFile::IniFile(std::string_view contents) {
    constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";
    if (contents.substr(0, Utf8ByteOrderMark.size()) == Utf8ByteOrderMark) {
        byteOrderMark_ = Utf8ByteOrderMark;
        contents.remove_prefix(Utf8ByteOrderMark.size());
    }
    // A line feed ends a line; a carriage return in front of it belongs to the line end.
    while (!contents.empty()) {
        const std::size_t end = contents.find('\n');
        std::string_view line = contents.substr(0, end);
        if (end != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
        addLine(line);
        contents.remove_prefix(end == std::string_view::npos ? contents.size() : end + 1);
    }
}

void IniFile::addLine(std::string_view line) {
    if (isHeader(line)) {
        sectionIndex_.emplace(lowered(headerName(line)), sections_.size());
        sections_.push_back(Section{std::string(line), {}, {}});
        return;
    }
    if (sections_.empty()) {
        preamble_.emplace_back(line);
        return;
    }
    Section& section = sections_.back();
    if (const auto key = keyOf(line)) {
        section.keys.push_back({nameHash(*key), static_cast<std::uint32_t>(section.lines.size())});
    }
    section.lines.emplace_back(line);
}

std::optional<IniFile> IniFile::read(const std::string& path) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return std::nullopt;
    std::string contents;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) contents.append(buffer, got);
    // A folder opens but does not read; any read error means the file is not known.
    if (std::ferror(file.get())) return std::nullopt;
    return IniFile(contents);
}

IniFile IniFile::readOrEmpty(const std::string& path) {
    std::optional<IniFile> file = read(path);
    return file ? std::move(*file) : IniFile();
}

IniFile::Section* IniFile::findSection(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

const IniFile::Section* IniFile::findSection(std::string_view name) const {
    const auto found = sectionIndex_.find(lowered(trimmed(name)));
    return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

std::ptrdiff_t IniFile::findKey(const Section& section, std::string_view key) {
    key = trimmed(key);
    const std::uint32_t hash = nameHash(key);
    for (const KeyRef& ref : section.keys) {
        if (ref.hash == hash && sameName(*keyOf(section.lines[ref.line]), key)) return ref.line;
    }
    return -1;
}

std::string IniFile::value(std::string_view section, std::string_view key) const {
    const Section* found = findSection(section);
    const std::ptrdiff_t line = found ? findKey(*found, key) : -1;
    // A lone CR inside a line would be written back as a blank; read it as one, so a value
    // reads the same before and after a save.
    return line >= 0 ? text::withoutLineBreaks(valueOf(found->lines[line])) : std::string();
}

std::string IniFile::textValue(std::string_view section, std::string_view key) const {
    return text::cut(value(section, key));
}

int IniFile::intValue(std::string_view section, std::string_view key) const {
    return text::readInt(textValue(section, key));
}

float IniFile::decimalValue(std::string_view section, std::string_view key) const {
    return text::toFloat(text::readDecimal(textValue(section, key)));
}

void IniFile::addKey(Section& section, std::string_view key, std::string_view value) {
    // At the end of the section, but before the blank lines that part it from the next one.
    std::size_t position = section.lines.size();
    while (position > 0 && trimmed(section.lines[position - 1]).empty()) --position;
    std::string line;
    line.reserve(key.size() + 1 + value.size());
    line.append(key).append(1, '=').append(value);
    section.lines.insert(section.lines.begin() + static_cast<std::ptrdiff_t>(position), std::move(line));
    // Every line after the new one is blank, so no other key moves.
    section.keys.push_back({nameHash(trimmed(key)), static_cast<std::uint32_t>(position)});
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value) {
    const std::string sectionName = text::withoutLineBreaks(section);
    const std::string keyName = text::withoutLineBreaks(key);
    const std::string wanted = text::withoutLineBreaks(value);
    const std::string newValue = storedValue(wanted);

    Section* target = findSection(sectionName);
    if (!target) {
        sectionIndex_.emplace(lowered(trimmed(sectionName)), sections_.size());
        sections_.push_back(Section{"[" + sectionName + "]", {}, {}});
        target = &sections_.back();
    }
    const std::ptrdiff_t found = findKey(*target, keyName);
    if (found < 0) {
        addKey(*target, keyName, newValue);
        return;
    }
    // A line that already reads as the value stays byte for byte as it was; otherwise keep
    // the key as the file spells it and the blanks after '='.
    std::string& line = target->lines[found];
    if (text::withoutLineBreaks(valueOf(line)) == wanted) return;
    std::size_t valueStart = line.find('=') + 1;
    while (valueStart < line.size() && isBlank(line[valueStart])) ++valueStart;
    line.resize(valueStart);
    line += newValue;
}

void IniFile::indexKeys(Section& section) {
    section.keys.clear();
    for (std::size_t i = 0; i < section.lines.size(); ++i) {
        if (const auto key = keyOf(section.lines[i])) {
            section.keys.push_back({nameHash(*key), static_cast<std::uint32_t>(i)});
        }
    }
}

void IniFile::removeKey(std::string_view section, std::string_view key) {
    Section* target = findSection(section);
    if (!target) return;
    const std::size_t before = target->lines.size();
    std::erase_if(target->lines, [key = trimmed(key)](const std::string& line) {
        const auto name = keyOf(line);
        return name && sameName(*name, key);
    });
    if (target->lines.size() != before) indexKeys(*target);
}

void IniFile::removeSectionIfEmpty(std::string_view section) {
    const auto found = sectionIndex_.find(lowered(trimmed(section)));
    if (found == sectionIndex_.end()) return;
    const std::vector<std::string>& lines = sections_[found->second].lines;
    if (!std::all_of(lines.begin(), lines.end(), [](const std::string& line) { return trimmed(line).empty(); })) {
        return;
    }
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(found->second));
    // Positions after the removed section moved; of duplicate sections the first is still found.
    sectionIndex_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        sectionIndex_.emplace(lowered(headerName(sections_[i].header)), i);
    }
}

std::string IniFile::contents() const {
    std::size_t size = byteOrderMark_.size();
    for (const std::string& line : preamble_) size += line.size() + 2;
    for (const Section& section : sections_) {
        size += section.header.size() + 2;
        for (const std::string& line : section.lines) size += line.size() + 2;
    }
    std::string result;
    result.reserve(size);
    result += byteOrderMark_;
    const auto append = [&result](const std::string& line) { result.append(line).append("\r\n"); };
    for (const std::string& line : preamble_) append(line);
    for (const Section& section : sections_) {
        append(section.header);
        for (const std::string& line : section.lines) append(line);
    }
    return result;
}

bool IniFile::writeAtomically(const std::string& path) const {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code error;
    if (!folder.empty()) std::filesystem::create_directories(folder, error);
    return !error && writeFileAtomically(path, contents());
}
