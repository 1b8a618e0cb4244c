// The main window and the organiser's files: closing asks before unsaved work is lost,
// the competition name always names one file of its own, and failures say why.

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <cerrno>
#include <functional>
#include <memory>
#include <system_error>

#include "../core/FileSizeLimit.h"
#include "UiTestSupport.h"
#include "app/StartUp.h"
#include "model/ImportLine.h"
#include "model/RecoveryCopy.h"
#include "ui/CTournamentDlg.h"

namespace {

const QString SaveQuestion = QStringLiteral("Turneringen er endret. Vil du lagre den før du avslutter?");

class MainWindowFiles : public UiTest {
public:
    using UiTest::tournament;
    void SetUp() override {
        UiTest::SetUp();
        window = std::make_unique<CTournamentDlg>();
        window->show();
    }
    void TearDown() override {
        window.reset();
        UiTest::TearDown();
    }

    QLineEdit* edit(const char* name) { return childNamed<QLineEdit>(window.get(), QString::fromLatin1(name)); }
    void press(const char* name) {
        QTest::mouseClick(childNamed<QPushButton>(window.get(), QString::fromLatin1(name)), Qt::LeftButton);
    }
    void typeName(const QString& name) {
        edit("nameEdit")->clear();
        QTest::keyClicks(edit("nameEdit"), name);
    }
    // A tournament with one group of one player, saved under `name`, and nothing asked yet.
    void saveOneGroup(const QString& name) {
        typeName(name);
        QTest::keyClicks(edit("groupCountEdit"), QStringLiteral("1"));
        tournament().groups[0].noOfPlayers = 1;
        tournament().groups[0].players[0].firstName = "Kari";
        press("saveButton");
        ASSERT_TRUE(MessageBox::recorded().isEmpty());
    }

    std::unique_ptr<CTournamentDlg> window;
};

}  // namespace

// Every change of stored data asks on closing; Ja saves and quits, Nei quits, Avbryt stays.
TEST_F(MainWindowFiles, ClosingAfterAChangeAsksToSaveFirst) {
    const struct {
        const char* change;
        std::function<void(MainWindowFiles&)> make;
    } changes[] = {
        {"date field", [](MainWindowFiles& t) { QTest::keyClicks(t.edit("dayEdit"), QStringLiteral("2")); }},
        {"group", [](MainWindowFiles& t) { t.tournament().groups[0].groupName = "Morgen"; }},
        {"player", [](MainWindowFiles& t) { t.tournament().groups[0].players[0].club = "Sola GK"; }},
        {"strokes", [](MainWindowFiles& t) { t.tournament().groups[0].players[0].results[17] = 5; }},
        {"import", [](MainWindowFiles& t) { importPlayers("Ola Hansen 7\n", t.tournament().groups[0]); }},
    };
    for (const auto& c : changes) {
        saveOneGroup(QStringLiteral("Lukking"));
        c.make(*this);
        MessageBox::setNextAnswer(MessageBox::Answer::Cancel);
        press("exitButton");
        EXPECT_TRUE(window->isVisible()) << c.change;
        MessageBox::setNextAnswer(MessageBox::Answer::No);
        QTest::keyClick(edit("nameEdit"), Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible()) << c.change;
        EXPECT_EQ(MessageBox::recorded(), QStringList({SaveQuestion, SaveQuestion})) << c.change;
        MessageBox::clearRecorded();
        window->show();
    }
    // Ja saves as "Lagre turneringen" does; the next close asks nothing.
    tournament().groups[0].players[0].results[0] = 4;
    MessageBox::setNextAnswer(MessageBox::Answer::Yes);
    EXPECT_TRUE(window->close());
    EXPECT_NE(QFile(QStringLiteral("data/Lukking.ini")).open(QIODevice::ReadOnly), false);
    window->show();
    MessageBox::clearRecorded();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(MessageBox::recorded().isEmpty());
}

