#include "lists/PrizeList.h"

#include <algorithm>
#include <string_view>

#include "lists/Lists.h"
#include "model/CTournament.h"
#include "scoring/Prize.h"
#include "scoring/SidePrize.h"
#include "text/Encoding.h"
#include "text/Text.h"

using namespace text::literals;

namespace {

constexpr std::string_view CsvHeader =
    "Klasse;Spilleform;Plass;Fornavn;Etternavn;Klubb;Gruppe;Brutto;Spillehandicap;Netto;Poeng;Avgjort";
constexpr std::string_view SideCsvHeader =
    "Klasse;Spilleform;Format;Plass;Spillere;Gruppe;Brutto;Spillehandicap;Netto;Poeng;Avgjort";
constexpr std::string_view ByteOrderMark = text::Utf8ByteOrderMark;
constexpr std::string_view ColumnGap = "  ";

std::string competitionTitle(const PrizeCompetition& competition) {
    return std::string(competition.className).append(" – "_cp1252).append(competition.playFormName);
}

// The working word, or why the player has no place.
std::string_view decidedText(const PrizeEntry& entry) {
    return entry.status == PrizeStatus::Ranked ? entry.working : prizeStatusText(entry.status);
}

bool hasPlayingHandicap(const PrizeEntry& entry) { return entry.status != PrizeStatus::NoTee; }

std::string playingHandicapText(const PrizeEntry& entry) {
    return hasPlayingHandicap(entry) ? text::formatInt(entry.playingHandicap) : std::string();
}

std::string placeText(const PrizeEntry& entry) {
    return entry.place > 0 ? text::formatInt(entry.place) : std::string();
}

PrizeTable competitionTable(const PrizeCompetition& competition) {
    PrizeTable table;
    table.title = competitionTitle(competition);
    table.columns = {{"Plass", true},
                     {"Navn", false},
                     {"Klubb", false},
                     {"Gruppe", false},
                     {"Brutto", true},
                     {"Sp.hcp", true},
                     {competition.stableford ? "Poeng" : "Netto", true},
                     {"Avgjort", false}};
    for (const PrizeEntry& entry : competition.entries) {
        // A player who has not started has no score to post, only a handicap; one without a
        // playing handicap has strokes and nothing worked out from them.
        const bool started = entry.status != PrizeStatus::NotStarted;
        const bool scored = started && hasPlayingHandicap(entry);
        const long long score = competition.stableford ? entry.points : entry.net;
        table.rows.push_back({placeText(entry), text::withoutLineBreaks(playerText(entry.firstName, entry.surName)),
                              text::withoutLineBreaks(entry.club), text::withoutLineBreaks(entry.groupName),
                              started ? text::formatInt(entry.gross) : std::string(), playingHandicapText(entry),
                              scored ? text::formatInt(score) : std::string(), std::string(decidedText(entry))});
    }
    return table;
}

std::string sideCompetitionTitle(const SideCompetition& competition) {
    return text::joined(competition.className, " – "_cp1252, competition.playFormName, " – "_cp1252,
                        competition.formatName);
}

// What a side row shows of its figures, by the same rules as a player's row.
struct SideFigures {
    std::string place, gross, handicap, net, points, decided;
};

SideFigures sideFigures(const SideCompetition& competition, const SideEntry& entry) {
    SideFigures figures;
    if (entry.status == PrizeStatus::WithoutPartner || entry.status == PrizeStatus::WithoutTeam) {
        figures.decided = prizeStatusText(entry.status);
        return figures;
    }
    figures.place = entry.place > 0 ? text::formatInt(entry.place) : std::string();
    if (competition.oneBall) figures.gross = text::formatInt(entry.gross);
    for (const int handicap : entry.playingHandicaps) {
        if (!figures.handicap.empty()) figures.handicap += '/';
        figures.handicap += text::formatInt(handicap);
    }
    const bool started = entry.status != PrizeStatus::NotStarted && entry.status != PrizeStatus::NoTee;
    const bool unfinished = entry.status == PrizeStatus::NotCompleted;
    if (started && !competition.stableford && !unfinished) figures.net = text::formatInt(entry.total);
    if (started && competition.stableford) figures.points = text::formatInt(entry.total);
    figures.decided = entry.status == PrizeStatus::Ranked ? entry.working : prizeStatusText(entry.status);
    return figures;
}

PrizeTable sideCompetitionTable(const SideCompetition& competition) {
    PrizeTable table;
    table.title = sideCompetitionTitle(competition);
    table.columns = {{"Plass", true},   {"Spillere", false}, {"Gruppe", false},
                     {"Brutto", true},  {"Sp.hcp", true},    {competition.stableford ? "Poeng" : "Netto", true},
                     {"Avgjort", false}};
    for (const SideEntry& entry : competition.entries) {
        const SideFigures figures = sideFigures(competition, entry);
        // The notice board shows a stroke-play total so far, as it does for a player.
        const bool alone = entry.status == PrizeStatus::WithoutPartner || entry.status == PrizeStatus::WithoutTeam;
        const bool started = !alone && entry.status != PrizeStatus::NotStarted && entry.status != PrizeStatus::NoTee;
        table.rows.push_back({figures.place, text::withoutLineBreaks(entry.playersText()),
                              text::withoutLineBreaks(entry.groupName),
                              entry.status == PrizeStatus::NotStarted ? std::string() : figures.gross, figures.handicap,
                              started ? text::formatInt(entry.total) : std::string(), figures.decided});
    }
    return table;
}

// Cells padded to their column's widest text, numbers to the right; no trailing blanks.
std::string tableLine(const PrizeTable& table, const std::vector<std::string>& cells,
                      const std::vector<std::size_t>& widths) {
    std::string line;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (c > 0) line += ColumnGap;
        const std::string padding(widths[c] - cells[c].size(), ' ');
        line += table.columns[c].alignRight ? padding + cells[c] : cells[c] + padding;
    }
    line.erase(line.find_last_not_of(' ') + 1);
    return line + "\r\n";
}

