#pragma once
// The two printed lists, written as Windows-1252 text with CR LF after every line.

#include <string>
#include <string_view>

class CTournament;

// "Januar".."Desember" for 1..12; any other month shows as its number.
std::string monthText(int month);

// Writes the start list to `path`, replacing any file there. Answers false when the
// file cannot be written completely.
bool writeStartList(const CTournament& tournament, const std::string& path);
// Writes the result list to `path`, replacing any file there. Answers false when the
// file cannot be written completely.
bool writeResultList(const CTournament& tournament, const std::string& path);
