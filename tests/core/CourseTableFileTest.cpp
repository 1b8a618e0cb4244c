#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "TempFolder.h"
#include "ini/IniFile.h"
#include "model/CTournament.h"
#include "model/CourseTableFile.h"

namespace {

std::string lines(std::initializer_list<std::string_view> all) {
    std::string result;
    for (std::string_view line : all) result.append(line).append("\r\n");
    return result;
}

CourseDraft nineHoles(std::string name) {
    CourseDraft course;
    course.name = std::move(name);
    course.holes = 9;
    course.par = {4, 3, 5, 4, 4, 3, 4, 5, 4};
    course.index = {2, 8, 4, 6, 1, 9, 3, 5, 7};
    course.tees = {{"Gul", "35,2", 120, 36}};
    return course;
}

struct CheckCase {
    const char* what;
    std::function<void(std::vector<CourseDraft>&)> change;
    std::string message;
};

}  // namespace

TEST(CourseTableChecks, EachCheckRefusesWithItsMessage) {
    const std::vector<CheckCase> cases{
        {"no name", [](auto& t) { t[1].name.clear(); }, "Bane nr. 2 mangler banenavn."},
        {"name of 50", [](auto& t) { t[1].name = std::string(50, 'x'); },
         "Banenavnet \xAB" + std::string(50, 'x') + "\xBB er for langt: h\xF8yst 49 tegn."},
        {"no holes", [](auto& t) { t[1].holes = 0; }, "Bane \xABSola\xBB: antall hull m\xE5 v\xE6re fra 1 til 18."},
        {"19 holes", [](auto& t) { t[1].holes = 19; }, "Bane \xABSola\xBB: antall hull m\xE5 v\xE6re fra 1 til 18."},
        {"par 2", [](auto& t) { t[1].par[4] = 2; }, "Bane \xABSola\xBB, hull 5: par m\xE5 v\xE6re fra 3 til 6."},
        {"par 7", [](auto& t) { t[1].par[8] = 7; }, "Bane \xABSola\xBB, hull 9: par m\xE5 v\xE6re fra 3 til 6."},
        {"index missing", [](auto& t) { t[1].index[2] = 0; },
         "Bane \xABSola\xBB, hull 3: indeks m\xE5 v\xE6re fra 1 til 9."},
        {"index above holes", [](auto& t) { t[1].index[2] = 10; },
         "Bane \xABSola\xBB, hull 3: indeks m\xE5 v\xE6re fra 1 til 9."},
        {"index twice", [](auto& t) { t[1].index[6] = 4; },
         "Bane \xABSola\xBB: hull 3 og hull 7 har begge indeks 4. Hvert tall fra 1 til 9 skal brukes \xE9n gang."},
        {"no tee", [](auto& t) { t[1].tees.clear(); }, "Bane \xABSola\xBB m\xE5 ha minst \xE9n tee."},
        {"six tees", [](auto& t) { t[1].tees.assign(6, t[1].tees[0]); }, "Bane \xABSola\xBB kan ha h\xF8yst 5 tees."},
        {"tee without name", [](auto& t) { t[1].tees[0].name.clear(); }, "Bane \xABSola\xBB, tee 1: navnet mangler."},
        {"tee name of 50", [](auto& t) { t[1].tees[0].name = std::string(50, 'y'); },
         "Bane \xABSola\xBB, tee \xAB" + std::string(50, 'y') + "\xBB: navnet kan ha h\xF8yst 49 tegn."},
        {"rating with letters", [](auto& t) { t[1].tees[0].rating = "35,2a"; },
         "Bane \xABSola\xBB, tee \xABGul\xBB: baneverdi m\xE5 v\xE6re et desimaltall fra 10 til 90, for eksempel "
         "71,3."},
        {"rating empty", [](auto& t) { t[1].tees[0].rating.clear(); },
         "Bane \xABSola\xBB, tee \xABGul\xBB: baneverdi m\xE5 v\xE6re et desimaltall fra 10 til 90, for eksempel "
         "71,3."},
        {"rating without comma", [](auto& t) { t[1].tees[0].rating = "352"; },
         "Bane \xABSola\xBB, tee \xABGul\xBB: baneverdi m\xE5 v\xE6re et desimaltall fra 10 til 90, for eksempel "
         "71,3."},
        {"slope 54", [](auto& t) { t[1].tees[0].slope = 54; },
         "Bane \xABSola\xBB, tee \xABGul\xBB: slope m\xE5 v\xE6re fra 55 til 155."},
        {"slope 156", [](auto& t) { t[1].tees[0].slope = 156; },
         "Bane \xABSola\xBB, tee \xABGul\xBB: slope m\xE5 v\xE6re fra 55 til 155."},
        {"tee par too low", [](auto& t) { t[1].tees[0].par = 26; },
         "Bane \xABSola\xBB, tee \xABGul\xBB: par m\xE5 v\xE6re fra 27 til 54."},
        {"same name", [](auto& t) { t[1].name = "sTORSKOGEN"; },
         "To baner heter \xABsTORSKOGEN\xBB. Gi hver bane sitt eget navn."},
        {"same name with \xE5",
         [](auto& t) {
             t[0].name = "\xC5s";
             t[1].name = "\xE5s";
         },
         "To baner heter \xAB\xE5s\xBB. Gi hver bane sitt eget navn."},
        {"same name with \x8A",
         [](auto& t) {
             t[0].name = "\x8Aibenik";
             t[1].name = "\x9Aibenik";
         },
         "To baner heter \xAB\x9Aibenik\xBB. Gi hver bane sitt eget navn."},
        {"101 courses", [](auto& t) { t.resize(101, t[1]); }, "Banetabellen kan ha h\xF8yst 100 baner."},
    };
    for (const CheckCase& c : cases) {
        std::vector<CourseDraft> table{nineHoles("Storskogen"), nineHoles("Sola")};
        ASSERT_FALSE(checkCourseTable(table)) << "the table before: " << c.what;
        c.change(table);
        EXPECT_EQ(checkCourseTable(table).value_or("(passed)"), c.message) << c.what;
    }
}

