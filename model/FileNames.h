#pragma once
// The files named after a tournament, relative to the working directory. Names are the
// model's Windows-1252 text; the paths are UTF-8, as file names on disk are.

#include <string>
#include <string_view>

// Whether a tournament name can name its files, and if not, why: a name is usable when it is
// not empty, every character has its place in Windows-1252 (names differing only in others
// would share one file), it has at most text::MaxTextLength characters (the stored name is
// cut there), no "/" or "\", no control character, and it is neither "." nor "..".
enum class NameForFiles { Usable, Empty, Unusable };
// For the name as typed (UTF-8).
NameForFiles nameForFiles(std::string_view typedName);
// For the name as the tournament keeps it (Windows-1252).
NameForFiles storedNameForFiles(std::string_view storedName);
// What the screens say when they refuse a name for `verdict` (UTF-8); empty for Usable.
const char* refusalText(NameForFiles verdict);

// "./data/<name>.ini"
std::string tournamentFilePath(std::string_view name);
// The phones' journal of the tournament file at `tournamentFile` ("<folder>/<name>.ini"), kept
// beside its recovery copy: "<folder>/.gjenoppretting/<name>.journal".
std::string journalPathFor(std::string_view tournamentFile);
// "./<name>_StartListe.txt"
std::string startListPath(std::string_view name);
// "./<name>_StartListe.pdf"
std::string startListPdfPath(std::string_view name);
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
