// The prize list of a full tournament: nine groups of nine players with strokes on every hole.

#include <benchmark/benchmark.h>

#include <string>

#include "lists/PrizeList.h"
#include "model/CTournament.h"
#include "scoring/Prize.h"

namespace {

// Eight classes-and-forms share the nine groups, so competitions hold up to 18 players, with
// many equal totals for the countback to part.
CTournamentInfo fullPrizeTournament() {
    CTournamentInfo tournament;
    tournament.name = "Klubbmesterskap";
    tournament.pitch.name = "Testbanen";
    tournament.pitch.holes = MaxHoles;
    for (int h = 0; h < MaxHoles; ++h) {
        tournament.pitch.par[h] = 3 + h % 3;
        tournament.pitch.index[h] = (h * 7) % MaxHoles + 1;
    }
    tournament.numberOfGroups = MaxGroups;
    for (int g = 0; g < MaxGroups; ++g) {
        CPlayGroup& group = tournament.groups[g];
        group.groupClass = g % 4;
        group.playForm = (g / 4) % 2;
        group.setAllowance(g % 4);
        group.groupName = "Gruppe " + std::to_string(g + 1);
        group.noOfPlayers = MaxPlayers;
        for (int p = 0; p < MaxPlayers; ++p) {
            CPlayer& player = group.players[p];
            player.firstName = "Fornavn" + std::to_string(p);
            player.surName = "Etternavn" + std::to_string(g);
            player.club = "Golfklubb";
            player.sh = static_cast<float>((g * 5 + p * 3) % 30) - 2.0f;
            for (int h = 0; h < MaxHoles; ++h) player.results[h] = 3 + (g * 7 + p * 5 + h * 3) % 5;
        }
    }
    return tournament;
}

void BM_BuildPrizeListFullTournament(benchmark::State& state) {
    const CTournamentInfo tournament = fullPrizeTournament();
    for (auto _ : state) benchmark::DoNotOptimize(buildPrizeList(tournament));
}
BENCHMARK(BM_BuildPrizeListFullTournament)->Unit(benchmark::kMicrosecond);

void BM_RenderPrizeListTextAndCsv(benchmark::State& state) {
    const CTournamentInfo tournament = fullPrizeTournament();
    for (auto _ : state) {
        benchmark::DoNotOptimize(prizeListText(tournament));
        benchmark::DoNotOptimize(prizeListCsv(tournament));
    }
}
BENCHMARK(BM_RenderPrizeListTextAndCsv)->Unit(benchmark::kMicrosecond);

}  // namespace
