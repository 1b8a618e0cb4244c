#include <gtest/gtest.h>

#include <cfloat>
#include <climits>

#include "TempFolder.h"
#include "model/CTournament.h"

namespace {

std::string lines(std::initializer_list<std::string_view> all) {
    std::string result;
    for (std::string_view line : all) result.append(line).append("\r\n");
    return result;
}

class CourseTableTest : public ::testing::Test {
protected:
    CTournament read(const std::string& contents) {
        return CTournament(folder.write("config/TeebrookConfig.ini", contents));
    }
    TempFolder folder;
};

}  // namespace

TEST_F(CourseTableTest, ReadsEveryFieldOfEveryCourse) {
    const CTournament tournament = read(lines({
        "[NumberOfPitches]",
        "Number=2",
        "[Pitches]",
        "Pitch1=Bjaavann",
        "Pitch2=Sola",
        "[Pitch1]",
        "Holes=18",
        "Par=4 4 3 5 4 4 3 5 4 4 4 3 5 4 4 3 5 4",
        "Index=1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18",
        "NumberOfTees=2",
        "Tee1=Gul",
        "SlopeValue1=131",
        "ParValue1=72",
        "PitchValue1=71.3",
        "Tee2=R\xF8\x64",
        "SlopeValue2=124",
        "ParValue2=71",
        "PitchValue2=69.8",
        "[Pitch2]",
        "Holes=9",
        "Par=3 3 3 3 3 3 3 3 3",
        "NumberOfTees=1",
        "Tee1=Hvit",
        "SlopeValue1=110",
        "ParValue1=27",
        "PitchValue1=26.0",
    }));
    ASSERT_EQ(tournament.numberOfPitches, 2);
    const CPitch& first = tournament.pitches[0];
    EXPECT_EQ(first.name, "Bjaavann");
    EXPECT_EQ(first.holes, 18);
    EXPECT_EQ(first.par[3], 5);
    EXPECT_EQ(first.totalPar(), 72);
    EXPECT_EQ(first.index[17], 18);
    EXPECT_EQ(first.numberOfTees, 2);
    EXPECT_EQ(first.teeName[1], "R\xF8\x64");
    EXPECT_EQ(first.slopeValue[0], 131);
    EXPECT_EQ(first.parValue[1], 71);
    EXPECT_EQ(first.pitchValue[0], 71.3f);
    EXPECT_EQ(first.pitchValue[1], 69.8f);
    const CPitch& second = tournament.pitches[1];
    EXPECT_EQ(second.name, "Sola");
    EXPECT_EQ(second.holes, 9);
    EXPECT_EQ(second.par[8], 3);
    EXPECT_EQ(second.par[9], 0);
    EXPECT_EQ(second.index[0], 0);
    EXPECT_EQ(second.teeName[0], "Hvit");
    EXPECT_EQ(second.teeName[1], "");
    EXPECT_EQ(tournament.PitchNames[1], "Sola");
}

TEST_F(CourseTableTest, TheCountDecidesWhichCoursesAreRead) {
    const std::string courses = lines(
        {"[Pitches]", "Pitch1=En", "Pitch2=To", "[Pitch1]", "Holes=18", "[Pitch2]", "Holes=9"});
    EXPECT_EQ(read(courses).numberOfPitches, 0);
    const CTournament one = read(lines({"[NumberOfPitches]", "Number=1"}) + courses);
    EXPECT_EQ(one.numberOfPitches, 1);
    EXPECT_EQ(one.pitches[0].name, "En");
    EXPECT_EQ(one.pitches[1].name, "");
    EXPECT_EQ(one.pitches[1].holes, 0);
}

TEST_F(CourseTableTest, SectionsGoByPositionNotByName) {
    const CTournament tournament = read(lines(
        {"[NumberOfPitches]", "Number=1", "[Pitches]", "Pitch1=Sola", "[Sola]", "Holes=9", "[pitch1]", "holes=18"}));
    EXPECT_EQ(tournament.pitches[0].holes, 18);
}

TEST_F(CourseTableTest, TextsAreCutButHoleListsAreReadWhole) {
    const std::string longName(60, 'N');
    const CTournament tournament = read(
        lines({"[NumberOfPitches]", "Number=1", "[Pitches]", ("Pitch1=" + longName).c_str(), "[Pitch1]",
               // 18 two-digit numbers take 53 characters.
               "Par=10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27",
               "Index=1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18", "NumberOfTees=1",
               ("Tee1=" + std::string(50, 'T')).c_str()}));
    const CPitch& course = tournament.pitches[0];
    EXPECT_EQ(course.name, std::string(49, 'N'));
    EXPECT_EQ(tournament.PitchNames[0], std::string(49, 'N'));
    EXPECT_EQ(course.teeName[0], std::string(49, 'T'));
    EXPECT_EQ(course.par[17], 27);
    EXPECT_EQ(course.index[17], 18);
}

