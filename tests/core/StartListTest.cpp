#include <algorithm>
#include <filesystem>
#include <string>

#include "ListTestSupport.h"
#include "lists/Lists.h"

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
