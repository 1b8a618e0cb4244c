#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <filesystem>
#include <random>

#include "TempFolder.h"
#include "model/CTournament.h"
#include "model/FileMessages.h"
#include "scoring/Handicap.h"
#include "scoring/Prize.h"
#include "text/Encoding.h"

namespace {

std::string lines(std::initializer_list<std::string_view> all) {
    std::string result;
    for (std::string_view line : all) result.append(line).append("\r\n");
    return result;
}

const std::string CourseTable = lines({
    "[NumberOfPitches]", "Number=2", "[Pitches]",       "Pitch1=Bjaavann",
    "Pitch2=Sola",       "[Pitch1]", "Holes=18",        "Par=4 4 3 5 4 4 3 5 4 4 4 3 5 4 4 3 5 4",
    "NumberOfTees=2",    "Tee1=Gul", "SlopeValue1=131", "ParValue1=72",
    "PitchValue1=71.3",  "Tee2=Blå", "SlopeValue2=124", "ParValue2=71",
    "PitchValue2=69.8",  "[Pitch2]", "Holes=9",         "NumberOfTees=1",
    "Tee1=Hvit",
});

CPlayer player(std::string first, std::string sur, std::string club, float hcp, float sh) {
    CPlayer result;
    result.firstName = std::move(first);
    result.surName = std::move(sur);
    result.club = std::move(club);
    result.hcp = hcp;
    result.sh = sh;
    return result;
}

// Two groups: the first with two players, the second empty.
void fillTwoGroups(CTournament& tournament) {
    tournament.day = 14;
    tournament.month = 6;
    tournament.year = 2025;
    tournament.name = "Sommercup";
    tournament.type = "Singel";
    tournament.numberOfGroups = 2;
    tournament.selectPitch("Bjaavann");
    CPlayGroup& first = tournament.groups[0];
    first.groupClass = 1;
    first.playForm = 1;
    first.setAllowance(1);
    first.groupName = "Herrer A";
    first.tee = 1;
    first.noOfPlayers = 2;
    first.players[0] = player("Ola", "Nordmann", "Sola GK", 12.25f, 17.46f);
    first.players[0].results = {4, 5, 3, 4, 4, 5, 3, 4, 4, 5, 3, 4, 4, 5, 3, 4, 4, 5};
    first.players[1] = player("Kari", "Holm", "", 0.5f, -2.5f);
}

// The course a tournament on Bjaavann keeps in its file, after its name: the course table's figures.
std::string withBjaavannCourse(std::string file) {
    const std::string name = "Name=Bjaavann\r\n";
    return file.insert(file.find(name) + name.size(),
                       lines({"[Course]", "Holes=18", "Par=4 4 3 5 4 4 3 5 4 4 4 3 5 4 4 3 5 4",
                              "Index=0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0", "NumberOfTees=2", "Tee1=Gul",
                              "SlopeValue1=131", "ParValue1=72", "PitchValue1=71.3", "Tee2=Bl\xE5", "SlopeValue2=124",
                              "ParValue2=71", "PitchValue2=69.8"}));
}

const std::string TwoGroupsFile = withBjaavannCourse(lines({
    "[Tournament]",
    "Day=14",
    "Month=6",
    "Year=2025",
    "Name=Sommercup",
    "Type=Singel",
    "NumberOfGroups=2",
    "[Pitch]",
    "Name=Bjaavann",
    "[PlayGroup1]",
    "Group=1",
    "PlayForm=1",
    "HCP=1",
    "NoOfPlayers=2",
    "GroupName=Herrer A",
    "Tee=1",
    "FirstName1=Ola",
    "SurName1=Nordmann",
    "Club1=Sola GK",
    "HCP1=12.3",
    "SH1=17.5",
    "Results1=4 5 3 4 4 5 3 4 4 5 3 4 4 5 3 4 4 5",
    "FirstName2=Kari",
    "SurName2=Holm",
    "Club2=",
    "HCP2=0.5",
    "SH2=-2.5",
    "Results2=0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0",
    "[PlayGroup2]",
    "Group=0",
    "PlayForm=0",
    "HCP=0",
    "NoOfPlayers=0",
    "GroupName=",
    "Tee=0",
}));

class TournamentFileTest : public ::testing::Test {
protected:
    std::string configPath() const { return folder.file("config/TeebrookConfig.ini"); }
    void SetUp() override { folder.write("config/TeebrookConfig.ini", CourseTable); }
    TempFolder folder;
};

// Every field the tournament file holds, for the groups and players in use.
void expectSameFileFields(const CTournament& a, const CTournament& b) {
    EXPECT_EQ(a.day, b.day);
    EXPECT_EQ(a.month, b.month);
    EXPECT_EQ(a.year, b.year);
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.type, b.type);
    EXPECT_EQ(a.numberOfGroups, b.numberOfGroups);
    EXPECT_EQ(a.pitch.name, b.pitch.name);
    for (int g = 0; g < a.groupsInUse(); ++g) {
        SCOPED_TRACE("group " + std::to_string(g + 1));
        const CPlayGroup& x = a.groups[g];
        const CPlayGroup& y = b.groups[g];
        EXPECT_EQ(x.groupClass, y.groupClass);
        EXPECT_EQ(x.playForm, y.playForm);
        EXPECT_EQ(x.allowance, y.allowance);
        EXPECT_EQ(x.allowanceFactor, y.allowanceFactor);
        EXPECT_EQ(x.noOfPlayers, y.noOfPlayers);
        EXPECT_EQ(x.groupName, y.groupName);
        EXPECT_EQ(x.tee, y.tee);
        for (int p = 0; p < x.playerCount(); ++p) {
            SCOPED_TRACE("player " + std::to_string(p + 1));
            EXPECT_EQ(x.players[p].firstName, y.players[p].firstName);
            EXPECT_EQ(x.players[p].surName, y.players[p].surName);
            EXPECT_EQ(x.players[p].club, y.players[p].club);
            EXPECT_EQ(x.players[p].hcp, y.players[p].hcp);
            EXPECT_EQ(x.players[p].sh, y.players[p].sh);
            EXPECT_EQ(x.players[p].results, y.players[p].results);
        }
    }
}