TEST_F(MainWindowFiles, ClosingQuitsAtOnceWhenUnchangedAndStaysWhenTheSaveFails) {
    press("exitButton");
    EXPECT_FALSE(window->isVisible());
    window->show();
    // Opened, made new: unchanged again.
    saveOneGroup(QStringLiteral("Uendret"));
    press("newButton");
    typeName(QStringLiteral("Uendret"));
    press("openButton");
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(MessageBox::recorded().isEmpty());
    window->show();
    // Ja with a save that fails: the window stays with the reason shown.
    typeName(QString());
    MessageBox::setNextAnswer(MessageBox::Answer::Yes);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(MessageBox::recorded(), QStringList({SaveQuestion, QStringLiteral("Skriv inn et Konkuransenavn.")}));
}

// No stored tournament and no unsaved work goes without the organiser saying so: a save
// over another tournament of the same name, "Ny turnering" and opening over unsaved changes ask.
TEST_F(MainWindowFiles, ReplacingAnotherTournamentOrLeavingUnsavedWorkAsksFirst) {
    const QString replace = QStringLiteral(
        "Det finnes allerede en lagret turnering med navnet «Vår». Vil du erstatte den med denne?");
    const QString saveFirst = QStringLiteral("Turneringen er endret. Vil du lagre den før du starter en ny?");
    const QString discard = QStringLiteral(
        "Endringene i turneringen som er åpen, er ikke lagret. Vil du likevel åpne «Vår»? Endringene går da tapt.");
    const auto storedFirstName = [] {
        CTournament stored;
        return stored.load("./data/Vår.ini") ? stored.groups[0].players[0].firstName : std::string("(unreadable)");
    };
    saveOneGroup(QStringLiteral("Vår"));
    press("newButton");
    EXPECT_TRUE(MessageBox::recorded().isEmpty()) << "nothing unsaved";

    // Another tournament typed under the same name replaces the stored one only on Ja.
    typeName(QStringLiteral("Vår"));
    QTest::keyClicks(edit("groupCountEdit"), QStringLiteral("1"));
    for (const auto answer : {MessageBox::Answer::No, MessageBox::Answer::Yes}) {
        MessageBox::clearRecorded();
        MessageBox::setNextAnswer(answer);
        press("saveButton");
        EXPECT_EQ(MessageBox::recorded(), QStringList{replace});
        EXPECT_EQ(storedFirstName(), answer == MessageBox::Answer::Yes ? "" : "Kari");
    }

    // "Ny turnering" over unsaved work: Avbryt keeps it, Nei lets it go.
    edit("dayEdit")->clear();
    QTest::keyClicks(edit("dayEdit"), QStringLiteral("9"));
    for (const auto answer : {MessageBox::Answer::Cancel, MessageBox::Answer::No}) {
        MessageBox::clearRecorded();
        MessageBox::setNextAnswer(answer);
        press("newButton");
        EXPECT_EQ(MessageBox::recorded(), QStringList{saveFirst});
        EXPECT_EQ(tournament().day, answer == MessageBox::Answer::Cancel ? 9 : 0);
    }

    // Opening over unsaved work goes on only on Ja; typing the name to open is no such work.
    MessageBox::clearRecorded();
    saveOneGroup(QStringLiteral("Høst"));
    tournament().groups[0].players[0].club = "Sola GK";
    typeName(QStringLiteral("Vår"));
    for (const auto answer : {MessageBox::Answer::No, MessageBox::Answer::Yes}) {
        MessageBox::clearRecorded();
        MessageBox::setNextAnswer(answer);
        press("openButton");
        EXPECT_EQ(MessageBox::recorded(), QStringList{discard});
        EXPECT_EQ(tournament().groups[0].noOfPlayers, answer == MessageBox::Answer::Yes ? 0 : 1) << "Vår has none";
    }
}

