#pragma once
// Reading the plain text files of the player and course import: one record a line,
// white-space separated fields, text after the last field ignored.
//
// A line that cannot give a whole record is left out and counted, and the lines after it
// are read as if it were not there. A line is left out when
//   - it holds blanks only, or fewer fields than its record needs;
//   - the number field does not start with a number (a name with a blank in it puts a
//     word where the number should be);
//   - it is longer than MaxImportLineLength characters (the CR before its LF not counted),
//     or one of its name fields is longer than MaxImportWordLength characters.
// A number beyond the int range saturates at its ends. A zero byte ends the readable
// text of a line, so a name can never carry one. A file that is well-formed UTF-8 is read
// as UTF-8, any other as Windows-1252; a line whose name Windows-1252 cannot hold is left out.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ini/FileSystem.h"
#include "model/Records.h"

// Longest line and longest word an import file may hold.
inline constexpr std::size_t MaxImportLineLength = 999;
inline constexpr std::size_t MaxImportWordLength = 99;

struct ImportedPlayer {
    std::string firstName;
    std::string surName;
    float hcp = 0.0f;  // the index, read as the register screen reads it ("18,7", "+2,1")
};

struct ImportedPitch {
    std::string name;
    int holes = 0;
};

// Calls `visit` with each line of a file's contents, without copying: CR, LF and CR LF
// each end a line, and the last line needs no line end. Empty lines are visited too
// (isEmptyImportLine tells them); a file that ends with a line end has no empty line after it.
template <typename Visit>
void forEachImportLine(std::string_view contents, Visit visit) {
    std::size_t start = 0;
    while (start < contents.size()) {
        const std::size_t end = contents.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            visit(contents.substr(start));
            return;
        }
        visit(contents.substr(start, end - start));
        start = end + (contents[end] == '\r' && end + 1 < contents.size() && contents[end + 1] == '\n' ? 2 : 1);
    }
}

// The contents without a UTF-8 byte order mark in front, which is no part of a name.
std::string_view withoutByteOrderMark(std::string_view contents);

// The lines of forEachImportLine, for callers that want them all at once.
std::vector<std::string_view> splitImportLines(std::string_view contents);

// An empty line is skipped without being counted; a line of blanks is not empty.
inline bool isEmptyImportLine(std::string_view line) { return line.empty(); }

// "first surname handicap": nothing when the line does not carry all three fields.
std::optional<ImportedPlayer> parsePlayerLine(std::string_view line);
// "name holes": nothing when the line does not carry both fields.
std::optional<ImportedPitch> parsePitchLine(std::string_view line);

// What one import did: records taken, and non-empty lines left out (unreadable, or no room).
struct ImportCounts {
    long long taken = 0;
    long long leftOut = 0;
};

// Adds the player of every readable line behind the players `group` already has, while it
// has room (first name, surname and the handicap as a float; club, sh and results of the
// slot stay as they are).
ImportCounts importPlayers(std::string_view contents, CPlayGroup& group);
// Fills `table` from its first record on with the course of every readable line (name and
// holes), one record per readable line, until the table is full.
ImportCounts importPitches(std::string_view contents, std::span<CPitch> table);

// The bytes of the regular file at `path` (UTF-8 file name). A file that is missing, is a
// directory or another non-regular file, is over files::MaxFileSize or cannot be read gives
// no bytes and the reason.
files::ReadResult readImportFile(const std::string& path);
