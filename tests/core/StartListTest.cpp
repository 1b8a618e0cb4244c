#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>

#include "ListTestSupport.h"
#include "lists/Lists.h"
#include "lists/StartListSheet.h"

namespace {

using StartList = ListTest;

// The list lines below are written from the layout; each ends in CR LF.
const std::string Rule = "---------------------------------------------------------\r\n";

}  // namespace

TEST(MonthText, NorwegianNamesAndNumbersOutsideTheYear) {
    const char* names[] = {"Januar", "Februar", "Mars",      "April",   "Mai",      "Juni",
                           "Juli",   "August",  "September", "Oktober", "November", "Desember"};
    for (int month = 1; month <= 12; ++month) EXPECT_EQ(monthText(month), names[month - 1]);
    EXPECT_EQ(monthText(0), "0");
    EXPECT_EQ(monthText(13), "13");
    EXPECT_EQ(monthText(-4), "-4");
}

TEST_F(StartList, WithoutGroupsHoldsTheHeaderOnly) {
    setHeader("Sommercup", 17, 5, 2024);
    const std::string expected = Rule +
                                 "Turnering : Sommercup\r\n"
                                 "Dato  : 17 Mai 2024\r\n"
                                 "\r\n"
                                 "\r\n";
    EXPECT_EQ(startListText(tournament), expected);
}

TEST_F(StartList, GroupsWithTheirPlayersInRegistrationOrder) {
    setHeader("V\xE5rcup", 1, 3, 2011);  // Windows-1252 bytes are written as stored
    CPlayGroup& mixed = addGroup(3, 1);
    addPlayer(mixed, "Kari", "Nordmann", {5, 4});
    addPlayer(mixed, "\xC5se",
              "\xD8"
              "deg\xE5rd",
              {3});
    addPlayer(mixed, "Per", "Hansen");
    addGroup(1, 0);  // no players yet
    // A group beyond the groups in use is not printed.
    addPlayer(tournament.groups[2], "Ola", "Utenfor");

    const std::string expected = Rule +
                                 "Turnering : V\xE5rcup\r\n"
                                 "Dato  : 1 Mars 2011\r\n"
                                 "\r\n"
                                 "\r\n" +
                                 Rule +
                                 "Gruppe:Mixed\r\n"
                                 "Spilleform:Stableford\r\n" +
                                 Rule +
                                 "1:Kari Nordmann\r\n"
                                 "2:\xC5se \xD8"
                                 "deg\xE5rd\r\n"
                                 "3:Per Hansen\r\n" +
                                 Rule + Rule +
                                 "Gruppe:Herre\r\n"
                                 "Spilleform:Slagspill\r\n" +
                                 Rule + Rule;
    EXPECT_EQ(startListText(tournament), expected);
}

TEST_F(StartList, ValuesOutsideTheTablesPrintAsEmptyOrAsNumbers) {
    setHeader("H\xF8stcup", 2, 13, 2011);
    CPlayGroup& group = addGroup(7, -1);
    addPlayer(group, "Kari", "Nordmann");
    const std::string expected = Rule +
                                 "Turnering : H\xF8stcup\r\n"
                                 "Dato  : 2 13 2011\r\n"
                                 "\r\n"
                                 "\r\n" +
                                 Rule +
                                 "Gruppe:\r\n"
                                 "Spilleform:\r\n" +
                                 Rule + "1:Kari Nordmann\r\n" + Rule;
    EXPECT_EQ(startListText(tournament), expected);
}

TEST_F(StartList, CountsBeyondTheArraysAreLimited) {
    setHeader("Cup", 1, 1, 2020);
    for (CPlayGroup& group : tournament.groups) {
        for (int i = 0; i < MaxPlayers; ++i) addPlayer(group, "P" + std::to_string(i), "Q");
        group.noOfPlayers = 12;
    }
    tournament.numberOfGroups = 11;
    const std::string written = startListText(tournament);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 5 + 9 * (5 + 9));
    EXPECT_NE(written.find("9:P8 Q\r\n"), std::string::npos);
    EXPECT_EQ(written.find("10:"), std::string::npos);

    tournament.numberOfGroups = -2;
    EXPECT_EQ(startListText(tournament), Rule + "Turnering : Cup\r\nDato  : 1 Januar 2020\r\n\r\n\r\n");
}

