// The names of a tournament's files: which competition names can name them, and the paths.

#include "model/FileNames.h"

#include <gtest/gtest.h>

#include <string>

#include "ChildProcess.h"

TEST(FileNames, OnlyNamesThatGiveOneFileOfTheirOwnAreUsable) {
    const struct {
        std::string typed;  // UTF-8, as the name field gives it
        bool usable;
    } cases[] = {
        {"Klubbmesterskap 2026", true},
        {"V\xC3\xA5rcup \xE2\x82\xAC", true},  // Vårcup €
        {std::string(49, 'x'), true},
        {std::string(50, 'x'), false},  // read back cut to 49, it would name another file
        {"Cup \xCE\xA9", false},        // Cup Ω and Cup Σ would share one file
        {"Cup \xCE\xA3", false},
        {"Cup \xC2\x80", false},  // a C1 control
        {"../Cup", false},
        {"a\\b", false},
        {"tab\there", false},
        {".", false},
        {"..", false},
        {"...", true},
        {"\xFF", false},  // not UTF-8
    };
    // Names hold for an ordinary user as for the superuser.
    EXPECT_EQ(runInChild(
                  [&] {
                      std::string failures;
                      for (const auto& c : cases) {
                          if (isUsableFileName(c.typed) != c.usable) failures += "\"" + c.typed + "\"; ";
                      }
                      return failures;
                  },
                  RunAs::OrdinaryUser),
              "");
}

TEST(FileNames, PathsLieInTheWorkingDirectoryWithTheNameInUtf8) {
    EXPECT_EQ(tournamentFilePath("V\xE5rcup"), "./data/V\xC3\xA5rcup.ini");
    EXPECT_EQ(startListPath("V\xE5rcup"), "./V\xC3\xA5rcup_StartListe.txt");
    EXPECT_EQ(resultListPath("Cup \x80"), "./Cup \xE2\x82\xAC_ResultatListe.txt");
}
