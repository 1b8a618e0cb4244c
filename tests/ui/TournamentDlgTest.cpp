// The main window "Fernhill": header fields, the file and list commands, the refusals and
// the ways into the other screens.

#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidget>
#include <clocale>
#include <memory>
#include <tuple>

#include "UiTestSupport.h"
#include "ui/CChoiceList.h"
#include "ui/CTournamentDlg.h"

namespace {

class MainWindow : public UiTest {
protected:
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
    CChoiceList* list(const char* name) { return childNamed<CChoiceList>(window.get(), QString::fromLatin1(name)); }
    QPushButton* button(const char* name) { return childNamed<QPushButton>(window.get(), QString::fromLatin1(name)); }
    void type(const char* field, const QString& text) { QTest::keyClicks(edit(field), text); }
    void press(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    QStringList messages() const { return MessageBox::recorded(); }

    // Date, name, type and number of groups filled in as the organiser does.
    void fillHeader(const QString& name, const QString& groups) {
        type("dayEdit", QStringLiteral("1"));
        type("monthEdit", QStringLiteral("3"));
        type("yearEdit", QStringLiteral("2011"));
        type("nameEdit", name);
        pickEntry(list("typeList"), 0);
        type("groupCountEdit", groups);
    }

    std::unique_ptr<CTournamentDlg> window;
};

}  // namespace

TEST_F(MainWindow, OpensWithEmptyFieldsFilledListsAndSetupDisabled) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Fernhill"));
    EXPECT_FALSE(window->windowIcon().isNull());
    for (const char* name : {"dayEdit", "monthEdit", "yearEdit", "nameEdit", "groupCountEdit", "ratingEdit",
                             "slopeEdit", "courseParEdit", "holesEdit"}) {
        EXPECT_TRUE(edit(name)->text().isEmpty()) << name;
    }
    CChoiceList* types = list("typeList");
    ASSERT_EQ(types->count(), 3);
    EXPECT_EQ(types->itemText(0), QStringLiteral("Singel"));
    EXPECT_EQ(types->itemText(2), QStringLiteral("Lag"));
    EXPECT_EQ(types->currentIndex(), -1);
    CChoiceList* courses = list("courseList");
    ASSERT_EQ(courses->count(), 2);
    EXPECT_EQ(courses->itemText(0), QStringLiteral("Testbanen"));
    EXPECT_EQ(courses->currentText(), QString());
    EXPECT_FALSE(button("setupButton")->isEnabled());
    EXPECT_EQ(button("setupButton")->text(), QStringLiteral("Oppsett..."));
}

TEST_F(MainWindow, TypedHeaderIsStoredAtEveryKeystroke) {
    type("dayEdit", QStringLiteral("1"));
    EXPECT_EQ(tournament().day, 1);
    type("dayEdit", QStringLiteral("7"));
    EXPECT_EQ(tournament().day, 17);
    type("monthEdit", QStringLiteral("5"));
    type("yearEdit", QStringLiteral("2026"));
    type("nameEdit", QStringLiteral("Vårcup Ø"));
    EXPECT_EQ(tournament().month, 5);
    EXPECT_EQ(tournament().year, 2026);
    EXPECT_EQ(tournament().name, "V\xE5rcup \xD8");
}

TEST_F(MainWindow, DateFieldsTakeDigitsOnly) {
    type("dayEdit", QStringLiteral("1x2-"));
    EXPECT_EQ(edit("dayEdit")->text(), QStringLiteral("12"));
    EXPECT_EQ(tournament().day, 12);
}

TEST_F(MainWindow, GroupCountTakesOneDigitAndClearedFieldStoresZero) {
    type("groupCountEdit", QStringLiteral("3 grupper"));
    EXPECT_EQ(tournament().numberOfGroups, 3);
    edit("groupCountEdit")->selectAll();
    QTest::keyClick(edit("groupCountEdit"), Qt::Key_Backspace);
    EXPECT_EQ(tournament().numberOfGroups, 0);
    // The sign, a second digit and any other character are refused.
    type("groupCountEdit", QStringLiteral("-2"));
    EXPECT_EQ(tournament().numberOfGroups, 2);
    edit("groupCountEdit")->clear();
    type("groupCountEdit", QStringLiteral("12"));
    EXPECT_EQ(edit("groupCountEdit")->text(), QStringLiteral("1"));
    EXPECT_EQ(tournament().numberOfGroups, 1);
}

