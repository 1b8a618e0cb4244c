#include "scoring/HoleScore.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "model/Records.h"
#include "text/Text.h"

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
