#pragma once
// The tournament session: the one owner of the tournament of a run. Every change of stored data
// goes through its operations, which write the record and, when the value differs, announce what
// changed, once; writing an equal value changes and announces nothing. Screens read the record
// through tournament() and listen to the signals to redraw, so no screen tells another one.

#include <QObject>
#include <string>
#include <string_view>
#include <vector>

#include "ini/FileSystem.h"
#include "model/CTournament.h"
#include "model/ImportLine.h"
#include "scoring/LiveScoring.h"

// The header fields of a tournament a screen can change.
enum class TournamentField { Day, Month, Year, Name, Type, NumberOfGroups, Course, HcpLimits, GrossPrize };

class TournamentSession : public QObject {
    Q_OBJECT
public:
    // Builds the empty tournament, which reads the course table from `configPath`.
    explicit TournamentSession(std::string configPath, QObject* parent = nullptr);
    ~TournamentSession() override;

    const CTournament& tournament() const { return tournament_; }

    // The header. The group count is held to 0..9.
    void setDay(int day);
    void setMonth(int month);
    void setYear(int year);
    void setName(const std::string& name);
    void setType(const std::string& type);
    void setNumberOfGroups(int count);
    // Takes the course of that name from the course table as the tournament's course.
    void selectCourse(std::string_view name);
    // The index limits of the handicap classes, in tenths (see readHcpLimits); none to split nothing.
    void setHcpLimits(const std::vector<int>& limits);
    void setGrossPrize(bool on);

    // A group's settings, for a group position 0..8; other positions change nothing. The
    // allowance is an index of AllowanceNames (one outside the table changes nothing); the
    // player count is held to 0..9.
    void setGroupClass(int group, int groupClass);
    void setPlayForm(int group, int playForm);
    void setAllowance(int group, int allowance);
    void setNoOfPlayers(int group, int count);
    void setTee(int group, int tee);
    void setGroupName(int group, const std::string& name);
    // The position of the group's format among the formats of the tournament's type.
    void setFormat(int group, int format);

    // A player's texts, for a player position 0..8 of a group position 0..8.
    void setFirstName(int group, int player, const std::string& text);
    void setSurName(int group, int player, const std::string& text);
    void setClub(int group, int player, const std::string& text);
    // The handicap index and, when the group's tee is a tee of the selected course, the
    // playing handicap worked out from it on that tee.
    void setHandicap(int group, int player, float hcp);
    // The strokes of a player on hole 0..17, as the program fills its own fields: who set the
    // hole stays as it was.
    void setStrokes(int group, int player, int hole, int strokes);
    // The organiser's edit of a stroke on the play screen: the organiser becomes the hole's setter
    // (0 takes the organiser's stroke away, and the phones' entries stand again).
    void setStrokesByOrganiser(int group, int player, int hole, int strokes);

    // Live scoring. A phone's entry, which passed checkEntry; announces strokesChanged when it
    // changed the hole (its stroke, a phone's entry or a conflict).
    EntryOutcome applyScoreEntry(const ScoreEntry& entry);
    // Draws codes for the groups in use without one, announcing each group; nothing when the
    // random source failed.
    std::optional<std::vector<int>> drawMissingCodes(const RandomBytes& random = systemRandomBytes());
    // A new code for group position 0..8 in use, announced as the group's change; false when the
    // random source failed or there is no such group.
    bool replaceCode(int group, const RandomBytes& random = systemRandomBytes());
    // What the phones' journal beside the tournament file last opened or restored gave back:
    // entries a scoring service acknowledged that the file (or the recovery copy) may lack.
    struct JournalState {
        std::string path;
        files::FileResult read;  // Missing when there was none
        JournalReplay replay;
    };
    const JournalState& lastJournal() const { return journal_; }

    // Forgets the tournament file and clears the tournament; the course table stays.
    void newTournament();
    // Reads the tournament file at `path`; changes nothing and says why when it cannot.
    files::FileResult open(const std::string& path);
    // Writes the tournament file at `path`; on failure the old file is untouched. The phones'
    // journal of that file is no longer needed once it holds their entries, and goes.
    files::FileResult save(const std::string& path);
    // Takes the tournament of a recovery copy (its contents) for the tournament file
    // `tournamentFile`, as unsaved work; a copy that is not whole changes nothing.
    files::FileResult restore(std::string_view copy, const std::string& tournamentFile);
    // Adds the players of an import file's contents to group A.
    ImportCounts importPlayers(std::string_view contents);
    // Reads the course table again after it was saved.
    void reloadCourseTable();

signals:
    void headerChanged(TournamentField field);
    // A setting of a group changed (its name, class, play form, allowance, count or tee).
    void groupChanged(int group);
    // A player's name, club or handicap changed.
    void playerChanged(int group, int player);
    void strokesChanged(int group, int player, int hole);
    // New, open, restore and import: anything may have changed.
    void tournamentReplaced();
    // The tournament was written to its file: nothing is unsaved now.
    void tournamentSaved();
    // The course table was read again: its names and figures may differ.
    void courseTableChanged();

private:
    // The group or player at a position, or nullptr outside the nine.
    CPlayGroup* groupAt(int group);
    CPlayer* playerAt(int group, int player);
    // Stores `value` into `field` and announces it through `announce` when it differs.
    template <typename T, typename Announce>
    void store(T& field, const T& value, Announce announce);
    void storeHeader(TournamentField field, int& target, int value);
    void storeGroup(int group, int CPlayGroup::*field, int value);
    void storePlayerText(int group, int player, std::string CPlayer::*field, const std::string& text);

    // Applies the journal beside `tournamentFile`, if there is one.
    void replayJournalBeside(const std::string& tournamentFile);

    CTournament tournament_;
    JournalState journal_;

    // Tests arrange a tournament directly, without announcing each field.
    friend class TournamentSessionTestAccess;
};
