// A tournament file read by load, saved and read again gives the same records; the lists
// the ranking, the prize list and the score cards of whatever was read are made without fault.
#include <cstddef>
#include <cstdint>

#include "fuzz/Checks.h"
#include "lists/Lists.h"
#include "lists/PrizeList.h"
#include "scoring/Handicap.h"
#include "scoring/HoleScore.h"
#include "scoring/ScoreCard.h"

namespace {

// Everything the play and result screens work out from a loaded tournament.
void exerciseScoring(const CTournament& tournament) {
    for (int g = 0; g < tournament.groupsInUse(); ++g) {
        const CPlayGroup& group = tournament.groups[g];
        for (int k = -1; k <= MaxPlayers; ++k) {
            if (const CPlayer* player = group.playerAtRank(k)) {
                (void)playerPoints(*player);
                (void)formatPlayingHandicap(player->sh);
                (void)playingHandicap(player->hcp, tournament.pitch.slopeValue[0], tournament.pitch.pitchValue[0],
                                      tournament.pitch.parValue[0]);
            }
        }
        for (int p = 0; p < group.playerCount(); ++p) {
            for (int h = 0; h < MaxHoles; ++h)
                (void)holeScoreColour(group.players[p].results[h], tournament.pitch.par[h]);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view contents(reinterpret_cast<const char*>(data), size);
    const std::string& dir = fuzzcheck::scratchDir();
    fuzzcheck::require(fuzzcheck::checkTournamentRoundTrip(contents, dir));

    CTournament tournament(fuzzcheck::courseTableFile(dir));
    if (!tournament.load(dir + "/input.ini")) return 0;
    exerciseScoring(tournament);
    (void)writeStartList(tournament, dir + "/start.txt");
    (void)writeResultList(tournament, dir + "/result.txt");
    (void)resultScreenLines(tournament);
    (void)prizeListText(tournament);
    (void)prizeListCsv(tournament);
    (void)buildScoreCards(tournament);
    return 0;
}
