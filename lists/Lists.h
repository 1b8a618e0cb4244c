#pragma once
// The two printed lists, written as Windows-1252 text with CR LF after every line, and the
// lines the results screen shows.

#include <string>
#include <string_view>
#include <vector>

#include "ini/FileSystem.h"

struct CTournamentInfo;
class CTournament;

// "Januar".."Desember" for 1..12; any other month shows as its number.
std::string monthText(int month);
// "14 Juni 2026", as the lists head their pages.
std::string listDateText(const CTournamentInfo& tournament);

// The start list's bytes.
std::string startListText(const CTournamentInfo& tournament);
// The result list's bytes.
std::string resultListText(const CTournamentInfo& tournament);

// Writes the start list to `path` through files::replaceFile. When it cannot be written
// completely, an old list there is left as it was and the answer says why.
files::FileResult writeStartList(const CTournament& tournament, const std::string& path);
// Writes the result list to `path` through files::replaceFile. When it cannot be written
// completely, an old list there is left as it was and the answer says why.
files::FileResult writeResultList(const CTournament& tournament, const std::string& path);

// The results screen's lines, one per player of the groups in use, numbered in group then
// registration order, "%d: %s %s %d %.1f, " with the strokes of the course's holes each
// followed by a blank, in the screen's sorted order.
std::vector<std::string> resultScreenLines(const CTournamentInfo& tournament);
// The screen's sorted order: ascending, letter case ignored, punctuation and blanks before
// digits and digits before letters, so "1:" comes before "10:" and "19:" before "2:".
bool resultLineSortsBefore(std::string_view left, std::string_view right);
