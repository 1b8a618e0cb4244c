// The result list of a full tournament, and the ranking it is built on.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "lists/Lists.h"
#include "model/CTournament.h"

namespace {

// Nine groups of nine players, every player with strokes on all 18 holes.
void fillFullTournament(CTournament& tournament) {
    tournament.name = "Klubbmesterskap";
    tournament.day = 14;
    tournament.month = 6;
    tournament.year = 2025;
    tournament.pitch.holes = MaxHoles;
    tournament.numberOfGroups = MaxGroups;
    for (int g = 0; g < MaxGroups; ++g) {
        CPlayGroup& group = tournament.groups[g];
        group.groupClass = g % 4;
        group.playForm = g % 2;
        group.noOfPlayers = MaxPlayers;
        for (int p = 0; p < MaxPlayers; ++p) {
            CPlayer& player = group.players[p];
            player.firstName = "Fornavn" + std::to_string(p);
            player.surName = "Etternavn" + std::to_string(g);
            for (int h = 0; h < MaxHoles; ++h) player.results[h] = 3 + (g * 7 + p * 5 + h * 3) % 5;
        }
    }
}

std::string scratchPath(const char* name) { return (std::filesystem::temp_directory_path() / name).string(); }

void BM_WriteResultListFullTournament(benchmark::State& state) {
    CTournament tournament(scratchPath("teebrook-bench-no-config.ini"));
    fillFullTournament(tournament);
    const std::string path = scratchPath("teebrook-bench_ResultatListe.txt");
    for (auto _ : state) {
        if (!writeResultList(tournament, path)) state.SkipWithError("the result list could not be written");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_WriteResultListFullTournament);

void BM_PlayerAtRankFullGroup(benchmark::State& state) {
    CTournament tournament(scratchPath("teebrook-bench-no-config.ini"));
    fillFullTournament(tournament);
    const CPlayGroup& group = tournament.groups[4];
    for (auto _ : state) {
        for (int k = 0; k < MaxPlayers; ++k) benchmark::DoNotOptimize(group.playerAtRank(k));
    }
}
BENCHMARK(BM_PlayerAtRankFullGroup);

}  // namespace
