// Pictures of every window, for a person to look at and for the organiser's guide. Written
// only when TEEBROOK_SCREENSHOTS names a folder (run under Xvfb with QT_QPA_PLATFORM=xcb to
// see real window decorations; the README gives the command that remakes docs/images).
// The pictures show a club's tournament on the sample course table.

#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <cstdlib>

#include "UiTestSupport.h"
#include "app/TournamentSession.h"
#include "live/LiveScoringRun.h"
#include "model/CourseTableFile.h"
#include "print/ScoreCardPdf.h"
#include "print/StartListPdf.h"
#include "scoring/Handicap.h"
#include "ui/CActiveTournamentDlg.h"
#include "ui/CClubhouseBoardDlg.h"
#include "ui/CCourseDlg.h"
#include "ui/CCourseTableDlg.h"
#include "ui/CCreateGroupsDlg.h"
#include "ui/CImportPitchesDlg.h"
#include "ui/CMobileScoringDlg.h"
#include "ui/CRegisterAllGroupsDlg.h"
#include "ui/CRegisterGroupDlg.h"
#include "ui/CResultsDlg.h"
#include "ui/CTournamentDlg.h"

namespace {

struct Entrant {
    const char* first;
    const char* sur;
    const char* club;
    float hcp;
};

struct Group {
    const char* name;
    int groupClass;
    int playForm;
    int allowance;
    int tee;
    std::vector<Entrant> players;
};

// Windows-1252 from the UTF-8 of this file.
std::string cp1252(const char* utf8) { return QString::fromUtf8(utf8).toLatin1().toStdString(); }

const std::vector<Group> Groups{
    {"Start 09.00",
     1,
     0,
     0,
     1,
     {{"Ola", "Haugen", "Fjellvik GK", 12.4f},
      {"Per", "Johansen", "Fjellvik GK", 8.1f},
      {"Knut", "Berg", "Solbakken GK", 21.7f},
      {"Lars", "Eriksen", "Fjellvik GK", 15.0f}}},
    {"Start 09.10",
     0,
     1,
     1,
     3,
     {{"Kari", "Nordmann", "Fjellvik GK", 18.2f},
      {"Ingrid", "Lie", "Kvernhaugen GK", 24.5f},
      {"Solveig", "Bakken", "Fjellvik GK", 9.8f},
      {"Marit", "Dahl", "Fjellvik GK", 30.1f}}},
    {"Start 09.20",
     2,
     0,
     0,
     2,
     {{"Emil", "Strand", "Fjellvik GK", 26.0f},
      {"Nora", "Moen", "Fjellvik GK", 33.4f},
      {"Jonas", "Aas", "Solbakken GK", 16.3f}}},
};

class Screenshots : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        const char* folder = std::getenv("TEEBROOK_SCREENSHOTS");
        if (!folder) GTEST_SKIP() << "TEEBROOK_SCREENSHOTS is not set";
        outputFolder = QString::fromLocal8Bit(folder);
        // The tests run in a temporary working directory, where a relative folder would be lost.
        ASSERT_TRUE(QDir::isAbsolutePath(outputFolder)) << "TEEBROOK_SCREENSHOTS must be an absolute path";
        QDir().mkpath(outputFolder);
        // The program runs in the Fusion style.
        QApplication::setStyle(QStringLiteral("Fusion"));
        useSampleCourses();
    }
    void TearDown() override {
        if (!savedConfig.empty()) {
            tournament().configFile = savedConfig;
            tournament().reloadPitches();
        }
        UiTest::TearDown();
    }

    // A copy of the sample course table, so that the pictures show a new club's courses.
    void useSampleCourses() {
        const QString copy = courseFolder.filePath(QStringLiteral("TeebrookConfig.ini"));
        ASSERT_TRUE(QFile::copy(QString::fromUtf8(TEEBROOK_SAMPLE_COURSES), copy));
        savedConfig = tournament().configFile;
        tournament().configFile = copy.toStdString();
        tournament().reloadPitches();
    }

    // The tournament as the organiser has set it up: three groups, players with handicaps.
    void fillTournament() {
        CTournament& t = tournament();
        t.day = 14;
        t.month = 6;
        t.year = 2026;
        t.name = "Sommercupen";
        t.type = "Singel";
        t.numberOfGroups = static_cast<int>(Groups.size());
        t.selectPitch("Fjellvik Golfklubb");
        for (std::size_t g = 0; g < Groups.size(); ++g) {
            const Group& source = Groups[g];
            CPlayGroup& group = t.groups[g];
            group.groupName = source.name;
            group.groupClass = source.groupClass;
            group.playForm = source.playForm;
            group.setAllowance(source.allowance);
            group.tee = source.tee;
            group.noOfPlayers = static_cast<int>(source.players.size());
            for (std::size_t p = 0; p < source.players.size(); ++p) {
                CPlayer& player = group.players[p];
                player.firstName = cp1252(source.players[p].first);
                player.surName = cp1252(source.players[p].sur);
                player.club = cp1252(source.players[p].club);
                player.hcp = source.players[p].hcp;
                player.sh = playingHandicap(player.hcp, t.pitch.slopeValue[group.tee], t.pitch.pitchValue[group.tee],
                                            t.pitch.parValue[group.tee]);
            }
        }
    }

    // Strokes of the holes played so far: par plus what the handicap makes likely, varied.
    void enterStrokes(int holesPlayed) {
        CTournament& t = tournament();
        for (int g = 0; g < t.numberOfGroups; ++g) {
            for (int p = 0; p < t.groups[g].noOfPlayers; ++p) {
                CPlayer& player = t.groups[g].players[p];
                for (int hole = 0; hole < holesPlayed; ++hole) {
                    const int spread = (hole * 7 + p * 5 + g * 3) % 9;
                    const int extra = std::max(0, static_cast<int>(player.hcp) + spread * 4 - 10) / 18;
                    player.results[hole] = t.pitch.par[hole] + extra - (spread == 0 ? 1 : 0);
                }
            }
        }
    }

    void save(QWidget& window, const char* name) {
        window.show();
        QTest::qWait(200);
        saveShown(window, name);
        window.close();
    }
    // Without an alpha channel and with the strongest compression, to keep the guide's pictures small.
    void saveShown(QWidget& window, const char* name) { savePicture(window.grab(), name); }
    void savePicture(const QPixmap& shot, const char* name) {
        const QImage picture = shot.toImage().convertToFormat(QImage::Format_RGB888);
        EXPECT_TRUE(picture.save(QDir(outputFolder).filePath(QString::fromLatin1(name) + ".png"), "PNG", 0));
    }

    // The main window with its context menu open, taken from the screen so the menu shows.
    void saveContextMenu(CTournamentDlg& main) {
        main.show();
        QTest::qWait(200);
        const auto openMenu = [&main] {
            const QPoint inside(main.width() / 2, main.height() / 2);
            QContextMenuEvent event(QContextMenuEvent::Mouse, inside, main.mapToGlobal(inside));
            QApplication::sendEvent(&main, &event);
        };
        answerPopup(openMenu, [&](QWidget* menu) {
            QTest::qWait(200);
            const QRect area = main.frameGeometry().united(menu->geometry());
            const QPixmap shot = main.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
            savePicture(shot, "meny");
            menu->close();
        });
        main.close();
    }

    QString outputFolder;
    QTemporaryDir courseFolder;
    std::string savedConfig;
};

}  // namespace

