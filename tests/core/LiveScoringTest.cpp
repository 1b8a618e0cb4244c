// The rules of live scoring: who sets a hole, conflicts, repeated and late entries, codes, the
// journal and what the tournament file keeps of it all. Faulty entries and the board's rows are
// checked through the service's interface (tests/live).

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "TempFolder.h"
#include "scoring/LiveScoring.h"

namespace {

// One group of two players on an 18-hole course.
CTournamentInfo liveTournament() {
    CTournamentInfo tournament;
    tournament.numberOfGroups = 1;
    tournament.pitch.holes = 18;
    tournament.groups[0].noOfPlayers = 2;
    return tournament;
}

// One step on hole 1 of player 1: 'O' the organiser's edit, 'M'/'P' a phone entry.
struct Step {
    char who;
    int strokes;
    long long seq = 1;
    const char* device = "phone-a";
};

ScoreEntry entryOf(const Step& step) {
    return {0, 0, 0, step.who == 'M' ? EntryRole::Marker : EntryRole::Player, step.strokes, step.seq, step.device};
}

EntryOutcome play(CTournamentInfo& tournament, const Step& step) {
    if (step.who != 'O') return applyEntry(tournament, entryOf(step));
    const bool changed = setByOrganiser(tournament.groups[0].players[0], 0, step.strokes);
    return {tournament.groups[0].players[0].results[0], isConflict(tournament.groups[0].players[0], 0), changed};
}

struct HoleCase {
    const char* what;
    std::vector<Step> steps;
    int stored;
    Setter setter;
    bool conflict;
    bool lastChanged;
};

TEST(LiveScoring, TheOrganiserThenTheMarkerThenThePlayerSetsAHole) {
    const std::vector<HoleCase> cases{
        {"player alone", {{'P', 5}}, 5, Setter::Player, false, true},
        {"marker over player", {{'P', 5}, {'M', 4}}, 4, Setter::Marker, true, true},
        {"equal entries agree", {{'P', 4}, {'M', 4}}, 4, Setter::Marker, false, true},
        {"organiser over both", {{'P', 5}, {'M', 4}, {'O', 6}}, 6, Setter::Organiser, false, true},
        {"organiser gives back", {{'P', 5}, {'M', 4}, {'O', 6}, {'O', 0}}, 4, Setter::Marker, true, true},
        {"marker withdraws", {{'P', 5}, {'M', 4}, {'M', 0, 2}}, 5, Setter::Player, false, true},
        {"typed before any phone", {{'O', 3}, {'M', 4}}, 3, Setter::Organiser, false, true},
        {"same seq again", {{'M', 4, 7}, {'M', 6, 7}}, 4, Setter::Marker, false, false},
        {"lower seq late", {{'M', 4, 7}, {'M', 6, 3}}, 4, Setter::Marker, false, false},
        {"higher seq", {{'M', 4, 7}, {'M', 6, 8}}, 6, Setter::Marker, false, true},
        {"other device", {{'M', 4, 7}, {'M', 6, 1, "phone-b"}}, 6, Setter::Marker, false, true},
        {"nothing at all", {{'P', 0}}, 0, Setter::None, false, true},
    };
    for (const HoleCase& c : cases) {
        CTournamentInfo tournament = liveTournament();
        EntryOutcome last;
        for (const Step& step : c.steps) last = play(tournament, step);
        const CPlayer& player = tournament.groups[0].players[0];
        EXPECT_EQ(last.stored, c.stored) << c.what;
        EXPECT_EQ(player.results[0], c.stored) << c.what;
        EXPECT_EQ(setterOf(player, 0), c.setter) << c.what;
        EXPECT_EQ(last.conflict, c.conflict) << c.what;
        EXPECT_EQ(last.changed, c.lastChanged) << c.what;
    }
}

TEST(LiveScoring, OfASidePlayingOneBallOnlyTheFirstPlayerTakesEntries) {
    CTournamentInfo tournament = liveTournament();
    tournament.groups[0].noOfPlayers = 3;
    const std::vector<std::tuple<const char*, const char*, std::vector<bool>>> cases{
        {"Singel", "", {true, true, true}},
        {"Par", "Bestball", {true, true, true}},
        {"Par", "Greensome", {true, false, true}},
        {"Lag", "Scramble", {true, false, false}},
    };
    for (const auto& [type, format, takes] : cases) {
        tournament.type = type;
        tournament.groups[0].format = formatOfName(type, format);
        for (int p = 0; p < 3; ++p) EXPECT_EQ(takesEntries(tournament, 0, p), takes[p]) << type << ' ' << format << p;
    }
    EXPECT_FALSE(takesEntries(tournament, 0, 3));
}

TEST(LiveScoring, CodesAreDrawnOnceDistinctFromTheSourceAndFoundCaseBlind) {
    CTournamentInfo tournament = liveTournament();
    tournament.numberOfGroups = 3;
    tournament.groups[1].code = "KEPT22";
    // A source that repeats itself: the second group's draw equals the first and is drawn again.
    std::vector<unsigned char> bytes{0, 1, 2, 3, 4, 5, 0, 1, 2, 3, 4, 5, 32 + 31, 30, 29, 28, 27, 26};
    std::size_t next = 0;
    const RandomBytes source = [&](unsigned char* into, std::size_t count) {
        if (next + count > bytes.size()) return false;
        for (std::size_t i = 0; i < count; ++i) into[i] = bytes[next++];
        return true;
    };
    const auto drawn = drawMissingCodes(tournament, source);
    ASSERT_TRUE(drawn);
    EXPECT_EQ(*drawn, (std::vector<int>{0, 2}));
    EXPECT_EQ(tournament.groups[0].code, "ABCDEF");
    EXPECT_EQ(tournament.groups[1].code, "KEPT22");
    EXPECT_EQ(tournament.groups[2].code, "987654");
    EXPECT_EQ(groupWithCode(tournament, "kept22"), 1);
    EXPECT_EQ(groupWithCode(tournament, "987654"), 2);
    EXPECT_EQ(groupWithCode(tournament, "ABCDE"), std::nullopt);
    // A replaced code stops working at once; a group out of use has none that works.
    tournament.groups[1].code = "NEW333";
    EXPECT_EQ(groupWithCode(tournament, "KEPT22"), std::nullopt);
    tournament.numberOfGroups = 2;
    EXPECT_EQ(groupWithCode(tournament, "987654"), std::nullopt);
    // Nothing more to draw, and a failing source says so.
    EXPECT_EQ(drawMissingCodes(tournament, source)->size(), 0u);
    tournament.groups[0].code.clear();
    EXPECT_FALSE(drawMissingCodes(tournament, source));
    EXPECT_EQ(settledCode("abc10o"), "");
}

TEST(LiveScoring, TheJournalGivesBackEveryEntryAndCodeOnceAndSkipsATornLine) {
    CTournamentInfo live = liveTournament();
    std::string journal = codeJournalLine(0, "ABCDEF");
    const std::vector<ScoreEntry> entries{{0, 0, 3, EntryRole::Marker, 5, 1, "m"},
                                          {0, 1, 3, EntryRole::Player, 6, 9, "p"},
                                          {0, 1, 3, EntryRole::Marker, 4, 2, "m"}};
    for (const ScoreEntry& entry : entries) {
        applyEntry(live, entry);
        journal += journalLine(entry);
    }
    journal += "S 0 0 4 M 5";  // cut short by a kill
    CTournamentInfo replayed = liveTournament();
    // A second start replays the same journal: the entries are repeats and change nothing.
    for (int start = 0; start < 2; ++start) {
        const JournalReplay replay = replayJournal(replayed, journal);
        EXPECT_EQ(replay.applied, 4);
        EXPECT_EQ(replay.skipped, 1);
    }
    EXPECT_EQ(replayed.groups[0].code, "ABCDEF");
    for (int p = 0; p < 2; ++p) {
        EXPECT_EQ(replayed.groups[0].players[p].results, live.groups[0].players[p].results);
        EXPECT_EQ(replayed.groups[0].players[p].sources, live.groups[0].players[p].sources);
    }
}

TEST(LiveScoring, TheFileKeepsCodesAndSourcesOnlyOnceThereAndOlderFilesAreTheOrganisers) {
    TempFolder folder;
    const std::string path = folder.file("live.ini");
    CTournament tournament(folder.file("none.ini"));
    tournament.numberOfGroups = 1;
    tournament.groups[0].noOfPlayers = 2;
    tournament.groups[0].players[0].results[0] = 4;
    ASSERT_TRUE(tournament.save(path));
    const std::string plain = TempFolder::read(path);
    EXPECT_EQ(plain.find("Code"), std::string::npos);
    EXPECT_EQ(plain.find("SetBy"), std::string::npos);

    tournament.groups[0].code = "ABCDEF";
    applyEntry(tournament, {0, 1, 2, EntryRole::Player, 5, 12, "p.1"});
    applyEntry(tournament, {0, 1, 2, EntryRole::Marker, 6, 3, "m-1"});
    applyEntry(tournament, {0, 0, 0, EntryRole::Marker, 6, 4, "m-1"});
    ASSERT_TRUE(tournament.save(path));
    const std::string saved = TempFolder::read(path);
    EXPECT_NE(saved.find("Code=ABCDEF\r\n"), std::string::npos);
    EXPECT_NE(saved.find("SetBy2=- - M - - - - - - - - - - - - - - -\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("PlayerEntries2=- - 5:12:p.1 -"), std::string::npos);
    EXPECT_NE(saved.find("SetBy1=O -"), std::string::npos);

    CTournament reopened(folder.file("none.ini"));
    ASSERT_TRUE(reopened.load(path));
    EXPECT_EQ(reopened.groups[0].code, "ABCDEF");
    for (int p = 0; p < 2; ++p)
        EXPECT_EQ(reopened.groups[0].players[p].sources, tournament.groups[0].players[p].sources);
    // The same entry after the reopening is a repeat; the organiser's 4 stands over the marker's 6.
    EXPECT_FALSE(applyEntry(reopened, {0, 1, 2, EntryRole::Player, 7, 12, "p.1"}).changed);
    EXPECT_EQ(reopened.groups[0].players[0].results[0], 4);
}

}  // namespace
