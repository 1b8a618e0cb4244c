#pragma once
// Playing handicap: the strokes a player receives on the group's tee.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class CTournament;
struct CPitch;
struct CPlayGroup;
struct CPlayer;
struct CTournamentInfo;

inline constexpr double MaxHandicap = 54.0;
// The single-precision float nearest to 1/113 (bits 0x3C10FDBC).
extern const float SlopeFactor;
inline constexpr const char* HandicapLimitMessage = "Verdien vil bli begrenset oppad til 54.";

struct LimitedHandicap {
    float value;   // the handicap index to store
    bool limited;  // true when the typed value was above 54
};

// Limits a parsed handicap index to 54; the comparison is made before narrowing to float.
LimitedHandicap limitHandicap(double value);
// hcp x slope x SlopeFactor + courseRating - parFigure, evaluated in double, narrowed once:
// the register screen's and the file's "SH". On a course of nine holes the caller gives half
// the index (see playingHandicapOnTee).
float playingHandicap(float hcp, int slope, float courseRating, int parFigure);
// The playing handicap on tee `tee` of the tournament's course copy `pitch`: that tee's slope,
// course rating and par figure; a tee outside the arrays counts as one without figures. On a
// course of at most nine holes, whose rating and par are for nine holes, from half the index.
float playingHandicapOnTee(const CPitch& pitch, int tee, float hcp);
// The playing handicap of index `hcp` on tee `tee` of the tournament's course, when the selected
// course has that tee; nothing otherwise, since playing handicaps are worked out from such tees only.
std::optional<float> playingHandicapOnSelectedTee(const CTournament& tournament, int tee, float hcp);
// Whether a course's figures are for nine holes (at most nine count), so half the index plays.
bool playsHalfTheIndex(const CPitch& pitch);

// A course handicap by the World Handicap System, kept exact as numerator / denominator: the
// index and the course rating count in tenths and one division by 113 is left to the end, so
// no figure depends on a float (10 x 0.95f is 9.4999999, which would round to 9).
struct CourseHandicap {
    long long numerator = 0;
    long long denominator = 1;
    double value() const { return static_cast<double>(numerator) / static_cast<double>(denominator); }
};
// index x slope / 113 + (course rating - par figure) on tee `tee`; on a nine-hole course
// (playsHalfTheIndex) half the index. Nothing for a tee outside the course's tees.
std::optional<CourseHandicap> courseHandicap(const CPitch& pitch, int tee, float hcp);
// CH x allowance (in hundredths), rounded once to the nearest whole number, a half up (2.5
// gives 3, -2.5 gives -2); held to +-10000 so absurd figures of a damaged file overflow nothing.
int playingHandicapWithAllowance(const CourseHandicap& courseHandicap, int allowanceHundredths);
// The one handicap of a side playing one ball: the course handicaps sorted lowest first, each
// weighted by its share (in hundredths, the first share for the lowest), summed exactly and
// rounded once, a half up. The handicaps are of one tee, so they share their denominator; shares
// beyond the handicaps count for nothing.
int weightedPlayingHandicap(std::vector<CourseHandicap> handicaps, std::span<const int> sharesHundredths);
// The playing handicap the score card, the board and the prize list use: the player's course
// handicap on the group's tee of the tournament's course, with the group's allowance. Nothing
// when the tournament has no course or the course lacks the group's tee.
std::optional<int> playingHandicapOf(const CTournamentInfo& tournament, const CPlayGroup& group, const CPlayer& player);
// "%.0f" of sh, an exact half rounded away from zero; -0.28 shows "-0".
std::string formatPlayingHandicap(float sh);
