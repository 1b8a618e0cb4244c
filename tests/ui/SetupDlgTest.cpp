#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include "TemporaryImportDirectory.h"
#include "UiTestSupport.h"
#include "ui/CRegisterPitchDlg.h"
#include "ui/CRegisterPlayersDlg.h"
#include "ui/CSavePitchesDlg.h"
#include "ui/CSavePlayersDlg.h"
#include "ui/CSetupDlg.h"
#include "ui/CTournamentDlg.h"

namespace {

class SetupDlgTest : public UiTest {
protected:
    static QPushButton* button(QWidget* screen, const char* name) {
        return screen->findChild<QPushButton*>(QString::fromLatin1(name));
    }

    // Presses `name` on the setup screen and answers the screen titled `title` it opens: `fill`
    // acts on it, then `closeName` closes it.
    static void openFromSetup(
        const char* name, const QString& title, const char* closeName,
        std::function<void(QWidget*)> fill = [](QWidget*) {}) {
        CSetupDlg setup;
        answerModal(
            title, [&] { button(&setup, name)->click(); },
            [&](QWidget* modal) {
                fill(modal);
                button(modal, closeName)->click();
            });
    }

    // Every player and course the tournament holds, to see that a form stored nothing.
    std::string recordsText() {
        std::string all;
        for (const CPlayGroup& group : tournament().groups) {
            all += std::to_string(group.noOfPlayers) + ":";
            for (const CPlayer& player : group.players) all += player.text() + ",";
        }
        for (const CPitch& pitch : tournament().pitches) all += pitch.name + std::to_string(pitch.holes) + ";";
        return all + std::to_string(tournament().numberOfPitches);
    }

    static QStringList comboEntries(QComboBox* combo) {
        QStringList entries;
        for (int i = 0; i < combo->count(); ++i) entries << combo->itemText(i);
        return entries;
    }
};

}  // namespace

TEST_F(SetupDlgTest, ShowsThePlayerAndCourseButtonsAndOkAsDefault) {
    CSetupDlg setup;
    EXPECT_EQ(setup.windowTitle(), QStringLiteral("Oppsett..."));
    const std::pair<const char*, const char*> texts[] = {{"registerPlayersButton", "Registrer spillere"},
                                                         {"savePlayersButton", "Lagre spillere"},
                                                         {"importPlayersButton", "Importer spillerdata"},
                                                         {"registerPitchesButton", "Registrer baner"},
                                                         {"savePitchesButton", "Lagre baner"},
                                                         {"importPitchesButton", "Impoter baner"},
                                                         {"okButton", "OK"},
                                                         {"cancelButton", "Cancel"}};
    for (const auto& [name, text] : texts) EXPECT_EQ(button(&setup, name)->text(), QString::fromUtf8(text)) << name;
    EXPECT_EQ(setup.findChildren<QPushButton*>().size(), 8);
    EXPECT_TRUE(button(&setup, "okButton")->isDefault());
}

TEST_F(SetupDlgTest, MainWindowKeepsItsButtonDisabledButItsCommandOpensTheScreen) {
    CTournamentDlg mainWindow;
    QPushButton* setupButton = button(&mainWindow, "setupButton");
    setupButton->click();
    EXPECT_FALSE(setupButton->isEnabled());

    setupButton->setEnabled(true);
    answerModal(
        QStringLiteral("Oppsett..."), [setupButton] { setupButton->click(); },
        [](QWidget* modal) { button(modal, "cancelButton")->click(); });
}

TEST_F(SetupDlgTest, OkAndCancelCloseTheScreen) {
    CSetupDlg setup;
    button(&setup, "okButton")->click();
    EXPECT_EQ(setup.result(), QDialog::Accepted);
    button(&setup, "cancelButton")->click();
    EXPECT_EQ(setup.result(), QDialog::Rejected);
}

TEST_F(SetupDlgTest, EachRegisterAndImportButtonOpensItsScreen) {
    openFromSetup("registerPlayersButton", QStringLiteral("Registrer spillere"), "doneButton");
    openFromSetup("importPlayersButton", QStringLiteral("Importer spillere"), "cancelButton");
    openFromSetup("registerPitchesButton", QStringLiteral("Registrering av baner"), "doneButton");
    openFromSetup("importPitchesButton", QStringLiteral("Importer baner"), "cancelButton");
}