TEST_F(Screenshots, SettingUpTheCoursesAndTheTournament) {
    CTournamentDlg main;
    main.show();
    QTest::keyClicks(childNamed<QLineEdit>(&main, QStringLiteral("dayEdit")), QStringLiteral("14"));
    QTest::keyClicks(childNamed<QLineEdit>(&main, QStringLiteral("monthEdit")), QStringLiteral("6"));
    QTest::keyClicks(childNamed<QLineEdit>(&main, QStringLiteral("yearEdit")), QStringLiteral("2026"));
    QTest::keyClicks(childNamed<QLineEdit>(&main, QStringLiteral("nameEdit")), QStringLiteral("Sommercupen"));
    pickEntry(childNamed<QComboBox>(&main, QStringLiteral("courseList")), 0);
    pickEntry(childNamed<QComboBox>(&main, QStringLiteral("typeList")), 0);
    QTest::keyClicks(childNamed<QLineEdit>(&main, QStringLiteral("groupCountEdit")), QStringLiteral("3"));
    save(main, "hovedvindu");
    saveContextMenu(main);

    CCourseTableDlg courses;
    save(courses, "baner");
    const std::vector<CourseDraft> table = *readCourseTable(tournament().configFile);
    CCourseDlg course(table, 2);
    save(course, "bane");
    CImportPitchesDlg import;
    save(import, "importer_baner");

    fillTournament();
    CCreateGroupsDlg groups;
    save(groups, "opprett_grupper");
    CRegisterAllGroupsDlg all;
    save(all, "registrer_alle");
    CRegisterGroupDlg one(1);
    save(one, "registrer_gruppe");

    QMessageBox message(QMessageBox::Warning, MessageBox::title(), QStringLiteral("Skriv inn et Konkuransenavn."),
                        QMessageBox::Ok);
    save(message, "melding");
}

