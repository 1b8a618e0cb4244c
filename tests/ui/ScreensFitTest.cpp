// Every screen, opened on a full tournament with the longest names, fits a 1280x720 display
// (and so 1920x1080 at 150 %, the same size in Qt's pixels) with room for a window frame and
// a desktop panel; its read-only fields look read-only, and its filled fields show the start
// of their texts. Enter on any button with the focus presses that button.

#include <QDir>
#include <QDirIterator>
#include <QLayout>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "PlayTestSupport.h"
#include "ui/CAboutDlg.h"
#include "ui/CActiveTournamentDlg.h"
#include "ui/CClubhouseBoardDlg.h"
#include "ui/CColorEdit.h"
#include "ui/CCourseDlg.h"
#include "ui/CCourseTableDlg.h"
#include "ui/CCreateGroupsDlg.h"
#include "ui/CImportPitchesDlg.h"
#include "ui/CImportPlayersDlg.h"
#include "ui/CMobileScoringDlg.h"
#include "ui/CPickTournamentDlg.h"
#include "ui/CRegisterAllGroupsDlg.h"
#include "ui/CRegisterGroupDlg.h"
#include "ui/CRegisterPitchDlg.h"
#include "ui/CRegisterPlayersDlg.h"
#include "ui/CResultsDlg.h"
#include "ui/CSavePitchesDlg.h"
#include "ui/CSavePlayersDlg.h"
#include "ui/CSetupDlg.h"
#include "ui/CTournamentDlg.h"

namespace {

// 1280x720 less a window frame (borders of 10 each side, a title bar of 32) and a panel of 48;
// the width left is also what the play screen may take at most.
const QSize Display(1280, 720);
const QSize Room(Display.width() - 20, Display.height() - 32 - 10 - 48);

using OpenScreen = std::function<std::unique_ptr<QDialog>()>;

// An 18-hole course with five tees, every name as long as the editor keeps.
CourseDraft longestCourse() {
    CourseDraft course{std::string(49, 'B'), MaxHoles, {}, {}, {}};
    for (int i = 0; i < MaxHoles; ++i) {
        course.par[i] = 4;
        course.index[i] = i + 1;
    }
    for (int tee = 0; tee < MaxTees; ++tee) course.tees.push_back({std::string(49, 'T'), "71,3", 131, 72});
    return course;
}

template <class Screen>
OpenScreen opens() {
    return [] { return std::make_unique<Screen>(); };
}

// Every screen of the program, as it opens; a new screen is one entry here.
const std::vector<OpenScreen>& everyScreen() {
    static const std::vector<OpenScreen> screens{
        opens<CTournamentDlg>(),
        [] { return std::make_unique<CPickTournamentDlg>(QString(49, u'N'), "./data"); },
        opens<CAboutDlg>(),
        opens<CCreateGroupsDlg>(),
        opens<CRegisterAllGroupsDlg>(),
        [] { return std::make_unique<CRegisterGroupDlg>(0); },
        opens<CActiveTournamentDlg>(),
        opens<CClubhouseBoardDlg>(),
        opens<CMobileScoringDlg>(),
        opens<CResultsDlg>(),
        opens<CSetupDlg>(),
        opens<CRegisterPlayersDlg>(),
        opens<CSavePlayersDlg>(),
        opens<CImportPlayersDlg>(),
        opens<CRegisterPitchDlg>(),
        opens<CSavePitchesDlg>(),
        opens<CImportPitchesDlg>(),
        opens<CCourseTableDlg>(),
        [] { return std::make_unique<CCourseDlg>(std::vector<CourseDraft>{longestCourse()}, 0); },
    };
    return screens;
}

// The size a window opens at when nothing sets one, as Qt works it out: its size hint, at
// most two thirds of the display, never below its minimum size.
QSize openingSize(const QDialog& screen) {
    const QSize hint = screen.sizeHint().boundedTo(Display * 2 / 3);
    return hint.expandedTo(screen.minimumSize());
}

bool fits(QSize size) { return size.width() <= Room.width() && size.height() <= Room.height(); }

// The screens' own class names (C...Dlg) from the headers in ui/.
std::set<std::string> screenClassesInSources() {
    std::set<std::string> names;
    QDirIterator headers(QStringLiteral(TEEBROOK_SOURCE_DIR "/ui"), {QStringLiteral("C*Dlg.h")}, QDir::Files);
    while (headers.hasNext()) names.insert(QFileInfo(headers.next()).completeBaseName().toStdString());
    return names;
}

class EveryScreen : public PlayTest {
protected:
    // Nine groups of nine players, the first a Stableford group (its extra row makes the play
    // screen tallest), every name as long as a field keeps.
    void setUpFullTournament() {
        setUpTournament(MaxGroups);
        tournament().name = std::string(49, 'W');
        for (int g = 0; g < MaxGroups; ++g) {
            setUpGroup(g, g % 4, std::string(49, 'G'), g == 0 ? 1 : 0, 1, g % 3);
            for (int p = 0; p < MaxPlayers; ++p) {
                CPlayer& player = addPlayer(g, std::string(49, 'F'), std::string(49, 'S'), 54.0f, 63.0f, {12, 11});
                player.club = std::string(49, 'K');
            }
        }
    }
};

TEST_F(EveryScreen, FitsA1280x720DisplayWithReadOnlyFieldsMutedAndTextsShownFromTheStart) {
    setUpFullTournament();
    std::set<std::string> walked;
    for (const OpenScreen& open : everyScreen()) {
        const std::unique_ptr<QDialog> screen = open();
        screen->layout()->activate();
        const std::string name = screen->metaObject()->className();
        walked.insert(name);
        SCOPED_TRACE(name);

        EXPECT_TRUE(fits(screen->minimumSize()))
            << screen->minimumSize().width() << "x" << screen->minimumSize().height();
        EXPECT_TRUE(fits(openingSize(*screen))) << openingSize(*screen).width() << "x" << openingSize(*screen).height();
        for (const QLineEdit* field : screen->findChildren<QLineEdit*>()) {
            SCOPED_TRACE(field->objectName().toStdString());
            EXPECT_EQ(field->cursorPosition(), 0);
            if (field->isReadOnly() && !qobject_cast<const CColorEdit*>(field)) {
                EXPECT_EQ(field->palette().color(QPalette::Base), field->palette().color(QPalette::Window));
            }
        }
    }
    // A screen added to ui/ without an entry above would go unchecked.
    for (const std::string& source : screenClassesInSources()) {
        const bool isBaseOfWalked = source == "CImportFileDlg";
        EXPECT_TRUE(walked.count(source) || isBaseOfWalked) << source << " is not in everyScreen()";
    }
}

// A keyboard user tabs to a button and presses Enter: that button must be pressed, not the
// screen's default button (which closes it) and not nothing.
TEST_F(EveryScreen, EnterPressesTheFocusedButton) {
    setUpFullTournament();
    for (const OpenScreen& open : everyScreen()) {
        const std::unique_ptr<QDialog> screen = open();
        screen->show();
        SCOPED_TRACE(screen->metaObject()->className());
        const QList<QPushButton*> buttons = screen->findChildren<QPushButton*>();
        std::map<QPushButton*, int> presses;
        for (QPushButton* button : buttons) {
            // Only which button Enter reaches counts here, not what the button does.
            QObject::disconnect(button, &QPushButton::clicked, nullptr, nullptr);
            QObject::connect(button, &QPushButton::clicked, [&presses, button] { ++presses[button]; });
        }
        for (QPushButton* button : buttons) {
            if (!button->isEnabled() || !button->isVisible()) continue;
            presses.clear();
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Return);
            EXPECT_EQ(presses, (std::map<QPushButton*, int>{{button, 1}})) << button->text().toStdString();
        }
    }
}

