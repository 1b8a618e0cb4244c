// Saving and reopening a tournament file: the header, the course it plays and the groups
// with their players, in one read and at most one write of the file.

#include <algorithm>
#include <charconv>
#include <vector>

#include "ini/IniFile.h"
#include "model/CTournament.h"
#include "model/CourseTable.h"
#include "model/CourseTableFile.h"
#include "model/HcpLimits.h"
#include "text/Text.h"

namespace {

using text::numbered;

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
    file.setValue(section, numbered("Results", number), holeList(player.results, MaxHoles));
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

// A course rating as the course table writes it: with a point, in the fewest digits that read
// back as the same figure.
std::string ratingText(float rating) {
    std::array<char, 32> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), rating);
    std::string text(digits.data(), written.ptr);
    // A whole rating keeps its decimal, as the course table writes 72.0.
    if (text.find_first_of(".e") == std::string::npos) text += ".0";
    return text;
}

// The course the tournament plays, with the course table's own keys, so a later edit of the
// table changes no tournament already played.
void writeCourse(IniFile& file, const CPitch& pitch) {
    const int holes = pitch.holeCount();
    file.setValue("Course", "Holes", text::formatInt(pitch.holes));
    file.setValue("Course", "Par", holeList(pitch.par, holes));
    file.setValue("Course", "Index", holeList(pitch.index, holes));
    file.setValue("Course", "NumberOfTees", text::formatInt(pitch.teeCount()));
    for (int tee = 0; tee < pitch.teeCount(); ++tee) {
        file.setValue("Course", numbered("Tee", tee + 1), pitch.teeName[tee]);
        file.setValue("Course", numbered("SlopeValue", tee + 1), text::formatInt(pitch.slopeValue[tee]));
        file.setValue("Course", numbered("ParValue", tee + 1), text::formatInt(pitch.parValue[tee]));
        file.setValue("Course", numbered("PitchValue", tee + 1), ratingText(pitch.pitchValue[tee]));
    }
}

// A course known by its figures; a name the course table lacked gave none, and stays a name
// only, so the course is taken from the table once it has it.
bool holdsACourse(const CPitch& pitch) { return !pitch.name.empty() && (pitch.teeCount() > 0 || pitch.totalPar() > 0); }

// What a damaged file is missing or holds wrongly, one short line each (UTF-8), in file order.
class Faults {
public:
    explicit Faults(std::vector<std::string>& lines) : lines_(lines) {}
    void add(std::string line) { lines_.push_back(std::move(line)); }
    void check(bool sound, std::string_view where, std::string_view fault) {
        if (!sound) add(std::string(where) + ": " + std::string(fault));
    }

private:
    std::vector<std::string>& lines_;
};

std::string groupLabel(int group) { return "Gruppe " + std::string(1, static_cast<char>('A' + group)); }

std::string playerLabel(int group, int player) {
    return groupLabel(group) + ", spiller " + text::formatInt(player + 1);
}

// A results line as a save writes it: a whole number for each of the 18 holes.
bool isResultsLine(std::string_view line) {
    int numbers = 0;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && line[at] == ' ') ++at;
        if (at == line.size()) break;
        const std::size_t start = at;
        while (at < line.size() && text::isDigit(line[at])) ++at;
        if (at == start || (at < line.size() && line[at] != ' ')) return false;
        ++numbers;
    }
    return numbers == MaxHoles;
}

constexpr std::array<std::string_view, 6> PlayerKeys{"FirstName", "SurName", "Club", "HCP", "SH", "Results"};

void readPlayer(const IniFile& file, const std::string& section, int number, CPlayer& player) {
    player.firstName = file.textValue(section, numbered("FirstName", number));
    player.surName = file.textValue(section, numbered("SurName", number));
    player.club = file.textValue(section, numbered("Club", number));
    player.hcp = file.decimalValue(section, numbered("HCP", number));
    player.sh = file.decimalValue(section, numbered("SH", number));
    // Other values are cut at 49 characters; the score list is read whole, so eighteen
    // two-digit scores come back.
    text::scanInts(file.value(section, numbered("Results", number)), player.results.data(), MaxHoles);
    readSources(file, section, number, player);
}

void checkPlayer(const IniFile& file, const std::string& section, int group, int player, Faults& faults) {
    const int number = player + 1;
    int present = 0;
    for (std::string_view key : PlayerKeys) present += file.hasKey(section, numbered(key, number)) ? 1 : 0;
    const std::string where = playerLabel(group, player);
    if (present == 0) return faults.add(where + ": mangler.");
    if (!isResultsLine(file.value(section, numbered("Results", number))))
        return faults.add(where + ": resultatene er ikke tall.");
    faults.check(present == static_cast<int>(PlayerKeys.size()), where, "ufullstendig.");
}

