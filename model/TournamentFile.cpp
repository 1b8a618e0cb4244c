// Saving and reopening a tournament file: the header, the course name and the groups
// with their players, in one read and at most one write of the file.

#include "ini/IniFile.h"
#include "model/CTournament.h"
#include "model/HcpLimits.h"
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

void writePlayer(IniFile& file, const std::string& section, int number, const CPlayer& player) {
    file.setValue(section, numbered("FirstName", number), player.firstName);
    file.setValue(section, numbered("SurName", number), player.surName);
    file.setValue(section, numbered("Club", number), player.club);
    file.setValue(section, numbered("HCP", number), text::formatFixed1(player.hcp));
    file.setValue(section, numbered("SH", number), text::formatFixed1(player.sh));
    file.setValue(section, numbered("Results", number), resultsText(player.results));
}

void writeGroup(IniFile& file, int number, const CPlayGroup& group) {
    const std::string section = numbered("PlayGroup", number);
    file.setValue(section, "Group", text::formatInt(group.groupClass));
    file.setValue(section, "PlayForm", text::formatInt(group.playForm));
    file.setValue(section, "HCP", text::formatInt(group.allowance));
    file.setValue(section, "NoOfPlayers", text::formatInt(group.noOfPlayers));
    file.setValue(section, "GroupName", group.groupName);
    file.setValue(section, "Tee", text::formatInt(group.tee));
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
}

void readGroup(const IniFile& file, int number, CPlayGroup& group) {
    const std::string section = numbered("PlayGroup", number);
    group.groupClass = file.intValue(section, "Group");
    group.playForm = file.intValue(section, "PlayForm");
    group.setAllowance(settledAllowance(file.intValue(section, "HCP")));
    group.noOfPlayers = settledCount(file.intValue(section, "NoOfPlayers"));
    group.groupName = file.textValue(section, "GroupName");
    group.tee = file.intValue(section, "Tee");
    for (int p = 0; p < group.playerCount(); ++p) readPlayer(file, section, p + 1, group.players[p]);
}

// A group's format is kept only where the type has formats; a "Singel" file keeps its bytes.
void writeGroupFormat(IniFile& file, int number, const CTournamentInfo& tournament) {
    const std::string section = numbered("PlayGroup", number);
    if (formatNamesOfType(tournament.type).empty()) file.removeKey(section, "Format");
    else file.setValue(section, "Format", formatNameOf(tournament.type, tournament.groups[number - 1].format));
}

void readGroupFormat(const IniFile& file, int number, CTournamentInfo& tournament) {
    const std::string format = file.textValue(numbered("PlayGroup", number), "Format");
    tournament.groups[number - 1].format = formatOfName(tournament.type, format);
}

// The prize settings are written only when set, and taken away when no longer set.
void writePrizeSettings(IniFile& file, const CTournamentInfo& tournament) {
    if (tournament.hcpLimits.empty()) file.removeKey("Tournament", "HcpLimits");
    else file.setValue("Tournament", "HcpLimits", hcpLimitsText(tournament.hcpLimits));
    if (!tournament.grossPrize) file.removeKey("Tournament", "GrossPrize");
    else file.setValue("Tournament", "GrossPrize", "1");
}

// Limits a damaged file gives that are not ascending numbers 0..54 count as none.
void readPrizeSettings(const IniFile& file, CTournamentInfo& tournament) {
    tournament.hcpLimits = readHcpLimits(file.textValue("Tournament", "HcpLimits")).value_or(std::vector<int>{});
    tournament.grossPrize = file.intValue("Tournament", "GrossPrize") == 1;
}

// Everything a tournament file holds of the tournament, in the order it is written.
void writeTournament(IniFile& file, const CTournamentInfo& tournament) {
    file.setValue("Tournament", "Day", text::formatInt(tournament.day));
    file.setValue("Tournament", "Month", text::formatInt(tournament.month));
    file.setValue("Tournament", "Year", text::formatInt(tournament.year));
    file.setValue("Tournament", "Name", tournament.name);
    file.setValue("Tournament", "Type", tournament.type);
    file.setValue("Tournament", "NumberOfGroups", text::formatInt(tournament.numberOfGroups));
    writePrizeSettings(file, tournament);
    file.setValue("Pitch", "Name", tournament.pitch.name);
    for (int g = 0; g < tournament.groupsInUse(); ++g) {
        writeGroup(file, g + 1, tournament.groups[g]);
        writeGroupFormat(file, g + 1, tournament);
    }
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
    readPrizeSettings(file, *this);
    selectPitch(file.textValue("Pitch", "Name"));
    // Groups and players beyond the counts read keep what they held.
    for (int g = 0; g < groupsInUse(); ++g) {
        readGroup(file, g + 1, groups[g]);
        readGroupFormat(file, g + 1, *this);
    }
    markSaved();
    return {};
}
