#include <string>
#include <vector>

#include "ListTestSupport.h"
#include "model/HcpLimits.h"
#include "scoring/Handicap.h"
#include "scoring/SidePrize.h"

namespace {

// The tee of the examples: slope 131, rating 71.4, par 72.
CPitch exampleTee() {
    CPitch pitch;
    pitch.name = "Bane";
    pitch.holes = 18;
    pitch.numberOfTees = 1;
    pitch.slopeValue[0] = 131;
    pitch.pitchValue[0] = 71.4f;
    pitch.parValue[0] = 72;
    return pitch;
}

}  // namespace

TEST(SideHandicap, EachOneBallFormatWeighsTheCourseHandicapsLowestFirstAndRoundsOnce) {
    struct Case {
        const char* type;
        int format;
        std::vector<float> indexes;
        int expected;
    };
    const std::vector<Case> cases{
        {"Par", 1, {24.5f, 6.2f}, 15},                 // Greensome: round(3.953 + 11.121)
        {"Par", 2, {10.0f, 12.6f}, 13},                // Foursome: 0.5 x (10.993 + 14.007) = 12.5, a half up
        {"Par", 3, {31.2f, 34.4f}, 18},                // Scramble of two: round(12.449 + 5.892)
        {"Lag", 1, {52.6f, 30.9f, 40.1f}, 26},         // of three: round(10.567 + 9.178 + 6.038)
        {"Lag", 1, {30.0f, 10.0f, 20.0f, 12.6f}, 12},  // of four: 2.748 + 2.801 + 3.388 + 3.418
    };
    for (const Case& c : cases) {
        CTournamentInfo tournament;
        tournament.pitch = exampleTee();
        tournament.type = c.type;
        CPlayGroup& group = tournament.groups[0];
        group.format = c.format;
        std::vector<int> players;
        for (const float hcp : c.indexes) {
            players.push_back(group.noOfPlayers);
            group.players[group.noOfPlayers++].hcp = hcp;
        }
        EXPECT_EQ(oneBallHandicap(tournament, group, players), c.expected) << c.type << ' ' << c.format;
    }
}

// Hand-worked totals. A (0.0): 5 4 6. B (4.0, a stroke on holes 1 and 2): 6 5 4, net 5 4 4.
// C (0.0): 4 4 4. D (0.0): 3 5 and no strokes on hole 3.
TEST_F(SideListTest, EachFormatScoresItsHolesByItsRule) {
    struct Case {
        const char* type;
        int format;
        int playForm;
        int players;
        long long total;
        PrizeStatus status;
    };
    const std::vector<Case> cases{
        {"Par", 0, StrokePlay, 2, 5 + 4 + 4, PrizeStatus::Ranked},      // better ball of A and B
        {"Par", 0, Stableford, 2, 1 + 2 + 2, PrizeStatus::Ranked},      // A 1 2 0, B 1 2 2
        {"Lag", 0, StrokePlay, 4, 7 + 8 + 8, PrizeStatus::Ranked},      // best two of four: 3+4, 4+4, 4+4
        {"Lag", 0, Stableford, 4, 5 + 4 + 4, PrizeStatus::Ranked},      // C 2 2 2, D 3 1 0
        {"Lag", 0, StrokePlay, 3, 9 + 8 + 8, PrizeStatus::Ranked},      // a team of three: A, B, C
        {"Par", 1, StrokePlay, 2, 5 - 1 + 4 + 6, PrizeStatus::Ranked},  // Greensome plays off 1: A's ball
        {"Lag", 1, StrokePlay, 3, 5 + 4 + 6, PrizeStatus::Ranked},      // scramble of A, C, B: round(0.2) = 0
        {"Lag", 0, StrokePlay, 1, 0, PrizeStatus::WithoutTeam},
    };
    const std::vector<std::pair<float, std::array<int, 3>>> players{
        {0.0f, {5, 4, 6}}, {4.0f, {6, 5, 4}}, {0.0f, {4, 4, 4}}, {0.0f, {3, 5, 0}}};
    for (const Case& c : cases) {
        tournament.numberOfGroups = 0;
        CPlayGroup& group = this->group(c.type, c.format, 0, c.playForm);
        group.noOfPlayers = 0;
        for (int p = 0; p < c.players; ++p) {
            CPlayer& added = addPlayer(group, "P", "By");
            added.hcp = players[p].first;
            std::copy(players[p].second.begin(), players[p].second.end(), added.results.begin());
        }
        const std::vector<SideCompetition> list = buildSidePrizeList(tournament);
        ASSERT_EQ(list.size(), 1u);
        const SideEntry& side = list[0].entries.at(0);
        EXPECT_EQ(side.total, c.total) << c.type << ' ' << c.format << ' ' << c.playForm << ' ' << c.players;
        EXPECT_EQ(side.status, c.status) << c.type << ' ' << c.format << ' ' << c.players;
    }
}

