#pragma once
// Figures the play screen derives from a player's strokes, and the colours of hole cells.

#include <cstdint>
#include <string_view>

struct CPlayer;

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb TwoUnderParColour{255, 153, 51};
inline constexpr Rgb OneUnderParColour{255, 80, 80};
inline constexpr Rgb ParColour{102, 255, 153};
inline constexpr Rgb OneOverParColour{153, 204, 255};
inline constexpr Rgb TwoOverParColour{0, 102, 255};
inline constexpr Rgb OtherScoreColour{153, 51, 255};
inline constexpr Rgb EmptyCellColour{192, 192, 192};
// A hole whose marker and player entered different strokes on their phones.
inline constexpr Rgb ConflictCellColour{255, 230, 0};
inline constexpr Rgb CourseLabelColour{169, 223, 186};
inline constexpr Rgb BlackText{0, 0, 0};
inline constexpr Rgb WhiteText{255, 255, 255};

// The stroke count stored for the text of a hole field: the leading decimal integer.
int parseHoleEntry(std::string_view text);
// Total strokes less the whole part of sh (fraction dropped toward zero).
int playerPoints(const CPlayer& player);
// Background of a leaderboard hole cell for `result` on a hole of par `par`.
Rgb holeScoreColour(int result, int par);
// The figures' colour on `background`: of black and white the one with the higher contrast
// (relative luminance as for web content), so white on the two dark hole colours.
Rgb textColourOn(Rgb background);
