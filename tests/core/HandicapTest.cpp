#include "scoring/Handicap.h"
#include "text/Text.h"

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "model/CTournament.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

TEST(SlopeFactor, IsTheFloatNearestToOneOver113) {
    EXPECT_EQ(std::bit_cast<unsigned>(SlopeFactor), 0x3C10FDBCu);
    EXPECT_DOUBLE_EQ(static_cast<double>(SlopeFactor), 0.008849557489156723);
}

// The decimal comma of a Norwegian keyboard counts like the point and a leading "+" marks a plus
// handicap; anything else ends the number.
TEST(ReadHandicapIndex, TakesADecimalCommaOrPoint) {
    const std::vector<std::pair<const char*, double>> cases{
        {"18,2", 18.2}, {"18.2", 18.2},   {" -1,5", -1.5},  {"+4,0", -4.0}, {"+2,1", -2.1},
        {"+0", 0.0},    {"12,5,3", 12.5}, {"12.5,3", 12.5}, {"12", 12.0},   {",5", 0.5},
        {"tolv", 0.0},  {"", 0.0},        {"55", 55.0},     {"1e1", 10.0}};
    for (const auto& [typed, value] : cases) EXPECT_DOUBLE_EQ(text::readHandicapIndex(typed), value) << typed;
}

TEST(LimitHandicap, KeepsValuesUpTo54) {
    const LimitedHandicap at54 = limitHandicap(54.0);
    EXPECT_EQ(at54.value, 54.0f);
    EXPECT_FALSE(at54.limited);
    const LimitedHandicap typed = limitHandicap(12.3);
    EXPECT_EQ(typed.value, 12.3f);
    EXPECT_FALSE(typed.limited);
    // Plus handicaps have no lower limit.
    EXPECT_EQ(limitHandicap(-3.4).value, -3.4f);
    EXPECT_FALSE(limitHandicap(-3.4).limited);
}

TEST(LimitHandicap, LimitsAbove54BeforeNarrowing) {
    for (double value : {54.05, 54.5, 100.0, 54.000000001}) {
        const LimitedHandicap result = limitHandicap(value);
        EXPECT_EQ(result.value, 54.0f) << value;
        EXPECT_TRUE(result.limited) << value;
    }
}

TEST(LimitHandicap, HugeAndOddValuesAreSafe) {
    EXPECT_TRUE(limitHandicap(DBL_MAX).limited);
    EXPECT_TRUE(limitHandicap(std::numeric_limits<double>::infinity()).limited);
    EXPECT_EQ(limitHandicap(-DBL_MAX).value, -FLT_MAX);
    EXPECT_FALSE(limitHandicap(-DBL_MAX).limited);
    EXPECT_EQ(limitHandicap(std::nan("")).value, 0.0f);
}

struct WorkedExample {
    float hcp;
    int slope;
    float courseRating;
    int parFigure;
    float sh;
    const char* shown;
};

TEST(PlayingHandicap, WorkedExamplesComeOutExactly) {
    const WorkedExample examples[] = {
        {12.3f, 128, 70.4f, 72, 12.332745f, "12"},
        {18.0f, 113, 72.0f, 72, 18.0f, "18"},
        {28.4f, 131, 69.8f, 72, 30.723896f, "31"},
        {54.0f, 155, 74.2f, 72, 76.27079f, "76"},
        {-1.2f, 130, 73.1f, 72, -0.28053254f, "-0"},
        {0.0f, 125, 72.5f, 72, 0.5f, "1"},
        {20.0f, 0, 0.0f, 0, 0.0f, "0"},
    };
    for (const WorkedExample& e : examples) {
        const float sh = playingHandicap(e.hcp, e.slope, e.courseRating, e.parFigure);
        EXPECT_EQ(sh, e.sh) << e.hcp << " / " << e.slope;
        EXPECT_EQ(formatPlayingHandicap(sh), e.shown) << e.hcp << " / " << e.slope;
    }
}

TEST(PlayingHandicap, Slope113AtParGivesTheIndexForEveryOneDecimalIndex) {
    for (int tenths = 0; tenths <= 540; ++tenths) {
        const float hcp = static_cast<float>(tenths / 10.0);
        EXPECT_EQ(playingHandicap(hcp, 113, 72.0f, 72), hcp) << tenths;
        EXPECT_EQ(playingHandicap(hcp, 113, 70.0f, 70), hcp) << tenths;
    }
}

TEST(PlayingHandicap, NoCourseGivesZeroAndHugeFiguresStayFinite) {
    EXPECT_EQ(playingHandicap(54.0f, 0, 0.0f, 0), 0.0f);
    EXPECT_EQ(playingHandicap(0.0f, 0, 72.5f, 72), 0.5f);
    EXPECT_EQ(playingHandicap(FLT_MAX, 2147483647, FLT_MAX, -2147483647 - 1), FLT_MAX);
    EXPECT_EQ(playingHandicap(-FLT_MAX, 2147483647, 0.0f, 0), -FLT_MAX);
}

