#include <climits>
#include <string>

#include "ListTestSupport.h"
#include "lists/Lists.h"

namespace {

// The list lines below are written from the layout; each ends in CR LF.
const std::string Rule = "---------------------------------------------------------\r\n";

class ResultList : public ListTest {
protected:
    std::string text() const { return resultListText(tournament); }
    // Writes the list and answers its bytes.
    std::string written() {
        EXPECT_TRUE(writeResultList(tournament, pathOf("r.txt")));
        return readBytes(pathOf("r.txt"));
    }
};

}  // namespace

TEST_F(ResultList, WithoutGroupsHoldsTheHeaderOnly) {
    setHeader("V\xE5rcup", 17, 5, 2024);
    const std::string expected = Rule +
                                 "Resultatliste\r\n"
                                 "Turnering       : V\xE5rcup\r\n"
                                 "Dato            : 17 Mai 2024\r\n"
                                 "Antall spillere : 0\r\n" +
                                 Rule +
                                 "\r\n"
                                 "\r\n";
    EXPECT_EQ(text(), expected);
}

TEST_F(ResultList, GroupsRankedByTotalStrokesOverTheCourseHoles) {
    setHeader("Cup", 1, 3, 2011);
    tournament.pitch.holes = 2;
    CPlayGroup& first = addGroup(3, 1);
    addPlayer(first, "Kari", "Nordmann", {4, 5});
    addPlayer(first, "Ola", "Hansen", {3, 5});
    addPlayer(first, "Per", "Berg", {5, 3});  // equal total with Ola: registration order
    addPlayer(first, "Liv", "Dahl");          // no strokes yet: total 0 ranks first
    CPlayGroup& second = addGroup(0, 0);
    // A stroke beyond the course's holes counts in the ranking but not in the bracketed sum.
    addPlayer(second, "Anne", "Lie", {4, 4}).results[17] = 9;
    addPlayer(second, "Siri", "Moe", {6, 6});
    addGroup(1, 0);                                             // a group without players
    addPlayer(tournament.groups[3], "Ola", "Utenfor", {1, 1});  // beyond the groups in use

    const std::string expected = Rule +
                                 "Resultatliste\r\n"
                                 "Turnering       : Cup\r\n"
                                 "Dato            : 1 Mars 2011\r\n"
                                 "Antall spillere : 6\r\n" +
                                 Rule +
                                 "\r\n"
                                 "\r\n" +
                                 Rule +
                                 "Gruppe     : Mixed\r\n"
                                 "Spilleform : Stableford\r\n" +
                                 Rule +
                                 "1:Liv Dahl 0 0 (0)\r\n"
                                 "2:Ola Hansen 3 5 (8)\r\n"
                                 "3:Per Berg 5 3 (8)\r\n"
                                 "4:Kari Nordmann 4 5 (9)\r\n" +
                                 Rule +
                                 "\r\n"
                                 "\r\n" +
                                 Rule +
                                 "Gruppe     : Dame\r\n"
                                 "Spilleform : Slagspill\r\n" +
                                 Rule +
                                 "1:Siri Moe 6 6 (12)\r\n"
                                 "2:Anne Lie 4 4 (8)\r\n" +
                                 Rule +
                                 "\r\n"
                                 "\r\n" +
                                 Rule +
                                 "Gruppe     : Herre\r\n"
                                 "Spilleform : Slagspill\r\n" +
                                 Rule + Rule +
                                 "\r\n"
                                 "\r\n";
    EXPECT_EQ(text(), expected);
}

TEST_F(ResultList, CourseWithoutHolesPrintsOnlyTheSum) {
    setHeader("Cup", 1, 1, 2020);
    tournament.pitch.holes = 0;
    addPlayer(addGroup(0, 0), "Kari", "Nordmann", {4, 5});
    const std::string expected = Rule +
                                 "Resultatliste\r\n"
                                 "Turnering       : Cup\r\n"
                                 "Dato            : 1 Januar 2020\r\n"
                                 "Antall spillere : 1\r\n" +
                                 Rule +
                                 "\r\n"
                                 "\r\n" +
                                 Rule +
                                 "Gruppe     : Dame\r\n"
                                 "Spilleform : Slagspill\r\n" +
                                 Rule + "1:Kari Nordmann (0)\r\n" + Rule +
                                 "\r\n"
                                 "\r\n";
    EXPECT_EQ(text(), expected);
}