TEST_F(CourseTableTest, ACommaEndsACourseRating) {
    const CTournament tournament = read(lines({"[NumberOfPitches]", "Number=1", "[Pitch1]", "NumberOfTees=3",
                                               "PitchValue1=71,3", "PitchValue2=abc", "PitchValue3=1e99"}));
    EXPECT_EQ(tournament.pitches[0].pitchValue[0], 71.0f);
    EXPECT_EQ(tournament.pitches[0].pitchValue[1], 0.0f);
    EXPECT_EQ(tournament.pitches[0].pitchValue[2], FLT_MAX);
}

TEST_F(CourseTableTest, CountsBeyondTheTableAreKeptWithinIt) {
    std::string many = lines({"[NumberOfPitches]", "Number=150", "[Pitches]"});
    for (int i = 1; i <= 150; ++i) many += "Pitch" + std::to_string(i) + "=Bane" + std::to_string(i) + "\r\n";
    many += lines({"[Pitch100]", "NumberOfTees=7", "Tee5=Fem", "Tee6=Seks"});
    const CTournament tournament = read(many);
    EXPECT_EQ(tournament.numberOfPitches, 100);
    EXPECT_EQ(tournament.pitchCount(), 100);
    EXPECT_EQ(tournament.PitchNames[99], "Bane100");
    EXPECT_EQ(tournament.findPitch("Bane101"), -1);
    EXPECT_EQ(tournament.pitches[99].numberOfTees, 5);
    EXPECT_EQ(tournament.pitches[99].teeName[4], "Fem");

    EXPECT_EQ(read(lines({"[NumberOfPitches]", "Number=-5", "[Pitches]", "Pitch1=En"})).numberOfPitches, 0);
    const CTournament negativeTees = read(
        lines({"[NumberOfPitches]", "Number=1", "[Pitch1]", "NumberOfTees=-1", "Tee1=Ingen"}));
    EXPECT_EQ(negativeTees.pitches[0].numberOfTees, 0);
    EXPECT_EQ(negativeTees.pitches[0].teeName[0], "");
}

TEST_F(CourseTableTest, NonNumericAndDamagedValuesReadAsZero) {
    const CTournament tournament = read(
        lines({"[NumberOfPitches]", "Number= 2 courses", "[Pitches]", "Pitch1=En", "[Pitch1]", "Holes=many",
               "Par=4 x 5", "Index=", "NumberOfTees=1", "SlopeValue1=-", "ParValue1=99999999999999"}));
    EXPECT_EQ(tournament.numberOfPitches, 2);
    const CPitch& course = tournament.pitches[0];
    EXPECT_EQ(course.holes, 0);
    EXPECT_EQ(course.par[0], 4);
    EXPECT_EQ(course.par[1], 0);
    EXPECT_EQ(course.slopeValue[0], 0);
    EXPECT_EQ(course.parValue[0], INT_MAX);
    EXPECT_EQ(tournament.pitches[1].name, "");
}

TEST_F(CourseTableTest, TwoCoursesOfOneNameAreBothKeptAndTheLaterIsFound) {
    const CTournament tournament = read(lines({"[NumberOfPitches]", "Number=2", "[Pitches]", "Pitch1=Sola",
                                               "Pitch2=Sola", "[Pitch1]", "Holes=9", "[Pitch2]", "Holes=18"}));
    EXPECT_EQ(tournament.PitchNames[0], "Sola");
    EXPECT_EQ(tournament.PitchNames[1], "Sola");
    EXPECT_EQ(tournament.findPitch("Sola"), 1);
}

// Hand-edited tables from other editors: a single-quoted tee, lone CR line ends, a name
// with ^Z after it; Notepad's "Unicode" (UTF-16 with its mark) reads alike.
TEST_F(CourseTableTest, TablesFromOtherEditorsReadAsThePlatformReadsThem) {
    const std::string table =
        "[NumberOfPitches]\rNumber=1\r[Pitches]\rPitch1=Sola GK\x1A\r[Pitch1]\rNumberOfTees=1\rTee1='Hvit'\r";
    std::string unicode = "\xFF\xFE";
    for (char c : table) unicode.append({c, '\0'});
    for (const std::string& file : {table, unicode}) {
        const CTournament tournament = read(file);
        ASSERT_EQ(tournament.numberOfPitches, 1);
        EXPECT_EQ(tournament.pitches[0].name, "Sola GK");
        EXPECT_EQ(tournament.pitches[0].teeName[0], "Hvit");
    }
}
