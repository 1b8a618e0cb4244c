#include "scoring/LiveScoring.h"

#include <algorithm>
#include <array>
#include <sstream>

#include "ini/FileSystem.h"
#include "scoring/Prize.h"
#include "scoring/Sides.h"
#include "text/Encoding.h"
#include "text/Text.h"

using namespace text::literals;

namespace {

bool codeInUse(const CTournamentInfo& tournament, std::string_view code) {
    return std::any_of(tournament.groups.begin(), tournament.groups.end(),
                       [&](const CPlayGroup& group) { return group.code == code; });
}

std::optional<std::string> drawCode(const RandomBytes& random) {
    // 32 letters: the low five bits of a byte pick one without bias.
    static_assert(CodeAlphabet.size() == 32);
    std::array<unsigned char, CodeLength> bytes{};
    if (!random(bytes.data(), bytes.size())) return std::nullopt;
    std::string code;
    for (unsigned char byte : bytes) code += CodeAlphabet[byte & 31u];
    return code;
}

int storedFromSources(const HoleSources& sources, int organiserStroke) {
    if (sources.organiser) return organiserStroke;
    if (sources.marker.strokes > 0) return sources.marker.strokes;
    return sources.player.strokes;
}

CPlayer& playerOf(CTournamentInfo& tournament, const ScoreEntry& entry) {
    return tournament.groups[entry.group].players[entry.player];
}

bool readsAsEntry(std::istringstream& line, ScoreEntry& entry) {
    char role = 0;
    line >> entry.group >> entry.player >> entry.hole >> role >> entry.strokes >> entry.seq >> entry.device;
    if (!line || (role != 'M' && role != 'P')) return false;
    entry.role = role == 'M' ? EntryRole::Marker : EntryRole::Player;
    return true;
}

void replayLine(CTournamentInfo& tournament, std::string_view text, JournalReplay& replay) {
    std::istringstream line{std::string(text)};
    std::string kind;
    line >> kind;
    ScoreEntry entry;
    if (kind.empty()) return;  // the line break a failed write leaves before the next one
    if (kind == "S" && readsAsEntry(line, entry) && entry.group >= 0 && entry.group < tournament.groupsInUse() &&
        checkEntry(tournament, entry) == EntryFault::None) {
        applyEntry(tournament, entry);
        ++replay.applied;
        return;
    }
    int group = -1;
    std::string code;
    if (kind == "C" && (line >> group >> code) && group >= 0 && group < MaxGroups && !settledCode(code).empty()) {
        tournament.groups[group].code = settledCode(code);
        ++replay.applied;
        return;
    }
    ++replay.skipped;
}

BoardRow boardRow(const PrizeEntry& entry) {
    return {entry.place,
            playerText(entry.firstName, entry.surName),
            entry.club,
            entry.holesPlayed,
            entry.gross,
            entry.net,
            entry.points,
            entry.working,
            prizeStatusText(entry.status)};
}

std::string boardTitle(const PrizeCompetition& competition) {
    std::string title(competition.className);
    if (!title.empty() && !competition.playFormName.empty()) title += " – "_cp1252;
    return title + std::string(competition.playFormName);
}

}  // namespace

RandomBytes systemRandomBytes() { return &files::secureRandomBytes; }

std::string groupPagePath(std::string_view code) { return text::joined("/g/", code); }

bool replaceCode(CTournamentInfo& tournament, int group, const RandomBytes& random) {
    for (;;) {
        const std::optional<std::string> code = drawCode(random);
        if (!code) return false;
        if (codeInUse(tournament, *code)) continue;
        tournament.groups[group].code = *code;
        return true;
    }
}

std::optional<std::vector<int>> drawMissingCodes(CTournamentInfo& tournament, const RandomBytes& random) {
    std::vector<int> drawn;
    for (int g = 0; g < tournament.groupsInUse(); ++g) {
        CPlayGroup& group = tournament.groups[g];
        if (!group.code.empty()) continue;
        std::optional<std::string> code;
        // A repeat is drawn again: 32^6 codes make more than a few draws all but impossible.
        do {
            code = drawCode(random);
            if (!code) return std::nullopt;
        } while (codeInUse(tournament, *code));
        group.code = *code;
        drawn.push_back(g);
    }
    return drawn;
}

std::optional<int> groupWithCode(const CTournamentInfo& tournament, std::string_view typed) {
    const std::string code = settledCode(typed);
    if (code.empty()) return std::nullopt;
    for (int g = 0; g < tournament.groupsInUse(); ++g) {
        if (tournament.groups[g].code == code) return g;
    }
    return std::nullopt;
}

bool organiserHasSet(const CPlayer& player, int hole) {
    const HoleSources& sources = player.sources[hole];
    return sources.organiser || (!sources.hasPhoneEntry() && player.results[hole] != 0);
}

Setter setterOf(const CPlayer& player, int hole) {
    if (organiserHasSet(player, hole)) return Setter::Organiser;
    if (player.sources[hole].marker.strokes > 0) return Setter::Marker;
    if (player.sources[hole].player.strokes > 0) return Setter::Player;
    return Setter::None;
}

bool isConflict(const CPlayer& player, int hole) {
    const HoleSources& sources = player.sources[hole];
    return !organiserHasSet(player, hole) && sources.marker.strokes > 0 && sources.player.strokes > 0 &&
           sources.marker.strokes != sources.player.strokes;
}

