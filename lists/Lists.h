#pragma once
// The two printed lists, written as Windows-1252 text with CR LF after every line.

#include <string>
#include <string_view>

class CTournament;

// "Januar".."Desember" for 1..12; any other month shows as its number.
std::string monthText(int month);

// Writes the start list to `path`, replacing any file there as a whole. Answers false
// when it cannot be written completely; an old list there is then left as it was.
bool writeStartList(const CTournament& tournament, const std::string& path);
// Writes the result list to `path`, replacing any file there as a whole. Answers false
// when it cannot be written completely; an old list there is then left as it was.
bool writeResultList(const CTournament& tournament, const std::string& path);