// Nine full groups, every player with a name of Norwegian letters and 18 scores of two digits.
void fillFullTournament(CTournament& tournament) {
    tournament.day = 31;
    tournament.month = 12;
    tournament.year = 2026;
    tournament.name = "Nyttårscup";
    tournament.type = "Lag";
    tournament.numberOfGroups = MaxGroups;
    tournament.selectPitch("Sola");
    for (int g = 0; g < MaxGroups; ++g) {
        CPlayGroup& group = tournament.groups[g];
        group.groupClass = g % 4;
        group.playForm = g % 2;
        group.setAllowance(g % 5);
        group.groupName = "Gruppe " + std::string(1, static_cast<char>('A' + g));
        group.tee = g % 2;
        group.noOfPlayers = MaxPlayers;
        for (int p = 0; p < MaxPlayers; ++p) {
            CPlayer& one = group.players[p];
            one = player("Bj\xF8rn" + std::to_string(p), "\xC6r\xE5s" + std::to_string(g), "Klubb",
                         static_cast<float>((g * 9 + p) / 10.0), 54.0f - p);
            for (int h = 0; h < MaxHoles; ++h) one.results[h] = 10 + (g + p + h) % 90;
        }
    }
}

}  // namespace

TEST_F(TournamentFileTest, SaveWritesTheSectionsKeysOrderAndFormats) {
    CTournament tournament(configPath());
    fillTwoGroups(tournament);
    const std::string path = folder.file("data/Sommercup.ini");
    ASSERT_TRUE(tournament.save(path));
    EXPECT_EQ(tournament.tournamentFile, path);
    EXPECT_EQ(TempFolder::read(path), TwoGroupsFile);
}

TEST_F(TournamentFileTest, SavedAndLoadedTournamentIsEqualInEveryFieldTheFileHolds) {
    CTournament saved(configPath());
    fillFullTournament(saved);
    const std::string path = folder.file("data/full.ini");
    ASSERT_TRUE(saved.save(path));
    CTournament loaded(configPath());
    ASSERT_TRUE(loaded.load(path));
    EXPECT_EQ(loaded.tournamentFile, path);
    expectSameFileFields(saved, loaded);
    // The course comes from the course table by name.
    EXPECT_EQ(loaded.pitch.holes, 9);
    EXPECT_EQ(loaded.pitch.teeName[0], "Hvit");
    // Eighteen two-digit scores are more than 49 characters and still come back whole.
    EXPECT_EQ(loaded.groups[8].players[8].results[17], saved.groups[8].players[8].results[17]);
}

TEST_F(TournamentFileTest, PlayingHandicapIsStoredWithOneDecimal) {
    CTournament tournament(configPath());
    fillTwoGroups(tournament);
    const std::string path = folder.file("data/t.ini");
    ASSERT_TRUE(tournament.save(path));
    CTournament loaded(configPath());
    ASSERT_TRUE(loaded.load(path));
    EXPECT_EQ(loaded.groups[0].players[0].sh, 17.5f);
    EXPECT_EQ(loaded.groups[0].players[0].hcp, 12.3f);
    EXPECT_EQ(loaded.groups[0].players[1].sh, -2.5f);
}

