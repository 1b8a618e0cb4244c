#include "ini/IniFile.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

#include "ini/FileSystem.h"
#include "text/Text.h"

namespace {

using ini::isTrimmed;
using ini::trimmed;

bool isLineBreak(char c) { return c == '\r' || c == '\n'; }

// The eight bytes at `data` as one word, the first in its lowest byte.
std::uint64_t eightBytes(const char* data) {
    std::uint64_t word = 0;
    std::memcpy(&word, data, sizeof word);
    if constexpr (std::endian::native == std::endian::big) {
        std::uint64_t swapped = 0;
        for (int i = 0; i < 8; ++i) swapped = swapped << 8 | (word >> (8 * i) & 0xFF);
        word = swapped;
    }
    return word;
}

// The high bit of each byte of `word` that is `byte`; the lowest set bit marks the first
// such byte exactly (bits above it may be set for other bytes).
std::uint64_t bytesEqualTo(std::uint64_t word, char byte) {
    constexpr std::uint64_t Ones = 0x0101010101010101u;
    const std::uint64_t x = word ^ (Ones * static_cast<unsigned char>(byte));
    return (x - Ones) & ~x & (Ones << 7);
}

// The first CR or LF at or after `from`, or `size`. Lines are short and many, so the bytes
// are looked at eight at a time rather than through a call per line and character.
std::size_t lineEnd(const char* data, std::size_t from, std::size_t size) {
    for (; from + 8 <= size; from += 8) {
        const std::uint64_t word = eightBytes(data + from);
        const std::uint64_t found = bytesEqualTo(word, '\r') | bytesEqualTo(word, '\n');
        if (found) return from + static_cast<std::size_t>(std::countr_zero(found)) / 8;
    }
    while (from < size && !isLineBreak(data[from])) ++from;
    return from;
}

}  // namespace

IniFile::IniFile(std::string_view contents) : IniFile(std::string(contents)) {}

IniFile::IniFile(std::string&& contents) {
    const ini::FileEncoding found = ini::encodingOf(contents);
    encoding_ = found.encoding;
    byteOrderMark_ = found.mark;
    contents.erase(0, byteOrderMark_.size());
    if (encoding_ == ini::Encoding::Bytes) {
        text_ = std::move(contents);
    } else if (encoding_ == ini::Encoding::Utf8) {
        ini::DecodedUtf8 decoded = ini::fromUtf8(contents);
        text_ = std::move(decoded.text);
        utf8Starts_ = std::move(decoded.starts);
        replacedCharacters_ = decoded.replaced;
        original_ = std::move(contents);
    } else {
        text_ = ini::fromUtf16(contents, encoding_);
        original_ = std::move(contents);
    }
    parse();
}

// Any run of CR and LF ends a line. Lines are taken apart at each CR LF, lone LF and lone
// CR here, so a run of several leaves blank lines between them, which read as nothing.
void IniFile::parse() {
    // Positions are kept in 32 bits: text beyond 4 GiB, far more than is ever read, is
    // kept and written back but not looked into.
    const std::size_t size = std::min<std::size_t>(text_.size(), UINT32_MAX);
    const char* const data = text_.data();
    keys_.reserve(size / 16);
    for (std::size_t start = 0; start < size;) {
        const std::size_t end = lineEnd(data, start, size);
        addLine(start, end - start);
        start = end + (end + 1 < size && data[end] == '\r' && data[end + 1] == '\n' ? 2 : 1);
    }
    fileSections_ = sections_.size();
    for (std::size_t i = 0; i < fileSections_; ++i) {
        const bool last = i + 1 == fileSections_;
        sections_[i].end = last ? static_cast<std::uint32_t>(size) : sections_[i + 1].header;
        sections_[i].endKey = last ? static_cast<std::uint32_t>(keys_.size()) : sections_[i + 1].firstKey;
    }
    std::sort(sectionIndex_.begin(), sectionIndex_.end(), [](SectionRef a, SectionRef b) {
        return a.signature != b.signature ? a.signature < b.signature : a.section < b.section;
    });
}

