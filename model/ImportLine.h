#pragma once
// Reading the plain text files of the player and course import: one record a line,
// white-space separated fields, text after the last field ignored.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Longest line and longest word an import file may hold.
inline constexpr std::size_t MaxImportLineLength = 999;
inline constexpr std::size_t MaxImportWordLength = 99;

struct ImportedPlayer {
    std::string firstName;
    std::string surName;
    int hcp = 0;
};

struct ImportedPitch {
    std::string name;
    int holes = 0;
};

// The lines of a file's contents: a line feed ends a line, a carriage return in front of
// it is not part of the line, and the last line needs no line feed.
std::vector<std::string_view> splitImportLines(std::string_view contents);

// "first surname handicap": nothing when the line does not carry all three fields
// (a handicap with decimals is read up to the point).
std::optional<ImportedPlayer> parsePlayerLine(std::string_view line);
// "name holes": nothing when the line does not carry both fields.
std::optional<ImportedPitch> parsePitchLine(std::string_view line);
