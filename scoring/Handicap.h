#pragma once
// Playing handicap: the strokes a player receives on the group's tee.

#include <optional>
#include <string>
#include <string_view>

class CTournament;
struct CPitch;

inline constexpr double MaxHandicap = 54.0;
// The single-precision float nearest to 1/113 (bits 0x3C10FDBC).
extern const float SlopeFactor;
inline constexpr const char* HandicapLimitMessage = "Verdien vil bli begrenset oppad til 54.";

struct LimitedHandicap {
    float value;   // the handicap index to store
    bool limited;  // true when the typed value was above 54
};

// A handicap index as the organiser types it: the leading decimal number, where a comma in
// the place of the decimal point is the decimal comma of a Norwegian keyboard ("18,2" is 18.2).
double readHandicapIndex(std::string_view typed);
// Limits a parsed handicap index to 54; the comparison is made before narrowing to float.
LimitedHandicap limitHandicap(double value);
// hcp x slope x SlopeFactor + courseRating - parFigure, evaluated in double, narrowed once.
float playingHandicap(float hcp, int slope, float courseRating, int parFigure);
// The playing handicap on tee `tee` of the tournament's course copy `pitch`: that tee's slope,
// course rating and par figure; a tee outside the arrays counts as one without figures.
float playingHandicapOnTee(const CPitch& pitch, int tee, float hcp);
// The playing handicap of index `hcp` on tee `tee` of the tournament's course, when the selected
// course has that tee; nothing otherwise, since playing handicaps are worked out from such tees only.
std::optional<float> playingHandicapOnSelectedTee(const CTournament& tournament, int tee, float hcp);
// `sh` as a tournament file keeps it: written with one decimal, read back as the file is read.
float asStoredPlayingHandicap(float sh);
// "%.0f" of sh, an exact half rounded away from zero; -0.28 shows "-0".
std::string formatPlayingHandicap(float sh);