TEST_F(SetupDlgTest, PlayerImportOpenedFromSetupImportsIntoGroupA) {
    const TemporaryImportDirectory importDir;
    ASSERT_TRUE(importDir.write(QStringLiteral("spillere.txt"), "Kari Nordmann 18\r\n"));
    openFromSetup("importPlayersButton", QStringLiteral("Importer spillere"), "okButton", [](QWidget* modal) {
        QTest::keyClicks(modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")), QStringLiteral("spillere.txt"));
    });
    ASSERT_EQ(tournament().groups[0].noOfPlayers, 1);
    EXPECT_EQ(tournament().groups[0].players[0].text(), "Kari Nordmann");
}

TEST_F(SetupDlgTest, SaveButtonsDoNothingAndOpenNothing) {
    const std::string before = recordsText();
    CSetupDlg setup;
    const int windowsBefore = QApplication::topLevelWidgets().size();
    // A screen opened with exec() would block the click until the case times out.
    button(&setup, "savePlayersButton")->click();
    button(&setup, "savePitchesButton")->click();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(recordsText(), before);
    EXPECT_TRUE(MessageBox::recorded().isEmpty());
}

TEST_F(SetupDlgTest, RegisterPlayersFormShowsItsFieldsAndStoresNothing) {
    const std::string before = recordsText();
    CRegisterPlayersDlg form;
    EXPECT_EQ(form.findChild<QGroupBox*>()->title(), QStringLiteral("Spillerinformasjon"));
    QStringList labels;
    for (QLabel* label : form.findChildren<QLabel*>()) labels << label->text();
    EXPECT_EQ(labels, (QStringList{"Navn", "Hcp", "Klasse", "Tee"}));
    EXPECT_EQ(button(&form, "addButton")->text(), QStringLiteral("Ny spiller"));
    EXPECT_EQ(button(&form, "doneButton")->text(), QStringLiteral("Alle er registrert"));

    QTest::keyClicks(form.findChild<QLineEdit*>(QStringLiteral("nameEdit")), QStringLiteral("Kari Nordmann"));
    QTest::keyClicks(form.findChild<QLineEdit*>(QStringLiteral("hcpEdit")), QStringLiteral("18"));
    button(&form, "addButton")->click();
    EXPECT_EQ(recordsText(), before);
    button(&form, "doneButton")->click();
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

TEST_F(SetupDlgTest, HolesListHoldsExactlyTenToTwentyFourWithNoneChosen) {
    CRegisterPitchDlg form;
    auto* holes = form.findChild<QComboBox*>(QStringLiteral("holesCombo"));
    EXPECT_EQ(comboEntries(holes),
              (QStringList{"10", "11", "12", "13", "14", "15", "16", "17", "18", "19", "20", "21", "22", "23", "24"}));
    EXPECT_EQ(holes->currentIndex(), -1);
    EXPECT_EQ(holes->currentText(), QString());
    EXPECT_TRUE(holes->isEditable());
}

TEST_F(SetupDlgTest, RegisterPitchFormStoresNothingAndTypedTextNeverJoinsTheList) {
    const std::string before = recordsText();
    CRegisterPitchDlg form;
    form.show();
    EXPECT_EQ(form.findChild<QGroupBox*>()->title(), QStringLiteral("Baneinformasjon"));
    QTest::keyClicks(form.findChild<QLineEdit*>(QStringLiteral("pitchNameEdit")), QStringLiteral("Skogbanen"));
    auto* holes = form.findChild<QComboBox*>(QStringLiteral("holesCombo"));
    holes->setCurrentIndex(holes->findText(QStringLiteral("18")));
    QTest::keyClicks(holes->lineEdit(), QStringLiteral("7"));
    QTest::keyClick(holes->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(holes->count(), 15);

    EXPECT_EQ(button(&form, "addButton")->text(), QStringLiteral("Ny bane"));
    button(&form, "addButton")->click();
    button(&form, "doneButton")->click();
    EXPECT_EQ(button(&form, "doneButton")->text(), QStringLiteral("Bane er registrert"));
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(recordsText(), before);
}

TEST_F(SetupDlgTest, SaveFormsHoldOnlyOkAndCancel) {
    CSavePlayersDlg players;
    CSavePitchesDlg pitches;
    EXPECT_EQ(players.windowTitle(), QStringLiteral("Lagre spillere"));
    EXPECT_EQ(pitches.windowTitle(), QStringLiteral("Lagre baner"));
    for (QDialog* form : {static_cast<QDialog*>(&players), static_cast<QDialog*>(&pitches)}) {
        EXPECT_EQ(form->findChildren<QPushButton*>().size(), 2);
        button(form, "okButton")->click();
        EXPECT_EQ(form->result(), QDialog::Accepted);
        button(form, "cancelButton")->click();
        EXPECT_EQ(form->result(), QDialog::Rejected);
    }
}