std::string tableText(const PrizeTable& table) {
    std::vector<std::string> headings;
    std::vector<std::size_t> widths;
    for (const PrizeColumn& column : table.columns) {
        headings.push_back(column.heading);
        widths.push_back(column.heading.size());
    }
    for (const auto& row : table.rows) {
        for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
    }
    std::vector<std::string> rules;
    rules.reserve(widths.size());
    for (std::size_t width : widths) rules.emplace_back(width, '-');
    std::string result = table.title + "\r\n\r\n" + tableLine(table, headings, widths) +
                         tableLine(table, rules, widths);
    for (const auto& row : table.rows) result += tableLine(table, row, widths);
    return result;
}

// A Windows-1252 field as UTF-8, quoted only when it holds ';' or '"'.
std::string csvField(std::string_view cp1252) {
    std::string utf8 = text::utf8FromWindows1252(text::withoutLineBreaks(cp1252));
    if (utf8.find_first_of(";\"") == std::string::npos) return utf8;
    std::string quoted = "\"";
    for (char c : utf8) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

// A spreadsheet sorts by these figures, so a player who did not play has none: no net or points
// before a start, no net for an unfinished stroke-play card, none of them without a playing handicap.
std::string csvLine(const PrizeCompetition& competition, const PrizeEntry& entry) {
    const bool started = entry.status != PrizeStatus::NotStarted && hasPlayingHandicap(entry);
    const bool netCounts = started && !(entry.status == PrizeStatus::NotCompleted && !competition.stableford);
    const std::string net = netCounts ? text::formatInt(entry.net) : std::string();
    const std::string points = started ? text::formatInt(entry.points) : std::string();
    std::string line = csvField(competition.className) + ';' + csvField(competition.playFormName) + ';' +
                       placeText(entry) + ';' + csvField(entry.firstName) + ';' + csvField(entry.surName) + ';' +
                       csvField(entry.club) + ';' + csvField(entry.groupName) + ';' + text::formatInt(entry.gross) +
                       ';' + playingHandicapText(entry) + ';' + net + ';' + points + ';' + csvField(decidedText(entry));
    return line + "\r\n";
}

std::string sideCsvLine(const SideCompetition& competition, const SideEntry& entry) {
    const SideFigures figures = sideFigures(competition, entry);
    return text::joined(csvField(competition.className), ";", csvField(competition.playFormName), ";",
                        csvField(competition.formatName), ";", figures.place, ";", csvField(entry.playersText()), ";",
                        csvField(entry.groupName), ";", figures.gross, ";", figures.handicap, ";", figures.net, ";",
                        figures.points, ";", csvField(figures.decided), "\r\n");
}

std::string sidePrizeListCsv(const CTournamentInfo& tournament) {
    std::string result = text::joined(ByteOrderMark, SideCsvHeader, "\r\n");
    for (const SideCompetition& competition : buildSidePrizeList(tournament)) {
        for (const SideEntry& entry : competition.entries) result += sideCsvLine(competition, entry);
    }
    return result;
}

}  // namespace

PrizeListDocument prizeListDocument(const CTournamentInfo& tournament) {
    PrizeListDocument document;
    document.title = "Premieliste";
    document.tournament = text::withoutLineBreaks(tournament.name);
    document.date = listDateText(tournament);
    document.course = text::withoutLineBreaks(tournament.pitch.name) + ", " +
                      text::formatInt(tournament.pitch.holesThatCount()) + " hull";
    if (playsSides(tournament)) {
        for (const SideCompetition& competition : buildSidePrizeList(tournament))
            document.tables.push_back(sideCompetitionTable(competition));
        return document;
    }
    for (const PrizeCompetition& competition : buildPrizeList(tournament))
        document.tables.push_back(competitionTable(competition));
    return document;
}

std::string prizeListText(const CTournamentInfo& tournament) {
    const PrizeListDocument document = prizeListDocument(tournament);
    std::string result = document.title + "\r\n";
    result += "Turnering : " + document.tournament + "\r\n";
    result += "Dato      : " + document.date + "\r\n";
    result += "Bane      : " + document.course + "\r\n";
    for (const PrizeTable& table : document.tables) result += "\r\n\r\n" + tableText(table);
    return result;
}

std::string prizeListCsv(const CTournamentInfo& tournament) {
    if (playsSides(tournament)) return sidePrizeListCsv(tournament);
    std::string result = std::string(ByteOrderMark) + std::string(CsvHeader) + "\r\n";
    for (const PrizeCompetition& competition : buildPrizeList(tournament)) {
        for (const PrizeEntry& entry : competition.entries) result += csvLine(competition, entry);
    }
    return result;
}

files::FileResult writePrizeListText(const CTournamentInfo& tournament, const std::string& path) {
    return files::replaceFile(path, prizeListText(tournament));
}

files::FileResult writePrizeListCsv(const CTournamentInfo& tournament, const std::string& path) {
    return files::replaceFile(path, prizeListCsv(tournament));
}
