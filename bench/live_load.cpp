// The scoring service under the load of a full field: 81 phones, each on a connection of its
// own, post all 18 holes of their player at once against "teebrook --serve" over loopback.
// Reported: every entry acknowledged and stored (failures stop the run), the 99th percentile of
// the acknowledgement times, and the time from the last acknowledgement until /api/board shows
// every stroke.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "LiveTestSupport.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Player p of group g plays 3 + (g + p + hole) % 4 on every hole.
int strokesFor(int g, int p, int hole) { return 3 + (g + p + hole) % 4; }

// Posts the 18 holes of one player; the times of the answers, or nothing when one failed.
std::vector<double> postRound(int port, const std::string& code, int g, int p, std::atomic<int>& ready) {
    HttpClient client(port);
    client.request("GET", "/api/group/" + code);  // connected and known before the start
    ready.fetch_sub(1);
    while (ready.load() > 0) std::this_thread::yield();
    std::vector<double> times;
    for (int hole = 1; hole <= MaxHoles; ++hole) {
        const Clock::time_point sent = Clock::now();
        const HttpAnswer answer = client.request(
            "POST", "/api/group/" + code + "/score",
            entryJson(p, hole, strokesFor(g, p, hole), "marker", "bench-" + std::to_string(g * 9 + p), hole));
        const std::string stored = "\"stored\":" + std::to_string(strokesFor(g, p, hole));
        if (answer.status != 200 || answer.body.find(stored) == std::string::npos) return {};
        times.push_back(millisecondsBetween(sent, Clock::now()));
    }
    return times;
}

// Every player's row on the board has all 18 holes.
bool boardShowsEveryHole(HttpClient& client) {
    const std::string board = client.request("GET", "/api/board").body;
    int complete = 0;
    for (std::size_t at = board.find("\"holes\":18,"); at != std::string::npos;
         at = board.find("\"holes\":18,", at + 1))
        ++complete;
    return complete == MaxGroups * MaxPlayers;
}

void BM_FullFieldPostsEveryHoleAtOnce(benchmark::State& state) {
    for (auto _ : state) {
        ServedTournament served("Lasttest");
        served.writeTournament(MaxGroups);
        std::string problem;
        if (!served.start(problem)) {
            state.SkipWithError(problem.c_str());
            return;
        }
        std::atomic<int> ready{MaxGroups * MaxPlayers};
        std::vector<std::vector<double>> times(MaxGroups * MaxPlayers);
        std::vector<std::thread> phones;
        const Clock::time_point start = Clock::now();
        for (int g = 0; g < MaxGroups; ++g) {
            for (int p = 1; p <= MaxPlayers; ++p) {
                phones.emplace_back(
                    [&, g, p] { times[g * 9 + p - 1] = postRound(served.port(), served.code(g), g, p, ready); });
            }
        }
        for (std::thread& phone : phones) phone.join();
        const Clock::time_point lastAcknowledged = Clock::now();
        HttpClient board(served.port());
        while (!boardShowsEveryHole(board)) {
            if (millisecondsBetween(lastAcknowledged, Clock::now()) > 10000) {
                state.SkipWithError("the board never showed every stroke");
                return;
            }
        }
        const double boardMs = millisecondsBetween(lastAcknowledged, Clock::now());
        std::vector<double> all;
        for (const std::vector<double>& phone : times) {
            if (phone.size() != MaxHoles) {
                state.SkipWithError("an entry was not acknowledged as stored");
                return;
            }
            all.insert(all.end(), phone.begin(), phone.end());
        }
        std::sort(all.begin(), all.end());
        state.SetIterationTime(millisecondsBetween(start, lastAcknowledged) / 1000.0);
        state.counters["entries"] = static_cast<double>(all.size());
        state.counters["p50_ms"] = all[all.size() / 2];
        state.counters["p99_ms"] = all[all.size() * 99 / 100];
        state.counters["max_ms"] = all.back();
        state.counters["board_ms"] = boardMs;
    }
}
BENCHMARK(BM_FullFieldPostsEveryHoleAtOnce)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
