// The real program, killed with SIGKILL at random moments of a scripted competition day and
// started again each time, never loses what it said it had flushed and never restores a state
// the day did not pass through. Each restart restores the copy unasked and types on from there.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TestCourseTable.h"
#include "app/ScriptedDay.h"
#include "app/TournamentSession.h"
#include "core/TempFolder.h"
#include "model/CTournament.h"
#include "model/RecoveryCopy.h"

namespace {

constexpr int Groups = MaxGroups;
constexpr int Players = MaxPlayers;
constexpr int Kills = 50;

// Registration, then every stroke of the round, then a few corrections, as an organiser types them.
std::vector<std::string> scriptOfTheDay() {
    std::vector<std::string> lines{"name Krasjcup", "date 9 12 2026", "course Testbanen",
                                   "groups " + std::to_string(Groups)};
    for (int g = 0; g < Groups; ++g)
        lines.push_back("group " + std::to_string(g) + " " + std::to_string(g % 4) + " " + std::to_string(g % 2) + " " +
                        std::to_string(g % 3) + " " + std::to_string(Players) + " " + std::to_string(g % 3));
    for (int g = 0; g < Groups; ++g)
        for (int p = 0; p < Players; ++p)
            lines.push_back("player " + std::to_string(g) + " " + std::to_string(p) + " Spiller" + std::to_string(p) +
                            " Gruppe" + std::to_string(g) + " Klubb " + std::to_string(5 + g * 3 + p) + ",4");
    std::mt19937 random(9122026);
    for (int hole = 0; hole < MaxHoles; ++hole)
        for (int g = 0; g < Groups; ++g)
            for (int p = 0; p < Players; ++p)
                lines.push_back("strokes " + std::to_string(g) + " " + std::to_string(p) + " " + std::to_string(hole) +
                                " " + std::to_string(3 + static_cast<int>(random() % 5)));
    for (int fix = 0; fix < 40; ++fix)
        lines.push_back("strokes " + std::to_string(fix % Groups) + " " + std::to_string(fix % Players) + " " +
                        std::to_string(fix % MaxHoles) + " " + std::to_string(2 + fix % 7));
    return lines;
}

// What a save writes after each line of the day: entry k after the first k lines.
std::vector<std::string> savesAlongTheDay(const std::string& configPath, const std::vector<std::string>& script) {
    TournamentSession session(configPath);
    std::vector<std::string> saves{session.tournament().storedForm()};
    for (const std::string& line : script) {
        EXPECT_TRUE(applyScriptLine(session, line)) << line;
        saves.push_back(session.tournament().storedForm());
    }
    return saves;
}

struct LogSummary {
    long long typed = 0;
    long long written = 0;
    bool killedWhileWriting = false;
};

LogSummary readLog(const std::string& path) {
    LogSummary summary;
    std::ifstream log(path);
    std::string what;
    long long number = 0;
    std::string lastWhat;
    while (log >> what >> number) {
        if (what == "typed") summary.typed = number;
        if (what == "written") summary.written = number;
        lastWhat = what;
    }
    summary.killedWhileWriting = lastWhat == "writing";
    return summary;
}

// Waits until the program has begun writing a copy after `after` milliseconds, so the kill
// lands between the new copy's write and its rename into place.
void waitForAWriteToBegin(const std::string& log, std::chrono::milliseconds after) {
    std::this_thread::sleep_for(after);
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (std::chrono::steady_clock::now() < giveUp) {
        std::ifstream in(log);
        std::string lastLine;
        for (std::string line; std::getline(in, line);) lastLine = line;
        if (lastLine.rfind("writing", 0) == 0) return;
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
}

pid_t startProgram(const TempFolder& folder, const std::string& script, const std::string& log, long long from) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(folder.path().c_str()) != 0) ::_exit(126);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::setenv("TEEBROOK_SCRIPTED_DAY", script.c_str(), 1);
        ::setenv("TEEBROOK_DAY_LOG", log.c_str(), 1);
        ::setenv("TEEBROOK_SCRIPT_FROM", std::to_string(from).c_str(), 1);
        ::execl(TEEBROOK_EXECUTABLE, TEEBROOK_EXECUTABLE, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return child;
}

// The state the restored copy holds: its position in the day, or -1 when it is none of them.
long long positionOfCopy(const std::string& configPath, const std::vector<std::string>& saves, long long from,
                         long long to) {
    const RecoveryCopy* newest = nullptr;
    const std::vector<RecoveryCopy> copies = copiesToOffer("data/.gjenoppretting");
    for (const RecoveryCopy& copy : copies)
        if (copy.readable && (!newest || copy.madeAt > newest->madeAt)) newest = &copy;
    if (!newest) return from == 0 ? 0 : -1;
    CTournament restored(configPath);
    if (!restored.restore(newest->contents, newest->tournamentFile)) return -1;
    const std::string form = restored.storedForm();
    const long long last = std::min<long long>(to, static_cast<long long>(saves.size()) - 1);
    for (long long k = last; k >= from; --k)
        if (saves[static_cast<std::size_t>(k)] == form) return k;
    // Says where the copy parts from the last state typed, to find the fault.
    std::istringstream expected(saves[static_cast<std::size_t>(std::max(last, 0LL))]), got(form);
    for (std::string a, b; std::getline(expected, a) && std::getline(got, b);)
        if (a != b) {
            ADD_FAILURE() << "the copy holds \"" << b << "\" where the day had \"" << a << "\"";
            break;
        }
    return -1;
}

}  // namespace