// Said when the focus leaves the three fields for another: moving between them is still typing.
TEST_F(MainWindow, LeavingTheDateFieldsWithADateTheCalendarLacksSaysSo) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    type("yearEdit", QStringLiteral("2011"));
    const QStringList missing{QStringLiteral("Datoen finnes ikke.")};
    for (const auto& [day, month, warned] : {std::tuple{"31", "2", missing},
                                             {"29", "2", missing},
                                             {"29", "", QStringList()},
                                             {"0", "0", QStringList()},  // as a new tournament shows it
                                             {"31", "12", QStringList()}}) {
        MessageBox::clearRecorded();
        edit("dayEdit")->clear();
        edit("monthEdit")->clear();
        type("dayEdit", QLatin1String(day));
        type("monthEdit", QLatin1String(month));
        for (const char* field : {"dayEdit", "monthEdit", "yearEdit", "nameEdit"}) edit(field)->setFocus();
        QCoreApplication::processEvents();
        EXPECT_EQ(messages(), warned) << day << "." << month;
    }
    EXPECT_EQ(tournament().day, 31);
}

TEST_F(MainWindow, PickingACourseSelectsItAndShowsItsFirstTee) {
    pickEntry(list("courseList"), 0);
    EXPECT_EQ(tournament().pitch.name, "Testbanen");
    EXPECT_EQ(tournament().pitch.numberOfTees, 3);
    EXPECT_EQ(edit("ratingEdit")->text(), QStringLiteral("70.4"));
    EXPECT_EQ(edit("slopeEdit")->text(), QStringLiteral("128"));
    EXPECT_EQ(edit("courseParEdit")->text(), QStringLiteral("72"));
    EXPECT_EQ(edit("holesEdit")->text(), QStringLiteral("18"));

    pickEntry(list("courseList"), 1);
    EXPECT_EQ(tournament().pitch.name, "Kortbanen");
    EXPECT_EQ(edit("ratingEdit")->text(), QStringLiteral("35.2"));
    EXPECT_EQ(edit("holesEdit")->text(), QStringLiteral("9"));
}