TEST_F(MainWindowFiles, TheRealQuestionOffersJaNeiAndAvbryt) {
    QTest::keyClicks(edit("dayEdit"), QStringLiteral("3"));
    MessageBox::setRecording(false);
    QStringList buttons;
    QString text;
    answerModal(
        QStringLiteral("Fernhill"), [&] { press("exitButton"); },
        [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            text = box->text();
            for (QAbstractButton* button : box->buttons()) buttons << button->text();
            QTest::keyClick(box, Qt::Key_Escape);
        });
    MessageBox::setRecording(true);
    EXPECT_EQ(text, SaveQuestion);
    buttons.sort();
    EXPECT_EQ(buttons, QStringList({"Avbryt", "Ja", "Nei"}));
    EXPECT_TRUE(window->isVisible());
}

// The name shown, the name stored and the file name always agree; a name that would share
// a file with another is refused.
TEST_F(MainWindowFiles, TheNameFieldKeepsNamesThatNameOneFileOfTheirOwn) {
    typeName(QString(60, QLatin1Char('n')));
    const QString kept(49, QLatin1Char('n'));
    EXPECT_EQ(edit("nameEdit")->text(), kept);
    EXPECT_EQ(tournament().name, std::string(49, 'n'));
    press("saveButton");
    EXPECT_TRUE(QFile::exists(QStringLiteral("data/%1.ini").arg(kept)));
    press("openButton");
    EXPECT_EQ(edit("nameEdit")->text(), kept);

    for (const QString& name : {QStringLiteral("Cup Ω"), QStringLiteral("Cup Σ")}) {
        edit("nameEdit")->setText(name);
        MessageBox::clearRecorded();
        press("saveButton");
        press("startListButton");
        press("openButton");
        const QString refusal = QStringLiteral("Konkurransenavnet kan ikke brukes som filnavn.");
        EXPECT_EQ(MessageBox::recorded(), QStringList({refusal, refusal, refusal}));
    }
    EXPECT_FALSE(QFile::exists(QStringLiteral("data/Cup ?.ini")));
}

// Opening tells an unreadable file from a missing one; failed writes say why.
TEST_F(MainWindowFiles, FailuresSayWhatWentWrong) {
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("data/Mappe.ini")));
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("Mappe_StartListe.txt")));
    QFile large(QStringLiteral("data/Stor.ini"));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly));
    ASSERT_TRUE(large.resize(17 * 1024 * 1024));
    large.close();
    const QString notRegular = QStringLiteral("Det som ligger der, er ikke en vanlig fil.");
    const struct {
        QString name;
        const char* button;
        QString message;
    } cases[] = {
        {QStringLiteral("Mappe"), "openButton", QStringLiteral("Turneringen kunne ikke leses.\n") + notRegular},
        {QStringLiteral("Stor"), "openButton", QStringLiteral("Turneringen kunne ikke leses.\nFilen er for stor.")},
        {QStringLiteral("Mappe"), "saveButton", QStringLiteral("Turneringen kunne ikke lagres.\n") + notRegular},
        {QStringLiteral("Mappe"), "startListButton", QStringLiteral("Startlisten kunne ikke skrives.\n") + notRegular},
    };
    for (const auto& c : cases) {
        typeName(c.name);
        MessageBox::clearRecorded();
        press(c.button);
        EXPECT_EQ(MessageBox::recorded(), QStringList{c.message}) << c.button << " " << c.name.toStdString();
    }
    typeName(QStringLiteral("Full"));
    MessageBox::clearRecorded();
    {
        const FileSizeLimit limit(10);
        press("saveButton");
    }
    // Causes without a wording of their own show the system's text.
    const QString systemText = QString::fromLocal8Bit(std::generic_category().message(EFBIG));
    EXPECT_EQ(MessageBox::recorded().join(QLatin1Char('|')).toStdString(),
              (QStringLiteral("Turneringen kunne ikke lagres.\n") + systemText).toStdString());
}

