// Lists where only a POSIX system can make a write fail on purpose: a file size limit.

#include <filesystem>
#include <string>

#include "FileSizeLimit.h"
#include "ListTestSupport.h"
#include "lists/Lists.h"

namespace {
using StartList = ListTest;
}  // namespace

// A list that fails halfway, here on a full disk, must not leave a torn list where the
// last good one stood: both lists answer false and keep the old file whole.
TEST_F(StartList, AListThatFailsHalfwayLeavesTheOldListAndNoTemporaryFile) {
    setHeader("Sommercup", 14, 6, 2025);
    CPlayGroup& group = addGroup(0, 0);
    for (int i = 0; i < MaxPlayers; ++i) addPlayer(group, "Spiller" + std::to_string(i), "Nordmann", {4, 5, 3});
    const std::string oldList = "forrige liste\r\n";
    const std::string startPath = folder.write("Sommercup_StartListe.txt", oldList);
    const std::string resultPath = folder.write("Sommercup_ResultatListe.txt", oldList);

    bool startWritten = true;
    bool resultWritten = true;
    {
        const FileSizeLimit limit(100);
        startWritten = static_cast<bool>(writeStartList(tournament, startPath));
        resultWritten = static_cast<bool>(writeResultList(tournament, resultPath));
    }
    EXPECT_FALSE(startWritten);
    EXPECT_FALSE(resultWritten);
    EXPECT_EQ(readBytes(startPath), oldList);
    EXPECT_EQ(readBytes(resultPath), oldList);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) ++entries;
    EXPECT_EQ(entries, 2);
}
