#pragma once
// Who plays with whom in a "Par" or "Lag" tournament, what format a group plays, and the one
// handicap of a side that plays one ball. A side is one player ("Singel"), a pair (players 1+2,
// 3+4, ... of a group) or a team (players 1-4 and 5-8); a last player without a partner is a
// side of one, listed without a place.

#include <optional>
#include <vector>

#include "model/CTournament.h"

enum class SideFormat { Single, BestBall, Greensome, Foursome, Scramble, BestTwoOfFour };

// The format group `group` plays in the tournament's type; Single for "Singel".
SideFormat sideFormatOf(const CTournamentInfo& tournament, const CPlayGroup& group);
// Greensome, Foursome and Scramble: one ball, its strokes on the side's first player's row.
bool playsOneBall(SideFormat format);
// Whether the tournament is of pairs or teams, whose prize list ranks sides.
bool playsSides(const CTournamentInfo& tournament);

// The registration positions of each side of `group`, in order; sides of `sideSize` players, the
// last one smaller. In sides of more than one, a last player alone is a side of one.
std::vector<std::vector<int>> sidesOf(const CPlayGroup& group, int sideSize);
// 1-based number of the side of player `player` of `group`, 0 for a player alone ("Singel" too).
int sideNumberOf(const CPlayGroup& group, int sideSize, int player);

// The one handicap of the one-ball side of `players` (registration positions of `group`), by
// the World Handicap System's shares of the course handicaps (three-player scramble as the
// British recommendation). Nothing when a player has no course handicap on the group's tee, or
// when the format plays no ball together.
std::optional<int> oneBallHandicap(const CTournamentInfo& tournament, const CPlayGroup& group,
                                   const std::vector<int>& players);