// Only section headers and key lines are kept track of; other lines stay in the text. A
// key line is kept from its key on, so a change of it leaves what stands before as it was.
void IniFile::addLine(std::size_t start, std::size_t length) {
    const char* const line = text_.data() + start;
    std::size_t first = 0;
    while (first < length && isTrimmed(line[first])) ++first;
    if (first == length) return;
    if (line[first] == '[') {
        const std::string_view header(line, length);
        sectionIndex_.push_back(
            {ini::nameSignature(ini::headerName(header)), static_cast<std::uint32_t>(sections_.size())});
        sections_.push_back({static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(length), 0,
                             static_cast<std::uint32_t>(keys_.size()), 0});
        return;
    }
    if (sections_.empty() || line[first] == ';') return;
    const std::string_view text(line + first, length - first);
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) return;
    keys_.push_back({ini::nameSignature(ini::trimmedEnd(text.substr(0, equals))),
                     static_cast<std::uint32_t>(start + first), static_cast<std::uint32_t>(length - first),
                     static_cast<std::uint32_t>(equals)});
}

std::optional<IniFile> IniFile::read(const std::string& path) {
    files::ReadResult read = files::readRegularFile(path);
    if (!read.result) return std::nullopt;
    return IniFile(std::move(read.contents));
}

IniFile IniFile::readOrEmpty(const std::string& path) {
    std::optional<IniFile> file = read(path);
    return file ? std::move(*file) : IniFile();
}

std::string_view IniFile::headerText(std::size_t section) const {
    if (section >= fileSections_) return addedHeaders_[section - fileSections_];
    return std::string_view(text_).substr(sections_[section].header, sections_[section].headerLength);
}

const std::vector<IniFile::AddedKey>& IniFile::addedKeys(std::size_t section) const {
    static const std::vector<AddedKey> none;
    return section < addedKeys_.size() ? addedKeys_[section] : none;
}

const IniFile::Section* IniFile::findSection(std::string_view name) const {
    name = trimmed(name);
    const std::uint32_t signature = ini::nameSignature(name);
    auto it = std::lower_bound(sectionIndex_.begin(), sectionIndex_.end(), signature,
                               [](SectionRef ref, std::uint32_t wanted) { return ref.signature < wanted; });
    for (; it != sectionIndex_.end() && it->signature == signature; ++it) {
        if (ini::sameName(ini::headerName(headerText(it->section)), name)) return &sections_[it->section];
    }
    return nullptr;
}

std::optional<IniFile::KeyPlace> IniFile::findKey(const Section& section, std::string_view key) const {
    key = trimmed(key);
    const std::uint32_t signature = ini::nameSignature(key);
    for (std::uint32_t k = section.firstKey; k < section.endKey; ++k) {
        if (keys_[k].signature != signature || keys_[k].changed == KeyRef::Removed) continue;
        if (ini::sameName(ini::trimmedEnd(text(keys_[k]).substr(0, keys_[k].equals)), key)) return KeyPlace{k, false};
    }
    const std::vector<AddedKey>& added = addedKeys(static_cast<std::size_t>(&section - sections_.data()));
    for (std::size_t k = 0; k < added.size(); ++k) {
        const auto found = ini::keyOf(added[k].line);
        if (added[k].signature == signature && found && ini::sameName(*found, key)) {
            return KeyPlace{static_cast<std::uint32_t>(k), true};
        }
    }
    return std::nullopt;
}

std::string_view IniFile::find(std::string_view section, std::string_view key) const {
    const Section* found = findSection(section);
    const std::optional<KeyPlace> place = found ? findKey(*found, key) : std::nullopt;
    if (!place) return {};
    if (!place->added) return ini::valueOf(text(keys_[place->index]));
    return ini::valueOf(addedKeys(static_cast<std::size_t>(found - sections_.data()))[place->index].line);
}

