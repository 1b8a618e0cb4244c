#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>
#include <vector>

#include "scoring/Prize.h"
#include "scoring/ScoreCard.h"

namespace {

using Holes = std::array<int, MaxHoles>;

// Stroke indexes of an 18-hole course, hole 1 first.
constexpr Holes EighteenIndex{7, 15, 1, 11, 3, 17, 9, 5, 13, 8, 16, 2, 12, 4, 18, 10, 6, 14};
// A nine-hole course; the unused slots hold 0, which would rank first if they counted.
constexpr Holes NineIndex{9, 3, 13, 1, 17, 5, 11, 7, 15};

// One tee of slope 113 whose course rating is its par: the course handicap is the index (half
// the index on nine holes, whose rating and par are for nine).
CPitch course(int holes, const Holes& index) {
    CPitch pitch;
    pitch.name = "Bane";
    pitch.holes = holes;
    pitch.index = index;
    pitch.par.fill(4);
    pitch.numberOfTees = 1;
    pitch.slopeValue[0] = 113;
    pitch.parValue[0] = 4 * holes;
    pitch.pitchValue[0] = static_cast<float>(4 * holes);
    return pitch;
}

Holes allHoles(int strokes, int holes = MaxHoles) {
    Holes result{};
    for (int h = 0; h < holes; ++h) result[h] = strokes;
    return result;
}

// All fours, with the given (1-based hole, strokes) changes.
Holes fours(std::initializer_list<std::pair<int, int>> changes, int holes = MaxHoles) {
    Holes result = allHoles(4, holes);
    for (auto [hole, strokes] : changes) result[hole - 1] = strokes;
    return result;
}

class PrizeListTest : public ::testing::Test {
protected:
    PrizeListTest() { tournament.pitch = course(18, EighteenIndex); }

    CPlayGroup& addGroup(int groupClass, int playForm, int allowance = 0) {
        CPlayGroup& group = tournament.groups[tournament.numberOfGroups++];
        group.groupClass = groupClass;
        group.playForm = playForm;
        group.setAllowance(allowance);
        return group;
    }
    // A player of index `hcp`, which on the fixture's 18-hole course is his course handicap.
    static void addPlayer(CPlayGroup& group, const std::string& firstName, float hcp, const Holes& results) {
        CPlayer& player = group.players[group.noOfPlayers++];
        player.firstName = firstName;
        player.hcp = hcp;
        player.sh = hcp;
        player.results = results;
    }
    // "name place working" of each entry of competition `c`.
    std::vector<std::string> rows(std::size_t c = 0) const {
        std::vector<std::string> result;
        const std::vector<PrizeCompetition> list = buildPrizeList(tournament);
        if (c >= list.size()) return result;
        for (const PrizeEntry& e : list[c].entries)
            result.push_back(e.firstName + ' ' + std::to_string(e.place) + ' ' + std::string(e.working));
        return result;
    }

    CTournamentInfo tournament;
};

}  // namespace

TEST(PrizeRules, StrokesReceivedByStrokeIndex) {
    struct Case {
        int holes;
        const Holes& index;
        int ph;
        Holes expected;
    };
    const Case cases[] = {
        {18, EighteenIndex, 0, {}},
        {18, EighteenIndex, 5, {0, 0, 1, 0, 1, 0, 0, 1, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0}},
        {18, EighteenIndex, 18, allHoles(1)},
        {18, EighteenIndex, 22, {1, 1, 2, 1, 2, 1, 1, 1, 1, 1, 1, 2, 1, 2, 1, 1, 1, 1}},
        {18, EighteenIndex, 40, {2, 2, 3, 2, 3, 2, 2, 2, 2, 2, 2, 3, 2, 3, 2, 2, 2, 2}},
        {18, EighteenIndex, -2, {0, 0, 0, 0, 0, -1, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0}},
        {18, EighteenIndex, -20, {-1, -1, -1, -1, -1, -2, -1, -1, -1, -1, -1, -1, -1, -1, -2, -1, -1, -1}},
        {9, NineIndex, 5, {1, 1, 0, 1, 0, 1, 0, 1, 0}},
        // Equal indexes (a damaged table) rank by hole number.
        {18, allHoles(1), 5, {1, 1, 1, 1, 1}},
    };
    for (const Case& c : cases) EXPECT_EQ(strokesReceived(course(c.holes, c.index), c.ph), c.expected) << c.ph;
}

