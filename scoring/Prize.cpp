#include "scoring/Prize.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>

#include "scoring/Handicap.h"
#include "text/Encoding.h"

using namespace text::literals;

namespace {

// The texts of unranked players and of the countback's working, as the records keep them.
constexpr std::string_view NotCompletedText = "Ikke fullført"_cp1252;
constexpr std::string_view NotStartedText = "Ikke startet";
constexpr std::string_view SharedPlaceText = "delt";
constexpr std::string_view NoTeeText = "Mangler tee";

constexpr std::array<int, 4> CountbackHoles{9, 6, 3, 1};
constexpr std::array<std::string_view, 4> CountbackWords{"siste 9", "siste 6", "siste 3", "siste hull"};

// The total first, then one figure per countback step; lower is better in every place.
using RankingKey = std::array<long long, 1 + CountbackHoles.size()>;

struct RankedEntry {
    PrizeEntry entry;
    RankingKey key{};
};

// Zero, a picked-up hole, and anything below it in a damaged file count as no strokes.
int strokesOn(const CPlayer& player, int hole) { return std::max(player.results[hole], 0); }

// 1-based rank of each of the n holes by stroke index, equal indexes by hole number.
std::array<int, MaxHoles> holeRanks(const CPitch& pitch, int n) {
    std::array<int, MaxHoles> order{};
    std::iota(order.begin(), order.begin() + n, 0);
    std::stable_sort(order.begin(), order.begin() + n, [&](int a, int b) { return pitch.index[a] < pitch.index[b]; });
    std::array<int, MaxHoles> rank{};
    for (int r = 0; r < n; ++r) rank[order[r]] = r + 1;
    return rank;
}

RankingKey rankingKey(const CPlayer& player, const CPitch& pitch, const std::array<int, MaxHoles>& received,
                      const PrizeEntry& entry, int n, bool stableford) {
    RankingKey key{};
    key[0] = stableford ? -entry.points : entry.net;
    for (std::size_t step = 0; step < CountbackHoles.size(); ++step) {
        const int k = CountbackHoles[step];
        if (k >= n) continue;
        long long gross = 0;
        long long points = 0;
        for (int hole = n - k; hole < n; ++hole) {
            gross += strokesOn(player, hole);
            points += stablefordPoints(player.results[hole], pitch.par[hole], received[hole]);
        }
        // Gross less PH x k / n, scaled by n so the fraction stays exact.
        key[step + 1] = stableford ? -points : gross * n - static_cast<long long>(entry.playingHandicap) * k;
    }
    return key;
}

RankedEntry scoreEntry(const CTournamentInfo& tournament, int g, int p, int n, bool stableford) {
    const CPlayGroup& group = tournament.groups[g];
    const CPlayer& player = group.players[p];
    RankedEntry ranked;
    PrizeEntry& entry = ranked.entry;
    entry.groupIndex = g;
    entry.playerIndex = p;
    entry.firstName = player.firstName;
    entry.surName = player.surName;
    entry.club = player.club;
    entry.groupName = group.groupName;
    const std::optional<int> playingHandicap = playingHandicapOf(tournament, group, player);
    entry.playingHandicap = playingHandicap.value_or(0);
    const std::array<int, MaxHoles> received = strokesReceived(tournament.pitch, entry.playingHandicap);
    for (int hole = 0; hole < n; ++hole) {
        const int strokes = strokesOn(player, hole);
        if (strokes > 0) ++entry.holesPlayed;
        entry.gross += strokes;
        entry.points += stablefordPoints(strokes, tournament.pitch.par[hole], received[hole]);
    }
    entry.net = entry.gross - entry.playingHandicap;
    if (!playingHandicap) entry.status = PrizeStatus::NoTee;
    else if (entry.holesPlayed == 0) entry.status = PrizeStatus::NotStarted;
    else if (!stableford && entry.holesPlayed < n) entry.status = PrizeStatus::NotCompleted;
    ranked.key = rankingKey(player, tournament.pitch, received, entry, n, stableford);
    return ranked;
}

// Places 1, 2, 2, 4 and the working word of each row below an equal neighbour.
void placeRanked(std::vector<RankedEntry>& ranked) {
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        PrizeEntry& entry = ranked[i].entry;
        entry.place = static_cast<int>(i) + 1;
        if (i == 0 || ranked[i - 1].key[0] != ranked[i].key[0]) continue;
        const RankingKey& above = ranked[i - 1].key;
        const RankingKey& own = ranked[i].key;
        const auto differs = std::mismatch(above.begin() + 1, above.end(), own.begin() + 1).first;
        if (differs == above.end()) {
            entry.place = ranked[i - 1].entry.place;
            entry.working = SharedPlaceText;
        } else {
            entry.working = CountbackWords[differs - above.begin() - 1];
        }
    }
}