bool IniFile::hasKey(std::string_view section, std::string_view key) const {
    const Section* found = findSection(section);
    return found && findKey(*found, key).has_value();
}

std::string IniFile::value(std::string_view section, std::string_view key) const {
    return std::string(find(section, key));
}

std::string IniFile::textValue(std::string_view section, std::string_view key) const {
    return text::cut(find(section, key));
}

int IniFile::intValue(std::string_view section, std::string_view key) const {
    return text::readInt(find(section, key).substr(0, text::MaxTextLength));
}

float IniFile::decimalValue(std::string_view section, std::string_view key) const {
    return text::toFloat(text::readDecimal(find(section, key).substr(0, text::MaxTextLength)));
}

IniFile::Section& IniFile::sectionToWrite(std::string_view name) {
    if (const Section* found = findSection(name)) return sections_[found - sections_.data()];
    addedHeaders_.push_back("[" + std::string(name) + "]");
    const SectionRef ref{ini::nameSignature(ini::headerName(addedHeaders_.back())),
                         static_cast<std::uint32_t>(sections_.size())};
    sectionIndex_.insert(std::upper_bound(sectionIndex_.begin(), sectionIndex_.end(), ref,
                                          [](SectionRef a, SectionRef b) { return a.signature < b.signature; }),
                         ref);
    const auto keys = static_cast<std::uint32_t>(keys_.size());
    sections_.push_back({0, 0, 0, keys, keys});
    return sections_.back();
}

void IniFile::replaceLine(KeyRef& key, std::string newText) {
    if (key.changed) {
        changedLines_[key.changed - 1] = std::move(newText);
        return;
    }
    changedLines_.push_back(std::move(newText));
    key.changed = static_cast<std::uint32_t>(changedLines_.size());
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value) {
    const std::string keyName = text::withoutLineBreaks(key);
    // Nothing after a NUL character could be read back, so the value ends there.
    const std::string wanted = text::withoutLineBreaks(value.substr(0, value.find('\0')));
    const Section& target = sectionToWrite(text::withoutLineBreaks(section));
    const auto index = static_cast<std::size_t>(&target - sections_.data());
    const std::optional<KeyPlace> place = findKey(target, keyName);
    if (!place) {
        std::string line;
        const std::string stored = ini::storedValue(wanted);
        line.reserve(keyName.size() + 1 + stored.size());
        line.append(keyName).append(1, '=').append(stored);
        if (addedKeys_.size() <= index) addedKeys_.resize(index + 1);
        addedKeys_[index].push_back({ini::nameSignature(trimmed(keyName)), std::move(line)});
        return;
    }
    // A line that already reads as the value stays byte for byte as it was; otherwise keep
    // the key as the file spells it and what is trimmed after '='.
    const std::string_view line = place->added ? std::string_view(addedKeys_[index][place->index].line)
                                               : text(keys_[place->index]);
    // A line with a NUL character in its value is written anew, so the value ends where it reads.
    if (ini::valueOf(line) == wanted && line.find('\0') == std::string_view::npos) return;
    std::size_t valueStart = line.find('=') + 1;
    while (valueStart < line.size() && isTrimmed(line[valueStart])) ++valueStart;
    std::string newLine(line.substr(0, valueStart));
    newLine += ini::storedValue(wanted);
    if (place->added) {
        addedKeys_[index][place->index].line = std::move(newLine);
    } else {
        replaceLine(keys_[place->index], std::move(newLine));
    }
}

// Where the line at `start` and its end stop. A line ends in CRs and a LF (CR LF, or CR CR
// LF in a file converted twice), or else in one lone CR.
std::size_t IniFile::afterLine(std::size_t start) const {
    const std::size_t end = lineEnd(text_.data(), start, text_.size());
    std::size_t lineFeed = end;
    while (lineFeed < text_.size() && text_[lineFeed] == '\r') ++lineFeed;
    if (lineFeed < text_.size() && text_[lineFeed] == '\n') return lineFeed + 1;
    return std::min(end + 1, text_.size());
}