TEST_F(Screenshots, PlayAndResults) {
    fillTournament();
    enterStrokes(14);
    CActiveTournamentDlg play;
    play.show();
    auto* players = childNamed<QComboBox>(&play, QStringLiteral("playerCombo"));
    pickEntry(players, 1);
    auto* hole = childNamed<QLineEdit>(&play, QStringLiteral("holeEdit14"));
    hole->selectAll();
    QTest::keyClicks(hole, QStringLiteral("5"));
    save(play, "aktiv_turnering");
    enterStrokes(18);
    CResultsDlg results;
    save(results, "resultater");
}

TEST_F(Screenshots, ClubhouseBoard) {
    // Late in the round: two players still out on the course, the juniors not yet started.
    fillTournament();
    enterStrokes(18);
    CTournament& t = tournament();
    for (int p : {2, 3})
        std::fill(t.groups[0].players[p].results.begin() + 12 + p, t.groups[0].players[p].results.end(), 0);
    for (CPlayer& player : t.groups[2].players) player.results.fill(0);
    CClubhouseBoardDlg board;
    board.setGeometry(QApplication::primaryScreen()->geometry());
    const QSize size = QApplication::primaryScreen()->geometry().size();
    save(board, QStringLiteral("resultattavle_%1x%2").arg(size.width()).arg(size.height()).toLatin1().constData());
}

TEST_F(Screenshots, MobileScoring) {
    // Six holes played, on hole 6 the marker's and the player's phones disagree.
    fillTournament();
    enterStrokes(5);
    theSession().applyScoreEntry({0, 1, 5, EntryRole::Marker, 5, 1, "markor"});
    theSession().applyScoreEntry({0, 1, 5, EntryRole::Player, 4, 1, "spiller"});
    ASSERT_FALSE(theLiveScoring().start());
    CMobileScoringDlg mobile;
    save(mobile, "mobilregistrering");
    CActiveTournamentDlg play;
    save(play, "aktiv_turnering_konflikt");
    // The cards with the groups' QR codes, for a picture made with pdftoppm.
    EXPECT_TRUE(writeScoreCardsPdf(tournament(), QDir(outputFolder).filePath("scorekort.pdf").toStdString(),
                                   theLiveScoring().pageAddress()));
    theLiveScoring().stop();
}

TEST_F(Screenshots, PairsOnTheRegisterScreenAndTheBoard) {
    // The same players as pairs: Greensome in the first group, better ball in the second.
    fillTournament();
    enterStrokes(18);
    CTournament& t = tournament();
    t.type = "Par";
    t.groups[0].format = 1;
    t.groups[1].format = 0;
    CRegisterGroupDlg one(0);
    save(one, "registrer_par");
    CClubhouseBoardDlg board;
    board.resize(1366, 768);
    save(board, "resultattavle_par");
}

