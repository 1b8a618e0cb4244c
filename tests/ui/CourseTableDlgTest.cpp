// The course editor "Baner...": courses made, changed and deleted reach the file and the main
// window's course list; the checks refuse with their messages; imported courses come as new.

#include <QAction>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "TemporaryImportDirectory.h"
#include "UiTestSupport.h"
#include "ui/CChoiceList.h"
#include "ui/CCourseDlg.h"
#include "ui/CCourseTableDlg.h"
#include "ui/CSetupDlg.h"
#include "ui/CTournamentDlg.h"

namespace {

QByteArray cp1252(const char* utf8) { return QString::fromUtf8(utf8).toLatin1(); }

// The course table of these cases: two courses with a comment, a foreign key in a course
// section and a section of the club's own.
const char* const ClubTable =
    "; Klubbens baner, skrevet for h\u00e5nd\r\n"
    "[NumberOfPitches]\r\nNumber=2\r\n\r\n"
    "[Pitches]\r\nPitch1=Testbanen\r\nPitch2=Kortbanen\r\n\r\n"
    "[Pitch1]\r\nHoles=18\r\n"
    "Par=4 4 3 4 5 4 4 3 4 4 4 3 4 5 4 3 4 4\r\n"
    "Index=1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18\r\n"
    "NumberOfTees=3\r\n"
    "Tee1=Gul\r\nSlopeValue1=128\r\nParValue1=72\r\nPitchValue1=70.4\r\n"
    "Tee2=R\u00f8d\r\nSlopeValue2=113\r\nParValue2=72\r\nPitchValue2=72.0\r\n"
    "Tee3=Bl\u00e5\r\nSlopeValue3=131\r\nParValue3=72\r\nPitchValue3=69.8\r\n"
    "Greenfee = 450 \r\n\r\n"
    "[Pitch2]\r\n; stengt om vinteren\r\nHoles=9\r\n"
    "Par=4 3 5 4 4 3 4 5 4\r\n"
    "Index=2 8 4 6 1 9 3 5 7\r\n"
    "NumberOfTees=1\r\n"
    "Tee1=Hvit\r\nSlopeValue1=120\r\nParValue1=36\r\nPitchValue1=35.2\r\n\r\n"
    "[Klubb]\r\nNavn=Fjellvik GK\r\n";

class CourseEditor : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        savedConfig = tournament().configFile;
        configPath = folder.filePath(QStringLiteral("config/TeebrookConfig.ini"));
        QDir().mkpath(folder.filePath(QStringLiteral("config")));
        writeTable(cp1252(ClubTable));
        tournament().configFile = configPath.toStdString();
        tournament().reloadPitches();
    }
    void TearDown() override {
        tournament().configFile = savedConfig;
        tournament().reloadPitches();
        UiTest::TearDown();
    }

    void writeTable(const QByteArray& bytes) {
        QFile file(configPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray table() const {
        QFile file(configPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void setField(QWidget* form, const QString& name, const QString& text) {
        auto* edit = childNamed<QLineEdit>(form, name);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    static void press(QWidget* screen, const char* name) {
        QTest::mouseClick(childNamed<QPushButton>(screen, QString::fromLatin1(name)), Qt::LeftButton);
    }
    // Fills a course form: name, holes, par and index lists, and tees as "name;rating;slope;par".
    static void fillCourse(QWidget* form, const QString& name, const QStringList& pars, const QStringList& indexes,
                           const QStringList& tees) {
        setField(form, QStringLiteral("nameEdit"), name);
        setField(form, QStringLiteral("holesEdit"), QString::number(pars.size()));
        for (int hole = 0; hole < pars.size(); ++hole) {
            setField(form, QStringLiteral("parEdit%1").arg(hole + 1), pars[hole]);
            setField(form, QStringLiteral("indexEdit%1").arg(hole + 1), indexes[hole]);
        }
        for (int tee = 0; tee < 5; ++tee) {
            const QStringList fields = tee < tees.size() ? tees[tee].split(u';') : QStringList(4, QString());
            setField(form, QStringLiteral("teeNameEdit%1").arg(tee + 1), fields[0]);
            setField(form, QStringLiteral("teeRatingEdit%1").arg(tee + 1), fields[1]);
            setField(form, QStringLiteral("teeSlopeEdit%1").arg(tee + 1), fields[2]);
            setField(form, QStringLiteral("teeParEdit%1").arg(tee + 1), fields[3]);
        }
    }
    static void choose(QWidget* editor, int row) {
        auto* list = childNamed<QTreeWidget>(editor, QStringLiteral("courseList"));
        list->setCurrentItem(list->topLevelItem(row));
    }
    static QStringList listed(QWidget* editor, int column) {
        auto* list = childNamed<QTreeWidget>(editor, QStringLiteral("courseList"));
        QStringList texts;
        for (int row = 0; row < list->topLevelItemCount(); ++row) texts << list->topLevelItem(row)->text(column);
        return texts;
    }

    QTemporaryDir folder;
    QString configPath;
    std::string savedConfig;
};

const QStringList NinePars = QString("4 3 4 5 3 4 4 3 5").split(u' ');
const QStringList NineIndexes = QString("3 7 1 5 9 2 6 8 4").split(u' ');

}  // namespace

TEST_F(CourseEditor, ACourseMadeChangedAndDeletedReachesTheFileAndTheMainWindow) {
    CTournamentDlg window;
    window.show();
    pickEntry(childNamed<CChoiceList>(&window, QStringLiteral("courseList")), 0);
    ASSERT_EQ(tournament().pitch.name, "Testbanen");

    QStringList menuEntries;
    QStringList before;
    QStringList after;
    const auto openMenu = [&window] {
        const QPoint inside(4, window.height() - 4);
        QContextMenuEvent event(QContextMenuEvent::Mouse, inside, window.mapToGlobal(inside));
        QApplication::sendEvent(&window, &event);
    };
    answerPopup(openMenu, [&](QWidget* popup) {
        auto* menu = qobject_cast<QMenu*>(popup);
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) menuEntries << action->text();
        const auto openEditor = [&] { menu->actions()[menuEntries.indexOf(QStringLiteral("&Baner..."))]->trigger(); };
        answerModal(QStringLiteral("Baner"), openEditor, [&](QWidget* editor) {
            before = listed(editor, 0);
            answerModal(
                QStringLiteral("Bane"), [&] { press(editor, "newButton"); },
                [&](QWidget* form) {
                    fillCourse(form, QStringLiteral("Nyparken"), NinePars, NineIndexes,
                               {QStringLiteral("Gul;33,5;110;35")});
                    press(form, "okButton");
                });
            choose(editor, 1);
            answerModal(
                QStringLiteral("Bane"), [&] { press(editor, "changeButton"); },
                [&](QWidget* form) {
                    setField(form, QStringLiteral("nameEdit"), QStringLiteral("Kortbanen Vest"));
                    setField(form, QStringLiteral("teeSlopeEdit1"), QStringLiteral("125"));
                    press(form, "okButton");
                });
            choose(editor, 0);
            MessageBox::setNextAnswer(MessageBox::Answer::Yes);
            press(editor, "deleteButton");
            after = listed(editor, 3);
            press(editor, "saveButton");
            press(editor, "closeButton");
        });
        menu->close();
    });

    EXPECT_LT(menuEntries.indexOf(QStringLiteral("&Baner...")),
              menuEntries.indexOf(QStringLiteral("&About Teebrook...")));
    EXPECT_EQ(before, QStringList({QStringLiteral("Testbanen"), QStringLiteral("Kortbanen")}));
    EXPECT_EQ(after, QStringList({QStringLiteral("Endret, ikke lagret"), QStringLiteral("Ny, ikke lagret")}));
    // Deleting asks first, and says that saved tournaments keep their course.
    EXPECT_EQ(MessageBox::recorded(),
              QStringList(QStringLiteral(
                  "Vil du slette banen «Testbanen»? Lagrede turneringer beholder sin egen kopi av banen.")));

    auto* courseList = childNamed<CChoiceList>(&window, QStringLiteral("courseList"));
    ASSERT_EQ(courseList->count(), 2);
    EXPECT_EQ(courseList->itemText(0), QStringLiteral("Kortbanen Vest"));
    EXPECT_EQ(courseList->itemText(1), QStringLiteral("Nyparken"));
    EXPECT_EQ(courseList->currentText(), QStringLiteral("Testbanen")) << "the tournament's course is still shown";
    EXPECT_EQ(tournament().pitch.holes, 18) << "the tournament keeps its course until one is chosen again";
    EXPECT_FLOAT_EQ(tournament().pitch.pitchValue[0], 70.4f);

    // Course 1 is now "Kortbanen Vest" (section Pitch1), course 2 "Nyparken"; the comment,
    // the foreign keys and the club's section stay as they were.
    EXPECT_EQ(table(), cp1252("; Klubbens baner, skrevet for h\u00e5nd\r\n"
                              "[NumberOfPitches]\r\nNumber=2\r\n\r\n"
                              "[Pitches]\r\nPitch1=Kortbanen Vest\r\nPitch2=Nyparken\r\n\r\n"
                              "[Pitch1]\r\nHoles=9\r\n"
                              "Par=4 3 5 4 4 3 4 5 4\r\n"
                              "Index=2 8 4 6 1 9 3 5 7\r\n"
                              "NumberOfTees=1\r\n"
                              "Tee1=Hvit\r\nSlopeValue1=125\r\nParValue1=36\r\nPitchValue1=35.2\r\n"
                              "Greenfee = 450 \r\n\r\n"
                              "[Pitch2]\r\n; stengt om vinteren\r\nHoles=9\r\n"
                              "Par=4 3 4 5 3 4 4 3 5\r\n"
                              "Index=3 7 1 5 9 2 6 8 4\r\n"
                              "NumberOfTees=1\r\n"
                              "Tee1=Gul\r\nSlopeValue1=110\r\nParValue1=35\r\nPitchValue1=33.5\r\n\r\n"
                              "[Klubb]\r\nNavn=Fjellvik GK\r\n"));

    pickEntry(courseList, 1);
    EXPECT_EQ(tournament().pitch.holes, 9);
    EXPECT_FLOAT_EQ(tournament().pitch.pitchValue[0], 33.5f);
}

TEST_F(CourseEditor, EachCheckRefusesWithItsMessageAndKeepsTheFormOpen) {
    struct Case {
        const char* field;
        QString text;
        QString message;
    };
    const QString gul = QStringLiteral("Bane \u00abNyparken\u00bb, tee \u00abGul\u00bb: ");
    const std::vector<Case> cases{
        {"nameEdit", QString(), QStringLiteral("Bane nr. 3 mangler banenavn.")},
        {"nameEdit", QStringLiteral("kortbanen"),
         QStringLiteral("To baner heter \u00abkortbanen\u00bb. Gi hver bane sitt eget navn.")},
        {"holesEdit", QStringLiteral("19"),
         QStringLiteral("Bane \u00abNyparken\u00bb: antall hull m\u00e5 v\u00e6re fra 1 til 18.")},
        {"parEdit2", QStringLiteral("7"),
         QStringLiteral("Bane \u00abNyparken\u00bb, hull 2: par m\u00e5 v\u00e6re fra 3 til 6.")},
        {"indexEdit9", QString(),
         QStringLiteral("Bane \u00abNyparken\u00bb, hull 9: indeks m\u00e5 v\u00e6re fra 1 til 9.")},
        {"indexEdit9", QStringLiteral("3"),
         QStringLiteral("Bane \u00abNyparken\u00bb: hull 1 og hull 9 har begge indeks 3. Hvert tall fra 1 til 9 skal "
                        "brukes \u00e9n gang.")},
        {"teeNameEdit1", QString(), QStringLiteral("Bane \u00abNyparken\u00bb, tee 1: navnet mangler.")},
        {"teeRatingEdit1", QStringLiteral("5"),
         gul + QStringLiteral("baneverdi m\u00e5 v\u00e6re et desimaltall fra 10 til 90, for eksempel 71,3.")},
        {"teeSlopeEdit1", QStringLiteral("54"), gul + QStringLiteral("slope m\u00e5 v\u00e6re fra 55 til 155.")},
        {"teeParEdit1", QStringLiteral("55"), gul + QStringLiteral("par m\u00e5 v\u00e6re fra 27 til 54.")},
    };
    std::vector<CourseDraft> table = *readCourseTable(configPath.toStdString());
    for (const Case& c : cases) {
        MessageBox::clearRecorded();
        CCourseDlg form(table, 2);
        fillCourse(&form, QStringLiteral("Nyparken"), NinePars, NineIndexes, {QStringLiteral("Gul;33,5;110;35")});
        setField(&form, QString::fromLatin1(c.field), c.text);
        form.show();
        press(&form, "okButton");
        EXPECT_EQ(MessageBox::recorded(), QStringList(c.message)) << c.field;
        EXPECT_TRUE(form.isVisible()) << c.field;
    }
    // Without a tee row filled.
    CCourseDlg form(table, 2);
    fillCourse(&form, QStringLiteral("Nyparken"), NinePars, NineIndexes, {});
    MessageBox::clearRecorded();
    press(&form, "okButton");
    EXPECT_EQ(MessageBox::recorded(),
              QStringList(QStringLiteral("Bane \u00abNyparken\u00bb m\u00e5 ha minst \u00e9n tee.")));
}

// Escape must not throw away a course typed into the form unless the organiser says so;
// "Avbryt" is that say, and an untouched form closes without a question.
TEST_F(CourseEditor, EscapeAsksBeforeForgettingTypedChanges) {
    const QString question = QStringLiteral("Du har endret banen. Vil du forkaste endringene?");
    std::vector<CourseDraft> table = *readCourseTable(configPath.toStdString());
    {
        CCourseDlg form(table, 1);
        form.show();
        QTest::keyClick(&form, Qt::Key_Escape);
        EXPECT_FALSE(form.isVisible()) << "nothing was changed";
        EXPECT_TRUE(MessageBox::recorded().isEmpty());
    }
    CCourseDlg form(table, 2);
    form.show();
    setField(&form, QStringLiteral("nameEdit"), QStringLiteral("Nyparken"));
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible()) << "Nei keeps the form";
    EXPECT_EQ(MessageBox::recorded(), QStringList(question));
    MessageBox::setNextAnswer(MessageBox::Answer::Yes);
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);

    MessageBox::clearRecorded();
    CCourseDlg cancelled(table, 2);
    cancelled.show();
    setField(&cancelled, QStringLiteral("nameEdit"), QStringLiteral("Nyparken"));
    press(&cancelled, "cancelButton");
    EXPECT_FALSE(cancelled.isVisible());
    EXPECT_TRUE(MessageBox::recorded().isEmpty());
}