TEST_F(ResultList, AllEighteenHolesOfAFullCourse) {
    setHeader("Cup", 1, 1, 2020);
    tournament.pitch.holes = 18;
    addPlayer(addGroup(0, 0), "Kari", "Nordmann", {4, 5, 3, 4, 4, 5, 3, 4, 10, 4, 5, 3, 4, 4, 5, 3, 4, 11});
    EXPECT_NE(text().find("1:Kari Nordmann 4 5 3 4 4 5 3 4 10 4 5 3 4 4 5 3 4 11 (85)\r\n"), std::string::npos);
}

TEST_F(ResultList, OutOfRangeValuesStayInsideTheArraysAndTables) {
    setHeader("Cup", 31, 0, 1999);
    tournament.pitch.holes = 40;
    CPlayGroup& group = addGroup(4, 2);
    addPlayer(group, "Kari", "Nordmann", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18});
    group.noOfPlayers = 12;
    tournament.numberOfGroups = 20;
    const std::string list = text();
    EXPECT_NE(list.find("Dato            : 31 0 1999\r\n"), std::string::npos);
    EXPECT_NE(list.find("Gruppe     : \r\nSpilleform : \r\n"), std::string::npos);
    // Nine players count and print; the eight empty slots have total 0 and rank first.
    EXPECT_NE(list.find("Antall spillere : 9\r\n"), std::string::npos);
    EXPECT_NE(list.find("\r\n1:  0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 (0)\r\n"), std::string::npos);
    EXPECT_NE(list.find("\r\n9:Kari Nordmann 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 (171)\r\n"),
              std::string::npos);
    EXPECT_EQ(list.find("\r\n10:"), std::string::npos);
}

TEST_F(ResultList, BracketedSumDoesNotOverflow) {
    setHeader("Cup", 1, 1, 2020);
    tournament.pitch.holes = 2;
    addPlayer(addGroup(0, 0), "Kari", "Nordmann", {INT_MAX, INT_MAX});
    EXPECT_NE(text().find("1:Kari Nordmann 2147483647 2147483647 (4294967294)\r\n"), std::string::npos);
}

TEST_F(ResultList, WritingTwiceReplacesTheFile) {
    setHeader("Cup", 1, 1, 2020);
    addPlayer(addGroup(0, 0), "Kari", "Nordmann", {4});
    written();
    tournament.numberOfGroups = 0;
    tournament.name = "Ny";
    const std::string expected = Rule +
                                 "Resultatliste\r\n"
                                 "Turnering       : Ny\r\n"
                                 "Dato            : 1 Januar 2020\r\n"
                                 "Antall spillere : 0\r\n" +
                                 Rule +
                                 "\r\n"
                                 "\r\n";
    EXPECT_EQ(written(), expected);
}

TEST_F(ResultList, UnwritablePathAnswersFalse) {
    EXPECT_FALSE(writeResultList(tournament, pathOf("no-such-folder/list.txt")));
    EXPECT_FALSE(writeResultList(tournament, folder.path().string()));
    EXPECT_FALSE(writeResultList(tournament, ""));
}

TEST(ResultScreenOrder, IgnoresCaseAndPutsPunctuationBeforeDigitsBeforeLetters) {
    struct Case {
        const char* left;
        const char* right;
        bool before;
    };
    const Case cases[] = {
        {"1: x", "10: x", true}, {"19: x", "2: x", true}, {"9: x", "a", true},    {"abc", "ABD", true},
        {"ABC", "abd", true},    {"abc", "ABC", false},   {"2", "19", false},     {"-", "0", true},
        {"z", "\xC5", true},     {"\xC6", "\xE6", false}, {"\xE9", "\x8A", true}, {"\x80", "0", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(resultLineSortsBefore(c.left, c.right), c.before) << c.left << " / " << c.right;
}
