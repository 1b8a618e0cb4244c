// The tournament session: each operation announces what it changed once, and an equal value
// changes and announces nothing.

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <functional>

#include "UiTestSupport.h"
#include "app/RecoveryKeeper.h"

namespace {

// The signals of the session, each counted, with the arguments of the last one.
struct SessionSignals {
    QSignalSpy header{&theSession(), &TournamentSession::headerChanged};
    QSignalSpy group{&theSession(), &TournamentSession::groupChanged};
    QSignalSpy player{&theSession(), &TournamentSession::playerChanged};
    QSignalSpy strokes{&theSession(), &TournamentSession::strokesChanged};
    QSignalSpy replaced{&theSession(), &TournamentSession::tournamentReplaced};

    int total() const { return header.count() + group.count() + player.count() + strokes.count() + replaced.count(); }
    // "signal(arguments)" of the one signal sent, or what was sent instead.
    std::string only() const {
        if (total() != 1) return std::to_string(total()) + " signals";
        for (const auto& [name, spy] : {std::pair{"header", &header},
                                        {"group", &group},
                                        {"player", &player},
                                        {"strokes", &strokes},
                                        {"replaced", &replaced}}) {
            if (spy->isEmpty()) continue;
            QStringList arguments;
            for (const QVariant& argument : spy->first()) arguments << QString::number(argument.toInt());
            return name + ("(" + arguments.join(u',') + ")").toStdString();
        }
        return {};
    }
    void clear() {
        for (QSignalSpy* spy : {&header, &group, &player, &strokes, &replaced}) spy->clear();
    }
};

}  // namespace

using TournamentSessionTest = UiTest;

TEST_F(TournamentSessionTest, AChangeIsAnnouncedOnceAndAnEqualValueNotAtAll) {
    TournamentSession& session = theSession();
    tournament().numberOfGroups = 2;
    tournament().groups[1].noOfPlayers = 2;
    const struct {
        const char* what;
        std::function<void()> change;
        std::string announced;
    } cases[] = {
        {"day", [&] { session.setDay(14); }, "header(0)"},
        {"name", [&] { session.setName("Sommercup"); }, "header(3)"},
        {"group count, held to nine", [&] { session.setNumberOfGroups(12); }, "header(5)"},
        {"course", [&] { session.selectCourse("Kortbanen"); }, "header(6)"},
        {"group name", [&] { session.setGroupName(1, "Kveld"); }, "group(1)"},
        {"allowance", [&] { session.setAllowance(1, 1); }, "group(1)"},
        {"player count", [&] { session.setNoOfPlayers(1, 3); }, "group(1)"},
        {"surname", [&] { session.setSurName(1, 2, "Nordmann"); }, "player(1,2)"},
        {"handicap", [&] { session.setHandicap(1, 0, 18.2f); }, "player(1,0)"},
        {"strokes", [&] { session.setStrokes(1, 1, 17, 5); }, "strokes(1,1,17)"},
    };
    SessionSignals sent;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.change();
        EXPECT_EQ(sent.only(), c.announced);
        sent.clear();
        c.change();
        EXPECT_EQ(sent.total(), 0) << "the same value again";
    }
    // What the operations stored, held where the records hold it.
    EXPECT_EQ(tournament().numberOfGroups, MaxGroups);
    EXPECT_EQ(tournament().groups[1].allowanceFactor, 0.75f);
    EXPECT_EQ(tournament().groups[1].players[1].results[17], 5);

    // Positions outside the records and allowances outside the table change nothing.
    session.setStrokes(9, 0, 0, 4);
    session.setStrokes(0, 0, 18, 4);
    session.setFirstName(0, -1, "Ingen");
    session.setAllowance(1, 8);
    EXPECT_EQ(sent.total(), 0);
    EXPECT_EQ(tournament().groups[1].allowance, 1);

    // New, open and import announce the whole tournament, once.
    session.newTournament();
    EXPECT_EQ(sent.only(), "replaced()");
}

TEST_F(TournamentSessionTest, ACourseTableSavedKeepsTheTournamentsChangesUnsaved) {
    theSession().setName("Sommercup");
    ASSERT_TRUE(theTournament().hasUnsavedChanges());
    QSignalSpy reloaded(&theSession(), &TournamentSession::courseTableChanged);
    theSession().reloadCourseTable();
    EXPECT_EQ(reloaded.count(), 1);
    EXPECT_TRUE(theTournament().hasUnsavedChanges()) << "closing must still ask to save";
}

// The recovery copy follows the tournament while it holds unsaved work, and goes once the work is
// saved or given up for a new tournament.
TEST_F(TournamentSessionTest, TheRecoveryCopyFollowsUnsavedWorkAndGoesWithASaveOrANewTournament) {
    QTemporaryDir work;
    const std::string folder = work.filePath(QStringLiteral("copies")).toStdString();
    RecoveryKeeper keeper(theSession(), folder);
    const auto copyOf = [&](const char* name) {
        QFile copy(QString::fromStdString(folder) + u'/' + QString::fromLatin1(name));
        return copy.open(QIODevice::ReadOnly) ? copy.readAll().toStdString() : std::string("<none>");
    };
    theSession().setNumberOfGroups(1);
    theSession().setNoOfPlayers(0, 1);
    theSession().setStrokes(0, 0, 0, 4);
    keeper.flush();
    EXPECT_NE(copyOf("Uten navn.ini").find("[Recovery]"), std::string::npos);
    theSession().setName("Sommercup");
    keeper.flush();
    EXPECT_EQ(copyOf("Uten navn.ini"), "<none>");
    EXPECT_NE(copyOf("Sommercup.ini"), "<none>");

    ASSERT_TRUE(theSession().save(work.filePath(QStringLiteral("Sommercup.ini")).toStdString()));
    keeper.flush();
    EXPECT_EQ(copyOf("Sommercup.ini"), "<none>");
    theSession().setStrokes(0, 0, 1, 5);
    keeper.flush();
    EXPECT_NE(copyOf("Sommercup.ini"), "<none>");
    theSession().newTournament();
    keeper.flush();
    EXPECT_EQ(copyOf("Sommercup.ini"), "<none>");
}
