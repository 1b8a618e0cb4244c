#include "scoring/Sides.h"

#include <array>
#include <span>

#include "scoring/Handicap.h"

namespace {

constexpr std::array<SideFormat, 4> PairFormats{SideFormat::BestBall, SideFormat::Greensome, SideFormat::Foursome,
                                                SideFormat::Scramble};
constexpr std::array<SideFormat, 2> TeamFormats{SideFormat::BestTwoOfFour, SideFormat::Scramble};
static_assert(PairFormats.size() == PairFormatNames.size() && TeamFormats.size() == TeamFormatNames.size());

// Shares of the course handicaps, lowest first, in hundredths.
constexpr std::array<int, 2> GreensomeShares{60, 40};
constexpr std::array<int, 2> FoursomeShares{50, 50};
constexpr std::array<int, 2> ScrambleOfTwoShares{35, 15};
constexpr std::array<int, 3> ScrambleOfThreeShares{30, 20, 10};
constexpr std::array<int, 4> ScrambleOfFourShares{25, 20, 15, 10};

std::span<const int> sharesOf(SideFormat format, std::size_t players) {
    switch (format) {
        case SideFormat::Greensome:
            return GreensomeShares;
        case SideFormat::Foursome:
            return FoursomeShares;
        case SideFormat::Scramble:
            if (players <= 2) return ScrambleOfTwoShares;
            if (players == 3) return ScrambleOfThreeShares;
            return ScrambleOfFourShares;
        default:
            return {};
    }
}

}  // namespace

SideFormat sideFormatOf(const CTournamentInfo& tournament, const CPlayGroup& group) {
    const int format = formatOfName(tournament.type, formatNameOf(tournament.type, group.format));
    switch (sideSizeOfType(tournament.type)) {
        case 2:
            return PairFormats[format];
        case 4:
            return TeamFormats[format];
        default:
            return SideFormat::Single;
    }
}

bool playsOneBall(SideFormat format) {
    return format == SideFormat::Greensome || format == SideFormat::Foursome || format == SideFormat::Scramble;
}

bool playsSides(const CTournamentInfo& tournament) { return sideSizeOfType(tournament.type) > 1; }

std::vector<std::vector<int>> sidesOf(const CPlayGroup& group, int sideSize) {
    std::vector<std::vector<int>> sides;
    for (int p = 0; p < group.playerCount(); ++p) {
        if (p % sideSize == 0) sides.emplace_back();
        sides.back().push_back(p);
    }
    return sides;
}

int sideNumberOf(const CPlayGroup& group, int sideSize, int player) {
    if (sideSize <= 1 || player < 0 || player >= group.playerCount()) return 0;
    const bool alone = player % sideSize == 0 && player + 1 == group.playerCount();
    return alone ? 0 : player / sideSize + 1;
}

std::optional<int> oneBallHandicap(const CTournamentInfo& tournament, const CPlayGroup& group,
                                   const std::vector<int>& players) {
    const SideFormat format = sideFormatOf(tournament, group);
    if (!playsOneBall(format) || tournament.pitch.name.empty()) return std::nullopt;
    std::vector<CourseHandicap> handicaps;
    for (const int p : players) {
        const std::optional<CourseHandicap> handicap = courseHandicap(tournament.pitch, group.tee,
                                                                      group.players[p].hcp);
        if (!handicap) return std::nullopt;
        handicaps.push_back(*handicap);
    }
    return weightedPlayingHandicap(std::move(handicaps), sharesOf(format, players.size()));
}
