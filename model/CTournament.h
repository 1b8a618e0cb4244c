#pragma once
// The one tournament of a run: its header, course copy and nine groups (CTournamentInfo,
// the part a tournament file holds), plus the course table read at start-up.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "ini/FileSystem.h"
#include "model/Records.h"

class IniFile;

inline constexpr std::string_view DefaultTournamentFile = "./Storage.ini";
inline constexpr std::string_view DefaultConfigFile = "./config/TeebrookConfig.ini";

struct CTournamentInfo {
    int day = 0;
    int month = 0;
    int year = 0;
    int numberOfGroups = 0;
    std::string name;
    std::string type;
    CPitch pitch;
    std::array<CPlayGroup, MaxGroups> groups;
    // The index limits of the handicap classes, in tenths, ascending, 0..540, at most two;
    // none when the individual competitions are not split.
    std::vector<int> hcpLimits;
    // Whether each individual stroke-play competition gets a best-gross list as well.
    bool grossPrize = false;

    // Date parts and group count to 0, name and type empty, the course copy and the
    // nine groups cleared.
    void clear();
    // numberOfGroups limited to 0..9: the groups in use.
    int groupsInUse() const;
    // Sum of noOfPlayers (each limited to 0..9) over the groups in use.
    int totalPlayers() const;
};

// What reading a tournament file found that the organiser must hear of.
struct TournamentFileReport {
    // The faults of a damaged file (UTF-8 lines such as "Gruppe B, spiller 3: mangler."),
    // empty for a sound one.
    std::vector<std::string> faults;
    // An older file keeps its course by name only: the name, when the course table lacks it.
    std::string courseNotInTable;
};

// Whether a tournament file is there to be read at `path`.
bool storedTournamentAt(const std::string& path);

class CTournament : public CTournamentInfo {
public:
    // Builds the empty tournament and reads the course table from `configPath`.
    explicit CTournament(std::string configPath = std::string(DefaultConfigFile));
    virtual ~CTournament();

    std::array<CPitch, MaxPitches> pitches;
    int numberOfPitches = 0;
    // Entry i is the name of pitches[i] for i below numberOfPitches, taken at construction.
    std::array<std::string, MaxPitches> PitchNames;
    std::string tournamentFile;
    std::string configFile;
    // The characters of the course table file, and of the tournament file last read, that
    // Windows-1252 cannot hold and that read as '?' (UTF-8 files, as today's editors save them).
    std::size_t replacedInCourseTable = 0;
    std::size_t replacedInTournamentFile = 0;
    // What the tournament file last read was found to hold wrongly.
    TournamentFileReport lastRead;

    // numberOfPitches limited to 0..100.
    int pitchCount() const;
    // Index of the last course named exactly `name`, or -1.
    int findPitch(std::string_view name) const;
    // Sets pitch.name and copies the course of that name, if the table has one.
    void selectPitch(std::string_view name);
    // The last player in use (group then player order) whose identity text equals `text`.
    CPlayer* findPlayer(std::string_view text);
    CPlayGroup* findPlayerGroup(std::string_view text);
    // Forgets the tournament file and clears the CTournamentInfo part; the course table stays.
    void newTournament();

    // Reads the course table from configFile (course table file).
    void loadPitches();
    // Reads the course table again after it was saved, and takes the names anew; the course
    // copy `pitch` of the tournament keeps its figures until a course is chosen again, and
    // unsaved changes of the tournament stay unsaved.
    void reloadPitches();
    // Writes the tournament file at `path` through files::replaceFile; keys and sections the
    // file held that this tournament does not write stay in place. On failure the old file
    // is untouched and the answer says why (an existing file that cannot be read counts).
    files::FileResult save(const std::string& path);
    // Reads the tournament file at `path` into an empty tournament: groups, players, strokes
    // and the course come from the file alone (an older file's course from the table by its
    // name); the course table stays. Changes nothing and says why when it cannot be read
    // (Missing when there is no file, WrongContents when it is no tournament file). A damaged
    // file is read as far as it can be, and lastRead says what was wrong.
    files::FileResult load(const std::string& path);
    // Takes the tournament a recovery copy holds (`copy`, its contents), as belonging to the
    // tournament file `fileOfCopy`, and counts it as unsaved. A copy with any fault is refused
    // whole (WrongContents) and changes nothing.
    files::FileResult restore(std::string_view copy, const std::string& fileOfCopy);
    // Whether the file at `path`, this tournament's own file, changed on disk since it was last
    // opened or saved here (another program or another copy of this one wrote it).
    bool changedOnDisk(const std::string& path) const;

    // The tournament file a save into a new file would write.
    std::string storedForm() const;
    // Whether the stored data changed since the tournament was last saved, opened or made new.
    bool hasUnsavedChanges() const;
    // The same, not counting the name: in the main window the name field also names the
    // tournament to open, so typing that name alone loses nothing.
    bool hasUnsavedChangesBesidesName() const;
    // Whether saving to `path` would replace another stored tournament: a tournament file is
    // there, and this tournament was neither opened from it nor saved to it.
    bool replacesAnotherTournament(const std::string& path) const;
    // Whether `tee` is a tee of the selected course: a course of the table, of which the
    // tournament's copy is taken. Playing handicaps are worked out from such tees only.
    bool selectedCourseHasTee(int tee) const;
    // The name of `tee` when the selected course has it, else the empty text.
    std::string_view selectedTeeName(int tee) const;
    // Takes the data as it is now as the data last saved.
    void markSaved();

private:
    // What a save would write, with `name` as the tournament's name.
    std::string storedFormNamed(std::string_view name) const;

    // Reads `file` into `into`, reporting its faults; refuses a file that holds no tournament.
    files::FileResult readInto(CTournamentInfo& into, const IniFile& file, TournamentFileReport& report) const;

    std::string savedForm_;
    std::string savedName_;
    // The bytes of the tournament file as this run last read or wrote them.
    std::string diskContents_;
};