// The playing handicap is worked from the index as the file keeps it (one decimal), so no
// playing handicap, place or figure on the prize list, the score cards or the board changes when
// the tournament is saved and opened again, whatever decimals an index was typed or imported with.
TEST_F(TournamentFileTest, PlayingHandicapIsTheSameAfterASaveAndReopening) {
    CTournament tournament(configPath());
    tournament.numberOfGroups = 1;
    tournament.selectPitch("Bjaavann");
    CPlayGroup& group = tournament.groups[0];
    group.noOfPlayers = MaxPlayers;
    const std::string path = folder.file("data/hcp.ini");
    for (int hundredths = -300; hundredths <= 1500; hundredths += MaxPlayers) {
        for (int p = 0; p < MaxPlayers; ++p) group.players[p].hcp = static_cast<float>(hundredths + p) / 100.0f;
        ASSERT_TRUE(tournament.save(path));
        CTournament reopened(configPath());
        ASSERT_TRUE(reopened.load(path));
        for (int p = 0; p < MaxPlayers; ++p) {
            for (int allowance = 0; allowance < static_cast<int>(AllowanceNames.size()); ++allowance) {
                group.setAllowance(allowance);
                reopened.groups[0].setAllowance(allowance);
                ASSERT_EQ(playingHandicapOf(reopened, reopened.groups[0], reopened.groups[0].players[p]),
                          playingHandicapOf(tournament, group, group.players[p]))
                    << group.players[p].hcp << " at " << AllowanceNames[allowance];
            }
        }
    }
}

TEST_F(TournamentFileTest, SaveOverAFileKeepsItsOtherKeysSectionsAndComments) {
    const std::string contents = lines({
        "; written by hand",
        "[Tournament]",
        "Day = 1",
        "Sponsor=Sparebanken",
        "Name=Sommercup",
        "",
        "[Notes]",
        "Weather=\"sol og vind\"",
        "",
        "[PlayGroup3]",
        "Group=2",
        "NoOfPlayers=1",
        "FirstName1=Gammel",
    });
    const std::string path = folder.write("data/Sommercup.ini", contents);
    CTournament tournament(configPath());
    fillTwoGroups(tournament);
    ASSERT_TRUE(tournament.save(path));
    const std::string expected = withBjaavannCourse(lines({
        "; written by hand",
        "[Tournament]",
        "Day = 14",
        "Sponsor=Sparebanken",
        "Name=Sommercup",
        "Month=6",
        "Year=2025",
        "Type=Singel",
        "NumberOfGroups=2",
        "",
        "[Notes]",
        "Weather=\"sol og vind\"",
        "",
        "[PlayGroup3]",
        "Group=2",
        "NoOfPlayers=1",
        "FirstName1=Gammel",
        "[Pitch]",
        "Name=Bjaavann",
        "[PlayGroup1]",
        "Group=1",
        "PlayForm=1",
        "HCP=1",
        "NoOfPlayers=2",
        "GroupName=Herrer A",
        "Tee=1",
        "FirstName1=Ola",
        "SurName1=Nordmann",
        "Club1=Sola GK",
        "HCP1=12.3",
        "SH1=17.5",
        "Results1=4 5 3 4 4 5 3 4 4 5 3 4 4 5 3 4 4 5",
        "FirstName2=Kari",
        "SurName2=Holm",
        "Club2=",
        "HCP2=0.5",
        "SH2=-2.5",
        "Results2=0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0",
        "[PlayGroup2]",
        "Group=0",
        "PlayForm=0",
        "HCP=0",
        "NoOfPlayers=0",
        "GroupName=",
        "Tee=0",
    }));
    EXPECT_EQ(TempFolder::read(path), expected);
}

TEST_F(TournamentFileTest, FewerGroupsOverAFileOfMoreLeaveTheOldSectionsUnread) {
    CTournament five(configPath());
    fillFullTournament(five);
    five.numberOfGroups = 5;
    const std::string path = folder.file("data/t.ini");
    ASSERT_TRUE(five.save(path));
    CTournament three(configPath());
    fillFullTournament(three);
    three.numberOfGroups = 3;
    ASSERT_TRUE(three.save(path));
    const std::string contents = TempFolder::read(path);
    EXPECT_NE(contents.find("[PlayGroup5]"), std::string::npos);

    CTournament loaded(configPath());
    ASSERT_TRUE(loaded.load(path));
    EXPECT_EQ(loaded.numberOfGroups, 3);
    EXPECT_EQ(loaded.groups[3].noOfPlayers, 0);
    EXPECT_EQ(loaded.totalPlayers(), 27);
}

