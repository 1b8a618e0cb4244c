#include "scoring/HoleScore.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>

#include "model/Records.h"

TEST(ParseHoleEntry, ReadsTheLeadingInteger) {
    EXPECT_EQ(parseHoleEntry(""), 0);
    EXPECT_EQ(parseHoleEntry(" 5"), 5);
    EXPECT_EQ(parseHoleEntry("5a"), 5);
    EXPECT_EQ(parseHoleEntry("a5"), 0);
    EXPECT_EQ(parseHoleEntry("-1"), -1);
    EXPECT_EQ(parseHoleEntry("+4"), 4);
    EXPECT_EQ(parseHoleEntry("05"), 5);
    EXPECT_EQ(parseHoleEntry("12"), 12);
    EXPECT_EQ(parseHoleEntry("-"), 0);
}

TEST(ParseHoleEntry, DigitsBeyondTheIntRangeSaturate) {
    EXPECT_EQ(parseHoleEntry("2147483647"), INT_MAX);
    EXPECT_EQ(parseHoleEntry("2147483648"), INT_MAX);
    EXPECT_EQ(parseHoleEntry("99999999999999999999999"), INT_MAX);
    EXPECT_EQ(parseHoleEntry("-2147483648"), INT_MIN);
    EXPECT_EQ(parseHoleEntry("-99999999999999999999999"), INT_MIN);
}

namespace {

CPlayer playerWith(float sh, std::initializer_list<int> strokes) {
    CPlayer player;
    player.sh = sh;
    int hole = 0;
    for (int s : strokes) player.results[hole++] = s;
    return player;
}

}  // namespace

TEST(PlayerPoints, TotalLessTheWholePartOfSh) {
    EXPECT_EQ(playerPoints(playerWith(12.3f, {})), -12);
    EXPECT_EQ(playerPoints(playerWith(12.9f, {5, 4, 3})), 0);
    // Plus handicaps: the fraction is dropped toward zero.
    EXPECT_EQ(playerPoints(playerWith(-1.6f, {5, 4, 3})), 13);
    EXPECT_EQ(playerPoints(playerWith(-0.28f, {5, 4, 3})), 12);
}

TEST(PlayerPoints, ExtremeValuesSaturateInsteadOfOverflowing) {
    EXPECT_EQ(playerPoints(playerWith(-5.0f, {INT_MAX})), INT_MAX);
    EXPECT_EQ(playerPoints(playerWith(5.0f, {INT_MIN})), INT_MIN);
    EXPECT_EQ(playerPoints(playerWith(FLT_MAX, {72})), INT_MIN);
    EXPECT_EQ(playerPoints(playerWith(-FLT_MAX, {72})), INT_MAX);
    EXPECT_EQ(playerPoints(playerWith(INFINITY, {72})), INT_MIN);
    EXPECT_EQ(playerPoints(playerWith(NAN, {72})), 72);
    // A large sh that still leaves a result inside the range is exact.
    EXPECT_EQ(playerPoints(playerWith(3e9f, {INT_MAX, INT_MAX})), INT_MAX - 3000000000LL);
}

TEST(HoleScoreColour, ColoursOnAParFourHole) {
    EXPECT_EQ(holeScoreColour(2, 4), TwoUnderParColour);
    EXPECT_EQ(holeScoreColour(3, 4), OneUnderParColour);
    EXPECT_EQ(holeScoreColour(4, 4), ParColour);
    EXPECT_EQ(holeScoreColour(5, 4), OneOverParColour);
    EXPECT_EQ(holeScoreColour(6, 4), TwoOverParColour);
    EXPECT_EQ(holeScoreColour(7, 4), OtherScoreColour);
    EXPECT_EQ(holeScoreColour(1, 4), OtherScoreColour);
    EXPECT_EQ(holeScoreColour(0, 4), OtherScoreColour);
}

TEST(HoleScoreColour, ColourValues) {
    EXPECT_EQ(TwoUnderParColour, (Rgb{0xFF, 0x99, 0x33}));
    EXPECT_EQ(OneUnderParColour, (Rgb{0xFF, 0x50, 0x50}));
    EXPECT_EQ(ParColour, (Rgb{0x66, 0xFF, 0x99}));
    EXPECT_EQ(OneOverParColour, (Rgb{0x99, 0xCC, 0xFF}));
    EXPECT_EQ(TwoOverParColour, (Rgb{0x00, 0x66, 0xFF}));
    EXPECT_EQ(OtherScoreColour, (Rgb{0x99, 0x33, 0xFF}));
    EXPECT_EQ(EmptyCellColour, (Rgb{0xC0, 0xC0, 0xC0}));
}

TEST(HoleScoreColour, UnplayedHoleWithoutParIsLevel) { EXPECT_EQ(holeScoreColour(0, 0), ParColour); }

TEST(HoleScoreColour, ExtremeDifferencesDoNotWrap) {
    // In int arithmetic these differences would wrap to -1, 1 and 2.
    EXPECT_EQ(holeScoreColour(INT_MAX, INT_MIN), OtherScoreColour);
    EXPECT_EQ(holeScoreColour(INT_MIN, INT_MAX), OtherScoreColour);
    EXPECT_EQ(holeScoreColour(INT_MIN + 1, INT_MAX), OtherScoreColour);
}

TEST(TextColourOn, WhiteOnlyOnTheTwoDarkHoleColours) {
    const struct {
        Rgb background;
        Rgb text;
    } cases[] = {
        {TwoUnderParColour, BlackText},  {OneUnderParColour, BlackText}, {ParColour, BlackText},
        {OneOverParColour, BlackText},   {TwoOverParColour, WhiteText},  {OtherScoreColour, WhiteText},
        {EmptyCellColour, BlackText},    {CourseLabelColour, BlackText}, {Rgb{0, 0, 0}, WhiteText},
        {Rgb{255, 255, 255}, BlackText},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(textColourOn(c.background), c.text)
            << int(c.background.red) << "," << int(c.background.green) << "," << int(c.background.blue);
    }
}