TEST_F(CourseEditor, ImportedCoursesAreListedAsNewAndMustBeCompletedBeforeSaving) {
    TemporaryImportDirectory importDir;
    ASSERT_TRUE(importDir.write(QStringLiteral("baner.txt"), "Skogbanen 18\r\nKortbanen 9\r\n"));
    const QByteArray original = table();
    CCourseTableDlg editor;
    editor.show();
    answerModal(
        QStringLiteral("Importer baner"), [&editor] { press(&editor, "importButton"); },
        [](QWidget* import) {
            QTest::keyClicks(childNamed<QLineEdit>(import, QStringLiteral("fileNameEdit")),
                             QStringLiteral("baner.txt"));
            press(import, "okButton");
        });
    EXPECT_EQ(listed(&editor, 0), QStringList({"Testbanen", "Kortbanen", "Skogbanen"}));
    EXPECT_EQ(listed(&editor, 3).last(), QStringLiteral("Ny, ikke lagret"));
    EXPECT_EQ(MessageBox::recorded(),
              QStringList(QStringLiteral("1 av de importerte banene finnes allerede i listen og ble ikke lagt til.")));

    MessageBox::clearRecorded();
    press(&editor, "saveButton");
    EXPECT_EQ(MessageBox::recorded(),
              QStringList(QStringLiteral("Bane \u00abSkogbanen\u00bb, hull 1: par m\u00e5 v\u00e6re fra 3 til 6.")));
    EXPECT_EQ(table(), original);

    // Closing asks; "Nei" closes and the file stays as it was.
    MessageBox::clearRecorded();
    MessageBox::setNextAnswer(MessageBox::Answer::No);
    press(&editor, "closeButton");
    MessageBox::setNextAnswer(MessageBox::Answer::Cancel);
    EXPECT_EQ(MessageBox::recorded(),
              QStringList(QStringLiteral("Endringene i banene er ikke lagret. Vil du lagre dem?")));
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(table(), original);
}

