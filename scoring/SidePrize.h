#pragma once
// The prize list of a "Par" or "Lag" tournament: pairs or teams of all groups with the same class,
// play form and format compete together. Each format has its own hole score: own ball (the
// better ball of a pair, the best two balls of a team) or one ball (the strokes on the side's
// first row, against the side's one handicap). Totals, countback and "delt" as for players.

#include <string>
#include <string_view>
#include <vector>

#include "scoring/Prize.h"
#include "scoring/Sides.h"

struct SideEntry {
    int groupIndex = 0;
    std::vector<int> playerIndexes;  // registration positions in the group
    std::vector<std::string> names;  // "Fornavn Etternavn" of each player
    std::string groupName;
    // One ball: the strokes typed over holes 1..n. Own ball: 0 (each plays his own).
    long long gross = 0;
    // One ball: the side's one handicap. Own ball: each player's, in registration order.
    std::vector<int> playingHandicaps;
    int holesScored = 0;  // holes 1..n that have a side score
    long long total = 0;  // net strokes (stroke play) or Stableford points
    PrizeStatus status = PrizeStatus::Ranked;
    int place = 0;
    std::string_view working;

    // "Fornavn Etternavn / Fornavn Etternavn"
    std::string playersText() const;
};

struct SideCompetition {
    int groupClass = 0;
    int playForm = 0;
    SideFormat format = SideFormat::BestBall;
    std::string_view className;
    std::string_view playFormName;
    std::string_view formatName;
    bool stableford = false;
    bool oneBall = false;
    // Ranked sides, then "Ikke fullført", "Ikke startet", "Mangler tee", then players alone.
    std::vector<SideEntry> entries;
};

// The competitions of pairs or teams, in the order of their first group; none for "Singel".
std::vector<SideCompetition> buildSidePrizeList(const CTournamentInfo& tournament);