TEST_F(MainWindow, ArrowKeysPickTypesAndTypedTextPicksNothing) {
    CChoiceList* types = list("typeList");
    QTest::keyClick(types, Qt::Key_Down);
    EXPECT_EQ(tournament().type, "Singel");
    QTest::keyClick(types, Qt::Key_Down);
    EXPECT_EQ(tournament().type, "Par");

    // Typing an entry's text and finishing the edit is not a pick.
    window->findChild<QLineEdit*>(QStringLiteral("nameEdit"))->setFocus();
    types->lineEdit()->clear();
    QTest::keyClicks(types->lineEdit(), QStringLiteral("Lag"));
    QTest::keyClick(types->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(tournament().type, "Par");
    EXPECT_EQ(types->count(), 3);

    CChoiceList* courses = list("courseList");
    QTest::keyClicks(courses->lineEdit(), QStringLiteral("Kortbanen"));
    QTest::keyClick(courses->lineEdit(), Qt::Key_Enter);
    edit("nameEdit")->setFocus();
    EXPECT_EQ(tournament().pitch.name, "");
    EXPECT_TRUE(edit("holesEdit")->text().isEmpty());
    EXPECT_EQ(courses->count(), 2);
}

TEST_F(MainWindow, FileCommandsRefuseAnEmptyName) {
    press("saveButton");
    press("startListButton");
    const QString message = QStringLiteral("Skriv inn et Konkuransenavn.");
    EXPECT_EQ(messages(), QStringList({message, message}));
    EXPECT_FALSE(QFile::exists(QStringLiteral("_StartListe.txt")));
}

TEST_F(MainWindow, FileCommandsRefuseNamesThatCannotNameAFile) {
    const QString message = QStringLiteral("Konkurransenavnet kan ikke brukes som filnavn.");
    for (const QString& name : {QStringLiteral("a/b"), QStringLiteral("a\\b"), QStringLiteral("."),
                                QStringLiteral(".."), QStringLiteral("tab\there")}) {
        edit("nameEdit")->setText(name);
        MessageBox::clearRecorded();
        press("saveButton");
        press("startListButton");
        press("openButton");
        EXPECT_EQ(messages(), QStringList({message, message, message})) << name.toStdString();
    }
    EXPECT_EQ(tournament().name, "tab\there");
    EXPECT_FALSE(QDir(QStringLiteral("data")).exists(QStringLiteral("a")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("a/b_StartListe.txt")));
}

// A name no file has, or none, lists the saved tournaments instead; picking one opens it, and
// leaving the list changes nothing.
TEST_F(MainWindow, OpeningWithoutAFileOfTheNameOffersTheSavedTournaments) {
    QDir(QStringLiteral("data")).removeRecursively();
    fillHeader(QStringLiteral("Sommercup"), QStringLiteral("2"));
    press("saveButton");
    QDir().mkpath(QStringLiteral("data/.gjenoppretting"));
    for (const char* file : {"data/Notater.ini", "data/.gjenoppretting/Sommercup.ini"}) {
        QFile other(QString::fromLatin1(file));
        ASSERT_TRUE(other.open(QIODevice::WriteOnly));
        other.write("[Tournament]\r\nDay=1\r\n");
    }
    press("newButton");
    type("nameEdit", QStringLiteral("Finnes ikke"));
    const auto rows = [](QWidget* modal) {
        QStringList shown;
        auto* list = childNamed<QTreeWidget>(modal, QStringLiteral("tournamentList"));
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = list->topLevelItem(i);
            shown << item->text(0) + u'|' + item->text(1) + u'|' + item->text(2) +
                         (item->flags() & Qt::ItemIsEnabled ? QString() : QStringLiteral("|grå"));
        }
        return shown;
    };
    answerModal(
        QStringLiteral("Åpne turnering"), [this] { press("openButton"); },
        [&](QWidget* modal) {
            EXPECT_EQ(childNamed<QLabel>(modal, QStringLiteral("notFoundLabel"))->text(),
                      QStringLiteral("Finner ingen lagret turnering med navnet «Finnes ikke»."));
            const QStringList shown = rows(modal);
            EXPECT_EQ(shown.size(), 2);
            EXPECT_TRUE(shown.contains(QStringLiteral("Sommercup|01.03.2011|"))) << shown.join(u' ').toStdString();
            EXPECT_TRUE(shown.contains(QStringLiteral("Notater.ini|kan ikke leses||grå")));
            QTest::mouseClick(childNamed<QPushButton>(modal, QStringLiteral("cancelButton")), Qt::LeftButton);
        });
    EXPECT_EQ(tournament().name, "Finnes ikke");
    EXPECT_EQ(tournament().year, 0);

    edit("nameEdit")->clear();
    answerModal(
        QStringLiteral("Åpne turnering"), [this] { press("openButton"); },
        [&](QWidget* modal) {
            EXPECT_EQ(modal->findChild<QLabel*>(QStringLiteral("notFoundLabel")), nullptr);
            QTest::mouseClick(childNamed<QPushButton>(modal, QStringLiteral("okButton")), Qt::LeftButton);
        });
    EXPECT_EQ(edit("nameEdit")->text(), QStringLiteral("Sommercup"));
    EXPECT_EQ(tournament().year, 2011);
    EXPECT_TRUE(messages().isEmpty()) << messages().join(u'|').toStdString();
}