TEST_F(CourseEditor, AFailedWriteIsReportedAndAnUnreadableTableIsNotOffered) {
    CCourseTableDlg editor;
    editor.show();
    choose(&editor, 1);
    MessageBox::setNextAnswer(MessageBox::Answer::Yes);
    press(&editor, "deleteButton");
    MessageBox::clearRecorded();
    // The table's folder becomes a file: the new table cannot be written there.
    const std::string saved = tournament().configFile;
    tournament().configFile = configPath.toStdString() + "/TeebrookConfig.ini";
    press(&editor, "saveButton");
    EXPECT_EQ(MessageBox::recorded(),
              QStringList(
                  QStringLiteral("Banetabellen kunne ikke lagres. Filen config/TeebrookConfig.ini er som f\u00f8r.")));
    tournament().configFile = saved;

    tournament().configFile = folder.path().toStdString();
    CCourseTableDlg unreadable;
    EXPECT_FALSE(childNamed<QPushButton>(&unreadable, QStringLiteral("saveButton"))->isEnabled());
    EXPECT_FALSE(childNamed<QPushButton>(&unreadable, QStringLiteral("newButton"))->isEnabled());
    EXPECT_TRUE(childNamed<QLabel>(&unreadable, QStringLiteral("stateLabel"))->text().contains("kunne ikke leses"));
    tournament().configFile = saved;
}