// Opening reads into an empty tournament: nothing of the one open before stays, the course
// table does, and an older file (its course by name only) names a course the table lacks.
TEST_F(TournamentFileTest, OpeningAfterAnotherTournamentTakesNothingOfIt) {
    CTournament tournament(configPath());
    fillFullTournament(tournament);
    const std::string contents = lines({
        "[Tournament]",
        "NumberOfGroups=2",
        "[Pitch]",
        "Name=Ukjent bane",
        "[PlayGroup1]",
        "NoOfPlayers=1",
        "FirstName1=Eva",
        "SurName1=Berg",
        "Club1=",
        "HCP1=8.0",
        "SH1=9.0",
        "Results1=4 5 3 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0",
        "[PlayGroup2]",
        "HCP=2",
        "NoOfPlayers=0",
    });
    const std::string path = folder.write("data/t.ini", contents);
    ASSERT_TRUE(tournament.load(path));
    EXPECT_TRUE(tournament.lastRead.faults.empty());
    EXPECT_EQ(tournament.lastRead.courseNotInTable, "Ukjent bane");
    CTournament expected(configPath());
    expected.newTournament();
    expected.numberOfGroups = 2;
    expected.pitch.name = "Ukjent bane";
    expected.groups[0].noOfPlayers = 1;
    expected.groups[0].players[0] = player("Eva", "Berg", "", 8.0f, 9.0f);
    expected.groups[0].players[0].results = {4, 5, 3};
    expected.groups[1].setAllowance(2);
    EXPECT_EQ(tournament.storedForm(), expected.storedForm());
    EXPECT_EQ(tournament.pitch.teeCount(), 0);
    EXPECT_EQ(tournament.groups[5].noOfPlayers, 0);
    EXPECT_EQ(tournament.groups[0].players[1].firstName, "");
    EXPECT_EQ(tournament.pitchCount(), 2);
}

// A tournament plays the course as it was when it was saved, whatever the table later says.
TEST_F(TournamentFileTest, TheCourseKeptInTheFileOutlivesEditsRenamesAndDeletes) {
    CTournament played(configPath());
    fillTwoGroups(played);
    const std::string path = folder.file("data/Sommercup.ini");
    ASSERT_TRUE(played.save(path));
    const std::vector<std::pair<std::string, std::string>> laterTables{
        {"par and slope changed", lines({"[NumberOfPitches]", "Number=1", "[Pitches]", "Pitch1=Bjaavann", "[Pitch1]",
                                         "Holes=9", "Par=5 5 5 5 5 5 5 5 5", "NumberOfTees=1", "Tee1=Gul",
                                         "SlopeValue1=150", "ParValue1=45", "PitchValue1=40.0"})},
        {"renamed",
         lines({"[NumberOfPitches]", "Number=1", "[Pitches]", "Pitch1=Bjaavann Nord", "[Pitch1]", "Holes=18"})},
        {"deleted", lines({"[NumberOfPitches]", "Number=0"})},
    };
    for (const auto& [change, table] : laterTables) {
        SCOPED_TRACE(change);
        folder.write("config/TeebrookConfig.ini", table);
        CTournament reopened(configPath());
        ASSERT_TRUE(reopened.load(path));
        EXPECT_EQ(reopened.pitch, played.pitch);
        EXPECT_TRUE(reopened.lastRead.courseNotInTable.empty());
        EXPECT_EQ(reopened.storedForm(), played.storedForm());
    }
}

