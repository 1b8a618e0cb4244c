#include "model/Records.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A group whose player i has total strokes totals[i], entered on hole 1.
CPlayGroup groupWithTotals(const std::vector<int>& totals) {
    CPlayGroup group;
    for (int total : totals) {
        CPlayer& player = group.players[group.noOfPlayers];
        player.firstName = "Spiller" + std::to_string(group.noOfPlayers);
        player.results[0] = total;
        ++group.noOfPlayers;
    }
    return group;
}

// Registration positions of the players in ranking order, -1 for none.
std::vector<int> rankedPositions(const CPlayGroup& group, int positions) {
    std::vector<int> result;
    for (int k = 0; k < positions; ++k) {
        const CPlayer* player = group.playerAtRank(k);
        result.push_back(player ? static_cast<int>(player - group.players.data()) : -1);
    }
    return result;
}

}  // namespace

TEST(Ranking, AscendingTotalsWithEqualTotalsInRegistrationOrder) {
    const CPlayGroup group = groupWithTotals({72, 70, 70});
    EXPECT_EQ(rankedPositions(group, 4), (std::vector<int>{1, 2, 0, -1}));
}

TEST(Ranking, IsStableOverAFullGroup) {
    const CPlayGroup group = groupWithTotals({80, 75, 80, 75, 70, 80, 75, 70, 90});
    EXPECT_EQ(rankedPositions(group, 10), (std::vector<int>{4, 7, 1, 3, 6, 0, 2, 5, 8, -1}));
}

TEST(Ranking, PlayerWithoutScoresRanksFirst) {
    const CPlayGroup group = groupWithTotals({68, 0, 71});
    EXPECT_EQ(rankedPositions(group, 3), (std::vector<int>{1, 0, 2}));
}

TEST(Ranking, CountsAll18HolesWhateverTheCourse) {
    CPlayGroup group = groupWithTotals({40, 41});
    group.players[1].results[17] = 0;
    group.players[0].results[17] = 5;  // a stroke typed beyond a nine-hole course still counts
    EXPECT_EQ(rankedPositions(group, 2), (std::vector<int>{1, 0}));
}

TEST(Ranking, PositionZeroOrLessGivesTheFirst) {
    const CPlayGroup group = groupWithTotals({72, 70});
    EXPECT_EQ(group.playerAtRank(-5), &group.players[1]);
    EXPECT_EQ(groupWithTotals({66}).playerAtRank(0)->results[0], 66);
    EXPECT_EQ(groupWithTotals({66}).playerAtRank(1), nullptr);
}

TEST(Ranking, EmptyGroupHasNobody) {
    const CPlayGroup group;
    EXPECT_EQ(group.playerAtRank(0), nullptr);
    EXPECT_EQ(group.playerAtRank(-1), nullptr);
}

TEST(Ranking, CountOutsideTheArrayStaysInside) {
    CPlayGroup group = groupWithTotals({72, 70, 71, 69, 75, 74, 73, 77, 76});
    group.noOfPlayers = 12;
    EXPECT_EQ(rankedPositions(group, 13), (std::vector<int>{3, 1, 2, 0, 6, 5, 4, 8, 7, -1, -1, -1, -1}));
    group.noOfPlayers = -3;
    EXPECT_EQ(group.playerAtRank(0), nullptr);
    EXPECT_EQ(group.playerAtRank(-3), nullptr);
}

TEST(Ranking, ExtremeTotalsSortWithoutOverflow) {
    CPlayGroup group = groupWithTotals({0, 0, 0});
    group.players[0].results.fill(2000000000);  // saturates at INT_MAX
    group.players[1].results[0] = -2000000000;
    group.players[1].results[1] = -2000000000;  // saturates at INT_MIN
    EXPECT_EQ(rankedPositions(group, 3), (std::vector<int>{1, 2, 0}));
}