TEST_F(StartList, LineBreaksInsideNamesBecomeBlanks) {
    setHeader("To\r\nlinjer", 1, 1, 2020);
    addPlayer(addGroup(0, 0), "Kari\n", "Nordmann");
    const std::string written = startListText(tournament);
    EXPECT_NE(written.find("Turnering : To  linjer\r\n"), std::string::npos);
    EXPECT_NE(written.find("1:Kari  Nordmann\r\n"), std::string::npos);
}

TEST_F(StartList, WritingTwiceReplacesTheFile) {
    setHeader("Et langt turneringsnavn", 1, 1, 2020);
    addPlayer(addGroup(0, 0), "Kari", "Nordmann");
    ASSERT_TRUE(writeStartList(tournament, pathOf("f.txt")));
    tournament.name = "Kort";
    tournament.numberOfGroups = 0;
    ASSERT_TRUE(writeStartList(tournament, pathOf("f.txt")));
    EXPECT_EQ(readBytes(pathOf("f.txt")), Rule + "Turnering : Kort\r\nDato  : 1 Januar 2020\r\n\r\n\r\n");
}

TEST_F(StartList, UnwritablePathAnswersFalse) {
    EXPECT_FALSE(writeStartList(tournament, pathOf("no-such-folder/list.txt")));
    EXPECT_FALSE(writeStartList(tournament, folder.path().string()));
    EXPECT_FALSE(writeStartList(tournament, ""));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "no-such-folder"));
}

// The starter's sheet: each group in use with its tee, each player with HCP and Spillehcp.
TEST_F(StartList, SheetShowsGroupsWithTeeAndPlayersWithHandicaps) {
    setHeader("Sommercup", 14, 6, 2026);
    CPitch& course = tournament.pitch;
    course.name = "Langbanen";
    course.holes = 18;
    course.numberOfTees = 1;
    course.teeName[0] = "Gul";
    course.slopeValue[0] = 120;
    course.pitchValue[0] = 70.0f;
    course.parValue[0] = 72;
    CPlayGroup& morning = addGroup(1, 0);
    morning.groupName = "09:00";
    addPlayer(morning, "Kari", "Nordmann").hcp = 12.4f;
    morning.players[0].club = "Fana GK";
    // A tee the course lacks: no tee name and no playing handicap to show.
    CPlayGroup& noTee = addGroup(0, 1);
    noTee.tee = 3;
    addPlayer(noTee, "\xC5se", "Berg").hcp = 30.0f;
    addGroup(2, 0).groupName = "Tom";
    addPlayer(tournament.groups[3], "Ola", "Utenfor");

    const StartListDocument sheet = startListDocument(tournament);
    EXPECT_EQ(sheet.tournament, "Sommercup");
    EXPECT_EQ(sheet.date, "14 Juni 2026");
    EXPECT_EQ(sheet.course, "Langbanen");
    ASSERT_EQ(sheet.groups.size(), 3u);
    const StartListGroup& first = sheet.groups[0];
    EXPECT_EQ(
        std::tie(first.position, first.name, first.className, first.playForm, first.tee),
        std::make_tuple('A', std::string("09:00"), std::string("Herre"), std::string("Slagspill"), std::string("Gul")));
    ASSERT_EQ(first.players.size(), 1u);
    // 12.4 x 120 / 113 + 70 - 72 = 11.17.
    EXPECT_EQ(
        std::tie(first.players[0].name, first.players[0].club, first.players[0].hcp, first.players[0].playingHandicap),
        std::make_tuple(std::string("Kari Nordmann"), std::string("Fana GK"), std::string("12.4"), std::string("11")));
    EXPECT_EQ(sheet.groups[1].tee, "");
    EXPECT_EQ(sheet.groups[1].players[0].playingHandicap, "");
    EXPECT_EQ(sheet.groups[1].players[0].name, "\xC5se Berg");
    EXPECT_TRUE(sheet.groups[2].players.empty());
}
