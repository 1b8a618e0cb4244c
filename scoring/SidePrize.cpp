#include "scoring/SidePrize.h"

#include <algorithm>
#include <functional>
#include <optional>

#include "scoring/Handicap.h"
#include "scoring/Ranking.h"
#include "text/Text.h"

namespace {

using HoleScores = std::array<std::optional<long long>, MaxHoles>;
using RankedSide = ranking::Ranked<SideEntry>;

// A ball that plays the hole: its strokes and the strokes its player or side receives there.
struct Ball {
    const CPlayer* player = nullptr;
    std::array<int, MaxHoles> received{};
};

int strokesOn(const CPlayer& player, int hole) { return std::max(player.results[hole], 0); }

// Net strokes where the ball has strokes; Stableford points, 0 for a hole without strokes.
std::optional<long long> ballScore(const Ball& ball, const CPitch& pitch, int hole, bool stableford) {
    const int strokes = strokesOn(*ball.player, hole);
    if (stableford) return stablefordPoints(strokes, pitch.par[hole], ball.received[hole]);
    if (strokes == 0) return std::nullopt;
    return static_cast<long long>(strokes) - ball.received[hole];
}

// The sum of the `counting` best ball scores of a hole; none when fewer balls have a score.
std::optional<long long> sideHoleScore(std::vector<long long> scores, std::size_t counting, bool stableford) {
    if (scores.size() < counting) return std::nullopt;
    if (stableford) std::sort(scores.begin(), scores.end(), std::greater<>());
    else std::sort(scores.begin(), scores.end());
    long long sum = 0;
    for (std::size_t i = 0; i < counting; ++i) sum += scores[i];
    return sum;
}

HoleScores holeScores(const std::vector<Ball>& balls, std::size_t counting, const CPitch& pitch, bool stableford) {
    HoleScores scores{};
    for (int hole = 0; hole < pitch.holesThatCount(); ++hole) {
        std::vector<long long> ballScores;
        for (const Ball& ball : balls) {
            if (const std::optional<long long> score = ballScore(ball, pitch, hole, stableford))
                ballScores.push_back(*score);
        }
        scores[hole] = sideHoleScore(std::move(ballScores), counting, stableford);
    }
    return scores;
}

// The total, then the countback's sums of hole scores over the last 9, 6, 3 and 1 holes.
ranking::Key sideKey(const HoleScores& scores, int n, bool stableford) {
    ranking::Key key{};
    const long long sign = stableford ? -1 : 1;
    for (int hole = 0; hole < n; ++hole) key[0] += sign * scores[hole].value_or(0);
    for (std::size_t step = 0; step < ranking::CountbackHoles.size(); ++step) {
        const int k = ranking::CountbackHoles[step];
        if (k >= n) continue;
        for (int hole = n - k; hole < n; ++hole) key[step + 1] += sign * scores[hole].value_or(0);
    }
    return key;
}

SideEntry sideNames(const CPlayGroup& group, int g, const std::vector<int>& players) {
    SideEntry entry;
    entry.groupIndex = g;
    entry.playerIndexes = players;
    entry.groupName = group.groupName;
    for (const int p : players) entry.names.push_back(group.players[p].text());
    return entry;
}

// The balls of the side with their strokes received; none when a handicap is missing.
std::optional<std::vector<Ball>> ballsOf(const CTournamentInfo& tournament, const CPlayGroup& group,
                                         const std::vector<int>& players, bool oneBall, SideEntry& entry) {
    std::vector<Ball> balls;
    if (oneBall) {
        const std::optional<int> handicap = oneBallHandicap(tournament, group, players);
        if (!handicap) return std::nullopt;
        entry.playingHandicaps.push_back(*handicap);
        balls.push_back({&group.players[players.front()], strokesReceived(tournament.pitch, *handicap)});
        return balls;
    }
    for (const int p : players) {
        const std::optional<int> handicap = playingHandicapOf(tournament, group, group.players[p]);
        if (!handicap) return std::nullopt;
        entry.playingHandicaps.push_back(*handicap);
        balls.push_back({&group.players[p], strokesReceived(tournament.pitch, *handicap)});
    }
    return balls;
}

// Strokes typed on the rows that count: the first row of a one-ball side, every row otherwise.
int holesWithStrokes(const std::vector<Ball>& balls, int n) {
    int holes = 0;
    for (int hole = 0; hole < n; ++hole) {
        const bool any = std::any_of(balls.begin(), balls.end(),
                                     [hole](const Ball& ball) { return strokesOn(*ball.player, hole) > 0; });
        holes += any ? 1 : 0;
    }
    return holes;
}

RankedSide scoreSide(const CTournamentInfo& tournament, int g, const std::vector<int>& players,
                     const SideCompetition& competition, int sideSize) {
    const CPlayGroup& group = tournament.groups[g];
    RankedSide ranked{sideNames(group, g, players)};
    SideEntry& entry = ranked.entry;
    if (sideSize > 1 && players.size() == 1) {
        entry.status = sideSize == 2 ? PrizeStatus::WithoutPartner : PrizeStatus::WithoutTeam;
        return ranked;
    }
    const int n = tournament.pitch.holesThatCount();
    // The strokes typed stand also when the side has no handicap, as a player's gross does.
    if (competition.oneBall) {
        for (int hole = 0; hole < n; ++hole) entry.gross += strokesOn(group.players[players.front()], hole);
    }
    const std::optional<std::vector<Ball>> balls = ballsOf(tournament, group, players, competition.oneBall, entry);
    if (!balls) {
        entry.playingHandicaps.clear();
        entry.status = PrizeStatus::NoTee;
        return ranked;
    }
    // A pair counts its better ball, a team its best two (a team of two both).
    const std::size_t counting = competition.oneBall || sideSize == 2 ? 1 : 2;
    const HoleScores scores = holeScores(*balls, counting, tournament.pitch, competition.stableford);
    for (int hole = 0; hole < n; ++hole) {
        if (scores[hole]) ++entry.holesScored;
        entry.total += scores[hole].value_or(0);
    }
    if (holesWithStrokes(*balls, n) == 0) entry.status = PrizeStatus::NotStarted;
    else if (!competition.stableford && entry.holesScored < n) entry.status = PrizeStatus::NotCompleted;
    ranked.key = sideKey(scores, n, competition.stableford);
    return ranked;
}

SideCompetition competitionOf(const CTournamentInfo& tournament, const CPlayGroup& group) {
    SideCompetition competition;
    competition.groupClass = group.groupClass;
    competition.playForm = group.playForm;
    competition.format = sideFormatOf(tournament, group);
    competition.className = className(group.groupClass);
    competition.playFormName = playFormName(group.playForm);
    competition.formatName = formatNameOf(tournament.type, group.format);
    competition.stableford = group.playsStableford();
    competition.oneBall = playsOneBall(competition.format);
    return competition;
}

}  // namespace

