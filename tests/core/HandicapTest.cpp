#include "scoring/Handicap.h"

#include <gtest/gtest.h>

#include "model/Records.h"

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

// The decimal comma of a Norwegian keyboard counts like the point; anything else ends the number.
TEST(ReadHandicapIndex, TakesADecimalCommaOrPoint) {
    const std::vector<std::pair<const char*, double>> cases{
        {"18,2", 18.2}, {"18.2", 18.2}, {" -1,5", -1.5}, {"+4,0", 4.0}, {"12,5,3", 12.5}, {"12.5,3", 12.5},
        {"12", 12.0},   {",5", 0.5},    {"tolv", 0.0},   {"", 0.0},     {"55", 55.0},     {"1e1", 10.0}};
    for (const auto& [typed, value] : cases) EXPECT_DOUBLE_EQ(readHandicapIndex(typed), value) << typed;
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