// What a damaged file says, and that it still opens with what can be read; a file that holds
// no tournament is refused and changes nothing.
TEST_F(TournamentFileTest, DamagedFilesSayWhatIsWrongOnceAndOpenWithWhatCanBeRead) {
    const std::string head = lines({"[Tournament]", "Name=Skadet", "NumberOfGroups=2", "[Pitch]", "Name=Bjaavann"});
    const std::string soundGroup = lines(
        {"[PlayGroup1]", "Group=1", "PlayForm=0", "HCP=0", "NoOfPlayers=1", "GroupName=", "Tee=1", "FirstName1=Ola",
         "SurName1=Nordmann", "Club1=", "HCP1=1.0", "SH1=1.0", "Results1=4 4 4 4 4 4 4 4 4 4 4 4 4 4 4 4 4 4"});
    const struct {
        const char* what;
        std::string contents;
        std::vector<std::string> faults;
    } cases[] = {
        {"a group missing", head + soundGroup, {"Gruppe B: mangler."}},
        {"cut off in a player",
         head + soundGroup + lines({"[PlayGroup2]", "NoOfPlayers=3", "FirstName1=Kari"}),
         {"Gruppe B, spiller 1: resultatene er ikke tall.", "Gruppe B, spiller 2: mangler.",
          "Gruppe B, spiller 3: mangler."}},
        {"values outside their tables",
         head + soundGroup + lines({"[PlayGroup2]", "Group=7", "PlayForm=4", "HCP=12", "NoOfPlayers=0", "Tee=4"}),
         {"Gruppe B: ukjent klasse.", "Gruppe B: ukjent spilleform.", "Gruppe B: ukjent handicapandel.",
          "Gruppe B: teen finnes ikke på banen."}},
        {"results that are not numbers",
         lines({"[Tournament]", "NumberOfGroups=1", "[PlayGroup1]", "NoOfPlayers=1", "FirstName1=A", "SurName1=B",
                "Club1=", "HCP1=0", "SH1=0", "Results1=4 x 4"}),
         {"Gruppe A, spiller 1: resultatene er ikke tall."}},
        {"a course section cut short",
         lines({"[Tournament]", "NumberOfGroups=0", "[Pitch]", "Name=Bjaavann", "[Course]", "Holes=18", "Par=4 4"}),
         {"Banen: par eller indeks mangler."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CTournament tournament(configPath());
        ASSERT_TRUE(tournament.load(folder.write("data/t.ini", c.contents)));
        EXPECT_EQ(tournament.lastRead.faults, c.faults);
    }
    // The message lists ten faults and counts the rest.
    std::string tenLines;
    for (int i = 0; i < 10; ++i) tenLines += "\nGruppe A: mangler.";
    EXPECT_EQ(damagedFileMessage(std::vector<std::string>(12, "Gruppe A: mangler.")),
              "Turneringsfilen er skadet:" + tenLines + "\n… og 2 til.");

    CTournament before(configPath());
    fillTwoGroups(before);
    const std::string formBefore = before.storedForm();
    for (std::string_view junk :
         {std::string_view("\x89PNG\r\n\x1a\n\0\0binary"), std::string_view("[Notes]\r\nA=1\r\n")}) {
        const files::FileResult read = before.load(folder.write("data/junk.ini", junk));
        EXPECT_EQ(read.error, files::FileError::WrongContents);
        EXPECT_EQ(before.storedForm(), formBefore);
    }
}

// A save into the tournament's own file asks first when something else wrote it meanwhile.
TEST_F(TournamentFileTest, KnowsWhenItsFileChangedOnDisk) {
    CTournament tournament(configPath());
    fillTwoGroups(tournament);
    const std::string path = folder.file("data/Sommercup.ini");
    ASSERT_TRUE(tournament.save(path));
    EXPECT_FALSE(tournament.changedOnDisk(path));
    CTournament other(configPath());
    ASSERT_TRUE(other.load(path));
    other.groups[0].players[0].results[0] = 9;
    ASSERT_TRUE(other.save(path));
    EXPECT_TRUE(tournament.changedOnDisk(path));
    EXPECT_FALSE(other.changedOnDisk(path));
    EXPECT_FALSE(tournament.changedOnDisk(folder.file("data/Other.ini")));
}

TEST_F(TournamentFileTest, LoadOfAMissingOrUnreadableFileChangesNothing) {
    CTournament tournament(configPath());
    fillTwoGroups(tournament);
    tournament.tournamentFile = "./data/before.ini";
    EXPECT_FALSE(tournament.load(folder.file("data/missing.ini")));
    std::filesystem::create_directories(folder.file("data/folder.ini"));
    EXPECT_FALSE(tournament.load(folder.file("data/folder.ini")));
    EXPECT_EQ(tournament.tournamentFile, "./data/before.ini");
    CTournament expected(configPath());
    fillTwoGroups(expected);
    expectSameFileFields(tournament, expected);
    EXPECT_EQ(tournament.pitch.slopeValue[1], 124);
}

// A value read from a file is settled where it enters the records, and every figure takes the
// one rule derived from it: the play screen's row of strokes received, the prize list, the cards.
TEST_F(TournamentFileTest, ValuesReadAreSettledByOneRuleForEveryFigure) {
    const struct {
        const char* what;
        const char* groupCount;
        const char* playForm;
        const char* allowance;
        const char* playerCount;
        const char* holes;
        int groupsInUse;
        int players;
        bool stableford;
        int allowanceIndex;
        float factor;
        int holesThatCount;
    } cases[] = {
        {"as written", "2", "1", "2", "3", "9", 2, 3, true, 2, 0.5f, 9},
        {"stroke play", "1", "0", "1", "1", "18", 1, 1, false, 1, 0.75f, 18},
        {"play form beyond the table", "1", "7", "4", "1", "1", 1, 1, false, 4, 0.0f, 1},
        {"negative play form", "1", "-1", "0", "1", "18", 1, 1, false, 0, 1.0f, 18},
        {"allowance beyond the table", "1", "1", "8", "2", "18", 1, 2, true, 0, 1.0f, 18},
        {"negative allowance", "1", "0", "-1", "2", "18", 1, 2, false, 0, 1.0f, 18},
        {"counts beyond nine", "99999", "0", "3", "50", "18", 9, 9, false, 3, 0.25f, 18},
        {"negative counts", "-3", "0", "0", "-5", "18", 0, 0, false, 0, 1.0f, 18},
        {"course without holes", "1", "0", "0", "1", "0", 1, 1, false, 0, 1.0f, 18},
        {"course of too many holes", "1", "0", "0", "1", "19", 1, 1, false, 0, 1.0f, 18},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        folder.write("config/TeebrookConfig.ini",
                     lines({"[NumberOfPitches]", "Number=1", "[Pitches]", "Pitch1=Bane", "[Pitch1]",
                            std::string("Holes=") + c.holes, "NumberOfTees=1", "Tee1=Gul", "SlopeValue1=113",
                            "ParValue1=72", "PitchValue1=72.0"}));
        CTournament tournament(configPath());
        const std::string path = folder.write(
            "data/t.ini", lines({"[Tournament]", std::string("NumberOfGroups=") + c.groupCount, "[Pitch]", "Name=Bane",
                                 "[PlayGroup1]", std::string("PlayForm=") + c.playForm,
                                 std::string("HCP=") + c.allowance, std::string("NoOfPlayers=") + c.playerCount,
                                 "FirstName1=Kari", "Results1=5 5 5 5 5 5 5 5 5 5 5 5 5 5 5 5 5 5"}));
        ASSERT_TRUE(tournament.load(path));
        const CPlayGroup& group = tournament.groups[0];
        EXPECT_EQ(tournament.numberOfGroups, c.groupsInUse);
        EXPECT_EQ(tournament.groupsInUse(), c.groupsInUse);
        EXPECT_EQ(group.noOfPlayers, c.players);
        EXPECT_EQ(group.playsStableford(), c.stableford);
        EXPECT_EQ(group.allowance, c.allowanceIndex);
        EXPECT_EQ(group.allowanceFactor, c.factor);
        EXPECT_EQ(tournament.pitch.holes, std::stoi(c.holes)) << "kept as read, as the result list prints it";
        EXPECT_EQ(tournament.pitch.holesThatCount(), c.holesThatCount);
        const std::vector<PrizeCompetition> prizes = buildPrizeList(tournament);
        if (c.groupsInUse == 0 || c.players == 0) {
            EXPECT_TRUE(prizes.empty());
            continue;
        }
        ASSERT_EQ(prizes.size(), 1u);
        EXPECT_EQ(prizes[0].stableford, c.stableford);
        EXPECT_EQ(prizes[0].entries[0].gross, 5LL * c.holesThatCount);
    }
}

TEST_F(TournamentFileTest, LineBreaksInTextsAreWrittenAsBlanks) {
    CTournament tournament(configPath());
    fillTwoGroups(tournament);
    tournament.name = "Sommer\r\ncup";
    tournament.groups[0].players[0].club = "Sola\nGK";
    const std::string path = folder.file("data/t.ini");
    ASSERT_TRUE(tournament.save(path));
    CTournament loaded(configPath());
    ASSERT_TRUE(loaded.load(path));
    EXPECT_EQ(loaded.name, "Sommer  cup");
    EXPECT_EQ(loaded.groups[0].players[0].club, "Sola GK");
    EXPECT_EQ(loaded.numberOfGroups, 2);
    EXPECT_EQ(loaded.groups[0].players[1].surName, "Holm");
}

TEST_F(TournamentFileTest, HostileCountsAreHeldToTheRecords) {
    CTournament tournament(configPath());
    const std::string contents = lines({
        "[Tournament]",
        "NumberOfGroups=99999",
        "[PlayGroup1]",
        "NoOfPlayers=-5",
        "FirstName1=Ikke",
        "[PlayGroup2]",
        "NoOfPlayers=50",
        "Tee=12",
        "FirstName9=Ni",
        "FirstName10=Ti",
        "[PlayGroup10]",
        "NoOfPlayers=3",
    });
    const std::string path = folder.write("data/t.ini", contents);
    ASSERT_TRUE(tournament.load(path));
    EXPECT_EQ(tournament.numberOfGroups, 9);
    EXPECT_EQ(tournament.groups[0].noOfPlayers, 0);
    EXPECT_EQ(tournament.groups[0].players[0].firstName, "");
    EXPECT_EQ(tournament.groups[1].noOfPlayers, 9);
    EXPECT_EQ(tournament.groups[1].tee, 12);
    EXPECT_EQ(tournament.groups[1].players[8].firstName, "Ni");
    EXPECT_EQ(tournament.totalPlayers(), 9);
    // Saving it again writes nine groups at most, and the counts as they are held.
    ASSERT_TRUE(tournament.save(path));
    CTournament again(configPath());
    ASSERT_TRUE(again.load(path));
    expectSameFileFields(tournament, again);
}

TEST_F(TournamentFileTest, OverlongAndNonNumericValuesAreCutOrReadAsZero) {
    CTournament tournament(configPath());
    const std::string longText(300, 'x');
    const std::string contents = lines({
        "[Tournament]",
        "Day=fjorten",
        "Month=6.5",
        "Year=99999999999999",
        ("Name=" + longText).c_str(),
        "NumberOfGroups=1x",
        "[PlayGroup1]",
        "NoOfPlayers=1",
        ("GroupName=" + longText).c_str(),
        "Group=abc",
        "HCP1=12,5",
        "SH1=-",
        ("Results1=" + std::string(200, '9') + " 4").c_str(),
    });
    const std::string path = folder.write("data/t.ini", contents);
    ASSERT_TRUE(tournament.load(path));
    EXPECT_EQ(tournament.day, 0);
    EXPECT_EQ(tournament.month, 6);
    EXPECT_EQ(tournament.year, INT_MAX);
    EXPECT_EQ(tournament.name, std::string(49, 'x'));
    EXPECT_EQ(tournament.numberOfGroups, 1);
    EXPECT_EQ(tournament.groups[0].groupName, std::string(49, 'x'));
    EXPECT_EQ(tournament.groups[0].groupClass, 0);
    EXPECT_EQ(tournament.groups[0].players[0].hcp, 12.0f);
    EXPECT_EQ(tournament.groups[0].players[0].sh, 0.0f);
    EXPECT_EQ(tournament.groups[0].players[0].results[0], INT_MAX);
    EXPECT_EQ(tournament.groups[0].players[0].results[1], 4);
}

TEST_F(TournamentFileTest, BinaryJunkLoadsWithoutACrash) {
    std::mt19937 random(2026);
    for (int round = 0; round < 20; ++round) {
        std::string junk = lines({"[Tournament]", "NumberOfGroups=9", "[PlayGroup1]", "NoOfPlayers=9"});
        for (int i = 0; i < 4096; ++i) junk += static_cast<char>(random());
        const std::string path = folder.write("data/junk.ini", junk);
        CTournament tournament(configPath());
        ASSERT_TRUE(tournament.load(path));
        EXPECT_EQ(tournament.numberOfGroups, 9);
        EXPECT_TRUE(tournament.save(path));
    }
}

TEST_F(TournamentFileTest, SaveCreatesAMissingFolder) {
    CTournament tournament(configPath());
    fillTwoGroups(tournament);
    const std::string path = folder.file("new/data/Sommercup.ini");
    ASSERT_TRUE(tournament.save(path));
    EXPECT_EQ(TempFolder::read(path), TwoGroupsFile);
}

TEST_F(TournamentFileTest, SaveToAPlaceThatCannotBeWrittenAnswersFalseAndKeepsTheOldFile) {
    CTournament tournament(configPath());
    fillTwoGroups(tournament);
    folder.write("data", "a plain file where the folder should be");
    EXPECT_FALSE(tournament.save(folder.file("data/Sommercup.ini")));
    EXPECT_EQ(TempFolder::read(folder.file("data")), "a plain file where the folder should be");
    // A file that is there but cannot be read is not replaced by one without its keys.
    std::filesystem::create_directories(folder.file("other/Sommercup.ini/inside"));
    EXPECT_FALSE(tournament.save(folder.file("other/Sommercup.ini")));
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("other/Sommercup.ini/inside")));
}

