#include "scoring/Handicap.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <string>

#include "model/CTournament.h"
#include "text/Text.h"

// Slightly below 1/113; the float narrowing at the end of playingHandicap brings
// results for slope 113 back to the whole handicap index.
const float SlopeFactor = std::bit_cast<float>(0x3C10FDBCu);

LimitedHandicap limitHandicap(double value) {
    // Compared before narrowing, so 54.00000001 is limited although it narrows to 54.0f.
    if (value > MaxHandicap) return {static_cast<float>(MaxHandicap), true};
    return {text::toFloat(value), false};
}

float playingHandicap(float hcp, int slope, float courseRating, int parFigure) {
    // Left to right in double, narrowed once: the stored figures depend on this order.
    const double sh = static_cast<double>(hcp) * slope * static_cast<double>(SlopeFactor) +
                      static_cast<double>(courseRating) - parFigure;
    return text::toFloat(sh);
}

float playingHandicapOnTee(const CPitch& pitch, int tee, float hcp) {
    const float index = playsHalfTheIndex(pitch) ? hcp / 2.0f : hcp;
    if (tee < 0 || tee >= MaxTees) return playingHandicap(index, 0, 0.0f, 0);
    return playingHandicap(index, pitch.slopeValue[tee], pitch.pitchValue[tee], pitch.parValue[tee]);
}

bool playsHalfTheIndex(const CPitch& pitch) { return pitch.holesThatCount() <= 9; }

namespace {

constexpr long long PlayingHandicapLimit = 10000;
// Figures a damaged file may give are held here, so no product below overflows.
constexpr long long FigureLimit = 1000000;

// Rounded as the file writes one decimal (text::formatFixed1: a half away from zero).
long long tenths(float value) {
    if (!std::isfinite(value)) return 0;
    const double limit = static_cast<double>(FigureLimit);
    return std::llround(std::clamp(static_cast<double>(value) * 10.0, -limit, limit));
}

// The floor of a / b for b > 0, also for a negative a.
long long floorDivision(long long a, long long b) { return a / b - (a % b != 0 && a < 0 ? 1 : 0); }

}  // namespace

std::optional<CourseHandicap> courseHandicap(const CPitch& pitch, int tee, float hcp) {
    if (tee < 0 || tee >= pitch.teeCount()) return std::nullopt;
    const long long slope = std::clamp<long long>(pitch.slopeValue[tee], -FigureLimit, FigureLimit);
    const long long ratingLessPar = tenths(pitch.pitchValue[tee]) -
                                    10 * std::clamp<long long>(pitch.parValue[tee], -FigureLimit, FigureLimit);
    // CH = (index / halves) x slope / 113 + (rating - par), all over 10 x 113 x halves.
    const long long halves = playsHalfTheIndex(pitch) ? 2 : 1;
    return CourseHandicap{tenths(hcp) * slope + 113 * halves * ratingLessPar, 1130 * halves};
}

namespace {

// numerator / denominator (denominator > 0) to the nearest whole number, a half up, held to +-10000.
int roundedHalfUp(long long numerator, long long denominator) {
    // floor(x + 1/2) = floor((2a + b) / 2b): a half rounds up, towards plus.
    const long long rounded = floorDivision(2 * numerator + denominator, 2 * denominator);
    return static_cast<int>(std::clamp(rounded, -PlayingHandicapLimit, PlayingHandicapLimit));
}

}  // namespace

int playingHandicapWithAllowance(const CourseHandicap& courseHandicap, int allowanceHundredths) {
    return roundedHalfUp(courseHandicap.numerator * allowanceHundredths, courseHandicap.denominator * 100);
}

int weightedPlayingHandicap(std::vector<CourseHandicap> handicaps, std::span<const int> sharesHundredths) {
    if (handicaps.empty()) return 0;
    std::sort(handicaps.begin(), handicaps.end(),
              [](const CourseHandicap& a, const CourseHandicap& b) { return a.numerator < b.numerator; });
    long long numerator = 0;
    for (std::size_t i = 0; i < handicaps.size() && i < sharesHundredths.size(); ++i)
        numerator += handicaps[i].numerator * sharesHundredths[i];
    return roundedHalfUp(numerator, handicaps.front().denominator * 100);
}

std::optional<int> playingHandicapOf(const CTournamentInfo& tournament, const CPlayGroup& group,
                                     const CPlayer& player) {
    if (tournament.pitch.name.empty()) return std::nullopt;
    const std::optional<CourseHandicap> handicap = courseHandicap(tournament.pitch, group.tee, player.hcp);
    if (!handicap) return std::nullopt;
    return playingHandicapWithAllowance(*handicap, AllowanceHundredths[settledAllowance(group.allowance)]);
}

std::string formatPlayingHandicap(float sh) { return text::formatFixed0(sh); }

std::optional<float> playingHandicapOnSelectedTee(const CTournament& tournament, int tee, float hcp) {
    if (!tournament.selectedCourseHasTee(tee)) return std::nullopt;
    return playingHandicapOnTee(tournament.pitch, tee, hcp);
}
