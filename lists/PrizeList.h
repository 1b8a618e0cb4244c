#pragma once
// The prize list as text for the notice board (Windows-1252, CR LF), as CSV for spreadsheets
// (UTF-8 with a byte order mark, ';', CR LF), and as the tables a printed page lays out.

#include <string>
#include <string_view>
#include <vector>

struct CTournamentInfo;

struct PrizeColumn {
    std::string heading;
    bool alignRight = false;
};

// One competition: its title and its rows of cells (Windows-1252), one row per player.
struct PrizeTable {
    std::string title;
    std::vector<PrizeColumn> columns;
    std::vector<std::vector<std::string>> rows;
};

struct PrizeListDocument {
    std::string title;       // "Premieliste"
    std::string tournament;  // the tournament's name
    std::string date;        // "14 Juni 2026"
    std::string course;      // "Kortbanen, 9 hull"
    std::vector<PrizeTable> tables;
};

// What the printed and posted prize list shows, from the tournament records.
PrizeListDocument prizeListDocument(const CTournamentInfo& tournament);

// The notice-board text: the heading, then each competition as a table with aligned columns.
std::string prizeListText(const CTournamentInfo& tournament);
// The CSV: a header line, then one line per player, competitions in order.
std::string prizeListCsv(const CTournamentInfo& tournament);

// Write the two files through the safe file replacement; false when it failed, leaving any
// old file as it was.
bool writePrizeListText(const CTournamentInfo& tournament, const std::string& path);
bool writePrizeListCsv(const CTournamentInfo& tournament, const std::string& path);

struct PrizeListPaths {
    std::string text;
    std::string csv;
    std::string pdf;
};

// "./<name>_Premieliste.txt", ".csv" and ".pdf" beside the other lists, the name in UTF-8 as
// file names on disk are.
PrizeListPaths prizeListPaths(std::string_view tournamentName);
