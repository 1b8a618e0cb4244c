#pragma once
// The files named after a tournament, relative to the working directory. Names are the
// model's Windows-1252 text; the paths are UTF-8, as file names on disk are.

#include <string>
#include <string_view>

// Whether a competition name, as typed (UTF-8), can name the tournament's files: every
// character has its place in Windows-1252 (names differing only in others would share one
// file), at most text::MaxTextLength characters (the stored name is cut there), no "/" or
// "\", no control character, and neither "." nor "..". The empty name is refused elsewhere.
bool isUsableFileName(std::string_view typedName);

// "./data/<name>.ini"
std::string tournamentFilePath(std::string_view name);
// "./<name>_StartListe.txt"
std::string startListPath(std::string_view name);
// "./<name>_ResultatListe.txt"
std::string resultListPath(std::string_view name);
// "./<name>_Scorekort.pdf"
std::string scoreCardPath(std::string_view name);
// "./<name>_Premieliste.txt", ".csv" and ".pdf"
struct PrizeListPaths {
    std::string text;
    std::string csv;
    std::string pdf;
};
PrizeListPaths prizeListPaths(std::string_view name);
