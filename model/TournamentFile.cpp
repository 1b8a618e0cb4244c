// Saving and reopening a tournament file: the header, the course name and the groups
// with their players, in one read and at most one write of the file.

#include <algorithm>
#include <vector>

#include "ini/IniFile.h"
#include "model/CTournament.h"
#include "text/Text.h"

namespace {

using text::numbered;

std::string resultsText(const std::array<int, MaxHoles>& results) {
    std::string line;
    for (int hole = 0; hole < MaxHoles; ++hole) {
        if (hole > 0) line += ' ';
        line += text::formatInt(results[hole]);
    }
    return line;
}

char setterLetter(const HoleSources& sources) {
    if (sources.organiser) return 'O';
    if (sources.marker.strokes > 0) return 'M';
    return sources.player.strokes > 0 ? 'P' : '-';
}

std::string phoneEntriesText(const CPlayer& player, PhoneEntry HoleSources::*role) {
    std::string line;
    for (int hole = 0; hole < MaxHoles; ++hole) {
        const PhoneEntry& entry = player.sources[hole].*role;
        if (hole > 0) line += ' ';
        if (entry.seq == 0) line += '-';
        else line += text::joined(text::formatInt(entry.strokes), ":", text::formatInt(entry.seq), ":", entry.device);
    }
    return line;
}

bool hasPhoneEntries(const CPlayer& player) {
    return std::any_of(player.sources.begin(), player.sources.end(),
                       [](const HoleSources& sources) { return sources.hasPhoneEntry(); });
}

// Who set each hole and the phones' last entries, written once a phone has entered anything.
void writeSources(IniFile& file, const std::string& section, int number, const CPlayer& player) {
    if (!hasPhoneEntries(player)) return;
    std::string setters;
    for (int hole = 0; hole < MaxHoles; ++hole) {
        if (hole > 0) setters += ' ';
        setters += setterLetter(player.sources[hole]);
    }
    file.setValue(section, numbered("SetBy", number), setters);
    file.setValue(section, numbered("MarkerEntries", number), phoneEntriesText(player, &HoleSources::marker));
    file.setValue(section, numbered("PlayerEntries", number), phoneEntriesText(player, &HoleSources::player));
}

// "strokes:seq:device"; anything else, "-" among it, is no entry.
PhoneEntry readPhoneEntry(std::string_view token) {
    const std::size_t first = token.find(':');
    const std::size_t second = first == std::string_view::npos ? first : token.find(':', first + 1);
    if (second == std::string_view::npos) return {};
    PhoneEntry entry{text::readInt(token.substr(0, first)), 0, std::string(token.substr(second + 1))};
    const std::string_view seq = token.substr(first + 1, second - first - 1);
    for (char c : seq) {
        if (!text::isDigit(c) || entry.seq > 100000000000000LL) return {};
        entry.seq = entry.seq * 10 + (c - '0');
    }
    if (entry.seq == 0 || entry.device.empty() || entry.strokes < 0) return {};
    return entry;
}

std::vector<std::string_view> tokens(std::string_view line) {
    std::vector<std::string_view> found;
    while (!line.empty()) {
        const std::size_t start = line.find_first_not_of(' ');
        if (start == std::string_view::npos) break;
        line.remove_prefix(start);
        const std::size_t end = std::min(line.find(' '), line.size());
        found.push_back(line.substr(0, end));
        line.remove_prefix(end);
    }
    return found;
}

void readSources(const IniFile& file, const std::string& section, int number, CPlayer& player) {
    player.sources.fill(HoleSources{});
    const std::string setterLine = file.value(section, numbered("SetBy", number));
    const std::vector<std::string_view> setters = tokens(setterLine);
    const std::string markerLine = file.value(section, numbered("MarkerEntries", number));
    const std::string playerLine = file.value(section, numbered("PlayerEntries", number));
    const std::vector<std::string_view> markers = tokens(markerLine);
    const std::vector<std::string_view> players = tokens(playerLine);
    for (int hole = 0; hole < MaxHoles; ++hole) {
        HoleSources& sources = player.sources[hole];
        const auto at = [hole](const std::vector<std::string_view>& list) {
            return hole < static_cast<int>(list.size()) ? list[hole] : std::string_view{};
        };
        if (at(markers).size() > 1) sources.marker = readPhoneEntry(at(markers));
        if (at(players).size() > 1) sources.player = readPhoneEntry(at(players));
        sources.organiser = at(setters) == "O";
    }
}

void writePlayer(IniFile& file, const std::string& section, int number, const CPlayer& player) {
    file.setValue(section, numbered("FirstName", number), player.firstName);
    file.setValue(section, numbered("SurName", number), player.surName);
    file.setValue(section, numbered("Club", number), player.club);
    file.setValue(section, numbered("HCP", number), text::formatFixed1(player.hcp));
    file.setValue(section, numbered("SH", number), text::formatFixed1(player.sh));
    file.setValue(section, numbered("Results", number), resultsText(player.results));
    writeSources(file, section, number, player);
}

void writeGroup(IniFile& file, int number, const CPlayGroup& group) {
    const std::string section = numbered("PlayGroup", number);
    file.setValue(section, "Group", text::formatInt(group.groupClass));
    file.setValue(section, "PlayForm", text::formatInt(group.playForm));
    file.setValue(section, "HCP", text::formatInt(group.allowance));
    file.setValue(section, "NoOfPlayers", text::formatInt(group.noOfPlayers));
    file.setValue(section, "GroupName", group.groupName);
    file.setValue(section, "Tee", text::formatInt(group.tee));
    if (!group.code.empty()) file.setValue(section, "Code", group.code);
    for (int p = 0; p < group.playerCount(); ++p) writePlayer(file, section, p + 1, group.players[p]);
}

void readPlayer(const IniFile& file, const std::string& section, int number, CPlayer& player) {
    player.firstName = file.textValue(section, numbered("FirstName", number));
    player.surName = file.textValue(section, numbered("SurName", number));
    player.club = file.textValue(section, numbered("Club", number));
    player.hcp = file.decimalValue(section, numbered("HCP", number));
    player.sh = file.decimalValue(section, numbered("SH", number));
    // Other values are cut at 49 characters; the score list is read whole, so eighteen
    // two-digit scores come back. Holes beyond the numbers present keep their scores.
    text::scanInts(file.value(section, numbered("Results", number)), player.results.data(), MaxHoles);
    readSources(file, section, number, player);
}

void readGroup(const IniFile& file, int number, CPlayGroup& group) {
    const std::string section = numbered("PlayGroup", number);
    group.groupClass = file.intValue(section, "Group");
    group.playForm = file.intValue(section, "PlayForm");
    group.setAllowance(settledAllowance(file.intValue(section, "HCP")));
    group.noOfPlayers = settledCount(file.intValue(section, "NoOfPlayers"));
    group.groupName = file.textValue(section, "GroupName");
    group.tee = file.intValue(section, "Tee");
    group.code = settledCode(file.textValue(section, "Code"));
    for (int p = 0; p < group.playerCount(); ++p) readPlayer(file, section, p + 1, group.players[p]);
}

// Everything a tournament file holds of the tournament, in the order it is written.
void writeTournament(IniFile& file, const CTournamentInfo& tournament) {
    file.setValue("Tournament", "Day", text::formatInt(tournament.day));
    file.setValue("Tournament", "Month", text::formatInt(tournament.month));
    file.setValue("Tournament", "Year", text::formatInt(tournament.year));
    file.setValue("Tournament", "Name", tournament.name);
    file.setValue("Tournament", "Type", tournament.type);
    file.setValue("Tournament", "NumberOfGroups", text::formatInt(tournament.numberOfGroups));
    file.setValue("Pitch", "Name", tournament.pitch.name);
    for (int g = 0; g < tournament.groupsInUse(); ++g) writeGroup(file, g + 1, tournament.groups[g]);
}

}  // namespace

