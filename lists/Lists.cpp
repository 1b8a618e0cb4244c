#include "lists/Lists.h"

#include <array>
#include <utility>

#include "ini/FileSystem.h"
#include "model/CTournament.h"
#include "text/Text.h"

namespace {

constexpr std::array<std::string_view, 12> MonthNames{"Januar",    "Februar", "Mars",     "April",
                                                      "Mai",       "Juni",    "Juli",     "August",
                                                      "September", "Oktober", "November", "Desember"};

// Both lists are built in memory and written in one go; every line ends in CR LF
// whatever the platform, so the file is written in binary mode.
class ListText {
public:
    void line(std::string_view content = {}) { bytes_.append(content).append("\r\n"); }
    // A text from the records; a line break inside it would split the list's line.
    void line(std::string_view label, std::string_view value) {
        bytes_.append(label).append(text::withoutLineBreaks(value)).append("\r\n");
    }
    void rule() { line("---------------------------------------------------------"); }
    std::string bytes() && { return std::move(bytes_); }

private:
    std::string bytes_;
};

// "i:" then first name, one blank, surname; i counts from 1.
std::string numberedPlayer(int position, const CPlayer& player) {
    return text::formatInt(position) + ':' + text::withoutLineBreaks(player.text());
}

// The strokes of the course's holes, each followed by a blank, then their sum in parentheses.
std::string holeResults(const CPlayer& player, int holes) {
    std::string result;
    long long sum = 0;
    for (int j = 0; j < holes; ++j) {
        result += text::formatInt(player.results[j]);
        result += ' ';
        sum += player.results[j];
    }
    return result + '(' + text::formatInt(sum) + ')';
}

void addStartGroup(ListText& list, const CPlayGroup& group) {
    list.rule();
    list.line("Gruppe:", className(group.groupClass));
    list.line("Spilleform:", playFormName(group.playForm));
    list.rule();
    for (int i = 0; i < group.playerCount(); ++i) list.line(numberedPlayer(i + 1, group.players[i]));
    list.rule();
}

void addResultGroup(ListText& list, const CPlayGroup& group, int holes) {
    list.rule();
    list.line("Gruppe     : ", className(group.groupClass));
    list.line("Spilleform : ", playFormName(group.playForm));
    list.rule();
    for (int k = 0; k < group.playerCount(); ++k) {
        const CPlayer& player = *group.playerAtRank(k);
        list.line(numberedPlayer(k + 1, player) + ' ' + holeResults(player, holes));
    }
    list.rule();
    list.line();
    list.line();
}

}  // namespace

std::string monthText(int month) {
    if (month >= 1 && month <= static_cast<int>(MonthNames.size())) return std::string(MonthNames[month - 1]);
    return text::formatInt(month);
}

std::string listDateText(const CTournamentInfo& tournament) {
    return text::formatInt(tournament.day) + ' ' + monthText(tournament.month) + ' ' + text::formatInt(tournament.year);
}

std::string startListText(const CTournamentInfo& tournament) {
    ListText list;
    list.rule();
    list.line("Turnering : ", tournament.name);
    list.line("Dato  : " + listDateText(tournament));
    list.line();
    list.line();
    for (int g = 0; g < tournament.groupsInUse(); ++g) addStartGroup(list, tournament.groups[g]);
    return std::move(list).bytes();
}

std::string resultListText(const CTournamentInfo& tournament) {
    ListText list;
    list.rule();
    list.line("Resultatliste");
    list.line("Turnering       : ", tournament.name);
    list.line("Dato            : " + listDateText(tournament));
    list.line("Antall spillere : " + text::formatInt(tournament.totalPlayers()));
    list.rule();
    list.line();
    list.line();
    const int holes = tournament.pitch.holeCount();
    for (int g = 0; g < tournament.groupsInUse(); ++g) addResultGroup(list, tournament.groups[g], holes);
    return std::move(list).bytes();
}

files::FileResult writeStartList(const CTournament& tournament, const std::string& path) {
    return files::replaceFile(path, startListText(tournament));
}

files::FileResult writeResultList(const CTournament& tournament, const std::string& path) {
    return files::replaceFile(path, resultListText(tournament));
}
