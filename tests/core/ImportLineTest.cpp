#include "model/ImportLine.h"

#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <climits>

#include "TempFolder.h"

namespace {

std::vector<std::string> linesOf(std::string_view contents) {
    std::vector<std::string> result;
    for (std::string_view line : splitImportLines(contents)) result.emplace_back(line);
    return result;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(ImportLineSplitting, LineFeedEndsALineAndTheCarriageReturnBeforeItIsDropped) {
    EXPECT_EQ(linesOf("Kari Nordmann 18\r\nOla Hansen 7\r\n"), (Lines{"Kari Nordmann 18", "Ola Hansen 7"}));
    EXPECT_EQ(linesOf("a\nb\n"), (Lines{"a", "b"}));
}

TEST(ImportLineSplitting, LastLineNeedsNoLineFeed) {
    EXPECT_EQ(linesOf("a\r\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(linesOf(""), Lines{});
}

TEST(ImportLineSplitting, EmptyLinesAreKeptAndToldApartFromBlankLines) {
    const Lines lines = linesOf("a\r\n\r\n\n   \nb");
    EXPECT_EQ(lines, (Lines{"a", "", "", "   ", "b"}));
    EXPECT_TRUE(isEmptyImportLine(lines[1]));
    EXPECT_FALSE(isEmptyImportLine(lines[3]));
}

TEST(ImportLineSplitting, CarriageReturnLineFeedAndEachAloneEndALine) {
    EXPECT_EQ(linesOf("a\r\r\nb\rc\n"), (Lines{"a", "", "b", "c"}));
    EXPECT_EQ(linesOf("a\rb\rc"), (Lines{"a", "b", "c"}));
}

// Files from other editors: UTF-8 with or without a mark, Windows-1252, any line ends.
TEST(ImportEncoding, Utf8AndWindows1252FilesImportTheSameNames) {
    const struct {
        const char* name;
        std::string contents;
        std::vector<std::string> firstNames;
        long long leftOut;
    } cases[] = {
        {"UTF-8",
         "Bj\xC3\xB8rn Lie 12\nS\xC3\xA6"
         "bj\xC3\xB8rg \xC3\x85s 3\n",
         {"Bj\xF8rn", "S\xE6\x62j\xF8rg"},
         0},
        {"UTF-8 with mark",
         "\xEF\xBB\xBF"
         "Kari Nordmann 18\r\n",
         {"Kari"},
         0},
        {"Windows-1252", "Bj\xF8rn Lie 12\r\n", {"Bj\xF8rn"}, 0},
        {"Windows-1252 with a mark",
         "\xEF\xBB\xBF"
         "Bj\xF8rn Lie 12",
         {"Bj\xF8rn"},
         0},
        {"CR line ends", "Kari Nordmann 18\rOla Hansen 7\rPer Berg 3\r", {"Kari", "Ola", "Per"}, 0},
        {"euro and quotes", "\xE2\x82\xAC\xE2\x80\x9C Lie 1\n", {"\x80\x93"}, 0},
        {"no place in Windows-1252", "\xCE\xA9mega Lie 4\nKari Nordmann 18\nOla \xCE\xA3 2\n", {"Kari"}, 2},
        {"ignored text after the fields", "Kari Nordmann 18 \xE2\x9C\x93\n", {"Kari"}, 0},
    };
    for (const auto& c : cases) {
        CPlayGroup group;
        const ImportCounts counts = importPlayers(c.contents, group);
        std::vector<std::string> names;
        for (int p = 0; p < group.playerCount(); ++p) names.push_back(group.players[p].firstName);
        EXPECT_EQ(names, c.firstNames) << c.name;
        EXPECT_EQ(counts.leftOut, c.leftOut) << c.name;
    }
    std::array<CPitch, 2> table{};
    EXPECT_EQ(importPitches("Sj\xC3\xB8vollen 18\rR\xC3\xB8ros 9", table).taken, 2);
    EXPECT_EQ(table[1].name, "R\xF8ros");
}

TEST(PlayerLine, ReadsFirstNameSurnameAndHandicap) {
    const auto player = parsePlayerLine("Kari Nordmann 18");
    ASSERT_TRUE(player);
    EXPECT_EQ(player->firstName, "Kari");
    EXPECT_EQ(player->surName, "Nordmann");
    EXPECT_EQ(player->hcp, 18);
}

// The index as the register screen reads it: a point or a comma, "+" for a plus handicap.
TEST(PlayerLine, HandicapIsReadAsTypedAndTextAfterTheLastFieldIsIgnored) {
    EXPECT_EQ(parsePlayerLine("Per Olsen 12.4")->hcp, 12.4f);
    EXPECT_EQ(parsePlayerLine("Kari Nordmann 18,7")->hcp, 18.7f);
    EXPECT_EQ(parsePlayerLine("\t Per   Olsen\t-3 Bærum GK 44")->hcp, -3);
    EXPECT_EQ(parsePlayerLine("Per Olsen +2,1")->hcp, -2.1f);
    EXPECT_EQ(parsePlayerLine("Per Olsen 9abc")->hcp, 9);
}

TEST(PlayerLine, LineWithoutAllItsFieldsGivesNothing) {
    EXPECT_FALSE(parsePlayerLine(""));
    EXPECT_FALSE(parsePlayerLine("   \t "));
    EXPECT_FALSE(parsePlayerLine("Kari"));
    EXPECT_FALSE(parsePlayerLine("Kari Nordmann"));
    EXPECT_FALSE(parsePlayerLine("Kari Nordmann x"));
    EXPECT_FALSE(parsePlayerLine("Kari Nordmann -"));
    EXPECT_FALSE(parsePlayerLine("Kari Nordmann .5"));
    EXPECT_FALSE(parsePlayerLine("Kari Nordmann +-5"));
}

TEST(PlayerLine, NameWithABlankPutsAWordWhereTheNumberShouldBe) { EXPECT_FALSE(parsePlayerLine("Anne Marie Berg 20")); }

TEST(PlayerLine, HugeNumbersStayFinite) {
    EXPECT_EQ(parsePlayerLine("A B 99999999999999999999")->hcp, 1e20f);
    EXPECT_EQ(parsePlayerLine("A B -9e99")->hcp, -FLT_MAX);
}

TEST(PlayerLine, WordsUpToTheLimitAreReadLongerOnesLeaveTheLineOut) {
    const std::string longest(MaxImportWordLength, 'k');
    const std::string tooLong(MaxImportWordLength + 1, 'k');
    EXPECT_EQ(parsePlayerLine(longest + " " + longest + " 5")->surName, longest);
    EXPECT_FALSE(parsePlayerLine(tooLong + " Nordmann 5"));
    EXPECT_FALSE(parsePlayerLine("Kari " + tooLong + " 5"));
}

TEST(PlayerLine, LinesUpToTheLimitAreReadLongerOnesAreLeftOut) {
    const std::string start = "Kari Nordmann 18";
    const std::string longest = start + std::string(MaxImportLineLength - start.size(), ' ');
    EXPECT_TRUE(parsePlayerLine(longest));
    EXPECT_FALSE(parsePlayerLine(longest + " "));
}

TEST(PlayerLine, ZeroByteEndsTheReadableText) {
    EXPECT_FALSE(parsePlayerLine(std::string_view("Kari\0 Nordmann 18", 17)));
    EXPECT_EQ(parsePlayerLine(std::string_view("Kari Nordmann 18\0x", 18))->hcp, 18);
}

TEST(PitchLine, ReadsNameAndHoles) {
    const auto pitch = parsePitchLine("Skogbanen 18\r");
    ASSERT_TRUE(pitch);
    EXPECT_EQ(pitch->name, "Skogbanen");
    EXPECT_EQ(pitch->holes, 18);
    EXPECT_EQ(parsePitchLine("Skogbanen 9 hull")->holes, 9);
}

TEST(PitchLine, LineWithoutBothFieldsGivesNothing) {
    EXPECT_FALSE(parsePitchLine("Skogbanen"));
    EXPECT_FALSE(parsePitchLine("Skogbanen atten"));
    EXPECT_FALSE(parsePitchLine("Nye Skogbanen 18"));
    EXPECT_FALSE(parsePitchLine(std::string(MaxImportWordLength + 1, 'b') + " 18"));
}

TEST(PlayerImport, AddsPlayersBehindTheGroupsOwnAndKeepsTheSlotsOtherFields) {
    CPlayGroup group;
    group.players[0].club = "Bærum GK";
    group.players[1].sh = 3.0f;
    const ImportCounts counts = importPlayers("Kari Nordmann 18\r\n\r\nOla Hansen 7", group);
    EXPECT_EQ(counts.taken, 2);
    EXPECT_EQ(counts.leftOut, 0);
    ASSERT_EQ(group.noOfPlayers, 2);
    EXPECT_EQ(group.players[0].text(), "Kari Nordmann");
    EXPECT_EQ(group.players[0].hcp, 18.0f);
    EXPECT_EQ(group.players[0].club, "Bærum GK");
    EXPECT_EQ(group.players[1].text(), "Ola Hansen");
    EXPECT_EQ(group.players[1].sh, 3.0f);

    importPlayers("Per Olsen 12.4\n", group);
    EXPECT_EQ(group.noOfPlayers, 3);
    EXPECT_EQ(group.players[2].hcp, 12.4f);
}

TEST(PlayerImport, UnreadableLinesAreCountedAndDoNotShiftTheLinesAfterThem) {
    CPlayGroup group;
    const ImportCounts counts = importPlayers("Anne Marie Berg 20\n   \nKari Nordmann\nOla Hansen 7\n", group);
    EXPECT_EQ(counts.taken, 1);
    EXPECT_EQ(counts.leftOut, 3);
    ASSERT_EQ(group.noOfPlayers, 1);
    EXPECT_EQ(group.players[0].text(), "Ola Hansen");
    EXPECT_EQ(group.players[0].hcp, 7.0f);
}

TEST(PlayerImport, NeverWritesPastTheLastPlayerOfTheGroup) {
    CPlayGroup group;
    group.noOfPlayers = 7;
    const ImportCounts counts = importPlayers("A a 1\nB b 2\nC c 3\nD d 4\n", group);
    EXPECT_EQ(counts.taken, 2);
    EXPECT_EQ(counts.leftOut, 2);
    EXPECT_EQ(group.noOfPlayers, MaxPlayers);
    EXPECT_EQ(group.players[8].text(), "B b");
}

TEST(PitchImport, FillsTheTableInOrderAndStopsWhenItIsFull) {
    std::array<CPitch, 3> table{};
    const ImportCounts counts = importPitches("Skogbanen 18\n\nbad\nKortbanen 9\nHeia 12\nSjøen 18\n", table);
    EXPECT_EQ(counts.taken, 3);
    EXPECT_EQ(counts.leftOut, 2);
    EXPECT_EQ(table[0].name, "Skogbanen");
    EXPECT_EQ(table[0].holes, 18);
    EXPECT_EQ(table[1].name, "Kortbanen");
    EXPECT_EQ(table[2].name, "Heia");
    EXPECT_EQ(table[2].holes, 12);
}

TEST(ImportFile, ReadsTheBytesOfARegularFileOnly) {
    const TempFolder folder;
    const std::string path = folder.write("spillere æ.txt", "Kari Nordmann 18\r\n");
    EXPECT_EQ(readImportFile(path).contents, "Kari Nordmann 18\r\n");
    EXPECT_FALSE(readImportFile(folder.path().string() + "/").result) << "a folder";
    EXPECT_EQ(readImportFile(folder.file("mangler.txt")).result.error, files::FileError::Missing);
}
