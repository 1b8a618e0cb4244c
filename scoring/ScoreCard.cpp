#include "scoring/ScoreCard.h"

#include <algorithm>
#include <array>
#include <climits>

#include "scoring/Handicap.h"
#include "scoring/Prize.h"
#include "scoring/Sides.h"
#include "text/Text.h"

namespace {

constexpr int HolesOut = 9;

std::string twoDigits(int value) { return (value < 10 ? "0" : "") + text::formatInt(value); }

// Held to the int range, as CPitch::totalPar is: a damaged course table may give any par.
int parOf(const std::vector<ScoreCardHole>& holes, int first, int last) {
    long long par = 0;
    for (int hole = first; hole <= last; ++hole) par += holes[hole - 1].par;
    return static_cast<int>(std::clamp<long long>(par, INT_MIN, INT_MAX));
}

std::vector<ScoreCardTotal> cardTotals(const std::vector<ScoreCardHole>& holes) {
    const int n = static_cast<int>(holes.size());
    std::vector<ScoreCardTotal> totals;
    // A course of nine holes or fewer has no second nine, so its round is its only total.
    if (n > HolesOut) {
        totals.push_back({"Ut", 1, HolesOut, parOf(holes, 1, HolesOut)});
        totals.push_back({"Inn", HolesOut + 1, n, parOf(holes, HolesOut + 1, n)});
    }
    totals.push_back({"Totalt", 1, n, parOf(holes, 1, n)});
    return totals;
}

}  // namespace

std::string scoreCardDate(const CTournamentInfo& tournament) {
    if (tournament.day < 1 || tournament.day > 31 || tournament.month < 1 || tournament.month > 12 ||
        tournament.year < 1)
        return {};
    return twoDigits(tournament.day) + '.' + twoDigits(tournament.month) + '.' + text::formatInt(tournament.year);
}

ScoreCard buildScoreCard(const CTournamentInfo& tournament, int g, int p) {
    const CPlayGroup& group = tournament.groups[g];
    const CPlayer& player = group.players[p];
    const CPitch& pitch = tournament.pitch;
    ScoreCard card;
    card.tournamentName = tournament.name;
    card.date = scoreCardDate(tournament);
    card.courseName = pitch.name;
    // Tee slots beyond the course's tees keep the names of a course chosen earlier.
    if (group.tee < pitch.teeCount()) card.teeName = std::string(pitch.teeNameAt(group.tee));
    card.groupName = group.groupName;
    card.groupCode = group.code;
    card.className = className(group.groupClass);
    card.playFormName = playFormName(group.playForm);
    card.formatName = formatNameOf(tournament.type, group.format);
    card.firstName = player.firstName;
    card.surName = player.surName;
    card.club = player.club;
    card.hcp = text::formatFixed1(player.hcp);
    card.playingHandicap = playingHandicapOf(tournament, group, player);
    const int n = pitch.holesThatCount();
    const std::array<int, MaxHoles> received = strokesReceived(pitch, card.playingHandicap.value_or(0));
    for (int hole = 0; hole < n; ++hole) {
        card.holes.push_back({hole + 1, pitch.par[hole], pitch.index[hole], received[hole]});
    }
    card.totals = cardTotals(card.holes);
    return card;
}

namespace {

void setReceived(ScoreCard& card, const CPitch& pitch) {
    const std::array<int, MaxHoles> received = strokesReceived(pitch, card.playingHandicap.value_or(0));
    for (ScoreCardHole& hole : card.holes) hole.received = received[hole.number - 1];
}

// The side's one card: every player named, the side's handicap and its strokes received.
ScoreCard oneBallCard(const CTournamentInfo& tournament, int g, const std::vector<int>& side) {
    const CPlayGroup& group = tournament.groups[g];
    ScoreCard card = buildScoreCard(tournament, g, side.front());
    card.hcp.clear();
    for (const int p : side) {
        card.sidePlayers += (card.sidePlayers.empty() ? "" : " / ") + group.players[p].text();
        card.hcp += (card.hcp.empty() ? "" : " / ") + text::formatFixed1(group.players[p].hcp);
    }
    card.playingHandicap = oneBallHandicap(tournament, group, side);
    setReceived(card, tournament.pitch);
    return card;
}

std::string partnersText(const CPlayGroup& group, const std::vector<int>& side, int p, int sideSize) {
    std::string names;
    for (const int other : side) {
        if (other != p) names += (names.empty() ? "" : ", ") + group.players[other].text();
    }
    return (sideSize == 2 ? "Makker: " : "Lag: ") + names;
}

void addGroupCards(const CTournamentInfo& tournament, int g, std::vector<ScoreCard>& cards) {
    const CPlayGroup& group = tournament.groups[g];
    const int sideSize = sideSizeOfType(tournament.type);
    const bool oneBall = playsOneBall(sideFormatOf(tournament, group));
    for (const std::vector<int>& side : sidesOf(group, sideSize)) {
        if (oneBall && side.size() > 1) {
            cards.push_back(oneBallCard(tournament, g, side));
            continue;
        }
        for (const int p : side) {
            cards.push_back(buildScoreCard(tournament, g, p));
            if (side.size() > 1) cards.back().partners = partnersText(group, side, p, sideSize);
        }
    }
}

}  // namespace

std::vector<ScoreCard> buildScoreCards(const CTournamentInfo& tournament) {
    std::vector<ScoreCard> cards;
    for (int g = 0; g < tournament.groupsInUse(); ++g) addGroupCards(tournament, g, cards);
    return cards;
}