TEST(CourseTableChecks, GoodValuesAtTheEdgesPass) {
    CourseDraft course = nineHoles("Sola");
    course.tees = {{"A", "71.3", 55, 27},
                   {"B", " 71,3 ", 155, 54},
                   {"C", "10", 100, 36},
                   {"D", "90,0", 100, 36},
                   {std::string(49, 'z'), "35", 120, 36}};
    course.name = std::string(49, 'n');
    EXPECT_FALSE(checkCourse(course, 1));
    course.holes = 1;
    course.index[0] = 1;
    course.par[0] = 6;
    for (TeeDraft& tee : course.tees) tee.par = 4;
    EXPECT_FALSE(checkCourse(course, 1)) << "holes past the played ones are not checked";
    std::vector<CourseDraft> hundred(100, course);
    for (int i = 0; i < 100; ++i) hundred[i].name = "Bane " + std::to_string(i);
    EXPECT_FALSE(checkCourseTable(hundred));
}

TEST(CourseTableFile, WritingKeepsForeignLinesAndLeavesNoStaleKeys) {
    TempFolder folder;
    const std::string path = folder.write("config/TeebrookConfig.ini", lines({
                                                                           "; Klubbens baner",
                                                                           "[NumberOfPitches]",
                                                                           "Number=3",
                                                                           "",
                                                                           "[Pitches]",
                                                                           "Pitch1=Storskogen",
                                                                           "Pitch2=Gamle banen",
                                                                           "Pitch3=Sola",
                                                                           "Merknad=skrevet for hand",
                                                                           "",
                                                                           "[Pitch1]",
                                                                           "Holes=9",
                                                                           "Par=4 3 5 4 4 3 4 5 4",
                                                                           "Index=2 8 4 6 1 9 3 5 7",
                                                                           "; the second tee is closed in winter",
                                                                           "NumberOfTees=2",
                                                                           "Tee1=Gul",
                                                                           "SlopeValue1=120",
                                                                           "ParValue1=36",
                                                                           "PitchValue1=35.2",
                                                                           "Tee2=R\xF8\x64",
                                                                           "SlopeValue2=118",
                                                                           "ParValue2=36",
                                                                           "PitchValue2=34.0",
                                                                           "Greenfee=350",
                                                                           "",
                                                                           "[Pitch2]",
                                                                           "Holes=9",
                                                                           "NumberOfTees=0",
                                                                           "",
                                                                           "[Pitch3]",
                                                                           "Holes=9",
                                                                           "Bygget=1987",
                                                                           "",
                                                                           "[Other]",
                                                                           "Key = kept as it was  ",
                                                                       }));
    // Storskogen loses its second tee, "Gamle banen" goes, Sola and a new course follow.
    std::vector<CourseDraft> table{nineHoles("Storskogen"), nineHoles("Sola"), nineHoles("Nyparken")};
    table[1].tees = {{"Hvit", "36,1", 126, 36}, {"Gul", "35.0", 121, 36}};
    table[2].holes = 1;
    table[2].index[0] = 1;
    table[2].tees = {{"Gul", "13,1", 60, 4}};
    ASSERT_EQ(writeCourseTable(path, table), CourseTableWrite::Written);

    EXPECT_EQ(TempFolder::read(path), lines({
                                          "; Klubbens baner",
                                          "[NumberOfPitches]",
                                          "Number=3",
                                          "",
                                          "[Pitches]",
                                          "Pitch1=Storskogen",
                                          "Pitch2=Sola",
                                          "Pitch3=Nyparken",
                                          "Merknad=skrevet for hand",
                                          "",
                                          "[Pitch1]",
                                          "Holes=9",
                                          "Par=4 3 5 4 4 3 4 5 4",
                                          "Index=2 8 4 6 1 9 3 5 7",
                                          "; the second tee is closed in winter",
                                          "NumberOfTees=1",
                                          "Tee1=Gul",
                                          "SlopeValue1=120",
                                          "ParValue1=36",
                                          "PitchValue1=35.2",
                                          "Greenfee=350",
                                          "",
                                          "[Pitch2]",
                                          "Holes=9",
                                          "NumberOfTees=2",
                                          "Par=4 3 5 4 4 3 4 5 4",
                                          "Index=2 8 4 6 1 9 3 5 7",
                                          "Tee1=Hvit",
                                          "SlopeValue1=126",
                                          "ParValue1=36",
                                          "PitchValue1=36.1",
                                          "Tee2=Gul",
                                          "SlopeValue2=121",
                                          "ParValue2=36",
                                          "PitchValue2=35.0",
                                          "",
                                          "[Pitch3]",
                                          "Holes=1",
                                          "Bygget=1987",
                                          "Par=4",
                                          "Index=1",
                                          "NumberOfTees=1",
                                          "Tee1=Gul",
                                          "SlopeValue1=60",
                                          "ParValue1=4",
                                          "PitchValue1=13.1",
                                          "",
                                          "[Other]",
                                          "Key = kept as it was  ",
                                      }));

    CTournament reread(path);
    ASSERT_EQ(reread.numberOfPitches, 3);
    EXPECT_EQ(reread.pitches[1].name, "Sola");
    EXPECT_EQ(reread.pitches[1].teeName[1], "Gul");
    EXPECT_FLOAT_EQ(reread.pitches[1].pitchValue[0], 36.1f);
    EXPECT_EQ(reread.pitches[2].index[0], 1);
    EXPECT_EQ(reread.pitches[0].numberOfTees, 1);
    EXPECT_EQ(readCourseTable(path).value().size(), 3u);
}