// "name place working" of each row of each competition, headed by the competition's title.
std::vector<std::string> shown(const std::vector<SideCompetition>& list) {
    std::vector<std::string> rows;
    for (const SideCompetition& c : list) {
        rows.push_back(std::string(c.className) + ' ' + std::string(c.formatName));
        for (const SideEntry& e : c.entries)
            rows.push_back(e.playersText() + ' ' + std::to_string(e.place) + ' ' + std::string(e.working));
    }
    return rows;
}

TEST_F(SideListTest, PairsOfAllGroupsRankWithCountbackAndAPlayerAloneComesLast) {
    CPlayGroup& first = group("Par", 0, 0, StrokePlay);
    player(first, "Ola", 0.0f, {5, 4, 4});
    player(first, "Per", 0.0f, {6, 6, 6});
    player(first, "Liv", 0.0f, {4, 4, 4});
    CPlayGroup& second = group("Par", 0, 0, StrokePlay);
    player(second, "Kari", 0.0f, {4, 4, 5});
    player(second, "Jon", 0.0f, {});
    player(second, "Siv", 0.0f, {4, 5, 4});
    player(second, "Tor", 0.0f, {6, 6, 6});
    EXPECT_EQ(shown(buildSidePrizeList(tournament)),
              (std::vector<std::string>{"Dame Bestball", "Ola By / Per By 1 ", "Siv By / Tor By 1 delt",
                                        "Kari By / Jon By 3 siste hull", "Liv By 0 "}));
}

// Ola 12.0 and Per 12.1 both go round in 12 gross (4 4 4 and 5 3 4), Kari 30.0 in 15.
TEST_F(SideListTest, LimitsSplitAtTheLowerClassAndBestGrossFollowsEachStrokePlayList) {
    struct Case {
        std::vector<int> limits;
        bool gross;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases{
        {{120}, false, {"Herre A: Ola 1", "Herre B: Kari 1, Per 2"}},
        {{}, true, {"Herre: Kari 1, Ola 2, Per 2 delt", "Herre Brutto: Ola 1, Per 1 delt, Kari 3"}},
        {{100, 120},
         true,
         {"Herre B: Ola 1", "Herre B Brutto: Ola 1", "Herre C: Kari 1, Per 2", "Herre C Brutto: Per 1, Kari 2"}},
    };
    CPlayGroup& herre = group("Singel", 0, 1, StrokePlay);
    player(herre, "Ola", 12.0f, {4, 4, 4});
    player(herre, "Per", 12.1f, {5, 3, 4});
    player(herre, "Kari", 30.0f, {5, 5, 5});
    for (const Case& c : cases) {
        tournament.hcpLimits = c.limits;
        tournament.grossPrize = c.gross;
        std::vector<std::string> rows;
        for (const PrizeCompetition& competition : buildPrizeList(tournament)) {
            std::string row = competition.className + ':';
            for (const PrizeEntry& e : competition.entries)
                row += (row.back() == ':' ? " " : ", ") + e.firstName + ' ' + std::to_string(e.place) +
                       (e.working.empty() ? "" : ' ' + std::string(e.working));
            rows.push_back(row);
        }
        EXPECT_EQ(rows, c.expected);
    }
}

TEST(HcpLimits, OneOrTwoAscendingLimitsFrom0To54AreTakenAndAnythingElseRefused) {
    EXPECT_EQ(readHcpLimits(""), std::vector<int>{});
    EXPECT_EQ(readHcpLimits(" 12,0  24.5 "), (std::vector<int>{120, 245}));
    EXPECT_EQ(readHcpLimits("0 54"), (std::vector<int>{0, 540}));
    for (const char* refused : {"24 12", "12 12", "54,1", "-1", "1 2 3", "12,05", "12a", ",5", "12."})
        EXPECT_FALSE(readHcpLimits(refused)) << refused;
    EXPECT_EQ(hcpLimitsText({120, 245}), "12.0 24.5");
}
