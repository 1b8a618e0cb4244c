// The saved tournaments listed to pick from: only tournament files directly in the folder,
// newest first, with what they store; a file that cannot be read is listed as such.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "model/SavedTournaments.h"

TEST(SavedTournaments, ListsTournamentFilesOfTheFolderNewestFirst) {
    const TempFolder data;
    const auto age = [&](const char* name, int hours) {
        std::filesystem::last_write_time(data.path() / name,
                                         std::filesystem::file_time_type::clock::now() - std::chrono::hours(hours));
    };
    data.write("Vårcup.ini",
               "[Tournament]\r\nDay=3\r\nMonth=5\r\nYear=2026\r\nName=V\xE5rcup\r\n[Pitch]\r\nName=Kortbanen\r\n");
    data.write("Sommercup.ini", "[Tournament]\r\nNumberOfGroups=2\r\n");
    data.write("Notater.ini", "[Notes]\r\nName=Ikke en turnering\r\n");
    data.write("Lagret.ini", "[tournament]\r\nname=Lagret\r\n");
    // Neither a hidden leftover, the recovery folder's copy, nor another kind of file is listed.
    data.write(".Sommercup.ini.tmp1.ini", "[Tournament]\r\nName=Halv\r\n");
    data.write(".gjenoppretting/Sommercup.ini", "[Tournament]\r\nName=Kopi\r\n");
    data.write("Sommercup_StartListe.txt", "---\r\n");
    std::filesystem::create_directory(data.path() / "Mappe.ini");
    age("Vårcup.ini", 3);
    age("Sommercup.ini", 1);
    age("Notater.ini", 2);
    age("Lagret.ini", 4);

    const SavedTournamentList list = savedTournaments(data.path().string());
    ASSERT_TRUE(list.result);
    std::vector<std::string> shown;
    for (const SavedTournament& saved : list.tournaments) {
        EXPECT_EQ(saved.path, data.file(saved.file));
        shown.push_back(saved.file + (saved.readable ? "|" : "|kan ikke leses|") + saved.name + '|' +
                        std::to_string(saved.day) + '.' + std::to_string(saved.month) + '.' +
                        std::to_string(saved.year) + '|' + saved.course);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"Sommercup.ini||0.0.0|", "Notater.ini|kan ikke leses||0.0.0|",
                                               "Vårcup.ini|V\xE5rcup|3.5.2026|Kortbanen", "Lagret.ini|Lagret|0.0.0|"}));

    // No data folder yet lists nothing and is no failure.
    const SavedTournamentList none = savedTournaments(data.file("mangler"));
    EXPECT_TRUE(none.result);
    EXPECT_TRUE(none.tournaments.empty());
}
