#pragma once
// How the prize lists place their rows, shared by the individual, best-gross and side lists:
// a ranking key of the total and one figure per countback step, lower better in every place.

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "scoring/Prize.h"

namespace ranking {

inline constexpr std::array<int, 4> CountbackHoles{9, 6, 3, 1};
inline constexpr std::array<std::string_view, 4> CountbackWords{"siste 9", "siste 6", "siste 3", "siste hull"};
inline constexpr std::string_view SharedPlaceText = "delt";

// The total first, then one figure per countback step; lower is better in every place.
using Key = std::array<long long, 1 + CountbackHoles.size()>;

template <typename Entry>
struct Ranked {
    Entry entry;
    Key key{};
};

// Places 1, 2, 2, 4 and the working word of each row below an equal neighbour.
template <typename Entry>
void placeRanked(std::vector<Ranked<Entry>>& ranked) {
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        Entry& entry = ranked[i].entry;
        entry.place = static_cast<int>(i) + 1;
        if (i == 0 || ranked[i - 1].key[0] != ranked[i].key[0]) continue;
        const Key& above = ranked[i - 1].key;
        const Key& own = ranked[i].key;
        const auto differs = std::mismatch(above.begin() + 1, above.end(), own.begin() + 1).first;
        if (differs == above.end()) {
            entry.place = ranked[i - 1].entry.place;
            entry.working = SharedPlaceText;
        } else {
            entry.working = CountbackWords[differs - above.begin() - 1];
        }
    }
}

// Ranked rows by their key, then the unranked ones by status in the order given.
template <typename Entry>
std::vector<Entry> rankedRows(std::vector<Ranked<Entry>> scored, std::initializer_list<PrizeStatus> unrankedOrder) {
    std::vector<Ranked<Entry>> ranked;
    for (Ranked<Entry>& candidate : scored) {
        if (candidate.entry.status == PrizeStatus::Ranked) ranked.push_back(std::move(candidate));
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const Ranked<Entry>& a, const Ranked<Entry>& b) { return a.key < b.key; });
    placeRanked(ranked);
    std::vector<Entry> rows;
    rows.reserve(scored.size());
    for (Ranked<Entry>& entry : ranked) rows.push_back(std::move(entry.entry));
    for (const PrizeStatus status : unrankedOrder) {
        for (Ranked<Entry>& candidate : scored) {
            if (candidate.entry.status == status) rows.push_back(std::move(candidate.entry));
        }
    }
    return rows;
}

}  // namespace ranking