TEST(CourseTableFile, DeletedCoursesLeaveNoSectionAndANewFileIsMadeInOrder) {
    TempFolder folder;
    const std::string path = folder.file("config/TeebrookConfig.ini");
    ASSERT_EQ(writeCourseTable(path, std::vector<CourseDraft>{nineHoles("A"), nineHoles("B")}),
              CourseTableWrite::Written);
    ASSERT_EQ(writeCourseTable(path, std::vector<CourseDraft>{nineHoles("B")}), CourseTableWrite::Written);
    EXPECT_EQ(TempFolder::read(path), lines({
                                          "[NumberOfPitches]",
                                          "Number=1",
                                          "[Pitches]",
                                          "Pitch1=B",
                                          "[Pitch1]",
                                          "Holes=9",
                                          "Par=4 3 5 4 4 3 4 5 4",
                                          "Index=2 8 4 6 1 9 3 5 7",
                                          "NumberOfTees=1",
                                          "Tee1=Gul",
                                          "SlopeValue1=120",
                                          "ParValue1=36",
                                          "PitchValue1=35.2",
                                      }));
}

TEST(CourseTableFile, RefusedAndUnreadableTablesLeaveTheFileAsItWas) {
    TempFolder folder;
    const std::string path = folder.write("TeebrookConfig.ini", "[Pitches]\r\nPitch1=X\r\n");
    CourseDraft broken = nineHoles("X");
    broken.tees.clear();
    EXPECT_EQ(writeCourseTable(path, std::vector<CourseDraft>{broken}), CourseTableWrite::Refused);
    EXPECT_EQ(writeCourseTable(folder.path().string(), std::vector<CourseDraft>{nineHoles("X")}),
              CourseTableWrite::Unreadable);
    EXPECT_FALSE(readCourseTable(folder.path().string()));
    EXPECT_EQ(writeCourseTable(folder.file("TeebrookConfig.ini/under-a-file.ini"), std::vector<CourseDraft>{}),
              CourseTableWrite::NotWritten);
    EXPECT_EQ(TempFolder::read(path), "[Pitches]\r\nPitch1=X\r\n");
}

