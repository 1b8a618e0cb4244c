#include "scoring/HoleScore.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "model/Records.h"
#include "text/Text.h"

namespace {

// Relative luminance of an sRGB colour, 0 for black to 1 for white.
double relativeLuminance(Rgb colour) {
    const auto linear = [](std::uint8_t channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

}  // namespace

int parseHoleEntry(std::string_view text) { return text::readInt(text); }

namespace {

// The whole part of sh, dropped toward zero, held where a difference with an int
// total cannot overflow; a value that is not a number counts as no strokes.
double wholeStrokes(float sh) {
    if (std::isnan(sh)) return 0.0;
    return std::clamp(std::trunc(static_cast<double>(sh)), -1e15, 1e15);
}

}  // namespace

int playerPoints(const CPlayer& player) {
    // Exact in double: both terms are whole numbers far below 2^53.
    const double points = player.totalStrokes() - wholeStrokes(player.sh);
    return static_cast<int>(std::clamp(points, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

Rgb holeScoreColour(int result, int par) {
    switch (static_cast<long long>(result) - par) {
        case -2:
            return TwoUnderParColour;
        case -1:
            return OneUnderParColour;
        case 0:
            return ParColour;
        case 1:
            return OneOverParColour;
        case 2:
            return TwoOverParColour;
        default:
            return OtherScoreColour;
    }
}

Rgb textColourOn(Rgb background) {
    // Contrast ratios (L1 + 0.05) / (L2 + 0.05) against white (1.0) and black (0.0).
    const double luminance = relativeLuminance(background);
    const double againstWhite = 1.05 / (luminance + 0.05);
    const double againstBlack = (luminance + 0.05) / 0.05;
    return againstWhite > againstBlack ? WhiteText : BlackText;
}
