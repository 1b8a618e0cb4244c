#include "model/Records.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

CPlayer namedPlayer(const char* first, const char* sur, float hcp) {
    CPlayer player;
    player.firstName = first;
    player.surName = sur;
    player.club = "Klubb";
    player.hcp = hcp;
    player.sh = hcp + 1.0f;
    player.results.fill(4);
    return player;
}

}  // namespace

TEST(AddPlayer, CopiesNamesAndIndexIntoTheNextSlot) {
    CPlayGroup group;
    group.players[0].club = "Gammel klubb";
    group.players[0].sh = 7.5f;
    group.players[0].results[3] = 6;
    EXPECT_TRUE(group.addPlayer(namedPlayer("Kari", "Nordmann", 12.3f)));
    EXPECT_EQ(group.noOfPlayers, 1);
    const CPlayer& slot = group.players[0];
    EXPECT_EQ(slot.firstName, "Kari");
    EXPECT_EQ(slot.surName, "Nordmann");
    EXPECT_EQ(slot.hcp, 12.3f);
    // Club, playing handicap and strokes of the slot are left as they were.
    EXPECT_EQ(slot.club, "Gammel klubb");
    EXPECT_EQ(slot.sh, 7.5f);
    EXPECT_EQ(slot.results[3], 6);
    EXPECT_EQ(slot.results[0], 0);
}

TEST(AddPlayer, FullGroupChangesNothingAndAnswersFalse) {
    CPlayGroup group;
    for (int i = 0; i < MaxPlayers; ++i) ASSERT_TRUE(group.addPlayer(namedPlayer("P", "Q", static_cast<float>(i))));
    const CPlayGroup before = group;
    EXPECT_FALSE(group.addPlayer(namedPlayer("Ola", "Nordmann", 5.0f)));
    EXPECT_EQ(group.noOfPlayers, MaxPlayers);
    for (int i = 0; i < MaxPlayers; ++i) {
        EXPECT_EQ(group.players[i].firstName, before.players[i].firstName);
        EXPECT_EQ(group.players[i].hcp, before.players[i].hcp);
    }
}

TEST(AddPlayer, CountOutsideTheArrayChangesNothing) {
    CPlayGroup group;
    group.noOfPlayers = -1;
    EXPECT_FALSE(group.addPlayer(namedPlayer("Ola", "Nordmann", 5.0f)));
    EXPECT_EQ(group.noOfPlayers, -1);
    group.noOfPlayers = 40;
    EXPECT_FALSE(group.addPlayer(namedPlayer("Ola", "Nordmann", 5.0f)));
    EXPECT_EQ(group.noOfPlayers, 40);
    EXPECT_EQ(group.playerCount(), MaxPlayers);
}

TEST(ClearRecords, PlayGroupKeepsNameAndTee) {
    CPlayGroup group;
    group.groupClass = 3;
    group.playForm = 1;
    group.setAllowance(2);
    group.tee = 4;
    group.groupName = "Morgengruppa";
    group.addPlayer(namedPlayer("Kari", "Nordmann", 12.3f));
    group.players[0] = namedPlayer("Kari", "Nordmann", 12.3f);
    group.clear();
    EXPECT_EQ(group.groupClass, 0);
    EXPECT_EQ(group.playForm, 0);
    EXPECT_EQ(group.allowance, 0);
    EXPECT_EQ(group.noOfPlayers, 0);
    EXPECT_EQ(group.allowanceFactor, 1.0f) << "the factor follows the allowance";
    EXPECT_EQ(group.tee, 4);
    EXPECT_EQ(group.groupName, "Morgengruppa");
    const CPlayer& player = group.players[0];
    EXPECT_TRUE(player.firstName.empty() && player.surName.empty() && player.club.empty());
    EXPECT_EQ(player.hcp, 0.0f);
    EXPECT_EQ(player.sh, 0.0f);
    EXPECT_EQ(player.totalStrokes(), 0);
}

TEST(ClearRecords, PitchKeepsTeesParAndIndex) {
    CPitch pitch;
    pitch.name = "Sjøbanen";
    pitch.holes = 9;
    pitch.numberOfTees = 2;
    pitch.slopeValue[1] = 128;
    pitch.teeName[1] = "Gul";
    pitch.par[8] = 5;
    pitch.index[8] = 17;
    pitch.clear();
    EXPECT_TRUE(pitch.name.empty());
    EXPECT_EQ(pitch.holes, 18);
    EXPECT_EQ(pitch.numberOfTees, 2);
    EXPECT_EQ(pitch.slopeValue[1], 128);
    EXPECT_EQ(pitch.teeName[1], "Gul");
    EXPECT_EQ(pitch.par[8], 5);
    EXPECT_EQ(pitch.index[8], 17);
}

TEST(Totals, SumAll18ElementsAndSaturate) {
    CPitch pitch;
    pitch.holes = 9;
    pitch.par.fill(4);
    EXPECT_EQ(pitch.totalPar(), 72);
    CPlayer player;
    player.results[0] = 5;
    player.results[17] = 6;
    EXPECT_EQ(player.totalStrokes(), 11);
    player.results.fill(INT_MAX);
    EXPECT_EQ(player.totalStrokes(), INT_MAX);
    player.results.fill(INT_MIN);
    EXPECT_EQ(player.totalStrokes(), INT_MIN);
}

TEST(LimitedCounts, StayInsideTheArrays) {
    CPitch pitch;
    pitch.holes = 40;
    pitch.numberOfTees = -2;
    EXPECT_EQ(pitch.holeCount(), MaxHoles);
    EXPECT_EQ(pitch.teeCount(), 0);
    pitch.teeName[4] = "Rød";
    EXPECT_EQ(pitch.teeNameAt(4), "Rød");
    EXPECT_EQ(pitch.teeNameAt(5), "");
    EXPECT_EQ(pitch.teeNameAt(-1), "");
}

TEST(FixedTables, IndexOutsideATableShowsEmpty) {
    EXPECT_EQ(className(3), "Mixed");
    EXPECT_EQ(className(4), "");
    EXPECT_EQ(className(-1), "");
    EXPECT_EQ(playFormName(1), "Stableford");
    EXPECT_EQ(playFormName(2), "");
    EXPECT_EQ(allowanceName(4), "0");
    EXPECT_EQ(allowanceName(7), "85 %");
    EXPECT_EQ(allowanceName(8), "");
}

TEST(PlayGroup, AllowanceTakesItsFactorAndOnlyStablefordIsStableford) {
    CPlayGroup group;
    const struct {
        int index;
        int allowance;
        float factor;
    } picks[] = {{1, 1, 0.75f}, {4, 4, 0.0f}, {8, 4, 0.0f}, {-1, 4, 0.0f}, {5, 5, 0.95f}, {2, 2, 0.5f}, {0, 0, 1.0f}};
    for (const auto& pick : picks) {
        group.setAllowance(pick.index);
        EXPECT_EQ(group.allowance, pick.allowance) << pick.index;
        EXPECT_EQ(group.allowanceFactor, pick.factor) << pick.index;
    }
    // A play form outside the table counts as stroke play.
    for (int form : {StrokePlay, 7, -1}) {
        group.playForm = form;
        EXPECT_FALSE(group.playsStableford()) << form;
    }
    group.playForm = Stableford;
    EXPECT_TRUE(group.playsStableford());
}

TEST(PlayerText, FirstNameBlankSurname) {
    EXPECT_EQ(namedPlayer("Kari", "Nordmann", 0.0f).text(), "Kari Nordmann");
    EXPECT_EQ(playerText("", ""), " ");
}
