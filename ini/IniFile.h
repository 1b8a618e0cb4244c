#pragma once
// Private-profile (INI) files as the platform keeps them: sections of key=value lines.
// A file is read whole into memory, queried and changed there, and written back at
// most once, so an operation over many keys opens the file once.
//
// Reading follows the platform's reader (ini/IniSyntax.h): any run of CR and LF ends a
// line; section and key names match without regard to ASCII letter case; a value is taken
// with blanks and control characters around it removed and one pair of enclosing quotes
// stripped; a missing file, section or key reads as the empty text; of duplicate sections
// or keys the first wins; a value ends at its first NUL character. A file with a UTF-16 byte
// order mark, or one that is UTF-8 text (ini/FileEncoding.h), is read as Windows-1252 text.
// Writing a key replaces its value in place, adds a missing key at the end of its section
// and a missing section at the end of the file; every other line stays byte for byte as
// it was, and the file keeps its encoding.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ini/FileEncoding.h"
#include "ini/FileSystem.h"
#include "ini/IniSyntax.h"

class IniFile {
public:
    IniFile() = default;
    // Parses file contents. A UTF-8 byte order mark that an editor put in front is no part
    // of the first line; a UTF-16 one tells the encoding of the rest. The file's text is
    // kept once, and only its section headers and key lines are indexed, so a file costs
    // little more than its size.
    explicit IniFile(std::string_view contents);
    explicit IniFile(std::string&& contents);
    explicit IniFile(const char* contents) : IniFile(std::string_view(contents)) {}

    // Reads the regular file at `path`; answers nothing when it is missing, cannot be read,
    // is not a regular file or is over files::MaxFileSize.
    static std::optional<IniFile> read(const std::string& path);
    // Reads the file at `path`, or starts an empty one when there is none.
    static IniFile readOrEmpty(const std::string& path);

    // Whether the file has `section`, and `key` in it (an empty value counts).
    bool hasSection(std::string_view section) const { return findSection(section) != nullptr; }
    bool hasKey(std::string_view section, std::string_view key) const;
    // The value of `key` in `section`, whole, or the empty text.
    std::string value(std::string_view section, std::string_view key) const;
    // Values as the model's files take them: the first 49 characters of the value, as text,
    // as a leading integer and as a decimal narrowed to a float.
    std::string textValue(std::string_view section, std::string_view key) const;
    int intValue(std::string_view section, std::string_view key) const;
    float decimalValue(std::string_view section, std::string_view key) const;
    // Calls `visit(key, value)` for every key line of the section that `section` names, in
    // file order, duplicates included, so a reader of many keys walks the section once.
    // The views last until the file changes.
    template <typename Visit>
    void forEachValue(std::string_view section, Visit&& visit) const;

    // Sets `key` in `section`; CR and LF inside the value become blanks, and it ends before a NUL. A value that reading
    // would change is written in quotes, so it reads back as set.
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    // Removes every line of `key` in `section`, duplicates included; other lines stay as they were.
    void removeKey(std::string_view section, std::string_view key);
    // Removes `section`, header included, when it holds nothing but blank lines.
    void removeSectionIfEmpty(std::string_view section);

    // The characters of a UTF-8 file that Windows-1252 cannot hold, read as '?'. A value holding
    // one is written back only when it is set to another value.
    std::size_t replacedCharacters() const { return replacedCharacters_; }

