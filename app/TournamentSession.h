#pragma once
// The tournament session: the one owner of the tournament of a run. Every change of stored data
// goes through its operations, which write the record and, when the value differs, announce what
// changed, once; writing an equal value changes and announces nothing. Screens read the record
// through tournament() and listen to the signals to redraw, so no screen tells another one.

#include <QObject>
#include <string>
#include <string_view>

#include "ini/FileSystem.h"
#include "model/CTournament.h"
#include "model/ImportLine.h"

// The header fields of a tournament a screen can change.
enum class TournamentField { Day, Month, Year, Name, Type, NumberOfGroups, Course };

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

    // A group's settings, for a group position 0..8; other positions change nothing. The
    // allowance is an index of AllowanceNames (one outside the table changes nothing); the
    // player count is held to 0..9.
    void setGroupClass(int group, int groupClass);
    void setPlayForm(int group, int playForm);
    void setAllowance(int group, int allowance);
    void setNoOfPlayers(int group, int count);
    void setTee(int group, int tee);
    void setGroupName(int group, const std::string& name);

    // A player's texts, for a player position 0..8 of a group position 0..8.
    void setFirstName(int group, int player, const std::string& text);
    void setSurName(int group, int player, const std::string& text);
    void setClub(int group, int player, const std::string& text);
    // The handicap index and, when the group's tee is a tee of the selected course, the
    // playing handicap worked out from it on that tee.
    void setHandicap(int group, int player, float hcp);
    // The strokes of a player on hole 0..17.
    void setStrokes(int group, int player, int hole, int strokes);

    // Forgets the tournament file and clears the tournament; the course table stays.
    void newTournament();
    // Reads the tournament file at `path`; changes nothing and says why when it cannot.
    files::FileResult open(const std::string& path);
    // Writes the tournament file at `path`; on failure the old file is untouched.
    files::FileResult save(const std::string& path);
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
    // New, open and import: anything may have changed.
    void tournamentReplaced();
    // The course table was read again: its names and figures may differ.
    void courseTableChanged();
    // The tournament was written to its file: nothing is unsaved now.
    void tournamentSaved();

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

    CTournament tournament_;

    // Tests arrange a tournament directly, without announcing each field.
    friend class TournamentSessionTestAccess;
};
