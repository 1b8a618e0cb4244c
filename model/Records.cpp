#include "model/Records.h"

#include <algorithm>
#include <climits>
#include <numeric>
#include <utility>

std::string playerText(std::string_view firstName, std::string_view surName) {
    std::string result;
    result.reserve(firstName.size() + 1 + surName.size());
    result.append(firstName).append(1, ' ').append(surName);
    return result;
}

std::string settledCode(std::string_view code) {
    std::string settled(code);
    for (char& c : settled) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    const bool isCode = settled.size() == CodeLength && std::all_of(settled.begin(), settled.end(), [](char c) {
                            return CodeAlphabet.find(c) != std::string_view::npos;
                        });
    return isCode ? settled : std::string();
}

int sideSizeOfType(std::string_view type) {
    if (type == TournamentTypes[1]) return 2;
    if (type == TournamentTypes[2]) return 4;
    return 1;
}

std::span<const std::string_view> formatNamesOfType(std::string_view type) {
    if (type == TournamentTypes[1]) return PairFormatNames;
    if (type == TournamentTypes[2]) return TeamFormatNames;
    return {};
}

int formatOfName(std::string_view type, std::string_view name) {
    const std::span<const std::string_view> names = formatNamesOfType(type);
    const auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? 0 : static_cast<int>(found - names.begin());
}

std::string_view formatNameOf(std::string_view type, int format) {
    const std::span<const std::string_view> names = formatNamesOfType(type);
    if (names.empty()) return {};
    return format >= 0 && format < static_cast<int>(names.size()) ? names[format] : names[0];
}

void CPlayer::clear() {
    firstName.clear();
    surName.clear();
    club.clear();
    hcp = 0.0f;
    sh = 0.0f;
    results.fill(0);
    sources.fill(HoleSources{});
}

int CPlayer::totalStrokes() const {
    const long long sum = std::accumulate(results.begin(), results.end(), 0LL);
    return static_cast<int>(std::clamp<long long>(sum, INT_MIN, INT_MAX));
}

void CPitch::clear() {
    name.clear();
    holes = 18;
}

int CPitch::totalPar() const {
    const long long sum = std::accumulate(par.begin(), par.end(), 0LL);
    return static_cast<int>(std::clamp<long long>(sum, INT_MIN, INT_MAX));
}

int CPitch::teeCount() const { return std::clamp(numberOfTees, 0, MaxTees); }

int CPitch::holeCount() const { return std::clamp(holes, 0, MaxHoles); }

int CPitch::holesThatCount() const { return holes >= 1 && holes <= MaxHoles ? holes : MaxHoles; }

std::string_view CPitch::teeNameAt(int tee) const {
    return tee >= 0 && tee < MaxTees ? std::string_view(teeName[tee]) : std::string_view{};
}

void CPlayGroup::clear() {
    groupClass = 0;
    playForm = 0;
    setAllowance(0);
    noOfPlayers = 0;
    code.clear();
    format = 0;
    for (CPlayer& player : players) player.clear();
}

bool CPlayGroup::addPlayer(const CPlayer& source) {
    if (noOfPlayers < 0 || noOfPlayers >= MaxPlayers) return false;
    CPlayer& slot = players[noOfPlayers];
    slot.firstName = source.firstName;
    slot.surName = source.surName;
    slot.hcp = source.hcp;
    ++noOfPlayers;
    return true;
}

void CPlayGroup::setAllowance(int index) {
    if (settledAllowance(index) != index) return;
    allowance = index;
    allowanceFactor = AllowanceFactors[index];
}

int CPlayGroup::playerCount() const { return std::clamp(noOfPlayers, 0, MaxPlayers); }

const CPlayer* CPlayGroup::playerAtRank(int k) const {
    const int n = playerCount();
    // An empty group has nobody at any position, also at the "first" one that k < 0 asks for.
    if (n == 0 || k >= n) return nullptr;
    // A stable sort by total strokes: equal totals keep registration order.
    std::array<int, MaxPlayers> order{};
    std::array<int, MaxPlayers> totals{};
    for (int i = 0; i < n; ++i) {
        order[i] = i;
        totals[i] = players[i].totalStrokes();
    }
    std::stable_sort(order.begin(), order.begin() + n, [&](int a, int b) { return totals[a] < totals[b]; });
    return &players[order[std::max(k, 0)]];
}

CPlayer* CPlayGroup::playerAtRank(int k) { return const_cast<CPlayer*>(std::as_const(*this).playerAtRank(k)); }
