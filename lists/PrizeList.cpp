#include "lists/PrizeList.h"

#include <algorithm>
#include <string_view>

#include "lists/Lists.h"
#include "model/CTournament.h"
#include "scoring/Prize.h"
#include "text/Encoding.h"
#include "text/Text.h"

using namespace text::literals;

namespace {

constexpr std::string_view CsvHeader =
    "Klasse;Spilleform;Plass;Fornavn;Etternavn;Klubb;Gruppe;Brutto;Spillehandicap;Netto;Poeng;Avgjort";
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

}  // namespace

PrizeListDocument prizeListDocument(const CTournamentInfo& tournament) {
    PrizeListDocument document;
    document.title = "Premieliste";
    document.tournament = text::withoutLineBreaks(tournament.name);
    document.date = listDateText(tournament);
    document.course = text::withoutLineBreaks(tournament.pitch.name) + ", " +
                      text::formatInt(tournament.pitch.holesThatCount()) + " hull";
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