void readGroup(const IniFile& file, int group, CPlayGroup& into, const CPitch& course, Faults& faults) {
    const std::string section = numbered("PlayGroup", group + 1);
    const std::string where = groupLabel(group);
    if (!file.hasSection(section)) return faults.add(where + ": mangler.");
    into.groupClass = file.intValue(section, "Group");
    into.playForm = file.intValue(section, "PlayForm");
    const int allowance = file.intValue(section, "HCP");
    const int count = file.intValue(section, "NoOfPlayers");
    into.setAllowance(settledAllowance(allowance));
    into.noOfPlayers = settledCount(count);
    into.groupName = file.textValue(section, "GroupName");
    into.tee = file.intValue(section, "Tee");
    into.code = settledCode(file.textValue(section, "Code"));
    faults.check(!className(into.groupClass).empty(), where, "ukjent klasse.");
    faults.check(!playFormName(into.playForm).empty(), where, "ukjent spilleform.");
    faults.check(settledAllowance(allowance) == allowance, where, "ukjent handicapandel.");
    faults.check(settledCount(count) == count, where, "antall spillere er ikke 0 til 9.");
    faults.check(course.teeCount() == 0 || (into.tee >= 0 && into.tee < course.teeCount()), where,
                 "teen finnes ikke på banen.");
    for (int p = 0; p < into.playerCount(); ++p) {
        readPlayer(file, section, p + 1, into.players[p]);
        checkPlayer(file, section, group, p, faults);
    }
}

// The course of an older file, kept only by name, comes from the course table.
void copyCourseOfTable(const CTournament& table, std::string_view name, CPitch& into) {
    const int found = table.findPitch(name);
    if (found < 0) return;
    const std::string keptName = into.name;
    into = table.pitches[found];
    into.name = keptName;
}

void checkCourse(const IniFile& file, const CPitch& course, Faults& faults) {
    const auto listLength = [](std::string_view list) {
        std::array<int, MaxHoles> numbers{};
        return text::scanInts(list, numbers.data(), MaxHoles);
    };
    faults.check(course.holes >= 1 && course.holes <= MaxHoles, "Banen", "antall hull er ikke 1 til 18.");
    faults.check(listLength(file.value("Course", "Par")) >= course.holeCount() &&
                     listLength(file.value("Course", "Index")) >= course.holeCount(),
                 "Banen", "par eller indeks mangler.");
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
    if (holdsACourse(tournament.pitch)) writeCourse(file, tournament.pitch);
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
    const std::string contents = file.contents();
    files::FileResult written = file.writeAtomically(path);
    if (written) {
        tournamentFile = path;
        diskContents_ = contents;
        markSaved();
    }
    return written;
}

bool CTournament::changedOnDisk(const std::string& path) const {
    if (path != tournamentFile) return false;
    const files::ReadResult now = files::readRegularFile(path);
    if (now.result.error == files::FileError::Missing) return false;
    return !now.result || now.contents != diskContents_;
}

files::FileResult CTournament::restore(std::string_view copy, const std::string& fileOfCopy) {
    const IniFile file(copy);
    CTournamentInfo restored;
    TournamentFileReport report;
    if (files::FileResult parsed = readInto(restored, file, report); !parsed) return parsed;
    // A copy is written whole by this program: any fault means it is not what was written.
    if (!report.faults.empty()) return {files::FileError::WrongContents, {}};
    static_cast<CTournamentInfo&>(*this) = std::move(restored);
    lastRead = std::move(report);
    tournamentFile = fileOfCopy;
    replacedInTournamentFile = 0;
    const files::ReadResult onDisk = files::readRegularFile(fileOfCopy);
    diskContents_ = onDisk.result ? onDisk.contents : std::string();
    // What the copy holds was never saved.
    savedForm_.clear();
    savedName_ = name;
    return {};
}

// Whether a file holds a tournament at all: its "[Tournament]" section names it or counts its groups.
bool isTournamentFile(const IniFile& file) {
    return file.hasKey("Tournament", "Name") || file.hasKey("Tournament", "NumberOfGroups");
}

files::FileResult CTournament::readInto(CTournamentInfo& into, const IniFile& file,
                                        TournamentFileReport& report) const {
    if (!isTournamentFile(file)) return {files::FileError::WrongContents, {}};
    Faults faults(report.faults);
    into.clear();
    into.day = file.intValue("Tournament", "Day");
    into.month = file.intValue("Tournament", "Month");
    into.year = file.intValue("Tournament", "Year");
    into.name = file.textValue("Tournament", "Name");
    into.type = file.textValue("Tournament", "Type");
    readPrizeSettings(file, into);
    const int groups = file.intValue("Tournament", "NumberOfGroups");
    into.numberOfGroups = settledCount(groups);
    faults.check(settledCount(groups) == groups, "Turneringen", "antall grupper er ikke 0 til 9.");
    into.pitch.name = file.textValue("Pitch", "Name");
    if (file.hasSection("Course")) {
        readCourse(courseValuesIn(file, "Course", into.pitch.name), into.pitch);
        checkCourse(file, into.pitch, faults);
    } else if (findPitch(into.pitch.name) >= 0) {
        copyCourseOfTable(*this, into.pitch.name, into.pitch);
    } else if (!into.pitch.name.empty()) {
        report.courseNotInTable = into.pitch.name;
    }
    for (int g = 0; g < into.groupsInUse(); ++g) {
        readGroup(file, g, into.groups[g], into.pitch, faults);
        readGroupFormat(file, g + 1, into);
    }
    return {};
}

files::FileResult CTournament::load(const std::string& path) {
    const files::ReadResult read = files::readRegularFile(path);
    if (!read.result) return read.result;
    const IniFile file(read.contents);
    // Read into an empty tournament, so nothing of the one open before is left in it.
    CTournamentInfo opened;
    TournamentFileReport report;
    if (files::FileResult parsed = readInto(opened, file, report); !parsed) return parsed;
    static_cast<CTournamentInfo&>(*this) = std::move(opened);
    lastRead = std::move(report);
    tournamentFile = path;
    replacedInTournamentFile = file.replacedCharacters();
    diskContents_ = read.contents;
    markSaved();
    return {};
}
