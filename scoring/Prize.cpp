#include "scoring/Prize.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>

#include "scoring/Handicap.h"
#include "scoring/Ranking.h"
#include "text/Encoding.h"

using namespace text::literals;

namespace {

using ranking::CountbackHoles;
using RankingKey = ranking::Key;
using RankedEntry = ranking::Ranked<PrizeEntry>;

// The texts of unranked players, as the records keep them.
constexpr std::string_view NotCompletedText = "Ikke fullført"_cp1252;
constexpr std::string_view NotStartedText = "Ikke startet";
constexpr std::string_view NoTeeText = "Mangler tee";
constexpr std::string_view WithoutPartnerText = "Uten makker";
constexpr std::string_view WithoutTeamText = "Uten lag";
constexpr std::array<std::string_view, 3> HcpClassLetters{"A", "B", "C"};

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

void rankCompetition(PrizeCompetition& competition, std::vector<RankedEntry> scored) {
    competition.entries = ranking::rankedRows(std::move(scored),
                                              {PrizeStatus::NotCompleted, PrizeStatus::NotStarted, PrizeStatus::NoTee});
}

// Gross strokes over holes 1..n, then over the last 9, 6, 3 and 1 holes.
RankingKey grossKey(const CPlayer& player, const PrizeEntry& entry, int n) {
    RankingKey key{};
    key[0] = entry.gross;
    for (std::size_t step = 0; step < CountbackHoles.size(); ++step) {
        const int k = CountbackHoles[step];
        if (k >= n) continue;
        for (int hole = n - k; hole < n; ++hole) key[step + 1] += strokesOn(player, hole);
    }
    return key;
}

std::vector<RankedEntry> byGross(const CTournamentInfo& tournament, const std::vector<RankedEntry>& scored, int n) {
    std::vector<RankedEntry> result;
    for (const RankedEntry& candidate : scored) {
        const CPlayer& player = tournament.groups[candidate.entry.groupIndex].players[candidate.entry.playerIndex];
        result.push_back({candidate.entry, grossKey(player, candidate.entry, n)});
    }
    return result;
}

// 0 for A (up to and including the first limit), 1 for B, 2 for C; indexes compared in tenths.
std::size_t hcpClassOf(const std::vector<int>& limits, float hcp) {
    const long long tenths = std::llround(static_cast<double>(hcp) * 10.0);
    std::size_t hcpClass = 0;
    while (hcpClass < limits.size() && tenths > limits[hcpClass]) ++hcpClass;
    return hcpClass;
}

// The competition, ranked, or its handicap classes, each followed by its best-gross list.
void addRankedCompetitions(const CTournamentInfo& tournament, const PrizeCompetition& competition,
                           const std::vector<RankedEntry>& scored, std::vector<PrizeCompetition>& out) {
    const int n = tournament.pitch.holesThatCount();
    // Classes and best gross are prizes of individual tournaments only.
    const bool singles = sideSizeOfType(tournament.type) == 1;
    const std::vector<int> limits = singles ? tournament.hcpLimits : std::vector<int>{};
    const bool grossPrize = singles && tournament.grossPrize;
    const std::size_t classes = limits.empty() ? 1 : limits.size() + 1;
    for (std::size_t hcpClass = 0; hcpClass < classes; ++hcpClass) {
        std::vector<RankedEntry> part;
        for (const RankedEntry& candidate : scored) {
            const CPlayer& player = tournament.groups[candidate.entry.groupIndex].players[candidate.entry.playerIndex];
            if (limits.empty() || hcpClassOf(limits, player.hcp) == hcpClass) part.push_back(candidate);
        }
        if (part.empty()) continue;
        PrizeCompetition split = competition;
        if (!limits.empty()) split.className.append(" ").append(HcpClassLetters[hcpClass]);
        std::vector<RankedEntry> gross = grossPrize && !split.stableford ? byGross(tournament, part, n)
                                                                         : std::vector<RankedEntry>{};
        rankCompetition(split, std::move(part));
        out.push_back(std::move(split));
        if (gross.empty()) continue;
        PrizeCompetition best = competition;
        best.className = out.back().className + " Brutto";
        best.byGross = true;
        rankCompetition(best, std::move(gross));
        out.push_back(std::move(best));
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
        case PrizeStatus::WithoutPartner:
            return WithoutPartnerText;
        case PrizeStatus::WithoutTeam:
            return WithoutTeamText;
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
            competition.className = std::string(className(group.groupClass));
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
    std::vector<PrizeCompetition> ranked;
    for (std::size_t c = 0; c < competitions.size(); ++c)
        addRankedCompetitions(tournament, competitions[c], scored[c], ranked);
    return ranked;
}
