#include <gtest/gtest.h>

#include "TempFolder.h"
#include "model/CTournament.h"

namespace {

// A course table of the given rows: name, holes and tee names, with made-up figures.
struct CourseRow {
    std::string name;
    std::vector<std::string> tees;
};

std::string courseTable(const std::vector<CourseRow>& rows) {
    std::string file = "[NumberOfPitches]\r\nNumber=" + std::to_string(rows.size()) + "\r\n[Pitches]\r\n";
    for (std::size_t i = 0; i < rows.size(); ++i) file += "Pitch" + std::to_string(i + 1) + "=" + rows[i].name + "\r\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        file += "[Pitch" + std::to_string(i + 1) + "]\r\nHoles=18\r\n";
        file += "Par=" + std::to_string(3 + i) + " 4 5\r\n";
        file += "NumberOfTees=" + std::to_string(rows[i].tees.size()) + "\r\n";
        for (std::size_t t = 0; t < rows[i].tees.size(); ++t) {
            const std::string j = std::to_string(t + 1);
            file += "Tee" + j + "=" + rows[i].tees[t] + "\r\n";
            file += "SlopeValue" + j + "=" + std::to_string(120 + 10 * i + t) + "\r\n";
            file += "ParValue" + j + "=72\r\nPitchValue" + j + "=71.5\r\n";
        }
    }
    return file;
}

class TournamentTest : public ::testing::Test {
protected:
    CTournament withCourses(const std::vector<CourseRow>& rows) {
        return CTournament(folder.write("config/TeebrookConfig.ini", courseTable(rows)));
    }
    TempFolder folder;
};

CPlayer player(std::string first, std::string sur) {
    CPlayer result;
    result.firstName = std::move(first);
    result.surName = std::move(sur);
    return result;
}

}  // namespace

TEST_F(TournamentTest, FreshObjectIsEmptyAndHoldsTheCourseTable) {
    CTournament tournament = withCourses({{"Kongsvinger", {"Gul", "Rød"}}, {"Byneset", {"Hvit"}}});
    EXPECT_EQ(tournament.tournamentFile, "./Storage.ini");
    EXPECT_EQ(tournament.numberOfGroups, 0);
    EXPECT_EQ(tournament.totalPlayers(), 0);
    for (const CPlayGroup& group : tournament.groups) EXPECT_EQ(group.noOfPlayers, 0);
    ASSERT_EQ(tournament.numberOfPitches, 2);
    EXPECT_EQ(tournament.PitchNames[0], "Kongsvinger");
    EXPECT_EQ(tournament.PitchNames[1], "Byneset");
    EXPECT_EQ(tournament.PitchNames[2], "");
    // Nothing typed yet: quitting must not ask to save.
    EXPECT_FALSE(tournament.hasUnsavedChanges());
    tournament.day = 3;
    EXPECT_TRUE(tournament.hasUnsavedChanges());
}

TEST_F(TournamentTest, MissingCourseTableGivesAnEmptyTable) {
    CTournament tournament(folder.file("no/such/file.ini"));
    EXPECT_EQ(tournament.numberOfPitches, 0);
    EXPECT_EQ(tournament.findPitch(""), -1);
    EXPECT_EQ(tournament.configFile, folder.file("no/such/file.ini"));
}

TEST_F(TournamentTest, FindPitchAnswersTheLastRowOfThatExactName) {
    CTournament tournament = withCourses({{"Bjaavann", {}}, {"Sola", {}}, {"Bjaavann", {}}});
    EXPECT_EQ(tournament.findPitch("Bjaavann"), 2);
    EXPECT_EQ(tournament.findPitch("Sola"), 1);
    EXPECT_EQ(tournament.findPitch("sola"), -1);
    EXPECT_EQ(tournament.findPitch("Sola "), -1);
}

TEST_F(TournamentTest, SelectPitchCopiesTheCourseAndOnlyItsTees) {
    CTournament tournament = withCourses({{"Stor", {"A", "B", "C", "D", "E"}}, {"Liten", {"X", "Y"}}});
    tournament.selectPitch("Stor");
    EXPECT_EQ(tournament.pitch.numberOfTees, 5);
    EXPECT_EQ(tournament.pitch.teeName[4], "E");
    tournament.selectPitch("Liten");
    EXPECT_EQ(tournament.pitch.name, "Liten");
    EXPECT_EQ(tournament.pitch.numberOfTees, 2);
    EXPECT_EQ(tournament.pitch.par[0], 4);
    EXPECT_EQ(tournament.pitch.teeName[0], "X");
    EXPECT_EQ(tournament.pitch.slopeValue[1], 131);
    // Slots the smaller course does not use keep the larger course's tees.
    EXPECT_EQ(tournament.pitch.teeName[2], "C");
    EXPECT_EQ(tournament.pitch.slopeValue[4], 124);
}