// Keys added to a section of the file go after its last line that is not blank and that
// line's end, before the blank lines that part it from the next section.
std::size_t IniFile::addedKeysPosition(std::size_t section) const {
    const Section& found = sections_[section];
    std::size_t position = afterLine(found.header);
    for (std::size_t start = position; start < found.end;) {
        const std::size_t next = afterLine(start);
        if (!trimmed(std::string_view(text_).substr(start, next - start)).empty()) position = next;
        start = next;
    }
    return position;
}

void IniFile::removeKey(std::string_view section, std::string_view key) {
    const Section* found = findSection(section);
    if (!found) return;
    const auto index = static_cast<std::size_t>(found - sections_.data());
    key = trimmed(key);
    for (std::uint32_t k = found->firstKey; k < found->endKey; ++k) {
        KeyRef& ref = keys_[k];
        if (ref.changed != KeyRef::Removed && ini::sameName(ini::trimmedEnd(text(ref).substr(0, ref.equals)), key)) {
            ref.changed = KeyRef::Removed;
        }
    }
    if (index < addedKeys_.size()) {
        std::erase_if(addedKeys_[index], [key](const AddedKey& added) {
            const auto name = ini::keyOf(added.line);
            return name && ini::sameName(*name, key);
        });
    }
}

// Removed key lines count as gone.
bool IniFile::holdsOnlyBlankLines(std::size_t section) const {
    if (!addedKeys(section).empty()) return false;
    const Section& found = sections_[section];
    for (std::uint32_t k = found.firstKey; k < found.endKey; ++k) {
        if (keys_[k].changed != KeyRef::Removed) return false;
    }
    if (section >= fileSections_) return true;
    std::uint32_t k = found.firstKey;
    for (std::size_t start = afterLine(found.header); start < found.end;) {
        const std::size_t next = afterLine(start);
        while (k < found.endKey && keys_[k].start < start) ++k;
        const bool removedKey = k < found.endKey && keys_[k].start < next;
        if (!removedKey && !trimmed(std::string_view(text_).substr(start, next - start)).empty()) return false;
        start = next;
    }
    return true;
}

void IniFile::removeSectionIfEmpty(std::string_view section) {
    const Section* found = findSection(section);
    if (!found) return;
    const auto index = static_cast<std::uint32_t>(found - sections_.data());
    if (!holdsOnlyBlankLines(index)) return;
    sections_[index].removed = true;
    // Of duplicate sections the next is found from now on.
    std::erase_if(sectionIndex_, [index](SectionRef ref) { return ref.section == index; });
}

// The changes of one section of the file: its removal, or its changed and removed key
// lines and the keys added to it.
void IniFile::addEdits(std::vector<Edit>& edits, std::size_t section) const {
    constexpr std::size_t NoSection = static_cast<std::size_t>(-1);
    const Section& found = sections_[section];
    if (found.removed) {
        edits.push_back({found.header, found.end, {}, NoSection});
        return;
    }
    for (std::uint32_t k = found.firstKey; k < found.endKey; ++k) {
        const KeyRef& key = keys_[k];
        if (key.changed == KeyRef::Removed) {
            std::size_t lineStart = key.start;
            while (lineStart > 0 && !isLineBreak(text_[lineStart - 1])) --lineStart;
            edits.push_back({lineStart, afterLine(key.start), {}, NoSection});
        } else if (key.changed) {
            edits.push_back({key.start, key.start + key.length, text(key), NoSection});
        }
    }
    if (!addedKeys(section).empty()) {
        const std::size_t position = addedKeysPosition(section);
        edits.push_back({position, position, {}, section});
    }
}

std::vector<IniFile::Edit> IniFile::edits() const {
    std::vector<Edit> result;
    for (std::size_t i = 0; i < fileSections_; ++i) addEdits(result, i);
    std::sort(result.begin(), result.end(), [](const Edit& a, const Edit& b) { return a.from < b.from; });
    return result;
}

