// The phone page in a real browser (tests/live/browser_test.py): what the page entered across a
// stopped service and a reload is what the saved tournament holds.

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "LiveTestSupport.h"

namespace {

struct ScriptRun {
    int status = -1;
    std::string output;
};

ScriptRun runScript(const std::string& command) {
    ScriptRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) run.output.append(chunk, n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(LiveBrowser, EveryEntryArrivesOnceThroughAStoppedServiceAndAReload) {
    ServedTournament served;
    served.writeTournament(1);
    const char* shots = std::getenv("TEEBROOK_SCREENSHOTS");
    const ScriptRun run = runScript(std::string(TEEBROOK_PYTHON) + " " + TEEBROOK_BROWSER_SCRIPT + " " +
                                    TEEBROOK_EXECUTABLE + " " + served.file("") + " Klubbcup " + (shots ? shots : "") +
                                    " 2>&1");
    if (run.status == 77) GTEST_SKIP() << run.output;
    ASSERT_EQ(run.status, 0) << run.output;

    CTournament saved(served.file("config/TeebrookConfig.ini"));
    ASSERT_TRUE(saved.load(served.file("data/Klubbcup.ini"))) << run.output;
    std::istringstream lines(run.output);
    int checked = 0;
    for (std::string word; lines >> word;) {
        if (word != "STROKES") continue;
        int player = 0, hole = 0, strokes = 0;
        lines >> player >> hole >> strokes;
        EXPECT_EQ(saved.groups[0].players[player - 1].results[hole - 1], strokes) << player << ' ' << hole;
        ++checked;
    }
    EXPECT_EQ(checked, 6) << run.output;
}

}  // namespace