void rankCompetition(PrizeCompetition& competition, std::vector<RankedEntry>& scored) {
    std::vector<RankedEntry> ranked;
    for (RankedEntry& candidate : scored) {
        if (candidate.entry.status == PrizeStatus::Ranked) ranked.push_back(std::move(candidate));
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const RankedEntry& a, const RankedEntry& b) { return a.key < b.key; });
    placeRanked(ranked);
    competition.entries.clear();
    competition.entries.reserve(scored.size());
    for (RankedEntry& entry : ranked) competition.entries.push_back(std::move(entry.entry));
    for (const PrizeStatus status : {PrizeStatus::NotCompleted, PrizeStatus::NotStarted, PrizeStatus::NoTee}) {
        for (RankedEntry& candidate : scored) {
            if (candidate.entry.status == status) competition.entries.push_back(std::move(candidate.entry));
        }
    }
}

}  // namespace

std::string_view prizeStatusText(PrizeStatus status) {
    switch (status) {
        case PrizeStatus::NotCompleted:
            return NotCompletedText;
        case PrizeStatus::NotStarted:
            return NotStartedText;
        case PrizeStatus::NoTee:
            return NoTeeText;
        case PrizeStatus::Ranked:
            break;
    }
    return {};
}

std::array<int, MaxHoles> strokesReceived(const CPitch& pitch, int playingHandicap) {
    const int n = pitch.holesThatCount();
    const std::array<int, MaxHoles> rank = holeRanks(pitch, n);
    const int whole = std::abs(playingHandicap) / n;
    const int rest = std::abs(playingHandicap) % n;
    std::array<int, MaxHoles> received{};
    for (int hole = 0; hole < n; ++hole) {
        if (playingHandicap >= 0) received[hole] = whole + (rank[hole] <= rest ? 1 : 0);
        else received[hole] = -(whole + (rank[hole] > n - rest ? 1 : 0));
    }
    return received;
}

long long stablefordPoints(int strokes, int par, int received) {
    if (strokes <= 0) return 0;
    return std::max(0LL, 2LL + par + received - strokes);
}

long long stablefordPoints(const CPlayer& player, const CPitch& pitch, int playingHandicap) {
    const int n = pitch.holesThatCount();
    const std::array<int, MaxHoles> received = strokesReceived(pitch, playingHandicap);
    long long points = 0;
    for (int hole = 0; hole < n; ++hole)
        points += stablefordPoints(player.results[hole], pitch.par[hole], received[hole]);
    return points;
}

std::vector<PrizeCompetition> buildPrizeList(const CTournamentInfo& tournament) {
    const int n = tournament.pitch.holesThatCount();
    std::vector<PrizeCompetition> competitions;
    std::vector<std::vector<RankedEntry>> scored;
    for (int g = 0; g < tournament.groupsInUse(); ++g) {
        const CPlayGroup& group = tournament.groups[g];
        if (group.playerCount() == 0) continue;
        auto found = std::find_if(competitions.begin(), competitions.end(), [&](const PrizeCompetition& c) {
            return c.groupClass == group.groupClass && c.playForm == group.playForm;
        });
        if (found == competitions.end()) {
            PrizeCompetition competition;
            competition.groupClass = group.groupClass;
            competition.playForm = group.playForm;
            competition.className = className(group.groupClass);
            competition.playFormName = playFormName(group.playForm);
            competition.stableford = group.playsStableford();
            competitions.push_back(std::move(competition));
            scored.emplace_back();
            found = competitions.end() - 1;
        }
        auto& entries = scored[found - competitions.begin()];
        for (int p = 0; p < group.playerCount(); ++p)
            entries.push_back(scoreEntry(tournament, g, p, n, found->stableford));
    }
    for (std::size_t c = 0; c < competitions.size(); ++c) rankCompetition(competitions[c], scored[c]);
    return competitions;
}