// The file's text from `from` to `to`: a lone LF becomes CR LF, all else is as it came
// (in a UTF-16 or UTF-8 file the bytes themselves, so characters without a Windows-1252 form
// survive a save).
void IniFile::appendOriginal(std::string& out, std::size_t from, std::size_t to) const {
    const auto appendStretch = [&](std::size_t start, std::size_t end) {
        if (encoding_ == ini::Encoding::Bytes) {
            out.append(text_, start, end - start);
        } else if (encoding_ == ini::Encoding::Utf8) {
            out.append(original_, utf8Starts_[start], utf8Starts_[end] - utf8Starts_[start]);
        } else {
            out.append(original_, 2 * start, 2 * (end - start));
        }
    };
    while (from < to) {
        const void* found = std::memchr(text_.data() + from, '\n', to - from);
        const std::size_t lineFeed = found ? static_cast<std::size_t>(static_cast<const char*>(found) - text_.data())
                                           : to;
        appendStretch(from, lineFeed);
        if (lineFeed == to) return;
        if (lineFeed == 0 || text_[lineFeed - 1] != '\r') ini::appendEncoded(out, "\r", encoding_);
        ini::appendEncoded(out, "\n", encoding_);
        from = lineFeed + 1;
    }
}

void IniFile::appendAddedKeys(std::string& out, std::size_t section) const {
    for (const AddedKey& added : addedKeys(section)) {
        ini::appendEncoded(out, added.line, encoding_);
        ini::appendEncoded(out, "\r\n", encoding_);
    }
}

std::string IniFile::contents() const {
    std::size_t size = byteOrderMark_.size() + text_.size() + text_.size() / 16 + 2;
    for (const std::string& line : changedLines_) size += line.size();
    for (const std::string& header : addedHeaders_) size += header.size() + 2;
    for (const std::vector<AddedKey>& added : addedKeys_) {
        for (const AddedKey& key : added) size += key.line.size() + 2;
    }
    std::string result;
    result.reserve(encoding_ == ini::Encoding::Bytes ? size : 2 * size + 1);
    result += byteOrderMark_;
    const std::vector<Edit> changes = edits();
    auto edit = changes.begin();
    std::size_t position = 0;
    bool lastLineKept = !text_.empty();
    for (; edit != changes.end() && edit->from < text_.size(); ++edit) {
        appendOriginal(result, position, edit->from);
        if (edit->insertion < sections_.size()) {
            appendAddedKeys(result, edit->insertion);
        } else {
            ini::appendEncoded(result, edit->replacement, encoding_);
        }
        position = edit->to;
        lastLineKept = position < text_.size() || !edit->replacement.empty();
    }
    appendOriginal(result, position, text_.size());
    // The last line gets the end it lacked, so the file and any line added after it end.
    if (lastLineKept && !isLineBreak(text_.back())) ini::appendEncoded(result, "\r\n", encoding_);
    for (; edit != changes.end(); ++edit) appendAddedKeys(result, edit->insertion);
    for (std::size_t i = fileSections_; i < sections_.size(); ++i) {
        if (sections_[i].removed) continue;
        ini::appendEncoded(result, addedHeaders_[i - fileSections_], encoding_);
        ini::appendEncoded(result, "\r\n", encoding_);
        appendAddedKeys(result, i);
    }
    // A lone byte after the last UTF-16 code unit is no text, but it is the file's.
    const bool utf16 = encoding_ == ini::Encoding::Utf16LittleEndian || encoding_ == ini::Encoding::Utf16BigEndian;
    if (utf16 && original_.size() % 2 != 0) result += original_.back();
    return result;
}

files::FileResult IniFile::writeAtomically(const std::string& path) const {
    const std::size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0) {
        if (files::FileResult created = files::createFolders(path.substr(0, slash)); !created) return created;
    }
    return files::replaceFile(path, contents());
}
