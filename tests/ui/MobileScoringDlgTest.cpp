// "Mobilregistrering...": the service run from the play screen, the groups' codes and QR codes,
// a new code, the conflicts listed there and marked on the play screen, and the main window
// that asks before it replaces the tournament the phones enter into.

#include <QLabel>
#include <QListWidget>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "PlayTestSupport.h"
#include "app/TournamentSession.h"
#include "live/LiveScoringRun.h"
#include "scoring/HoleScore.h"
#include "ui/CActiveTournamentDlg.h"
#include "ui/CColorEdit.h"
#include "ui/CMobileScoringDlg.h"
#include "ui/CTournamentDlg.h"

namespace {

class MobileScoring : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        setUpTournament(2);
        setUpGroup(0, 1, "Morgen", 0, 0, 0);
        addPlayer(0, "Ola", "Nordmann", 12.3f, 12.0f);
        setUpGroup(1, 1, "Kveld", 0, 0, 0);
        addPlayer(1, "Kari", "Lie", 20.0f, 20.0f);
    }
    void TearDown() override {
        theLiveScoring().stop();
        PlayTest::TearDown();
    }
    void enter(EntryRole role, int strokes, long long seq) {
        theSession().applyScoreEntry({0, 0, 4, role, strokes, seq, role == EntryRole::Marker ? "m1" : "p1"});
    }
    static int statusOf(const QString& link) {
        QNetworkAccessManager network;
        QNetworkReply* reply = network.get(QNetworkRequest(QUrl(link)));
        QSignalSpy finished(reply, &QNetworkReply::finished);
        EXPECT_TRUE(finished.wait(10000)) << "no answer from " << link.toStdString();
        return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    }
};

TEST_F(MobileScoring, StartsTheServiceShowsEachGroupsLinkAndGivesANewCode) {
    CMobileScoringDlg window;
    window.show();
    EXPECT_TRUE(window.shownLink(0).isEmpty());
    QTest::mouseClick(window.startStopButton(), Qt::LeftButton);
    ASSERT_TRUE(theLiveScoring().isRunning()) << MessageBox::recorded().join(u'|').toStdString();
    const QString code = QString::fromStdString(tournament().groups[0].code);
    ASSERT_EQ(code.size(), CodeLength);
    EXPECT_EQ(childNamed<QLabel>(&window, QStringLiteral("codeLabel0"))->text(), code);
    EXPECT_TRUE(window.shownLink(0).endsWith(":" + QString::number(theLiveScoring().port()) + "/g/" + code));
    EXPECT_FALSE(childNamed<QLabel>(&window, QStringLiteral("qrLabel1"))->pixmap().isNull());
    EXPECT_EQ(statusOf(window.shownLink(0)), 200);

    // "Nei" keeps the code; "Ja" gives a new one, which the link follows and the old one no longer opens.
    QTest::mouseClick(childNamed<QPushButton>(&window, QStringLiteral("newCodeButton0")), Qt::LeftButton);
    EXPECT_EQ(QString::fromStdString(tournament().groups[0].code), code);
    MessageBox::setNextAnswer(MessageBox::Answer::Yes);
    QTest::mouseClick(childNamed<QPushButton>(&window, QStringLiteral("newCodeButton0")), Qt::LeftButton);
    const QString replaced = QString::fromStdString(tournament().groups[0].code);
    EXPECT_NE(replaced, code);
    EXPECT_TRUE(window.shownLink(0).endsWith("/g/" + replaced));
    EXPECT_EQ(statusOf(theLiveScoring().addresses().value(0) + "/api/group/" + code), 403);

    QTest::mouseClick(window.startStopButton(), Qt::LeftButton);
    EXPECT_FALSE(theLiveScoring().isRunning());
    EXPECT_TRUE(window.shownLink(0).isEmpty());
}

TEST_F(MobileScoring, AConflictIsListedAndMarkedOnThePlayScreenUntilTheOrganiserTypesTheHole) {
    CMobileScoringDlg window;
    CActiveTournamentDlg play;
    const auto holeFiveCell = [&] { return play.findChild<CColorEdit*>(QStringLiteral("boardCell0_4")); };
    const QColor conflictColour(ConflictCellColour.red, ConflictCellColour.green, ConflictCellColour.blue);
    enter(EntryRole::Marker, 5, 1);
    enter(EntryRole::Player, 4, 1);
    ASSERT_EQ(window.conflictList()->count(), 1);
    EXPECT_EQ(window.conflictList()->item(0)->text(),
              QStringLiteral("Gruppe A, Ola Nordmann, hull 5: markør 5, spiller 4"));
    ASSERT_NE(holeFiveCell(), nullptr);
    EXPECT_EQ(holeFiveCell()->backgroundColor(), conflictColour);
    theSession().setStrokesByOrganiser(0, 0, 4, 5);
    EXPECT_EQ(window.conflictList()->item(0)->text(), QStringLiteral("Ingen"));
    EXPECT_NE(holeFiveCell()->backgroundColor(), conflictColour);
}

TEST_F(MobileScoring, NewAndOpenOnTheMainWindowAskToStopTheServiceFirst) {
    ASSERT_FALSE(theLiveScoring().start(0));
    CTournamentDlg main;
    main.show();
    for (const char* button : {"newButton", "openButton"}) {
        MessageBox::clearRecorded();
        QTest::mouseClick(childNamed<QPushButton>(&main, QString::fromLatin1(button)), Qt::LeftButton);
        EXPECT_TRUE(theLiveScoring().isRunning()) << button;
        EXPECT_EQ(tournament().groups[0].players[0].firstName, "Ola") << button;
        EXPECT_TRUE(MessageBox::recorded().join(u'|').startsWith("Mobilregistreringen går.")) << button;
    }
    MessageBox::setNextAnswer(MessageBox::Answer::Yes);
    QTest::mouseClick(childNamed<QPushButton>(&main, QStringLiteral("newButton")), Qt::LeftButton);
    EXPECT_FALSE(theLiveScoring().isRunning());
}

}  // namespace