TEST_F(CourseEditor, BothScreensFitA1280By720Screen) {
    CCourseTableDlg editor;
    CCourseDlg form(*readCourseTable(configPath.toStdString()), 0);
    for (QDialog* screen : {static_cast<QDialog*>(&editor), static_cast<QDialog*>(&form)}) {
        const QSize size = screen->sizeHint().expandedTo(screen->minimumSizeHint());
        EXPECT_LE(size.width(), 1260) << screen->windowTitle().toStdString();
        EXPECT_LE(size.height(), 680) << screen->windowTitle().toStdString();
    }
}

TEST_F(CourseEditor, TheSetupScreensCourseImportGoesOnToTheEditor) {
    TemporaryImportDirectory importDir;
    ASSERT_TRUE(importDir.write(QStringLiteral("baner.txt"), "Skogbanen 18\r\n"));
    CSetupDlg setup;
    setup.show();
    QStringList listedInEditor;
    // The import screen closes first; then the setup screen opens the editor.
    const auto importCourses = [&setup] {
        answerModal(
            QStringLiteral("Importer baner"), [&setup] { press(&setup, "importPitchesButton"); },
            [](QWidget* import) {
                QTest::keyClicks(childNamed<QLineEdit>(import, QStringLiteral("fileNameEdit")),
                                 QStringLiteral("baner.txt"));
                press(import, "okButton");
            });
    };
    answerModal(QStringLiteral("Baner"), importCourses, [&](QWidget* editor) {
        listedInEditor = listed(editor, 0);
        MessageBox::setNextAnswer(MessageBox::Answer::No);
        press(editor, "closeButton");
    });
    EXPECT_EQ(listedInEditor, QStringList({"Testbanen", "Kortbanen", "Skogbanen"}));
}

TEST_F(CourseEditor, TheRealYesNoCancelQuestionOffersJaNeiAndAvbrytAndEscapeAnswersAvbryt) {
    MessageBox::setRecording(false);
    QStringList buttons;
    MessageBox::Answer answer = MessageBox::Answer::Yes;
    answerModal(
        MessageBox::title(), [&] { answer = MessageBox::askYesNoCancel(nullptr, QStringLiteral("Lagre?")); },
        [&](QWidget* box) {
            for (QPushButton* button : box->findChildren<QPushButton*>()) buttons << button->text();
            QTest::keyClick(box, Qt::Key_Escape);
        });
    MessageBox::setRecording(true);
    EXPECT_EQ(answer, MessageBox::Answer::Cancel);
    buttons.sort();
    EXPECT_EQ(buttons, QStringList({"Avbryt", "Ja", "Nei"}));
}
