// Inputs on which the fuzz targets (fuzz/) once found a fault, kept with the property they
// broke, and the behaviour each fault's mend gives a user.

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "fuzz/Checks.h"

namespace {

// A value ending in a blank (here a CR read as one) came back without it.
const std::string_view TrailingBlankValue =
    "; kommentar\r\n"
    "[Tournament]\r\n"
    "Name = \"Klubbmesterskap\"\r\n"
    "Day=12\r\n"
    "\r\n"
    "[tournament]\r\n"
    "Name=duplikat\r\n"
    "[Pitch]\r\n"
    "Name=Bane\r\n";

// A section named with a lone CR in it, and a value set there holding NUL bytes.
const std::string_view CarriageReturnInSectionName = std::string_view(
    "; kommenta\rT\n"
    "[rournamen\r]t\n"
    "Name = wt\"Klubb\x01\x00\x00\x00kemeys=",
    49);

// A name in quotes with blanks inside them lost its blanks on the way through a save.
const std::string_view QuotedNameWithBlanks =
    "[Tournament]\r\n"
    "NumberOfGroups=12\r\n"
    "Name=\"  sitert  \"\r\n"
    "[PlayGroup1]\r\n"
    "HCP=7\r\n"
    "NoOfPlayers=-2\r\n"
    "Tee=9\r\n"
    "[PlayGroup9]\r\n"
    "NoOfPlayers=15\r\n"
    "Results15=1 2 3\r\n"
    "HCP1=1e400\r\n";

// A lone CR inside a first name was saved as a blank, so the name changed on reopening.
const std::string_view CarriageReturnInFirstName =
    "[Tournament]\r\n"
    "Day=12\r\n"
    "Month=6\r\n"
    "Year=2026\r\n"
    "Name=Sommercup\r\n"
    "Type=Singel\r\n"
    "NumberOfGroups=2\r\n"
    "[Pitch]\r\n"
    "Name=Bane\r\n"
    "[PlayGroup1]\rro\n"
    "Gup=1\r\n"
    "PlayForm=0\r\n"
    "HCP=1\r\n"
    "NoOfPlayers=2\r\n"
    "GroupName=Morgen\r\n"
    "Tee=0\r\n"
    "FirstName1=Kari\r\x02SurName1=Nordmann\r\n"
    "Club1=GK\r\n"
    "HCP1=12.4\r\n"
    "SH1=14.0\r\n"
    "Results1=4 5 3 4 6 4 4 3 5 4 4 3 4 5 4 3 4 10\r\n"
    "FirstName2=Ola\r\n"
    "SurName2=\xc5s\r\n"
    "Club2=\r\n"
    "HCP2=54.0\r\n"
    "SH2=61.6\r\n"
    "Results2=4 5 3\r\n"
    "[PlayGroup2]\r\n"
    "Group=3\r\n"
    "PlayForm=1\r\n"
    "HCP=4\r\n"
    "NoOfPlayers=1\r\n"
    "GroupName=Kveld\r\n"
    "Tee=1\r\n"
    "FirstName1=Per\r\n"
    "SurName1=Hansen\r\n"
    "Club1=Klubben\r\n"
    "HCP1=-1.5\r\n"
    "SHstName2=Ola\r\n"
    "SurName2=\xc5s\r\n"
    "Club2=0 0 0 0 0 0 0 0 0 0\r\n";

}  // namespace

TEST(FuzzRegression, IniValuesReadBackAsSet) {
    EXPECT_EQ(fuzzcheck::checkIniFile(TrailingBlankValue), "");
    EXPECT_EQ(fuzzcheck::checkIniFile(CarriageReturnInSectionName), "");
}

TEST(FuzzRegression, TournamentFilesReadTheSameAfterASave) {
    TempFolder folder;
    EXPECT_EQ(fuzzcheck::checkTournamentRoundTrip(QuotedNameWithBlanks, folder.path().string()), "");
    EXPECT_EQ(fuzzcheck::checkTournamentRoundTrip(CarriageReturnInFirstName, folder.path().string()), "");
}

TEST(IniValueQuoting, ValuesWithBlanksAtTheirEndsOrOwnQuotesAreWrittenInQuotes) {
    IniFile file;
    file.setValue("Tournament", "Name", "  Cup ");
    file.setValue("Tournament", "Type", "\"Singel\"");
    file.setValue("Tournament", "Club", "Golf \"Klubb\"");
    EXPECT_EQ(file.contents(),
              "[Tournament]\r\n"
              "Name=\"  Cup \"\r\n"
              "Type=\"\"Singel\"\"\r\n"
              "Club=Golf \"Klubb\"\r\n");
    const IniFile reread(file.contents());
    EXPECT_EQ(reread.value("Tournament", "Name"), "  Cup ");
    EXPECT_EQ(reread.value("Tournament", "Type"), "\"Singel\"");
    EXPECT_EQ(reread.value("Tournament", "Club"), "Golf \"Klubb\"");
}

TEST(IniValueQuoting, ALoneCarriageReturnInAValueEndsItsLine) {
    const IniFile file("[Tournament]\r\nName=V\xE5r\rcup\r\n");
    EXPECT_EQ(file.value("Tournament", "Name"), "V\xE5r");
    EXPECT_EQ(file.contents(), "[Tournament]\r\nName=V\xE5r\rcup\r\n");
}
