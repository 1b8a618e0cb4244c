#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "scoring/ScoreCard.h"

namespace {

constexpr std::array<int, MaxHoles> CourseIndex{7, 15, 1, 11, 3, 17, 9, 5, 13, 8, 16, 2, 12, 4, 18, 10, 6, 14};
constexpr std::array<int, MaxHoles> CoursePar{4, 4, 3, 4, 5, 4, 4, 3, 4, 4, 4, 3, 4, 5, 4, 3, 4, 4};

CTournamentInfo tournamentOn(int holes) {
    CTournamentInfo t;
    t.name = "Klubbm\xE6sterskap";
    t.day = 4;
    t.month = 7;
    t.year = 2026;
    t.numberOfGroups = 2;
    t.pitch.name = "S\xF8ndre";
    t.pitch.holes = holes;
    t.pitch.index = CourseIndex;
    t.pitch.par = CoursePar;
    t.pitch.numberOfTees = 2;
    // The third name is left from a course chosen earlier.
    t.pitch.teeName = {"Gul", "R\xF8\x64", "Bl\xE5"};
    // Slope 113 and a rating equal to par: the course handicap is the index (half on nine holes).
    t.pitch.slopeValue = {113, 113};
    t.pitch.parValue = {72, 72};
    t.pitch.pitchValue = {72.0f, 72.0f};
    return t;
}

CPlayer& addPlayer(CTournamentInfo& t, int g, const std::string& surName, float sh) {
    CPlayGroup& group = t.groups[g];
    CPlayer& player = group.players[group.noOfPlayers++];
    player.firstName = "\xC5se";
    player.surName = surName;
    player.club = "Sk\xF8yen GK";
    player.hcp = sh - 0.4f;
    player.sh = sh;
    return player;
}

}  // namespace

// Strokes received and the totals a card shows, walked over course lengths and handicaps.
TEST(ScoreCard, HolesReceivedStrokesAndTotalsFollowTheCourse) {
    struct Case {
        int courseHoles;
        float sh;
        int allowance;  // position in AllowanceNames
        int playingHandicap;
        std::vector<int> received;  // per printed hole
        std::vector<std::pair<std::string, int>> totals;
    };
    const std::vector<Case> cases{
        {18, 0.0f, 0, 0, std::vector<int>(18, 0), {{"Ut", 35}, {"Inn", 35}, {"Totalt", 70}}},
        // Index 1..2 receive on top of one stroke everywhere.
        {18,
         20.0f,
         0,
         20,
         {1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 1, 2, 1, 1, 1, 1, 1, 1},
         {{"Ut", 35}, {"Inn", 35}, {"Totalt", 70}}},
        // 40 x 3/4 = 30: indexes 1..12 receive two.
        {18,
         40.0f,
         1,
         30,
         {2, 1, 2, 2, 2, 1, 2, 2, 1, 2, 1, 2, 2, 2, 1, 2, 2, 1},
         {{"Ut", 35}, {"Inn", 35}, {"Totalt", 70}}},
        // A plus handicap gives back on the easiest hole, index 18.
        {18,
         -1.0f,
         0,
         -1,
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0},
         {{"Ut", 35}, {"Inn", 35}, {"Totalt", 70}}},
        // Nine holes: half the index plays, ranked among themselves, one total, holes 10..18 not on the card.
        {9, 10.0f, 0, 5, {1, 0, 1, 0, 1, 0, 1, 1, 0}, {{"Totalt", 35}}},
        {12, 0.0f, 0, 0, std::vector<int>(12, 0), {{"Ut", 35}, {"Inn", 11}, {"Totalt", 46}}},
        // A hole count outside 1..18 from a damaged file counts as 18.
        {0, 0.0f, 0, 0, std::vector<int>(18, 0), {{"Ut", 35}, {"Inn", 35}, {"Totalt", 70}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("holes " + std::to_string(c.courseHoles) + ", sh " + std::to_string(c.sh));
        CTournamentInfo t = tournamentOn(c.courseHoles);
        t.groups[0].setAllowance(c.allowance);
        addPlayer(t, 0, "Berg", c.sh);
        const ScoreCard card = buildScoreCard(t, 0, 0);
        EXPECT_EQ(card.playingHandicap, c.playingHandicap);
        std::vector<int> received;
        for (const ScoreCardHole& hole : card.holes) {
            EXPECT_EQ(hole.number, static_cast<int>(received.size()) + 1);
            EXPECT_EQ(hole.par, CoursePar[hole.number - 1]);
            EXPECT_EQ(hole.index, CourseIndex[hole.number - 1]);
            received.push_back(hole.received);
        }
        EXPECT_EQ(received, c.received);
        std::vector<std::pair<std::string, int>> totals;
        for (const ScoreCardTotal& total : card.totals) totals.emplace_back(std::string(total.label), total.par);
        EXPECT_EQ(totals, c.totals);
    }

    // Par figures from a damaged course table: the totals stop at the int range instead of overflowing.
    CTournamentInfo t = tournamentOn(18);
    std::fill(t.pitch.par.begin(), t.pitch.par.begin() + 9, INT_MAX);
    std::fill(t.pitch.par.begin() + 9, t.pitch.par.end(), INT_MIN);
    addPlayer(t, 0, "Berg", 0.0f);
    const std::vector<ScoreCardTotal> totals = buildScoreCard(t, 0, 0).totals;
    ASSERT_EQ(totals.size(), 3u);
    EXPECT_EQ(totals[0].par, INT_MAX);
    EXPECT_EQ(totals[1].par, INT_MIN);
    EXPECT_EQ(totals[2].par, -9);
}

TEST(ScoreCard, OneCardPerPlayerOfTheGroupsInUseWithTheirHeadings) {
    CTournamentInfo t = tournamentOn(18);
    t.groups[0].groupName = "Morgen";
    t.groups[0].groupClass = 1;
    t.groups[1].groupName = "Ettermiddag";
    t.groups[1].playForm = 1;
    t.groups[1].tee = 1;
    addPlayer(t, 0, "\xD8stby", 12.0f);
    addPlayer(t, 1, "Dahl", 3.0f);
    addPlayer(t, 1, "Lie", 8.0f);
    addPlayer(t, 2, "Utenfor", 1.0f);  // a group beyond the groups in use
    const std::vector<ScoreCard> cards = buildScoreCards(t);
    ASSERT_EQ(cards.size(), 3u);
    EXPECT_EQ(cards[0].surName, "\xD8stby");
    EXPECT_EQ(cards[1].surName, "Dahl");
    EXPECT_EQ(cards[2].surName, "Lie");

    const ScoreCard& card = cards[1];
    EXPECT_EQ(card.tournamentName, "Klubbm\xE6sterskap");
    EXPECT_EQ(card.date, "04.07.2026");
    EXPECT_EQ(card.courseName, "S\xF8ndre");
    EXPECT_EQ(card.teeName, "R\xF8\x64");
    EXPECT_EQ(card.groupName, "Ettermiddag");
    EXPECT_EQ(card.className, "Dame");
    EXPECT_EQ(card.playFormName, "Stableford");
    EXPECT_EQ(card.firstName, "\xC5se");
    EXPECT_EQ(card.club, "Sk\xF8yen GK");
    EXPECT_EQ(card.hcp, "2.6");
    EXPECT_EQ(card.playingHandicap, 3);

    t.groups[1].tee = 2;
    EXPECT_EQ(buildScoreCard(t, 1, 0).teeName, "");

    t.day = 0;
    EXPECT_EQ(scoreCardDate(t), "");
}