std::string CTournament::storedForm() const { return storedFormNamed(name); }

std::string CTournament::storedFormNamed(std::string_view shownName) const {
    IniFile file;
    writeTournament(file, *this);
    file.setValue("Tournament", "Name", shownName);
    return file.contents();
}

bool CTournament::hasUnsavedChanges() const { return storedForm() != savedForm_; }

bool CTournament::hasUnsavedChangesBesidesName() const { return storedFormNamed(savedName_) != savedForm_; }

bool storedTournamentAt(const std::string& path) { return static_cast<bool>(files::readRegularFile(path).result); }

bool CTournament::replacesAnotherTournament(const std::string& path) const {
    return path != tournamentFile && storedTournamentAt(path);
}

void CTournament::markSaved() {
    savedForm_ = storedForm();
    savedName_ = name;
}

files::FileResult CTournament::save(const std::string& path) {
    // Keys and sections this tournament does not write stay in the file, so a file that
    // is there but cannot be read is not overwritten.
    const files::ReadResult existing = files::readRegularFile(path);
    if (!existing.result && existing.result.error != files::FileError::Missing) return existing.result;
    IniFile file = existing.result ? IniFile(existing.contents) : IniFile();
    writeTournament(file, *this);
    files::FileResult written = file.writeAtomically(path);
    if (written) {
        tournamentFile = path;
        markSaved();
    }
    return written;
}

files::FileResult CTournament::load(const std::string& path) {
    const files::ReadResult read = files::readRegularFile(path);
    if (!read.result) return read.result;
    const IniFile file(read.contents);
    tournamentFile = path;
    replacedInTournamentFile = file.replacedCharacters();

    day = file.intValue("Tournament", "Day");
    month = file.intValue("Tournament", "Month");
    year = file.intValue("Tournament", "Year");
    name = file.textValue("Tournament", "Name");
    type = file.textValue("Tournament", "Type");
    numberOfGroups = settledCount(file.intValue("Tournament", "NumberOfGroups"));
    selectPitch(file.textValue("Pitch", "Name"));
    // Groups and players beyond the counts read keep what they held.
    for (int g = 0; g < groupsInUse(); ++g) readGroup(file, g + 1, groups[g]);
    markSaved();
    return {};
}