// Qt switches the C library to the user's locale; files must come out the same under it.
// A course table and a tournament file as today's editors save them, UTF-8 with or without a
// mark: read as UTF-8, the characters Windows-1252 lacks counted as '?', and written back in
// their own encoding, every line a save leaves alone byte for byte, the '?' values included.
TEST_F(TournamentFileTest, Utf8FilesAreReadAndWrittenBackInUtf8) {
    CTournament source(configPath());
    fillTwoGroups(source);
    ASSERT_TRUE(source.save(folder.file("data/source.ini")));
    const std::string windows1252 = TempFolder::read(folder.file("data/source.ini"));
    const auto withOmega = [](std::string file, std::string_view line) {
        return file.replace(file.find(line), line.size(), std::string(line) + " \xCE\xA9");
    };
    const std::string utf8 = withOmega(text::utf8FromWindows1252(windows1252), "Club1=Sola GK");
    const std::string utf8Courses = withOmega(CourseTable, "Tee1=Hvit");
    const struct {
        const char* what;
        std::string courses;
        std::string tournament;
        std::size_t replaced;
    } cases[] = {
        {"UTF-8 with a mark", "\xEF\xBB\xBF" + utf8Courses, "\xEF\xBB\xBF" + utf8, 1},
        {"UTF-8 without a mark", utf8Courses, utf8, 1},
        {"Windows-1252", text::windows1252FromUtf8(CourseTable, '?'), windows1252, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        folder.write("config/TeebrookConfig.ini", c.courses);
        CTournament tournament(configPath());
        EXPECT_EQ(tournament.pitches[0].teeName[1], "Bl\xE5");
        EXPECT_EQ(tournament.replacedInCourseTable, c.replaced);
        const std::string path = folder.write("data/t.ini", c.tournament);
        ASSERT_TRUE(tournament.load(path));
        EXPECT_EQ(tournament.replacedInTournamentFile, c.replaced);
        EXPECT_EQ(tournament.groups[0].players[0].club, c.replaced ? "Sola GK ?" : "Sola GK");
        tournament.groups[0].players[1].firstName = "\xC5se";
        ASSERT_TRUE(tournament.save(path));
        std::string expected = c.tournament;
        const std::string_view renamed = c.replaced ? "FirstName2=\xC3\x85se" : "FirstName2=\xC5se";
        expected.replace(expected.find("FirstName2=Kari"), 15, renamed);
        EXPECT_EQ(TempFolder::read(path), expected);
    }
}

TEST_F(TournamentFileTest, FilesAreTheSameUnderADecimalCommaLocale) {
    CTournament tournament(configPath());
    fillTwoGroups(tournament);
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "nb_NO.UTF-8")) GTEST_SKIP() << "nb_NO.UTF-8 locale not installed";
    const std::string path = folder.file("data/Sommercup.ini");
    const bool saved = static_cast<bool>(tournament.save(path));
    CTournament loaded(configPath());
    const bool read = static_cast<bool>(loaded.load(path));
    std::setlocale(LC_ALL, previous.c_str());
    ASSERT_TRUE(saved);
    ASSERT_TRUE(read);
    EXPECT_EQ(TempFolder::read(path), TwoGroupsFile);
    EXPECT_EQ(loaded.pitch.pitchValue[0], 71.3f);
    EXPECT_EQ(loaded.groups[0].players[0].hcp, 12.3f);
}