// Pictures of every screen on the whole display, as it opens there, for a person to look at:
// written only when TEEBROOK_SCREENSHOTS names a folder (see the README).
class ScreenshotsOnTheDisplay : public EveryScreen {
protected:
    void SetUp() override {
        EveryScreen::SetUp();
        const char* folder = std::getenv("TEEBROOK_SCREENSHOTS");
        if (!folder) GTEST_SKIP() << "TEEBROOK_SCREENSHOTS is not set";
        outputFolder = QDir(QString::fromLocal8Bit(folder));
        QDir().mkpath(outputFolder.path());
        QApplication::setStyle(QStringLiteral("Fusion"));
    }

    void save(QDialog& screen, const QString& name) {
        screen.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
        QTest::qWait(100);
        const QPixmap display = screen.screen()->grabWindow(0);
        EXPECT_TRUE(display.save(outputFolder.filePath(QStringLiteral("display-%1.png").arg(name))));
        screen.close();
    }

    QDir outputFolder;
};

TEST_F(ScreenshotsOnTheDisplay, EveryScreenWithTheLongestNames) {
    setUpFullTournament();
    for (const OpenScreen& open : everyScreen()) {
        const std::unique_ptr<QDialog> screen = open();
        save(*screen, QString::fromLatin1(screen->metaObject()->className()));
    }
}

TEST_F(ScreenshotsOnTheDisplay, PlayScreenDuringPlayWithNinePlayers) {
    setUpTournament(2);
    setUpGroup(0, 1, "Torsdagsgruppen", 1, 1, 0);
    setUpGroup(1, 0, "Damer formiddag", 0, 0, 1);
    const char* names[MaxPlayers][2] = {{"Kari", "Nordmann"},   {"Ola", "Haugen"},         {"Bj\xF8rn", "\xC5sheim"},
                                        {"Synn\xF8ve", "Berg"}, {"Per Arne", "Lie"},       {"Ingrid", "Dahl-Strand"},
                                        {"Tor", "Bakke"},       {"Marianne", "Fjellheim"}, {"Even", "Solberg"}};
    for (int p = 0; p < MaxPlayers; ++p) {
        CPlayer& player = addPlayer(0, names[p][0], names[p][1], 4.0f + 5.5f * p, 5.0f + 6.0f * p);
        for (int hole = 0; hole < 11; ++hole) player.results[hole] = 3 + (p * 7 + hole * 3) % 5;
    }
    addPlayer(1, "Anne", "Lie", 18.0f, 18.0f, {5, 4, 3});
    CActiveTournamentDlg play;
    play.show();
    pickEntry(childNamed<QComboBox>(&play, QStringLiteral("playerCombo")), 3);
    QLineEdit* hole = childNamed<QLineEdit>(&play, QStringLiteral("holeEdit11"));
    hole->setFocus();
    hole->selectAll();
    QTest::keyClicks(hole, QStringLiteral("4"));
    save(play, QStringLiteral("play-nine-players"));
}

}  // namespace