    // The contents in the file's encoding. Every line ends in CR LF, as files of this program
    // do, except a line that ended in a lone CR: that CR is kept, so a save into a file from
    // a classic Mac editor, or into one converted twice (CR CR LF), changes the lines it sets
    // and leaves every other byte as it was.
    std::string contents() const;
    // Writes the contents to `path` through files::replaceFile; a missing folder of the file
    // is created. On failure any old file is left as it was and the answer says why.
    files::FileResult writeAtomically(const std::string& path) const;

private:
    // A key line from its key on: the signature of the key (ini::nameSignature), where it
    // is in text_ and where its '=' is in it. A changed line keeps its key and '=' and gets
    // its text from changedLines_.
    struct KeyRef {
        std::uint32_t signature;
        std::uint32_t start;
        std::uint32_t length;
        std::uint32_t equals;
        std::uint32_t changed = 0;  // 1 + its index in changedLines_, 0, or Removed
        static constexpr std::uint32_t Removed = UINT32_MAX;
    };
    // A key line this program added to a section.
    struct AddedKey {
        std::uint32_t signature;
        std::string line;
    };
    // One section: its header line, its key lines among keys_ and where the next section's
    // header starts (or the text ends). A section this program added has its header in
    // addedHeaders_ and is written after the file's text.
    struct Section {
        std::uint32_t header = 0;
        std::uint32_t headerLength = 0;
        std::uint32_t end = 0;
        std::uint32_t firstKey = 0;
        std::uint32_t endKey = 0;
        bool removed = false;
    };
    // A section found by the signature of its name (ini::nameSignature).
    struct SectionRef {
        std::uint32_t signature;
        std::uint32_t section;
    };
    // Where a key's first line is: keys_[index], or the section's added[index].
    struct KeyPlace {
        std::uint32_t index;
        bool added;
    };
    // A change of the file's text, applied when the contents are produced: a line's text
    // replaced, text removed (no replacement), or the keys added to a section inserted at
    // `from`.
    struct Edit {
        std::size_t from;
        std::size_t to;
        std::string_view replacement;
        std::size_t insertion;  // the section whose added keys go here, or none
    };

    void parse();
    void addLine(std::size_t start, std::size_t length);
    std::string_view text(const KeyRef& key) const {
        return key.changed ? std::string_view(changedLines_[key.changed - 1])
                           : std::string_view(text_).substr(key.start, key.length);
    }
    std::string_view headerText(std::size_t section) const;
    const std::vector<AddedKey>& addedKeys(std::size_t section) const;
    const Section* findSection(std::string_view name) const;
    Section& sectionToWrite(std::string_view name);
    std::optional<KeyPlace> findKey(const Section& section, std::string_view key) const;
    std::string_view find(std::string_view section, std::string_view key) const;
    void replaceLine(KeyRef& key, std::string newText);
    std::size_t afterLine(std::size_t start) const;
    std::size_t addedKeysPosition(std::size_t section) const;
    bool holdsOnlyBlankLines(std::size_t section) const;
    void addEdits(std::vector<Edit>& edits, std::size_t section) const;
    std::vector<Edit> edits() const;
    void appendOriginal(std::string& out, std::size_t from, std::size_t to) const;
    void appendAddedKeys(std::string& out, std::size_t section) const;

    ini::Encoding encoding_ = ini::Encoding::Bytes;
    std::string byteOrderMark_;              // kept to be written back, never part of a line
    std::string text_;                       // the file's text in Windows-1252, the mark left out
    std::string original_;                   // a UTF-16 or UTF-8 file as it came, whose untouched text is copied back
    std::vector<std::uint32_t> utf8Starts_;  // of a UTF-8 file: where each character of text_ begins
    std::size_t replacedCharacters_ = 0;
    std::vector<KeyRef> keys_;  // key lines of the file's sections in file order
    std::vector<Section> sections_;
    std::vector<SectionRef> sectionIndex_;          // sorted by signature, then position
    std::size_t fileSections_ = 0;                  // sections_ before this are the file's own
    std::vector<std::string> addedHeaders_;         // of the sections after them
    std::vector<std::vector<AddedKey>> addedKeys_;  // by section, as far as any were added
    std::vector<std::string> changedLines_;
};

template <typename Visit>
void IniFile::forEachValue(std::string_view section, Visit&& visit) const {
    const Section* found = findSection(section);
    if (!found) return;
    for (std::uint32_t k = found->firstKey; k < found->endKey; ++k) {
        if (keys_[k].changed == KeyRef::Removed) continue;
        const std::string_view line = text(keys_[k]);
        visit(ini::trimmedEnd(line.substr(0, keys_[k].equals)), ini::valueWritten(line.substr(keys_[k].equals + 1)));
    }
    for (const AddedKey& added : addedKeys(static_cast<std::size_t>(found - sections_.data()))) {
        if (const auto key = ini::keyOf(added.line)) visit(*key, ini::valueOf(added.line));
    }
}