// The main window asks before a save replaces another tournament's file, and before opening
// throws away changes; typing the name of the tournament to open is not such a change.
TEST_F(TournamentFileTest, KnowsItsOwnFileAndWhichChangesASaveWouldKeep) {
    CTournament first(configPath());
    fillTwoGroups(first);
    const std::string stored = folder.file("data/Sommercup.ini");
    ASSERT_TRUE(first.save(stored));
    EXPECT_FALSE(first.replacesAnotherTournament(stored)) << "its own file";
    EXPECT_FALSE(first.hasUnsavedChanges());

    CTournament second(configPath());
    EXPECT_TRUE(second.replacesAnotherTournament(stored));
    EXPECT_FALSE(second.replacesAnotherTournament(folder.file("data/Ny.ini"))) << "no file there";
    std::filesystem::create_directories(folder.file("data/folder.ini"));
    EXPECT_FALSE(second.save(folder.file("data/folder.ini")));
    EXPECT_TRUE(second.replacesAnotherTournament(stored)) << "a failed save made no file its own";
    second.name = "Sommercup";
    EXPECT_TRUE(second.hasUnsavedChanges());
    EXPECT_FALSE(second.hasUnsavedChangesBesidesName());
    second.day = 5;
    EXPECT_TRUE(second.hasUnsavedChangesBesidesName());
    ASSERT_TRUE(second.load(stored));
    EXPECT_FALSE(second.replacesAnotherTournament(stored)) << "opened from it";
    EXPECT_FALSE(second.hasUnsavedChangesBesidesName());
}