bool setByOrganiser(CPlayer& player, int hole, int strokes) {
    HoleSources& sources = player.sources[hole];
    const HoleSources before = sources;
    const int storedBefore = player.results[hole];
    sources.organiser = strokes != 0;
    player.results[hole] = storedFromSources(sources, strokes);
    return !(sources == before) || player.results[hole] != storedBefore;
}

bool isDeviceText(std::string_view device) {
    const auto allowed = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || text::isDigit(c) || c == '.' || c == '_' || c == '-';
    };
    return !device.empty() && device.size() <= MaxDeviceLength && std::all_of(device.begin(), device.end(), allowed);
}

std::vector<ConflictHole> conflictHoles(const CTournamentInfo& tournament) {
    std::vector<ConflictHole> conflicts;
    for (int g = 0; g < tournament.groupsInUse(); ++g) {
        const CPlayGroup& group = tournament.groups[g];
        for (int p = 0; p < group.playerCount(); ++p) {
            for (int h = 0; h < tournament.pitch.holesThatCount(); ++h) {
                if (!isConflict(group.players[p], h)) continue;
                const HoleSources& sources = group.players[p].sources[h];
                conflicts.push_back({g, p, h, sources.marker.strokes, sources.player.strokes});
            }
        }
    }
    return conflicts;
}

bool takesEntries(const CTournamentInfo& tournament, int group, int player) {
    const CPlayGroup& playing = tournament.groups[group];
    if (player < 0 || player >= playing.playerCount()) return false;
    if (!playsOneBall(sideFormatOf(tournament, playing))) return true;
    for (const std::vector<int>& side : sidesOf(playing, sideSizeOfType(tournament.type))) {
        if (!side.empty() && side.front() == player) return true;
    }
    return false;
}

EntryFault checkEntry(const CTournamentInfo& tournament, const ScoreEntry& entry) {
    if (!takesEntries(tournament, entry.group, entry.player)) return EntryFault::Player;
    if (entry.hole < 0 || entry.hole >= tournament.pitch.holesThatCount()) return EntryFault::Hole;
    if (entry.strokes < 0 || entry.strokes > MaxEntryStrokes) return EntryFault::Strokes;
    if (!isDeviceText(entry.device)) return EntryFault::Device;
    if (entry.seq < 1) return EntryFault::Seq;
    return EntryFault::None;
}

EntryOutcome holeOutcome(const CTournamentInfo& tournament, int group, int player, int hole) {
    const CPlayer& shown = tournament.groups[group].players[player];
    return {shown.results[hole], isConflict(shown, hole), false};
}

bool isRepeatEntry(const CTournamentInfo& tournament, const ScoreEntry& entry) {
    const HoleSources& sources = tournament.groups[entry.group].players[entry.player].sources[entry.hole];
    const PhoneEntry& last = entry.role == EntryRole::Marker ? sources.marker : sources.player;
    return last.device == entry.device && entry.seq <= last.seq;
}

EntryOutcome applyEntry(CTournamentInfo& tournament, const ScoreEntry& entry) {
    CPlayer& player = playerOf(tournament, entry);
    HoleSources& sources = player.sources[entry.hole];
    if (isRepeatEntry(tournament, entry)) return holeOutcome(tournament, entry.group, entry.player, entry.hole);
    // The first phone entry of a hole: a stroke already there was typed by the organiser.
    if (!sources.hasPhoneEntry() && player.results[entry.hole] != 0) sources.organiser = true;
    PhoneEntry& last = entry.role == EntryRole::Marker ? sources.marker : sources.player;
    last = {entry.strokes, entry.seq, entry.device};
    player.results[entry.hole] = storedFromSources(sources, player.results[entry.hole]);
    EntryOutcome outcome = holeOutcome(tournament, entry.group, entry.player, entry.hole);
    outcome.changed = true;
    return outcome;
}

std::string journalLine(const ScoreEntry& entry) {
    return text::joined("S ", text::formatInt(entry.group), " ", text::formatInt(entry.player), " ",
                        text::formatInt(entry.hole), entry.role == EntryRole::Marker ? " M " : " P ",
                        text::formatInt(entry.strokes), " ", text::formatInt(entry.seq), " ", entry.device, "\n");
}

std::string codeJournalLine(int group, std::string_view code) {
    return text::joined("C ", text::formatInt(group), " ", code, "\n");
}

JournalReplay replayJournal(CTournamentInfo& tournament, std::string_view journal) {
    JournalReplay replay;
    while (!journal.empty()) {
        const std::size_t end = journal.find('\n');
        // A line without its end was being written when the program stopped; it was never answered.
        if (end == std::string_view::npos) {
            ++replay.skipped;
            break;
        }
        replayLine(tournament, journal.substr(0, end), replay);
        journal.remove_prefix(end + 1);
    }
    return replay;
}

std::vector<BoardCompetition> boardStandings(const CTournamentInfo& tournament) {
    std::vector<BoardCompetition> board;
    for (const PrizeCompetition& competition : buildPrizeList(tournament)) {
        BoardCompetition shown{boardTitle(competition), competition.playFormName, {}};
        for (const PrizeEntry& entry : competition.entries) shown.rows.push_back(boardRow(entry));
        board.push_back(std::move(shown));
    }
    return board;
}