TEST_F(TournamentTest, SelectPitchOfAnUnknownNameChangesOnlyTheName) {
    CTournament tournament = withCourses({{"Stor", {"A", "B"}}});
    tournament.selectPitch("Stor");
    tournament.pitch.holes = 9;
    tournament.selectPitch("Ukjent");
    EXPECT_EQ(tournament.pitch.name, "Ukjent");
    EXPECT_EQ(tournament.pitch.holes, 9);
    EXPECT_EQ(tournament.pitch.teeName[1], "B");
    tournament.selectPitch(tournament.pitch.name);
    EXPECT_EQ(tournament.pitch.name, "Ukjent");
}

TEST_F(TournamentTest, FindPlayerLooksOnlyAtGroupsAndPlayersInUseAndTakesTheLastMatch) {
    CTournament tournament = withCourses({});
    tournament.numberOfGroups = 2;
    tournament.groups[0].addPlayer(player("Ola", "Nordmann"));
    tournament.groups[1].addPlayer(player("Kari", "Holm"));
    tournament.groups[1].addPlayer(player("Ola", "Nordmann"));
    tournament.groups[2].addPlayer(player("Per", "Berg"));
    EXPECT_EQ(tournament.findPlayer("Ola Nordmann"), &tournament.groups[1].players[1]);
    EXPECT_EQ(tournament.findPlayerGroup("Ola Nordmann"), &tournament.groups[1]);
    EXPECT_EQ(tournament.findPlayer("Per Berg"), nullptr);
    EXPECT_EQ(tournament.findPlayerGroup("Per Berg"), nullptr);
    EXPECT_EQ(tournament.findPlayer("Ola  Nordmann"), nullptr);
    EXPECT_EQ(tournament.findPlayer("ola nordmann"), nullptr);
    EXPECT_EQ(tournament.findPlayer("OlaNordmann"), nullptr);
}

TEST_F(TournamentTest, CountsOutsideTheArraysAreLimitedWhenLookingAndCounting) {
    CTournament tournament = withCourses({});
    tournament.numberOfGroups = 2;
    tournament.groups[0].noOfPlayers = 4;
    tournament.groups[1].noOfPlayers = 3;
    tournament.groups[2].noOfPlayers = 5;
    EXPECT_EQ(tournament.totalPlayers(), 7);
    tournament.numberOfGroups = 99999;
    tournament.groups[0].noOfPlayers = 50;
    tournament.groups[1].noOfPlayers = -7;
    EXPECT_EQ(tournament.groupsInUse(), 9);
    EXPECT_EQ(tournament.totalPlayers(), 9 + 0 + 5);
    EXPECT_EQ(tournament.findPlayer("Nobody Here"), nullptr);
    tournament.numberOfGroups = -3;
    EXPECT_EQ(tournament.totalPlayers(), 0);
    tournament.numberOfPitches = 500;
    EXPECT_EQ(tournament.findPitch("Nothing"), -1);
}

TEST_F(TournamentTest, NewTournamentClearsTheTournamentButKeepsTheCourseTable) {
    CTournament tournament = withCourses({{"Stor", {"A"}}});
    tournament.day = 3;
    tournament.month = 6;
    tournament.year = 2025;
    tournament.name = "Vårcup";
    tournament.type = "Singel";
    tournament.numberOfGroups = 2;
    tournament.selectPitch("Stor");
    tournament.groups[1].groupName = "B-gruppen";
    tournament.groups[1].tee = 1;
    tournament.groups[1].setAllowance(2);
    tournament.groups[1].addPlayer(player("Ola", "Nordmann"));

    tournament.newTournament();

    EXPECT_EQ(tournament.tournamentFile, "");
    EXPECT_EQ(tournament.day + tournament.month + tournament.year + tournament.numberOfGroups, 0);
    EXPECT_EQ(tournament.name, "");
    EXPECT_EQ(tournament.type, "");
    EXPECT_EQ(tournament.pitch.name, "");
    EXPECT_EQ(tournament.pitch.holes, 18);
    EXPECT_EQ(tournament.groups[1].noOfPlayers, 0);
    EXPECT_EQ(tournament.groups[1].allowance, 0);
    EXPECT_EQ(tournament.groups[1].players[0].firstName, "");
    // Group name and tee are kept, as a group's clear keeps them; the factor follows the allowance.
    EXPECT_EQ(tournament.groups[1].groupName, "B-gruppen");
    EXPECT_EQ(tournament.groups[1].tee, 1);
    EXPECT_EQ(tournament.groups[1].allowanceFactor, 1.0f);
    EXPECT_EQ(tournament.numberOfPitches, 1);
    EXPECT_EQ(tournament.PitchNames[0], "Stor");
}
