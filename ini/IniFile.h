#pragma once
// Private-profile (INI) files as the platform keeps them: sections of key=value lines.
// A file is read whole into memory, queried and changed there, and written back at
// most once, so an operation over many keys opens the file once.
//
// Reading: section and key names match without regard to ASCII letter case; a value is
// taken with surrounding blanks removed and one pair of enclosing double quotes stripped;
// a missing file, section or key reads as the empty text; of duplicate sections or keys
// the first wins. Writing a key replaces its value in place, adds a missing key at the end
// of its section and a missing section at the end of the file; every other line stays
// byte for byte as it was.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class IniFile {
public:
    IniFile() = default;
    // Parses file contents (CR LF or LF line ends). A UTF-8 byte order mark that an editor
    // put in front is no part of the first line.
    explicit IniFile(std::string_view contents);

    // Reads the file at `path`; answers nothing when it cannot be read.
    static std::optional<IniFile> read(const std::string& path);
    // Reads the file at `path`, or starts an empty one when there is none.
    static IniFile readOrEmpty(const std::string& path);

    // The value of `key` in `section`, whole (a lone CR inside it read as a blank), or the empty text.
    std::string value(std::string_view section, std::string_view key) const;
    // Values as the model's files take them: the first 49 characters of the value, as text,
    // as a leading integer and as a decimal narrowed to a float.
    std::string textValue(std::string_view section, std::string_view key) const;
    int intValue(std::string_view section, std::string_view key) const;
    float decimalValue(std::string_view section, std::string_view key) const;
    // Sets `key` in `section`; CR and LF inside the value become blanks. A value with blanks at
    // its ends or enclosing quotes of its own is written in quotes, so it reads back as set.
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    // Removes every line of `key` in `section`, duplicates included; other lines stay as they were.
    void removeKey(std::string_view section, std::string_view key);
    // Removes `section`, header included, when it holds nothing but blank lines.
    void removeSectionIfEmpty(std::string_view section);

    // The contents with CR LF line ends.
    std::string contents() const;
    // Writes the contents to `path` atomically: a new file beside it, flushed to disk,
    // renamed over the old one; a missing folder of the file is created. Answers false
    // (and leaves any old file as it was) on failure.
    bool writeAtomically(const std::string& path) const;

private:
    // A key line of a section: the hash of its lower-case name and its position. Lookups
    // compare the hashes in file order, so the first of duplicate keys is found, and no
    // name is copied for them.
    struct KeyRef {
        std::uint32_t hash;
        std::uint32_t line;
    };
    // One section: its header line and the lines up to the next header.
    struct Section {
        std::string header;
        std::vector<std::string> lines;
        std::vector<KeyRef> keys;
    };

    void addLine(std::string_view line);
    Section* findSection(std::string_view name);
    const Section* findSection(std::string_view name) const;
    // Position of the first line of `key` in `section`, or -1.
    static std::ptrdiff_t findKey(const Section& section, std::string_view key);
    static void addKey(Section& section, std::string_view key, std::string_view value);
    static void indexKeys(Section& section);

    std::string byteOrderMark_;          // kept to be written back, never part of a line
    std::vector<std::string> preamble_;  // lines before the first section
    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> sectionIndex_;  // lower-case name -> first section
};