TEST(CrashDay, EveryKillRestoresTheDayUpToAtLeastItsLastFlushedChange) {
    TempFolder folder;
    const std::string configPath = folder.write("config/TeebrookConfig.ini", TestCourseTable);
    const std::vector<std::string> script = scriptOfTheDay();
    std::string scriptText;
    for (const std::string& line : script) scriptText += line + "\n";
    const std::string scriptPath = folder.write("day.txt", scriptText);
    const std::vector<std::string> saves = savesAlongTheDay(configPath, script);
    const std::string logPath = folder.file("day.log");
    ASSERT_EQ(::chdir(folder.path().c_str()), 0);

    std::mt19937 random(20261209);
    long long restoredAt = 0;
    long long worstLag = 0;
    long long totalLag = 0;
    int killsWhileWriting = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        std::remove(logPath.c_str());
        const pid_t program = startProgram(folder, scriptPath, logPath, restoredAt + 1);
        ASSERT_GT(program, 0);
        const std::chrono::milliseconds after(150 + random() % 1200);
        // Every other kill aims at a copy being written.
        if (kill % 2 == 0) {
            waitForAWriteToBegin(logPath, after);
        } else {
            std::this_thread::sleep_for(after);
        }
        ::kill(program, SIGKILL);
        int status = 0;
        ::waitpid(program, &status, 0);
        const LogSummary log = readLog(logPath);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the program ended by itself, status " << status;
        // What the copy holds is a state the day passed through, no older than what was flushed.
        const long long flushed = std::max(log.written, restoredAt);
        const long long at = positionOfCopy(configPath, saves, flushed, std::max(log.typed, restoredAt));
        ASSERT_GE(at, flushed) << "kill " << kill << ": typed " << log.typed << ", flushed " << log.written;
        // Lines typed since the last copy this run flushed (or since the one it restored).
        const long long lag = std::max(log.typed, restoredAt) - flushed;
        worstLag = std::max(worstLag, lag);
        totalLag += lag;
        killsWhileWriting += log.killedWhileWriting ? 1 : 0;
        restoredAt = at;
        // A day typed to its end starts again, from nothing.
        if (restoredAt >= static_cast<long long>(script.size())) {
            std::filesystem::remove_all("data/.gjenoppretting");
            restoredAt = 0;
        }
    }
    RecordProperty("killsWhileWriting", killsWhileWriting);
    std::printf(
        "[ lag      ] changes typed but not yet flushed at a kill, one change a millisecond: mean %.1f, "
        "worst %lld (%d of %d kills while a copy was being written)\n",
        static_cast<double>(totalLag) / Kills, worstLag, killsWhileWriting, Kills);
}
