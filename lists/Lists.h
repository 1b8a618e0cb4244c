#pragma once
// The two printed lists, written as Windows-1252 text with CR LF after every line.

#include <string>
#include <string_view>

#include "ini/FileSystem.h"

class CTournament;

// "Januar".."Desember" for 1..12; any other month shows as its number.
std::string monthText(int month);

// Writes the start list to `path` through files::replaceFile. When it cannot be written
// completely, an old list there is left as it was and the answer says why.
files::FileResult writeStartList(const CTournament& tournament, const std::string& path);
// Writes the result list to `path` through files::replaceFile. When it cannot be written
// completely, an old list there is left as it was and the answer says why.
files::FileResult writeResultList(const CTournament& tournament, const std::string& path);