// What the organiser sees of saving, finding, printing: the title and the status line after a
// save, the list of saved tournaments, the print preview and the lines on the other windows.
TEST_F(Screenshots, TheOrganisersDesk) {
    fillTournament();
    ASSERT_TRUE(tournament().save("./data/Sommercupen.ini"));
    CTournamentDlg main;
    main.show();
    const auto press = [&main](const char* button) {
        QTest::mouseClick(childNamed<QPushButton>(&main, QString::fromLatin1(button)), Qt::LeftButton);
    };
    const auto shoot = [&main, this](const char* name) {
        QTest::qWait(300);
        // From the screen, so the window manager's title bar shows where there is one.
        const QRect frame = main.frameGeometry();
        savePicture(QApplication::primaryScreen()->grabWindow(0).copy(frame), name);
    };
    QTest::keyClicks(childNamed<QLineEdit>(&main, QStringLiteral("nameEdit")), QStringLiteral("Sommercupen"));
    press("openButton");
    auto* day = childNamed<QLineEdit>(&main, QStringLiteral("dayEdit"));
    day->selectAll();
    QTest::keyClicks(day, QStringLiteral("15"));
    shoot("hovedvindu_endret");
    press("saveButton");
    shoot("hovedvindu_lagret");
    press("startListButton");
    shoot("hovedvindu_startliste");
    ASSERT_TRUE(
        writeStartListPdf(tournament(), QDir(outputFolder).filePath(QStringLiteral("startliste.pdf")).toStdString()));

    for (const char* other : {"Vaarcupen", "Klubbmesterskap"}) {
        tournament().name = other;
        ASSERT_TRUE(tournament().save("./data/" + std::string(other) + ".ini"));
    }
    QFile damaged(QStringLiteral("data/Gammel.ini"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("ikke en turnering\r\n");
    damaged.close();
    auto* name = childNamed<QLineEdit>(&main, QStringLiteral("nameEdit"));
    name->setText(QStringLiteral("Sommercup"));
    answerModal(
        QStringLiteral("Åpne turnering"),
        [&] { QTest::mouseClick(childNamed<QPushButton>(&main, QStringLiteral("openButton")), Qt::LeftButton); },
        [&](QWidget* pick) {
            QTest::qWait(200);
            saveShown(*pick, "aapne_turnering");
            pick->close();
        });
    answerModal(
        QStringLiteral("Skriv ut – Startliste – Sommercup"),
        [&] {
            QTest::mouseClick(childNamed<QPushButton>(&main, QStringLiteral("printStartListButton")), Qt::LeftButton);
        },
        [&](QWidget* preview) {
            preview->resize(1000, 700);
            QTest::qWait(400);
            saveShown(*preview, "skriv_ut");
            preview->close();
        });
    main.close();

    fillTournament();
    CResultsDlg results;
    results.show();
    QTest::mouseClick(childNamed<QPushButton>(&results, QStringLiteral("prizeListButton")), Qt::LeftButton);
    save(results, "resultater_skrevet");
    CRegisterAllGroupsDlg all;
    all.show();
    QTest::mouseClick(childNamed<QPushButton>(&all, QStringLiteral("scoreCardButton")), Qt::LeftButton);
    save(all, "registrer_alle_skrevet");
}

// On one screen the board comes in front of the play screen, sized to what it shows.
TEST_F(Screenshots, ClubhouseBoardOnOneScreen) {
    fillTournament();
    enterStrokes(18);
    CActiveTournamentDlg play;
    play.show();
    QTest::qWait(200);
    QTest::mouseClick(childNamed<QPushButton>(&play, QStringLiteral("boardButton")), Qt::LeftButton);
    QTest::qWait(600);
    const QSize size = QApplication::primaryScreen()->geometry().size();
    savePicture(
        QApplication::primaryScreen()->grabWindow(0),
        QStringLiteral("resultattavle_foran_%1x%2").arg(size.width()).arg(size.height()).toLatin1().constData());
    EXPECT_EQ(QApplication::activeWindow(), &play);
    ASSERT_NE(play.clubhouseBoard(), nullptr);
    EXPECT_EQ(play.clubhouseBoard()->pageCount(), 1);
}
