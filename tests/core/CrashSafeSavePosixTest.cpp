// Saving survives the program being killed at any moment: the tournament file on disk is
// always the old tournament or the new one, whole, and what a killed save leaves behind
// does not stop the next save.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TempFolder.h"
#include "fuzz/Checks.h"
#include "model/CTournament.h"

namespace {

// A full tournament: nine groups of nine players with all eighteen scores. The two
// variants differ in every group, so a file mixing them is told apart from both.
void fillTournament(CTournamentInfo& t, int variant) {
    t.day = 12 + variant;
    t.month = 6;
    t.year = 2026;
    t.numberOfGroups = MaxGroups;
    t.name = variant == 0 ? "V\xE5rcup" : "H\xF8stcup";
    t.type = "Singel";
    t.pitch.name = "Testbanen";
    for (int g = 0; g < MaxGroups; ++g) {
        CPlayGroup& group = t.groups[g];
        group.groupClass = (g + variant) % 4;
        group.playForm = variant;
        group.setAllowance(g % 5);
        group.noOfPlayers = MaxPlayers;
        group.tee = g % 3;
        group.groupName = "Gruppe " + std::string(1, static_cast<char>('A' + g)) + (variant ? " kveld" : " morgen");
        for (int p = 0; p < MaxPlayers; ++p) {
            CPlayer& player = group.players[p];
            player.firstName = "Spiller" + std::to_string(g * 10 + p);
            player.surName = variant ? "Nordmann" : "\xC5s";
            player.club = "Golfklubb " + std::to_string(p);
            player.hcp = static_cast<float>(g * 5 + p) + (variant ? 0.5f : 0.2f);
            player.sh = player.hcp + 1.6f;
            for (int h = 0; h < MaxHoles; ++h) player.results[h] = 2 + (g + p + h + variant) % 9;
        }
    }
}

// Saves `next` and then `current` over `path` in turn until killed, writing a byte to
// `progress` after each save; a failed save ends the process with code 3. Starting with
// the tournament the file does not hold makes every finished save change the file.
[[noreturn]] void saveForever(CTournament& next, CTournament& current, const std::string& path, int progress) {
    for (const bool saving = true; saving;) {
        for (CTournament* tournament : {&next, &current}) {
            if (!tournament->save(path)) _exit(3);
            const char done = 1;
            if (::write(progress, &done, 1) != 1) _exit(4);
        }
    }
    _exit(0);
}

// Waits until the child has finished `saves` saves; false when it ended first.
bool waitForSaves(int progress, int saves) {
    char done = 0;
    for (int i = 0; i < saves; ++i) {
        if (::read(progress, &done, 1) != 1) return false;
    }
    return true;
}

std::chrono::microseconds timeOfOneSave(CTournament& tournament, const std::string& path) {
    const auto start = std::chrono::steady_clock::now();
    constexpr int Saves = 5;
    for (int i = 0; i < Saves; ++i) EXPECT_TRUE(tournament.save(path));
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start) / Saves;
}

int filesBeside(const std::string& path) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(path).parent_path())) {
        if (entry.path() != std::filesystem::path(path)) ++count;
    }
    return count;
}

}  // namespace

TEST(CrashSafeSave, TheFileIsAlwaysTheOldOrTheNewTournamentWhenTheSaveIsKilled) {
    // In memory where the machine allows: a killed process leaves the page cache as it was,
    // so flushes to disk play no part in what a kill leaves behind, and the 250 rounds take
    // a second instead of waiting on a busy disk.
    const fuzzcheck::ScratchDir folder("teebrook-crash");
    const std::string path = folder.file("data/Cup.ini");
    CTournament old(folder.file("no-course-table.ini"));
    CTournament changed(folder.file("no-course-table.ini"));
    fillTournament(old, 0);
    fillTournament(changed, 1);

    ASSERT_TRUE(changed.save(path));
    const std::string changedBytes = TempFolder::read(path);
    ASSERT_TRUE(old.save(path));
    const std::string oldBytes = TempFolder::read(path);
    ASSERT_NE(oldBytes, changedBytes);

    // Each child is killed after zero or one whole save, at a moment spread over the
    // save it is in then; the child reports each save it finishes through a pipe.
    const auto saveTime = std::max(timeOfOneSave(old, path), std::chrono::microseconds(200));
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> wholeSaves(0, 1);
    std::uniform_int_distribution<long long> delay(0, saveTime.count());

    constexpr int Kills = 250;
    int changes = 0;
    std::string before = TempFolder::read(path);
    for (int kill = 0; kill < Kills; ++kill) {
        int progress[2];
        ASSERT_EQ(::pipe(progress), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(progress[0]);
            if (before == oldBytes) saveForever(changed, old, path, progress[1]);
            saveForever(old, changed, path, progress[1]);
        }
        ::close(progress[1]);
        const bool saving = waitForSaves(progress[0], wholeSaves(random));
        if (saving) std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        ::close(progress[0]);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "a save failed after kill " << kill << " (exit status " << status << ")";

        const std::string now = TempFolder::read(path);
        ASSERT_TRUE(now == oldBytes || now == changedBytes)
            << "after kill " << kill << " the file holds " << now.size() << " bytes that are neither tournament";
        if (now != before) ++changes;
        before = now;
    }
    // Killed before any save ended every time, the test would prove nothing.
    EXPECT_GE(changes, Kills / 10) << "too few saves completed between the kills";
    RecordProperty("kills", Kills);
    RecordProperty("fileChanges", changes);
    RecordProperty("leftoverFiles", filesBeside(path));

    // What the killed saves left beside the file does not stop a save or a load.
    ASSERT_TRUE(changed.save(path));
    EXPECT_EQ(TempFolder::read(path), changedBytes);
    CTournament reopened(folder.file("no-course-table.ini"));
    ASSERT_TRUE(reopened.load(path));
    EXPECT_EQ(fuzzcheck::compareTournaments(reopened, changed), "");
}