TEST(PlayingHandicapOnTee, TakesTheFiguresOfTheGroupsTeeAndNoneOutsideTheArrays) {
    CPitch pitch;
    pitch.numberOfTees = 3;
    pitch.slopeValue = {128, 113, 131, 140, 150};
    pitch.pitchValue = {70.4f, 72.0f, 69.8f, 71.0f, 73.0f};
    pitch.parValue = {72, 72, 72, 70, 71};
    const struct {
        int tee;
        float hcp;
        float sh;
    } cases[] = {
        {0, 12.3f, 12.332745f},
        {1, 18.0f, 18.0f},
        {2, 28.4f, 30.723896f},
        // Beyond numberOfTees but inside the arrays: the figures there count, as they are stored.
        {4, 0.0f, 2.0f},
        {-1, 20.0f, 0.0f},
        {5, 20.0f, 0.0f},
        {7, 54.0f, 0.0f},
    };
    for (const auto& c : cases) EXPECT_EQ(playingHandicapOnTee(pitch, c.tee, c.hcp), c.sh) << "tee " << c.tee;
}

TEST(FormatPlayingHandicap, RoundsAnExactHalfAwayFromZero) {
    EXPECT_EQ(formatPlayingHandicap(0.5f), "1");
    EXPECT_EQ(formatPlayingHandicap(2.5f), "3");
    EXPECT_EQ(formatPlayingHandicap(-2.5f), "-3");
    EXPECT_EQ(formatPlayingHandicap(12.6f), "13");
    EXPECT_EQ(formatPlayingHandicap(0.49f), "0");
    EXPECT_EQ(formatPlayingHandicap(-0.28f), "-0");
    EXPECT_EQ(formatPlayingHandicap(0.0f), "0");
}

// Known answers of the World Handicap System, worked by hand (CH to three decimals), on the
// figures a tournament keeps: the same after a save and reopening, since the playing handicap
// is worked from the index and the tee, never from "SH" as the file keeps it.
TEST(PlayingHandicapOf, KnownAnswersAlsoAfterASaveAndReopening) {
    const struct {
        const char* index;
        int slope;
        const char* rating;
        int par;
        int holes;
        double courseHandicap;
        std::array<int, 4> playingHandicaps;  // 1/1, 3/4, 95 %, 85 %
    } cases[] = {
        {"18,2", 131, "71.4", 72, 18, 20.499, {20, 15, 19, 17}},
        {"10,0", 113, "72.0", 72, 18, 10.000, {10, 8, 10, 9}},
        {"+2,1", 131, "71.4", 72, 18, -3.035, {-3, -2, -3, -3}},
        {"54,0", 155, "74.2", 72, 18, 76.271, {76, 57, 72, 65}},
        {"30,2", 127, "34.1", 36, 9, 15.071, {15, 11, 14, 13}},
        {"18,0", 118, "34.9", 35, 9, 9.298, {9, 7, 9, 8}},
        // Rounded once, a half up: 3/4 of 2 is 1.5 and gives 2, of -2 is -1.5 and gives -1.
        {"2,0", 113, "72.0", 72, 18, 2.000, {2, 2, 2, 2}},
        {"+2,0", 113, "72.0", 72, 18, -2.000, {-2, -1, -2, -2}},
    };
    const int allowances[] = {0, 1, 5, 7};  // "1/1", "3/4", "95 %", "85 %"
    TempFolder folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        const std::string table = folder.write(
            "config.ini", "[NumberOfPitches]\r\nNumber=1\r\n[Pitches]\r\nPitch1=Bane\r\n[Pitch1]\r\nHoles=" +
                              std::to_string(c.holes) +
                              "\r\nNumberOfTees=1\r\nTee1=Gul\r\nSlopeValue1=" + std::to_string(c.slope) +
                              "\r\nParValue1=" + std::to_string(c.par) + "\r\nPitchValue1=" + c.rating + "\r\n");
        CTournament typed(table);
        typed.numberOfGroups = 4;
        typed.selectPitch("Bane");
        for (int g = 0; g < 4; ++g) {
            typed.groups[g].setAllowance(allowances[g]);
            typed.groups[g].noOfPlayers = 1;
            typed.groups[g].players[0].hcp = text::toFloat(text::readHandicapIndex(c.index));
        }
        EXPECT_NEAR(courseHandicap(typed.pitch, 0, typed.groups[0].players[0].hcp)->value(), c.courseHandicap, 0.0005);
        ASSERT_TRUE(typed.save(folder.file("t.ini")));
        CTournament reopened(table);
        ASSERT_TRUE(reopened.load(folder.file("t.ini")));
        for (int g = 0; g < 4; ++g) {
            EXPECT_EQ(playingHandicapOf(typed, typed.groups[g], typed.groups[g].players[0]), c.playingHandicaps[g]);
            EXPECT_EQ(playingHandicapOf(reopened, reopened.groups[g], reopened.groups[g].players[0]),
                      c.playingHandicaps[g]);
        }
        // None without the group's tee on the course or without a course; absurd figures are held.
        typed.groups[0].tee = 1;
        EXPECT_EQ(playingHandicapOf(typed, typed.groups[0], typed.groups[0].players[0]), std::nullopt);
        typed.groups[1].players[0].hcp = FLT_MAX;
        EXPECT_EQ(playingHandicapOf(typed, typed.groups[1], typed.groups[1].players[0]), 10000);
        typed.pitch.name.clear();
        EXPECT_EQ(playingHandicapOf(typed, typed.groups[1], typed.groups[1].players[0]), std::nullopt);
    }
}
