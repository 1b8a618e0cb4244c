// The names of a tournament's files: which competition names can name them, and the paths.

#include "model/FileNames.h"

#include <gtest/gtest.h>

#include <string>

#include "ChildProcess.h"

TEST(FileNames, OnlyNamesThatGiveOneFileOfTheirOwnAreUsable) {
    const struct {
        std::string typed;  // UTF-8, as the name field gives it
        NameForFiles verdict;
    } cases[] = {
        {"", NameForFiles::Empty},
        {"Klubbmesterskap 2026", NameForFiles::Usable},
        {"V\xC3\xA5rcup \xE2\x82\xAC", NameForFiles::Usable},  // Vårcup €
        {std::string(49, 'x'), NameForFiles::Usable},
        {std::string(50, 'x'), NameForFiles::Unusable},  // read back cut to 49, it would name another file
        {"Cup \xCE\xA9", NameForFiles::Unusable},        // Cup Ω and Cup Σ would share one file
        {"Cup \xCE\xA3", NameForFiles::Unusable},
        {"Cup \xC2\x80", NameForFiles::Unusable},  // a C1 control
        {"../Cup", NameForFiles::Unusable},
        {"a\\b", NameForFiles::Unusable},
        {"tab\there", NameForFiles::Unusable},
        {".", NameForFiles::Unusable},
        {"..", NameForFiles::Unusable},
        {"...", NameForFiles::Usable},
        {"\xFF", NameForFiles::Unusable},  // not UTF-8
    };
    // Names hold for an ordinary user as for the superuser.
    EXPECT_EQ(runInChild(
                  [&] {
                      std::string failures;
                      for (const auto& c : cases) {
                          if (nameForFiles(c.typed) != c.verdict) failures += "\"" + c.typed + "\"; ";
                      }
                      return failures;
                  },
                  RunAs::OrdinaryUser),
              "");
    // The name a tournament keeps is Windows-1252.
    EXPECT_EQ(storedNameForFiles("V\xE5rcup"), NameForFiles::Usable);
    EXPECT_EQ(storedNameForFiles("a/b"), NameForFiles::Unusable);
}

TEST(FileNames, PathsLieInTheWorkingDirectoryWithTheNameInUtf8) {
    EXPECT_EQ(tournamentFilePath("V\xE5rcup"), "./data/V\xC3\xA5rcup.ini");
    EXPECT_EQ(startListPath("V\xE5rcup"), "./V\xC3\xA5rcup_StartListe.txt");
    EXPECT_EQ(resultListPath("Cup \x80"), "./Cup \xE2\x82\xAC_ResultatListe.txt");
}
