#pragma once
// What a player's score card shows: the tournament and group it belongs to, the player's
// handicaps, and per hole of the course its par, stroke index and the strokes received,
// by the same rules as the prize list, so a card and the prize list always agree.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/CTournament.h"

struct ScoreCardHole {
    int number = 0;  // 1..n
    int par = 0;
    int index = 0;     // stroke index as the course table gives it
    int received = 0;  // strokes received; negative for strokes given back by a plus handicap
};

// A run of holes with its par total: "Ut" (holes 1..9), "Inn" (10..n) or the whole round.
struct ScoreCardTotal {
    std::string_view label;
    int firstHole = 0;  // 1-based
    int lastHole = 0;   // 1-based, inclusive
    int par = 0;
};

struct ScoreCard {
    std::string tournamentName;
    std::string date;  // "dd.mm.yyyy", empty when the tournament has no date
    std::string courseName;
    std::string teeName;
    std::string groupName;
    std::string groupCode;  // the phones' code of the group; empty when none is drawn
    std::string_view className;
    std::string_view playFormName;
    std::string_view formatName;  // the group's format in pairs and teams; empty for "Singel"
    std::string firstName;
    std::string surName;
    std::string club;
    std::string hcp;  // one decimal, as the screens show it; a one-ball side's joined with " / "
    // A one-ball side's card names every player ("Ola Nordmann / Kari Hansen"); empty otherwise.
    std::string sidePlayers;
    // Own ball in pairs or teams: the others of the side, "Makker: ..." or "Lag: ..."; else empty.
    std::string partners;
    // None, and no strokes received, when the course lacks the group's tee.
    std::optional<int> playingHandicap;
    std::vector<ScoreCardHole> holes;    // holes 1..n of the course only
    std::vector<ScoreCardTotal> totals;  // "Ut", "Inn" (courses above 9 holes), "Totalt"
};

// "dd.mm.yyyy", or the empty text when day, month or year is missing.
std::string scoreCardDate(const CTournamentInfo& tournament);

// The card of player `p` of group `g`.
ScoreCard buildScoreCard(const CTournamentInfo& tournament, int g, int p);

// One card per player of the groups in use, in group order, then registration order; a pair or
// team playing one ball has one card, its handicap that of the side.
std::vector<ScoreCard> buildScoreCards(const CTournamentInfo& tournament);