TEST_F(TournamentFileTest, FormatsAndPrizeSettingsAreKeptOnlyWhereTheyApply) {
    CTournament tournament(configPath());
    fillTwoGroups(tournament);
    tournament.type = "Par";
    tournament.groups[0].format = 3;
    tournament.hcpLimits = {120, 245};
    tournament.grossPrize = true;
    const std::string path = folder.file("data/Sommercup.ini");
    ASSERT_TRUE(tournament.save(path));
    std::string expected = TwoGroupsFile;
    expected.replace(expected.find("Type=Singel"), 11, "Type=Par");
    expected.insert(expected.find("[Pitch]"), "HcpLimits=12.0 24.5\r\nGrossPrize=1\r\n");
    expected.insert(expected.find("[PlayGroup2]"), "Format=Scramble\r\n");
    expected += "Format=Bestball\r\n";
    EXPECT_EQ(TempFolder::read(path), expected);

    CTournament loaded(configPath());
    ASSERT_TRUE(loaded.load(path));
    EXPECT_EQ(loaded.groups[0].format, 3);
    EXPECT_EQ(loaded.hcpLimits, (std::vector<int>{120, 245}));
    EXPECT_TRUE(loaded.grossPrize);

    // Unset again, the keys leave the file, and a format the type lacks reads as its first.
    tournament.type = "Singel";
    tournament.hcpLimits.clear();
    tournament.grossPrize = false;
    ASSERT_TRUE(tournament.save(path));
    EXPECT_EQ(TempFolder::read(path), TwoGroupsFile);
    folder.write("data/Lag.ini", lines({"[Tournament]", "Type=Lag", "NumberOfGroups=1", "HcpLimits=24 12",
                                        "[PlayGroup1]", "Format=Bestball"}));
    ASSERT_TRUE(loaded.load(folder.file("data/Lag.ini")));
    EXPECT_EQ(loaded.groups[0].format, 0);
    EXPECT_TRUE(loaded.hcpLimits.empty());
}