TEST(PrizeRules, StablefordPointsPerHoleAndWithAPlusHandicap) {
    struct Case {
        int strokes, par, received;
        long long expected;
    };
    const Case cases[] = {{4, 4, 0, 2}, {3, 4, 0, 3}, {4, 4, -1, 1}, {5, 4, -1, 0}, {9, 4, -1, 0},
                          {0, 4, 1, 0}, {5, 4, 1, 2}, {2, 3, 2, 5},  {-1, 4, 0, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(stablefordPoints(c.strokes, c.par, c.received), c.expected) << c.strokes << '/' << c.par;

    // PH -2 gives back a stroke on the two easiest holes: par everywhere is 36 - 2 points.
    CPlayer player;
    player.results = allHoles(4);
    EXPECT_EQ(stablefordPoints(player, course(18, EighteenIndex), -2), 34);
    EXPECT_EQ(stablefordPoints(player, course(18, EighteenIndex), 5), 41);
}

// The figures take the factor of the allowance shown and stored: a group nobody picked an
// allowance for, or one cleared after "0", plays "1/1".
TEST_F(PrizeListTest, PlayingHandicapFollowsTheAllowanceShown) {
    CPlayGroup& group = addGroup(1, 0);
    const auto expectPlayingHandicap = [&](int expected, const char* what) {
        EXPECT_EQ(buildPrizeList(tournament)[0].entries[0].playingHandicap, expected) << what;
        EXPECT_EQ(buildScoreCard(tournament, 0, 0).playingHandicap, expected) << what;
    };
    addPlayer(group, "A", 20.0f, allHoles(5));
    expectPlayingHandicap(20, "none picked");
    const std::pair<int, int> picks[] = {{1, 15}, {2, 10}, {4, 0}, {8, 0}, {5, 19}, {0, 20}};
    for (auto [allowance, expected] : picks) {
        group.setAllowance(allowance);
        expectPlayingHandicap(expected, allowanceName(allowance).data());
    }
    group.setAllowance(4);
    group.clear();
    addPlayer(group, "A", 20.0f, allHoles(5));
    expectPlayingHandicap(20, "cleared after 0");
}

// Two players on equal totals; the one registered first loses the countback (or shares).
TEST_F(PrizeListTest, EachCountbackStepDecidesATie) {
    struct Case {
        int playForm;
        Holes first;
        float firstSh;
        Holes second;
        float secondSh;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases{
        {0, fours({{1, 3}, {10, 5}}), 0, allHoles(4), 0, {"B 1 ", "A 2 siste 9"}},
        {0, fours({{10, 3}, {13, 5}}), 0, allHoles(4), 0, {"B 1 ", "A 2 siste 6"}},
        {0, fours({{13, 3}, {16, 5}}), 0, allHoles(4), 0, {"B 1 ", "A 2 siste 3"}},
        {0, fours({{16, 3}, {18, 5}}), 0, allHoles(4), 0, {"B 1 ", "A 2 siste hull"}},
        {0, fours({{1, 3}, {2, 5}}), 0, allHoles(4), 0, {"A 1 ", "B 1 delt"}},
        // Net 72 both, equal on the last 9 (37 - 8/2 and 38 - 10/2); on the last 6 the exact
        // 24 - 8/3 and 24 - 10/3 part them, where rounded figures would not.
        {0,
         fours({{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}, {7, 5}, {10, 5}}),
         8,
         fours({{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}, {7, 5}, {8, 5}, {10, 5}, {11, 5}}),
         10,
         {"B 1 ", "A 2 siste 6"}},
        // Stableford: most points on the last 9 wins.
        {1, fours({{1, 3}, {10, 5}}), 0, allHoles(4), 0, {"B 1 ", "A 2 siste 9"}},
        {1, fours({{16, 3}, {18, 5}}), 0, allHoles(4), 0, {"B 1 ", "A 2 siste hull"}},
    };
    for (const Case& c : cases) {
        tournament.numberOfGroups = 0;
        CPlayGroup& group = addGroup(1, c.playForm);
        group.noOfPlayers = 0;
        addPlayer(group, "A", c.firstSh, c.first);
        addPlayer(group, "B", c.secondSh, c.second);
        EXPECT_EQ(rows(), c.expected) << c.expected.back();
    }
}

TEST_F(PrizeListTest, NineHoleCourseCountsBackOverSixThreeAndOne) {
    tournament.pitch = course(9, NineIndex);
    CPlayGroup& group = addGroup(0, 0);
    // Equal totals; B beats A on the last 6, C beats B on the last 3, D beats C on the last hole.
    addPlayer(group, "A", 0, fours({{1, 3}, {4, 5}}, 9));
    addPlayer(group, "B", 0, fours({{1, 3}, {2, 5}}, 9));
    addPlayer(group, "C", 0, fours({{4, 5}, {7, 3}}, 9));
    addPlayer(group, "D", 0, fours({{4, 5}, {9, 3}}, 9));
    // A stroke beyond the course's holes counts nowhere.
    tournament.groups[0].players[1].results[12] = 9;
    EXPECT_EQ(rows(), (std::vector<std::string>{"D 1 ", "C 2 siste hull", "B 3 siste 3", "A 4 siste 6"}));
}

TEST_F(PrizeListTest, CompetitionsByClassAndPlayFormWithUnrankedPlayersLast) {
    CPlayGroup& men = addGroup(1, 0);
    addPlayer(men, "Uferdig", 0, fours({{18, 0}}));
    addPlayer(men, "Ustartet", 0, {});
    addPlayer(men, "Per", 10, allHoles(5));           // net 80
    CPlayGroup& ladies = addGroup(0, 1, 1);           // "3/4"
    addPlayer(ladies, "Kari", 13, fours({{18, 0}}));  // PH 10: unfinished Stableford still ranks
    addPlayer(ladies, "Null", 0, {});
    addGroup(2, 0);  // no players: no competition
    CPlayGroup& moreMen = addGroup(1, 0);
    addPlayer(moreMen, "Ola", 8, allHoles(5));   // net 82
    addPlayer(moreMen, "Pål", 10, allHoles(5));  // net 80, equal with Per to the end
    CPlayGroup& offTheCourse = addGroup(1, 0);
    offTheCourse.tee = 3;  // a tee the course lacks: no playing handicap, whatever the strokes
    addPlayer(offTheCourse, "Uten", 0, allHoles(3));
    addPlayer(tournament.groups[6], "Utenfor", 0, allHoles(4));  // beyond the groups in use

    const std::vector<PrizeCompetition> list = buildPrizeList(tournament);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].className, "Herre");
    EXPECT_EQ(list[0].playFormName, "Slagspill");
    EXPECT_EQ(list[1].className, "Dame");
    EXPECT_TRUE(list[1].stableford);
    EXPECT_EQ(rows(0),
              (std::vector<std::string>{"Per 1 ", "Pål 1 delt", "Ola 3 ", "Uferdig 0 ", "Ustartet 0 ", "Uten 0 "}));
    EXPECT_EQ(list[0].entries[3].status, PrizeStatus::NotCompleted);
    EXPECT_EQ(list[0].entries[4].status, PrizeStatus::NotStarted);
    EXPECT_EQ(prizeStatusText(list[0].entries[5].status), "Mangler tee");
    EXPECT_EQ(rows(1), (std::vector<std::string>{"Kari 1 ", "Null 0 "}));

    const PrizeEntry& kari = list[1].entries[0];
    EXPECT_EQ(kari.groupIndex, 1);
    EXPECT_EQ(kari.playerIndex, 0);
    EXPECT_EQ(kari.holesPlayed, 17);
    EXPECT_EQ(kari.gross, 68);
    EXPECT_EQ(kari.playingHandicap, 10);
    EXPECT_EQ(kari.net, 58);
    EXPECT_EQ(kari.points, 17 * 2 + 10);  // ten strokes received, none on the empty 18th (index 14)
    const PrizeEntry& ola = list[0].entries[2];
    EXPECT_EQ(ola.groupIndex, 3);
    EXPECT_EQ(ola.playerIndex, 0);
}