// A file saved as UTF-8 by today's editors: what Windows-1252 cannot hold reads as '?', and the
// window says so once, for the course table when it comes up and for a tournament it opens.
TEST_F(MainWindowFiles, CharactersAFileCouldNotGiveAreReportedOnce) {
    const QString message = QStringLiteral("%1 tegn kunne ikke leses og ble erstattet med «?».");
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("data")));
    QFile file(QStringLiteral("data/Sommercup.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "\xEF\xBB\xBF[Tournament]\r\nName=Sommercup\r\nNumberOfGroups=1\r\n[PlayGroup1]\r\nNoOfPlayers=1\r\n"
        "FirstName1=\xC3\x85se \xCE\xA9\r\nSurName1=\r\nClub1=\r\nHCP1=0\r\nSH1=0\r\n"
        "Results1=0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\r\n");
    file.close();
    typeName(QStringLiteral("Sommercup"));
    press("openButton");
    EXPECT_EQ(tournament().groups[0].players[0].firstName, "\xC5se ?");
    EXPECT_EQ(MessageBox::recorded(), QStringList{message.arg(1)});

    MessageBox::clearRecorded();
    tournament().replacedInCourseTable = 3;
    CTournamentDlg startedOnAUtf8Table;
    startedOnAUtf8Table.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(MessageBox::recorded(), QStringList{message.arg(3)});
    tournament().replacedInCourseTable = 0;
}

// After a crash the organiser is asked about the work left unsaved: Ja restores it, as unsaved
// work, into the form; Nei sets the copy aside, and a copy that cannot be read is set aside too.
TEST_F(MainWindowFiles, AfterACrashTheCopyIsRestoredOrSetAsideAsTheOrganiserAnswers) {
    CTournament crashed(tournament().configFile);
    crashed.name = "Sommercup";
    crashed.numberOfGroups = 1;
    crashed.groups[0].noOfPlayers = 1;
    crashed.groups[0].players[0].firstName = "Kari";
    crashed.groups[0].players[0].results[0] = 4;
    const long long madeAt = 1781000000000;  // 09.06.2026 10:13 UTC
    const auto writeCopy = [&](const QByteArray& contents) {
        ASSERT_TRUE(QDir().mkpath(QStringLiteral("data/.gjenoppretting")));
        QFile copy(QStringLiteral("data/.gjenoppretting/Sommercup.ini"));
        ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
        copy.write(contents);
    };
    const auto setAside = [] {
        return QDir(QStringLiteral("data/.gjenoppretting")).entryList({QStringLiteral("*.bak")}).size();
    };
    writeCopy(QByteArray::fromStdString(recoveryCopyContents(crashed, madeAt)));
    MessageBox::setNextAnswer(MessageBox::Answer::Yes);
    offerRecovery(theSession(), window.get());
    EXPECT_EQ(MessageBox::recorded(),
              QStringList(QStringLiteral("Teebrook ble ikke avsluttet riktig. Vil du gjenopprette turneringen "
                                         "«Sommercup» slik den var %1?")
                              .arg(QString::fromStdString(madeAtText(madeAt)))));
    EXPECT_EQ(edit("nameEdit")->text(), QStringLiteral("Sommercup"));
    EXPECT_EQ(tournament().groups[0].players[0].results[0], 4);
    EXPECT_TRUE(tournament().hasUnsavedChanges());

    theSession().newTournament();
    MessageBox::clearRecorded();
    MessageBox::setNextAnswer(MessageBox::Answer::No);
    offerRecovery(theSession(), window.get());
    EXPECT_EQ(tournament().name, "");
    EXPECT_FALSE(QFile::exists(QStringLiteral("data/.gjenoppretting/Sommercup.ini")));
    EXPECT_EQ(setAside(), 1);

    writeCopy("[Tournament]\r\nName=Sommercup\r\nNumberOfGr");
    MessageBox::clearRecorded();
    offerRecovery(theSession(), window.get());
    ASSERT_EQ(MessageBox::recorded().size(), 1);
    EXPECT_TRUE(MessageBox::recorded()[0].startsWith(QStringLiteral("Gjenopprettingskopien")))
        << MessageBox::recorded()[0].toStdString();
    EXPECT_EQ(tournament().name, "");
    EXPECT_EQ(setAside(), 2);
}
