#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest/QTest>

#include "TemporaryImportDirectory.h"
#include "UiTestSupport.h"
#include "ui/CImportPitchesDlg.h"
#include "ui/CImportPlayersDlg.h"

namespace {

// Runs every case against an import directory of its own.
class ImportDlgTest : public UiTest {
protected:
    void writeImportFile(const QString& name, const QByteArray& contents) {
        ASSERT_TRUE(importDir.write(name, contents));
    }

    // Types `fileName` into the screen's field and presses `buttonName`.
    static void typeAndPress(QDialog& screen, const QString& fileName, const char* buttonName) {
        QTest::keyClicks(screen.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")), fileName);
        screen.findChild<QPushButton*>(QString::fromLatin1(buttonName))->click();
    }

    int importPlayers(const QString& fileName) {
        CImportPlayersDlg screen;
        typeAndPress(screen, fileName, "okButton");
        return screen.result();
    }

    CPlayGroup& groupA() { return tournament().groups[0]; }

    TemporaryImportDirectory importDir;
};

const QByteArray TwoPlayers = "Kari Nordmann 18\r\nOla Hansen 7\r\n";

}  // namespace

TEST_F(ImportDlgTest, ImportDirectoryIsImportBelowTheStartDirectory) {
    EXPECT_EQ(QString::fromStdString(importDir.savedDirectory()),
              QDir::current().absoluteFilePath(QStringLiteral("import")) + "/");
}

TEST_F(ImportDlgTest, BothScreensShowAFileFieldWithOkAsDefaultAndCancel) {
    CImportPlayersDlg players;
    CImportPitchesDlg pitches;
    EXPECT_EQ(players.windowTitle(), QStringLiteral("Importer spillere"));
    EXPECT_EQ(pitches.windowTitle(), QStringLiteral("Importer baner"));
    for (QDialog* screen : {static_cast<QDialog*>(&players), static_cast<QDialog*>(&pitches)}) {
        auto* ok = screen->findChild<QPushButton*>(QStringLiteral("okButton"));
        EXPECT_EQ(ok->text(), QStringLiteral("OK"));
        EXPECT_TRUE(ok->isDefault());
        EXPECT_EQ(screen->findChild<QPushButton*>(QStringLiteral("cancelButton"))->text(), QStringLiteral("Cancel"));
        EXPECT_EQ(screen->findChildren<QLineEdit*>().size(), 1);
    }
}

TEST_F(ImportDlgTest, PlayersAreAddedToGroupAOfAFreshTournamentWithoutAMessage) {
    writeImportFile(QStringLiteral("spillere.txt"), TwoPlayers);
    EXPECT_EQ(importPlayers(QStringLiteral("spillere.txt")), QDialog::Accepted);

    ASSERT_EQ(groupA().noOfPlayers, 2);
    EXPECT_EQ(groupA().players[0].text(), "Kari Nordmann");
    EXPECT_EQ(groupA().players[0].hcp, 18.0f);
    EXPECT_EQ(groupA().players[1].text(), "Ola Hansen");
    EXPECT_EQ(groupA().players[1].hcp, 7.0f);
    EXPECT_EQ(groupA().players[1].club, "");
    EXPECT_EQ(groupA().players[1].sh, 0.0f);
    EXPECT_EQ(tournament().totalPlayers(), 0) << "group A is filled whatever the number of groups";
    EXPECT_TRUE(MessageBox::recorded().isEmpty());
}

TEST_F(ImportDlgTest, ImportingTwiceAddsThePlayersAgainBehindTheFirst) {
    writeImportFile(QStringLiteral("spillere.txt"), TwoPlayers);
    importPlayers(QStringLiteral("spillere.txt"));
    importPlayers(QStringLiteral("spillere.txt"));
    ASSERT_EQ(groupA().noOfPlayers, 4);
    EXPECT_EQ(groupA().players[2].text(), "Kari Nordmann");
    EXPECT_EQ(groupA().players[3].text(), "Ola Hansen");
}

TEST_F(ImportDlgTest, NearlyFullGroupTakesWhatFitsAndOneMessageCountsTheLinesLeftOut) {
    groupA().noOfPlayers = 7;
    writeImportFile(
        QStringLiteral("mange.txt"),
        "Anne Marie Berg 20\r\n\r\nPer Olsen 12.4\r\n   \r\nKari Nordmann 18\r\nOla Hansen 7\r\nLise Dahl 30");
    importPlayers(QStringLiteral("mange.txt"));

    EXPECT_EQ(groupA().noOfPlayers, MaxPlayers);
    EXPECT_EQ(groupA().players[7].text(), "Per Olsen");
    EXPECT_EQ(groupA().players[7].hcp, 12.4f);
    EXPECT_EQ(groupA().players[8].text(), "Kari Nordmann");
    EXPECT_EQ(MessageBox::recorded(),
              QStringList{QStringLiteral("2 spillere ble lagt inn. 4 linjer ble ikke lagt inn.")});
}

TEST_F(ImportDlgTest, CancelReadsNothingEvenWithAValidName) {
    writeImportFile(QStringLiteral("spillere.txt"), TwoPlayers);
    CImportPlayersDlg players;
    typeAndPress(players, QStringLiteral("spillere.txt"), "cancelButton");
    EXPECT_EQ(players.result(), QDialog::Rejected);
    EXPECT_EQ(groupA().noOfPlayers, 0);

    writeImportFile(QStringLiteral("baner.txt"), "Skogbanen 18\r\n");
    CImportPitchesDlg pitches;
    typeAndPress(pitches, QStringLiteral("baner.txt"), "cancelButton");
    EXPECT_EQ(pitches.pitches()[0].name, "");
    EXPECT_TRUE(MessageBox::recorded().isEmpty());
}

TEST_F(ImportDlgTest, FileThatCannotBeReadChangesNothingSaysWhyAndKeepsTheScreenOpen) {
    QDir().mkdir(importDir.path(QStringLiteral("mappe")));
    const QString folder = QDir::toNativeSeparators(importDir.path(QString()) + "/");
    const struct {
        QString typed;
        QString message;
    } cases[] = {
        {QString(), "Skriv inn navnet på en fil i mappen " + folder + "."},
        {QStringLiteral("mangler.txt"), "Filen " + folder + "mangler.txt kunne ikke leses.\nFilen finnes ikke."},
        {QStringLiteral("mappe"),
         "Filen " + folder + "mappe kunne ikke leses.\nDet som ligger der, er ikke en vanlig fil."},
    };
    for (const auto& [typed, message] : cases) {
        MessageBox::clearRecorded();
        EXPECT_EQ(importPlayers(typed), QDialog::Rejected) << typed.toStdString() << ": the screen was closed";
        EXPECT_EQ(MessageBox::recorded(), QStringList{message});
    }
    EXPECT_EQ(groupA().noOfPlayers, 0);

    // Corrected in the same screen, the name imports.
    writeImportFile(QStringLiteral("spillere.txt"), TwoPlayers);
    CImportPlayersDlg screen;
    typeAndPress(screen, QStringLiteral("mangler.txt"), "okButton");
    screen.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->clear();
    typeAndPress(screen, QStringLiteral("spillere.txt"), "okButton");
    EXPECT_EQ(screen.result(), QDialog::Accepted);
    EXPECT_EQ(groupA().noOfPlayers, 2);
}

TEST_F(ImportDlgTest, TypedNameIsTakenUnchangedAsAUtf8FileName) {
    writeImportFile(QStringLiteral("Bærum spillere"), "\xC5se \xD8rn 9\n");
    importPlayers(QStringLiteral("Bærum spillere"));
    ASSERT_EQ(groupA().noOfPlayers, 1);
    EXPECT_EQ(groupA().players[0].text(), "\xC5se \xD8rn") << "the file's bytes are Windows-1252";
}

TEST_F(ImportDlgTest, CoursesGoToTheScreensOwnTableNotTheCourseTable) {
    writeImportFile(QStringLiteral("baner.txt"), "Skogbanen 18\r\n\r\nSjøbanen 9 hull");
    CImportPitchesDlg screen;
    typeAndPress(screen, QStringLiteral("baner.txt"), "okButton");

    EXPECT_EQ(screen.pitches()[0].name, "Skogbanen");
    EXPECT_EQ(screen.pitches()[0].holes, 18);
    EXPECT_EQ(screen.pitches()[1].holes, 9);
    EXPECT_EQ(screen.pitches()[2].name, "");
    EXPECT_EQ(screen.pitches()[2].holes, 0);
    EXPECT_EQ(tournament().numberOfPitches, 2);
    EXPECT_EQ(tournament().pitches[0].name, "Testbanen");
    EXPECT_TRUE(MessageBox::recorded().isEmpty());
}

TEST_F(ImportDlgTest, CourseImportStopsAtItsHundredRecordsAndSaysSo) {
    QByteArray contents = "uten-hull\r\n";
    for (int i = 1; i <= 103; ++i) contents += "Bane" + QByteArray::number(i) + " 18\r\n";
    writeImportFile(QStringLiteral("baner.txt"), contents);
    CImportPitchesDlg screen;
    typeAndPress(screen, QStringLiteral("baner.txt"), "okButton");

    EXPECT_EQ(screen.pitches()[0].name, "Bane1");
    EXPECT_EQ(screen.pitches()[MaxPitches - 1].name, "Bane100");
    EXPECT_EQ(MessageBox::recorded(),
              QStringList{QStringLiteral("100 baner ble lest inn. 4 linjer ble ikke lest inn.")});
}

TEST_F(ImportDlgTest, LeftOutLinesAreReportedInARealWarningBox) {
    MessageBox::setRecording(false);
    writeImportFile(QStringLiteral("feil.txt"), "Kari Nordmann\r\nOla Hansen 7\r\n");
    QString shown;
    answerModal(
        MessageBox::title(), [this] { importPlayers(QStringLiteral("feil.txt")); },
        [&shown](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            shown = box->text();
            box->button(QMessageBox::Ok)->click();
        });
    EXPECT_EQ(shown, QStringLiteral("1 spillere ble lagt inn. 1 linjer ble ikke lagt inn."));
    EXPECT_EQ(groupA().noOfPlayers, 1);
}
