#pragma once
// The prize list: players of the same class and play form compete together, ranked by net
// strokes (stroke play) or Stableford points, ties decided by countback over the last 9, 6,
// 3 and 1 holes. Net and points here use the playing handicap with the group's allowance;
// the leaderboard's figure (playerPoints) is a different thing and stays as it is.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/CTournament.h"

// Why a player or side has no place: a card not finished, none started, no playing handicap (the
// group's tee is not on the tournament's course, or no course is chosen), or a player of a pairs
// or teams tournament left without a partner or a team.
enum class PrizeStatus { Ranked, NotCompleted, NotStarted, NoTee, WithoutPartner, WithoutTeam };

// "Ikke fullført", "Ikke startet", "Mangler tee", "Uten makker", "Uten lag", or the empty text
// for a ranked player.
std::string_view prizeStatusText(PrizeStatus status);

// Strokes received on each hole 1..n for a playing handicap, given by stroke index (lowest
// index first, equal indexes by hole number); a plus handicap gives strokes back on the
// easiest holes, as negative numbers. Entries beyond n are 0.
std::array<int, MaxHoles> strokesReceived(const CPitch& pitch, int playingHandicap);

// Points of one hole: max(0, 2 + par + received - strokes); a hole without strokes scores 0.
long long stablefordPoints(int strokes, int par, int received);
// Points of a round over holes 1..n.
long long stablefordPoints(const CPlayer& player, const CPitch& pitch, int playingHandicap);

struct PrizeEntry {
    int groupIndex = 0;   // 0-based position of the player's group
    int playerIndex = 0;  // 0-based registration position within the group
    std::string firstName;
    std::string surName;
    std::string club;
    std::string groupName;
    int holesPlayed = 0;      // holes 1..n with strokes
    long long gross = 0;      // strokes over holes 1..n
    int playingHandicap = 0;  // 0 when there is none (status NoTee)
    long long net = 0;        // gross - playing handicap
    long long points = 0;     // Stableford points over holes 1..n
    PrizeStatus status = PrizeStatus::Ranked;
    int place = 0;  // 1.., equal for a shared place; 0 for an unranked player
    // Why this player stands below an equal neighbour: "siste 9", "siste 6", "siste 3",
    // "siste hull", "delt", or empty.
    std::string_view working;
};

struct PrizeCompetition {
    int groupClass = 0;
    int playForm = 0;
    // As shown: the class, with the handicap class ("Herre A") and " Brutto" for a best-gross
    // list; empty for an index outside the table.
    std::string className;
    std::string_view playFormName;    // as shown; empty for an index outside the table
    bool stableford = false;          // ranked by points; otherwise by net strokes
    bool byGross = false;             // ranked by gross strokes (best gross)
    std::vector<PrizeEntry> entries;  // in prize-list order
};

// The competitions of the groups in use, in the order their first group appears, each
// with its players ranked: ranked players first, then "Ikke fullført", then "Ikke startet".
// A competition without players is left out. With index limits each competition is split into
// its handicap classes A, B (and C), each left out without players; with the gross prize each
// stroke-play competition (or class) is followed by its best-gross list.
std::vector<PrizeCompetition> buildPrizeList(const CTournamentInfo& tournament);
