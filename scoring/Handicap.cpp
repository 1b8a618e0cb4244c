#include "scoring/Handicap.h"

#include <bit>
#include <string>

#include "model/CTournament.h"
#include "text/Text.h"

// Slightly below 1/113; the float narrowing at the end of playingHandicap brings
// results for slope 113 back to the whole handicap index.
const float SlopeFactor = std::bit_cast<float>(0x3C10FDBCu);

double readHandicapIndex(std::string_view typed) {
    std::string number(typed);
    std::size_t at = number.find_first_not_of(" \t");
    if (at != std::string::npos && (number[at] == '-' || number[at] == '+')) ++at;
    at = at == std::string::npos ? at : number.find_first_not_of("0123456789", at);
    if (at != std::string::npos && number[at] == ',') number[at] = '.';
    return text::readDecimal(number);
}

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
    if (tee < 0 || tee >= MaxTees) return playingHandicap(hcp, 0, 0.0f, 0);
    return playingHandicap(hcp, pitch.slopeValue[tee], pitch.pitchValue[tee], pitch.parValue[tee]);
}

float asStoredPlayingHandicap(float sh) { return text::toFloat(text::readDecimal(text::cut(text::formatFixed1(sh)))); }

std::string formatPlayingHandicap(float sh) { return text::formatFixed0(sh); }

std::optional<float> playingHandicapOnSelectedTee(const CTournament& tournament, int tee, float hcp) {
    if (!tournament.selectedCourseHasTee(tee)) return std::nullopt;
    return playingHandicapOnTee(tournament.pitch, tee, hcp);
}
