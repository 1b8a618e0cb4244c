// Reading the course table and saving and loading a full tournament, on a real disk
// (the temporary folder), the flush of each save included.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

#include "bench/FullCourseTable.h"
#include "model/CTournament.h"

namespace {

namespace fs = std::filesystem;

class BenchFolder {
public:
    BenchFolder() : path_(fs::temp_directory_path() / ("teebrook-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(path_);
    }
    ~BenchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

const BenchFolder& folder() {
    static const BenchFolder instance;
    return instance;
}

std::string writeCourseTable() {
    const std::string path = folder().file("TeebrookConfig.ini");
    std::ofstream(path, std::ios::binary) << fullCourseTable();
    return path;
}

// Nine groups of nine players, every player with all eighteen scores.
std::unique_ptr<CTournament> fullTournament() {
    auto tournament = std::make_unique<CTournament>(writeCourseTable());
    tournament->day = 14;
    tournament->month = 6;
    tournament->year = 2026;
    tournament->name = "Sommercup";
    tournament->type = "Singel";
    tournament->numberOfGroups = MaxGroups;
    tournament->selectPitch("Golfbane nummer 1");
    for (int g = 0; g < MaxGroups; ++g) {
        CPlayGroup& group = tournament->groups[g];
        group.groupName = "Gruppe " + std::to_string(g + 1);
        group.noOfPlayers = MaxPlayers;
        for (int p = 0; p < MaxPlayers; ++p) {
            CPlayer& player = group.players[p];
            player.firstName = "Fornavn" + std::to_string(p);
            player.surName = "Etternavn" + std::to_string(g);
            player.club = "Golfklubb";
            player.hcp = 12.3f + p;
            player.sh = 14.5f + p;
            for (int h = 0; h < MaxHoles; ++h) player.results[h] = 3 + (g + p + h) % 5;
        }
    }
    return tournament;
}

void BM_LoadPitches(benchmark::State& state) {
    auto tournament = std::make_unique<CTournament>(writeCourseTable());
    for (auto _ : state) {
        tournament->loadPitches();
        benchmark::DoNotOptimize(tournament->numberOfPitches);
    }
}
BENCHMARK(BM_LoadPitches)->Unit(benchmark::kMicrosecond);

void BM_SaveFullTournament(benchmark::State& state) {
    auto tournament = fullTournament();
    const std::string path = folder().file("data/save.ini");
    for (auto _ : state) {
        if (!tournament->save(path)) state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveFullTournament)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_LoadFullTournament(benchmark::State& state) {
    auto tournament = fullTournament();
    const std::string path = folder().file("data/load.ini");
    if (!tournament->save(path)) state.SkipWithError("save failed");
    for (auto _ : state) {
        if (!tournament->load(path)) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(tournament->numberOfGroups);
    }
}
BENCHMARK(BM_LoadFullTournament)->Unit(benchmark::kMicrosecond);

}  // namespace
