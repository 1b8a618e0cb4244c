#include "model/CTournament.h"

#include <algorithm>

void CTournamentInfo::clear() {
    day = 0;
    month = 0;
    year = 0;
    numberOfGroups = 0;
    name.clear();
    type.clear();
    hcpLimits.clear();
    grossPrize = false;
    pitch.clear();
    for (CPlayGroup& group : groups) group.clear();
}

int CTournamentInfo::groupsInUse() const { return std::clamp(numberOfGroups, 0, MaxGroups); }

int CTournamentInfo::totalPlayers() const {
    int total = 0;
    for (int g = 0; g < groupsInUse(); ++g) total += groups[g].playerCount();
    return total;
}

CTournament::CTournament(std::string configPath)
    : tournamentFile(DefaultTournamentFile), configFile(std::move(configPath)) {
    loadPitches();
    // The course list of the main window is filled from these names.
    for (int i = 0; i < pitchCount(); ++i) PitchNames[i] = pitches[i].name;
    // The empty tournament of a new run is nothing to save.
    markSaved();
}

void CTournament::reloadPitches() {
    // Rows start empty, so nothing of a course that was there before is left in them.
    pitches.fill(CPitch{});
    PitchNames.fill(std::string());
    loadPitches();
    for (int i = 0; i < pitchCount(); ++i) PitchNames[i] = pitches[i].name;
}

CTournament::~CTournament() = default;

int CTournament::pitchCount() const { return std::clamp(numberOfPitches, 0, MaxPitches); }

int CTournament::findPitch(std::string_view name) const {
    for (int i = pitchCount() - 1; i >= 0; --i) {
        if (pitches[i].name == name) return i;
    }
    return -1;
}

void CTournament::selectPitch(std::string_view name) {
    // The name may be a view into pitch.name itself; copy it before assigning.
    pitch.name = std::string(name);
    const int found = findPitch(pitch.name);
    if (found < 0) return;
    const CPitch& source = pitches[found];
    pitch.holes = source.holes;
    pitch.par = source.par;
    pitch.index = source.index;
    pitch.numberOfTees = source.numberOfTees;
    // Tee slots the source does not use keep their earlier contents.
    for (int t = 0; t < source.teeCount(); ++t) {
        pitch.slopeValue[t] = source.slopeValue[t];
        pitch.parValue[t] = source.parValue[t];
        pitch.pitchValue[t] = source.pitchValue[t];
        pitch.teeName[t] = source.teeName[t];
    }
}

namespace {

// Whether `text` is first name, one blank, surname, without building the text.
bool hasPlayerText(const CPlayer& player, std::string_view text) {
    const std::size_t first = player.firstName.size();
    return text.size() == first + 1 + player.surName.size() && text.substr(0, first) == player.firstName &&
           text[first] == ' ' && text.substr(first + 1) == player.surName;
}

}  // namespace

CPlayer* CTournament::findPlayer(std::string_view text) {
    CPlayer* match = nullptr;
    for (int g = 0; g < groupsInUse(); ++g) {
        CPlayGroup& group = groups[g];
        for (int p = 0; p < group.playerCount(); ++p) {
            if (hasPlayerText(group.players[p], text)) match = &group.players[p];
        }
    }
    return match;
}

CPlayGroup* CTournament::findPlayerGroup(std::string_view text) {
    CPlayGroup* match = nullptr;
    for (int g = 0; g < groupsInUse(); ++g) {
        CPlayGroup& group = groups[g];
        for (int p = 0; p < group.playerCount(); ++p) {
            if (hasPlayerText(group.players[p], text)) match = &group;
        }
    }
    return match;
}

void CTournament::newTournament() {
    tournamentFile.clear();
    CTournamentInfo::clear();
    markSaved();
}

bool CTournament::selectedCourseHasTee(int tee) const {
    return tee >= 0 && tee < pitch.teeCount() && findPitch(pitch.name) >= 0;
}

std::string_view CTournament::selectedTeeName(int tee) const {
    return selectedCourseHasTee(tee) ? pitch.teeNameAt(tee) : std::string_view{};
}
