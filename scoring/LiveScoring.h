#pragma once
// Live scoring: the rules the scoring service follows, as plain functions over the records.
// Each group has a code the phones of its marker and players give; each hole remembers who set
// its stroke (the organiser on the play screen, the marker's or the player's phone) and the
// phones' last entries, so the organiser's stroke wins, then the marker's, then the player's.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/CTournament.h"

inline constexpr int MaxEntryStrokes = 30;
inline constexpr std::size_t MaxDeviceLength = 64;

// Fills the bytes asked for from a random source; false when the source fails. The program's
// source is the system's secure one (files::secureRandomBytes); tests give their own.
using RandomBytes = std::function<bool(unsigned char*, std::size_t)>;
RandomBytes systemRandomBytes();

// Draws a code for every group in use that has none, distinct from the codes of all groups.
// Returns the positions of the groups given one, or nothing when the source failed (codes drawn
// before the failure stay).
std::optional<std::vector<int>> drawMissingCodes(CTournamentInfo& tournament, const RandomBytes& random);
// Gives group `group` a new code, distinct from the codes of all groups, for when its code went
// astray; false when the source failed (the old code stays).
bool replaceCode(CTournamentInfo& tournament, int group, const RandomBytes& random);
// The path of a group's phone page, which its QR code links to: "/g/<code>".
std::string groupPagePath(std::string_view code);
// The position of the group in use whose code is `typed`, letter case aside; nothing when none.
std::optional<int> groupWithCode(const CTournamentInfo& tournament, std::string_view typed);

// Who gave a hole its stroke.
enum class Setter { None, Organiser, Marker, Player };
// Whose phone an entry comes from.
enum class EntryRole { Marker, Player };

// Whether the organiser's stroke stands on `hole`: set on the play screen, or, on a hole no phone
// has entered, any stroke there (files from before live scoring, strokes typed after the round).
bool organiserHasSet(const CPlayer& player, int hole);
Setter setterOf(const CPlayer& player, int hole);
// The marker's and the player's entries differ and the organiser has not set the hole.
bool isConflict(const CPlayer& player, int hole);
// A hole in conflict, for the organiser to settle; positions 0-based.
struct ConflictHole {
    int group = 0;
    int player = 0;
    int hole = 0;
    int markerStrokes = 0;
    int playerStrokes = 0;
};
// Every hole in conflict of the groups in use, by group, player and hole.
std::vector<ConflictHole> conflictHoles(const CTournamentInfo& tournament);
// The organiser's edit on the play screen: `strokes` becomes the organiser's, or, when 0, the
// organiser's stroke is taken away and the phones' entries stand again. True when it changed
// the stored stroke or its setter.
bool setByOrganiser(CPlayer& player, int hole, int strokes);

// One phone's entry; player and hole are 0-based.
struct ScoreEntry {
    int group = 0;
    int player = 0;
    int hole = 0;
    EntryRole role = EntryRole::Marker;
    int strokes = 0;  // 0 withdraws the phone's entry
    long long seq = 0;
    std::string device;
};

// Whether player `player` (0-based) of group `group` takes phone entries: a registered player,
// and of a side playing one ball only the side's first, on whose row its strokes stand.
bool takesEntries(const CTournamentInfo& tournament, int group, int player);

// What is wrong with an entry, by the field at fault.
enum class EntryFault { None, Player, Hole, Strokes, Device, Seq };
// A device text: 1..64 characters of letters, digits, '.', '_' and '-'.
bool isDeviceText(std::string_view device);
EntryFault checkEntry(const CTournamentInfo& tournament, const ScoreEntry& entry);

struct EntryOutcome {
    int stored = 0;  // the hole's stroke after the entry
    bool conflict = false;
    bool changed = false;  // false for the same entry again and for an older one of the device
};
// The same device and seq again, or a lower seq of the device that entered the role's last entry
// for the hole: such an entry changes nothing and needs no journal line.
bool isRepeatEntry(const CTournamentInfo& tournament, const ScoreEntry& entry);
// Applies an entry that passed checkEntry. The same device and seq again, or a lower seq of the
// device that entered the role's last entry, changes nothing and answers as before.
EntryOutcome applyEntry(CTournamentInfo& tournament, const ScoreEntry& entry);
// The outcome the hole stands at now, for the answer to an entry that changed nothing.
EntryOutcome holeOutcome(const CTournamentInfo& tournament, int group, int player, int hole);

// The journal beside the recovery copy: one line per entry acknowledged or code drawn, applied
// again on start after the tournament is read.
std::string journalLine(const ScoreEntry& entry);
std::string codeJournalLine(int group, std::string_view code);
struct JournalReplay {
    int applied = 0;
    int skipped = 0;  // lines that did not read as an entry or a code (a torn last line)
};
JournalReplay replayJournal(CTournamentInfo& tournament, std::string_view journal);

// One row of the clubhouse board's standings.
struct BoardRow {
    int place = 0;  // 0 for a player without a place
    std::string name;
    std::string club;
    int holes = 0;
    long long gross = 0;
    long long net = 0;
    long long points = 0;
    std::string_view working;  // the countback, as the prize list gives it
    std::string_view status;   // "Ikke fullført", "Ikke startet", "Mangler tee" or empty
};
struct BoardCompetition {
    std::string title;  // class and play form, as the board heads it
    std::string_view playForm;
    std::vector<BoardRow> rows;
};
std::vector<BoardCompetition> boardStandings(const CTournamentInfo& tournament);