TEST(CourseTableFile, CourseRatingsReadAsTypedWithPointOrComma) {
    EXPECT_DOUBLE_EQ(readCourseRating("71,3").value(), 71.3);
    EXPECT_DOUBLE_EQ(readCourseRating(" 71.3 ").value(), 71.3);
    EXPECT_DOUBLE_EQ(readCourseRating("72").value(), 72.0);
    for (const char* bad : {"", ",5", "71,", "71,3,1", "-71", "7 1", "71.3x"})
        EXPECT_FALSE(readCourseRating(bad)) << bad;
}

// What the editor reads from a hand-made file, written back, reads back the same (a course
// rating is written with a point, which the reader takes).
TEST(CourseTableFile, WritingWhatWasReadReadsTheSame) {
    const std::string handMade = lines({
        "[NumberOfPitches]",
        "Number=4",
        "[Pitches]",
        "Pitch1=\"  Sola GK \"",
        "Pitch2=En bane med et navn som er lenger enn f\xF8rti\xE5tte tegn, og mer",
        "Pitch3=;Semikolon = og \"sitat",
        "[Pitch1]",
        "Holes=27",
        "Par=4 4 4 4 4 4 4 4 4 4 4 4 4 4 4 4 4 4 4 4",
        "NumberOfTees=9",
        "Tee1= Gul ",
        "PitchValue1=71,3",
        "Tee5=\"Hvit\"",
        "[pitch2]",
        "holes=-5",
        "Index=99999999999 -4 x",
        "NumberOfTees=1",
        "Tee1=R\xF8\x64",
        "SlopeValue1=12abc",
        "[Pitch4]",
        "Holes=9",
    });
    TempFolder folder;
    const std::string path = folder.write("TeebrookConfig.ini", handMade);
    const std::vector<CourseDraft> read = readCourseTable(path).value();
    ASSERT_EQ(read.size(), 4u);
    IniFile file(handMade);
    putCourseTable(file, read);
    const std::vector<CourseDraft> again = readCourseTable(folder.write("again.ini", file.contents())).value();
    ASSERT_EQ(again.size(), read.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        const int holes = std::clamp(read[i].holes, 0, MaxHoles);
        EXPECT_EQ(again[i].name, read[i].name) << i;
        EXPECT_EQ(again[i].holes, read[i].holes) << i;
        for (int hole = 0; hole < holes; ++hole) {
            EXPECT_EQ(again[i].par[hole], read[i].par[hole]) << i << " hole " << hole;
            EXPECT_EQ(again[i].index[hole], read[i].index[hole]) << i << " hole " << hole;
        }
        ASSERT_EQ(again[i].tees.size(), read[i].tees.size()) << i;
        for (std::size_t tee = 0; tee < read[i].tees.size(); ++tee) {
            EXPECT_EQ(again[i].tees[tee].name, read[i].tees[tee].name) << i;
            EXPECT_EQ(readCourseRating(again[i].tees[tee].rating), readCourseRating(read[i].tees[tee].rating)) << i;
            EXPECT_EQ(again[i].tees[tee].slope, read[i].tees[tee].slope) << i;
            EXPECT_EQ(again[i].tees[tee].par, read[i].tees[tee].par) << i;
        }
    }
    EXPECT_EQ(again[0].name, "  Sola GK ");
    EXPECT_EQ(again[0].tees[0].rating, "71.3");
}