// The title names the tournament, marked while there are unsaved changes from any screen.
TEST_F(MainWindow, TitleShowsTheTournamentAndWhetherItIsSaved) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Fernhill"));
    type("nameEdit", QStringLiteral("Sommercup"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Sommercup[*] – Fernhill"));
    EXPECT_TRUE(window->isWindowModified());
    press("saveButton");
    EXPECT_FALSE(window->isWindowModified());
    theSession().setNumberOfGroups(1);
    theSession().setFirstName(0, 0, "Kari");
    EXPECT_TRUE(window->isWindowModified());
    theSession().setNumberOfGroups(0);
    EXPECT_FALSE(window->isWindowModified());
    press("newButton");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Fernhill"));
}

// What a file command wrote, and where, shows below the form, with no box to click away.
TEST_F(MainWindow, StatusLineSaysWhatWasWrittenAndWhere) {
    const QRegularExpression time(QStringLiteral(" kl\\. \\d\\d:\\d\\d$"));
    auto* status = childNamed<QLabel>(window.get(), QStringLiteral("statusLine"));
    EXPECT_TRUE(status->text().isEmpty());
    fillHeader(QStringLiteral("Sommercup"), QStringLiteral("1"));
    press("saveButton");
    EXPECT_TRUE(status->text().startsWith(QStringLiteral("Lagret i data/Sommercup.ini kl. ")))
        << status->text().toStdString();
    EXPECT_TRUE(time.match(status->text()).hasMatch());
    press("startListButton");
    EXPECT_TRUE(status->text().startsWith(
        QStringLiteral("Startlisten er skrevet til Sommercup_StartListe.txt og Sommercup_StartListe.pdf kl. ")))
        << status->text().toStdString();
    EXPECT_TRUE(QFile::exists(QStringLiteral("Sommercup_StartListe.pdf")));
    EXPECT_TRUE(messages().isEmpty());
    // Failures still say why in a box, and leave the line as it was.
    const QString before = status->text();
    QDir().mkpath(QStringLiteral("Mappe_StartListe.pdf"));
    edit("nameEdit")->setText(QStringLiteral("Mappe"));
    press("startListButton");
    EXPECT_EQ(messages().size(), 1);
    EXPECT_EQ(status->text(), before);
}

TEST_F(MainWindow, SavedTournamentOpensAgainAndFillsTheForm) {
    fillHeader(QStringLiteral("Høstpokal"), QStringLiteral("2"));
    pickEntry(list("courseList"), 1);
    press("saveButton");
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_TRUE(QFile::exists(QStringLiteral("data/Høstpokal.ini")));

    press("newButton");
    EXPECT_EQ(edit("dayEdit")->text(), QStringLiteral("0"));
    EXPECT_EQ(edit("groupCountEdit")->text(), QStringLiteral("0"));
    EXPECT_TRUE(edit("nameEdit")->text().isEmpty());
    EXPECT_TRUE(list("courseList")->currentText().isEmpty());
    EXPECT_EQ(edit("holesEdit")->text(), QStringLiteral("18"));
    // Clearing the course copy leaves its first tee in place.
    EXPECT_EQ(edit("ratingEdit")->text(), QStringLiteral("35.2"));
    EXPECT_EQ(tournament().name, "");

    type("nameEdit", QStringLiteral("Høstpokal"));
    press("openButton");
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(tournament().day, 1);
    EXPECT_EQ(tournament().month, 3);
    EXPECT_EQ(tournament().numberOfGroups, 2);
    EXPECT_EQ(tournament().type, "Singel");
    EXPECT_EQ(edit("yearEdit")->text(), QStringLiteral("2011"));
    EXPECT_EQ(edit("groupCountEdit")->text(), QStringLiteral("2"));
    EXPECT_EQ(list("typeList")->currentText(), QStringLiteral("Singel"));
    EXPECT_EQ(list("typeList")->currentIndex(), -1);
    EXPECT_EQ(list("courseList")->currentText(), QStringLiteral("Kortbanen"));
    EXPECT_EQ(edit("holesEdit")->text(), QStringLiteral("9"));
    EXPECT_EQ(edit("slopeEdit")->text(), QStringLiteral("120"));
}

TEST_F(MainWindow, OpenedFileStoringAnotherNameShowsTheStoredName) {
    QDir().mkpath(QStringLiteral("data"));
    QFile file(QStringLiteral("data/Gammelt navn.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Tournament]\r\nDay=4\r\nMonth=6\r\nYear=2025\r\nName=Sommercup\r\nType=Lag\r\nNumberOfGroups=0\r\n");
    file.close();
    type("nameEdit", QStringLiteral("Gammelt navn"));
    press("openButton");
    EXPECT_EQ(edit("nameEdit")->text(), QStringLiteral("Sommercup"));
    EXPECT_EQ(tournament().name, "Sommercup");
    EXPECT_EQ(edit("dayEdit")->text(), QStringLiteral("4"));
}

TEST_F(MainWindow, RefreshRunsHandlersOfFieldsThatAlreadyShowTheValue) {
    // The name field already shows what the file holds; the refresh must still store it.
    QDir().mkpath(QStringLiteral("data"));
    QFile file(QStringLiteral("data/Samme.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Tournament]\r\nDay=2\r\nName=Samme\r\nNumberOfGroups=3\r\n");
    file.close();
    type("nameEdit", QStringLiteral("Samme"));
    type("groupCountEdit", QStringLiteral("3"));
    tournament().name = "annet";
    tournament().numberOfGroups = 7;
    MessageBox::setNextAnswer(MessageBox::Answer::Yes);  // the unsaved group count may go
    press("openButton");
    EXPECT_EQ(tournament().name, "Samme");
    EXPECT_EQ(tournament().numberOfGroups, 3);
}

TEST_F(MainWindow, NameWithBlanksGoesToFilesOfExactlyThatText) {
    fillHeader(QStringLiteral("Cup med  to blanke "), QStringLiteral("0"));
    press("saveButton");
    press("startListButton");
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_TRUE(QFile::exists(QStringLiteral("data/Cup med  to blanke .ini")));
    EXPECT_TRUE(QFile::exists(QStringLiteral("Cup med  to blanke _StartListe.txt")));
}

TEST_F(MainWindow, ScreenButtonsRefuseUntilTheirFieldsAreFilled) {
    press("createGroupsButton");
    press("registerButton");
    press("playButton");
    EXPECT_EQ(messages(), QStringList({QStringLiteral("Fyll inn de andre feltene før du legger inn gruppene."),
                                       QStringLiteral("Fyll inn de andre feltene først."),
                                       QStringLiteral("Du må legge inn data for en turnering.")}));
}

TEST_F(MainWindow, CreateGroupsNeedsEachOfItsSixConditions) {
    fillHeader(QStringLiteral("Cup"), QStringLiteral("2"));
    const QString refusal = QStringLiteral("Fyll inn de andre feltene før du legger inn gruppene.");
    for (int* field : {&tournament().day, &tournament().month, &tournament().year, &tournament().numberOfGroups}) {
        const int kept = *field;
        *field = 0;
        MessageBox::clearRecorded();
        press("createGroupsButton");
        EXPECT_EQ(messages(), QStringList{refusal});
        *field = kept;
    }
    tournament().type.clear();
    MessageBox::clearRecorded();
    press("createGroupsButton");
    EXPECT_EQ(messages(), QStringList{refusal});
    tournament().type = "Par";

    // No course is needed: the screen opens with empty tee lists.
    int tees = -1;
    MessageBox::clearRecorded();
    answerModal(
        QStringLiteral("Opprett grupper"), [this] { press("createGroupsButton"); },
        [&](QWidget* modal) {
            tees = childNamed<QComboBox>(modal, QStringLiteral("teeList1"))->count();
            modal->close();
        });
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(tees, 0);
}

TEST_F(MainWindow, RegisterButtonOpensTheRegisterAllGroupsScreen) {
    type("groupCountEdit", QStringLiteral("2"));
    answerModal(
        QStringLiteral("Registrer alle gruppene"), [this] { press("registerButton"); },
        [](QWidget* modal) { modal->close(); });
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(MainWindow, StartTournamentNeedsANameAndPlayers) {
    type("nameEdit", QStringLiteral("Cup"));
    type("groupCountEdit", QStringLiteral("1"));
    press("playButton");
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Du må legge inn data for en turnering.")});

    tournament().groups[0].noOfPlayers = 2;
    MessageBox::clearRecorded();
    answerModal(
        QStringLiteral("Aktiv turnering"), [this] { press("playButton"); }, [](QWidget* modal) { modal->close(); });
    EXPECT_TRUE(messages().isEmpty());

    edit("nameEdit")->clear();
    press("playButton");
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Du må legge inn data for en turnering.")});
}

TEST_F(MainWindow, EnterInATextFieldPressesNoButton) {
    for (QPushButton* each : window->findChildren<QPushButton*>()) {
        EXPECT_FALSE(each->autoDefault()) << each->text().toStdString();
        EXPECT_FALSE(each->isDefault()) << each->text().toStdString();
    }
    type("nameEdit", QStringLiteral("Cup"));
    type("dayEdit", QStringLiteral("3"));
    QTest::keyClick(edit("nameEdit"), Qt::Key_Return);
    QTest::keyClick(edit("dayEdit"), Qt::Key_Enter);
    QTest::keyClick(list("typeList")->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(tournament().name, "Cup");
    EXPECT_EQ(tournament().day, 3);
}

TEST_F(MainWindow, EscapeAndTheExitButtonCloseTheWindow) {
    QTest::keyClick(edit("nameEdit"), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    window->show();
    press("exitButton");
    EXPECT_FALSE(window->isVisible());
    window->show();
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindow, ContextMenuEndsWithTheAboutEntryAfterASeparator) {
    QStringList entries;
    bool separatorBefore = false;
    QString aboutText;
    const auto openMenu = [this] {
        const QPoint inside(4, window->height() - 4);
        QContextMenuEvent event(QContextMenuEvent::Mouse, inside, window->mapToGlobal(inside));
        QApplication::sendEvent(window.get(), &event);
    };
    answerPopup(openMenu, [&](QWidget* popup) {
        auto* menu = qobject_cast<QMenu*>(popup);
        ASSERT_NE(menu, nullptr);
        const QList<QAction*> actions = menu->actions();
        for (QAction* action : actions) entries << action->text();
        separatorBefore = actions.size() >= 2 && actions[actions.size() - 2]->isSeparator();
        answerModal(
            QStringLiteral("About Teebrook"), [&] { actions.last()->trigger(); },
            [&](QWidget* about) {
                aboutText = childNamed<QLabel>(about, QStringLiteral("versionLabel"))->text();
                QTest::mouseClick(childNamed<QPushButton>(about, QStringLiteral("okButton")), Qt::LeftButton);
            });
        menu->close();
    });

    ASSERT_FALSE(entries.isEmpty());
    EXPECT_EQ(entries.last(), QStringLiteral("&About Teebrook..."));
    EXPECT_TRUE(separatorBefore);
    EXPECT_EQ(aboutText, QStringLiteral("Teebrook Version 1.0"));
    EXPECT_TRUE(window->isVisible());
}

// Without a mouse: F1 opens the about box, Shift+F10 the window's menu with "Baner...".
TEST_F(MainWindow, F1OpensTheAboutBoxAndShiftF10TheWindowMenu) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    answerModal(
        QStringLiteral("About Teebrook"), [this] { QTest::keyClick(edit("nameEdit"), Qt::Key_F1); },
        [](QWidget* about) { about->close(); });
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QStringList entries;
    answerPopup([this] { QTest::keyClick(edit("nameEdit"), Qt::Key_F10, Qt::ShiftModifier); },
                [&](QWidget* menu) {
                    for (const QAction* action : menu->actions()) entries << action->text();
                    menu->close();
                });
    EXPECT_TRUE(entries.contains(QStringLiteral("&Baner..."))) << entries.join(u'|').toStdString();
}

TEST_F(MainWindow, RealMessageBoxHasTheProgramTitleAndOneOkButton) {
    MessageBox::setRecording(false);
    QString text;
    int buttons = 0;
    // The helper checks the title.
    answerModal(
        QStringLiteral("Fernhill"), [this] { press("saveButton"); },
        [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            text = box->text();
            buttons = static_cast<int>(box->buttons().size());
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
    MessageBox::setRecording(true);
    EXPECT_EQ(text, QStringLiteral("Skriv inn et Konkuransenavn."));
    EXPECT_EQ(buttons, 1);
}

TEST_F(MainWindow, NumbersAreShownWithAPointUnderADecimalCommaLocale) {
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    pickEntry(list("courseList"), 0);
    EXPECT_EQ(edit("ratingEdit")->text(), QStringLiteral("70.4"));
    type("groupCountEdit", QStringLiteral("4,7"));
    EXPECT_EQ(tournament().numberOfGroups, 4);
}