std::string SideEntry::playersText() const {
    std::string text;
    for (const std::string& name : names) {
        if (!text.empty()) text += " / ";
        text += name;
    }
    return text;
}

std::vector<SideCompetition> buildSidePrizeList(const CTournamentInfo& tournament) {
    const int sideSize = sideSizeOfType(tournament.type);
    std::vector<SideCompetition> competitions;
    if (sideSize <= 1) return competitions;
    std::vector<std::vector<RankedSide>> scored;
    for (int g = 0; g < tournament.groupsInUse(); ++g) {
        const CPlayGroup& group = tournament.groups[g];
        if (group.playerCount() == 0) continue;
        const SideCompetition candidate = competitionOf(tournament, group);
        auto found = std::find_if(competitions.begin(), competitions.end(), [&](const SideCompetition& c) {
            return c.groupClass == candidate.groupClass && c.playForm == candidate.playForm &&
                   c.format == candidate.format;
        });
        if (found == competitions.end()) {
            competitions.push_back(candidate);
            scored.emplace_back();
            found = competitions.end() - 1;
        }
        for (const std::vector<int>& players : sidesOf(group, sideSize))
            scored[found - competitions.begin()].push_back(scoreSide(tournament, g, players, *found, sideSize));
    }
    for (std::size_t c = 0; c < competitions.size(); ++c) {
        competitions[c].entries = ranking::rankedRows(
            std::move(scored[c]), {PrizeStatus::NotCompleted, PrizeStatus::NotStarted, PrizeStatus::NoTee,
                                   PrizeStatus::WithoutPartner, PrizeStatus::WithoutTeam});
    }
    return competitions;
}
