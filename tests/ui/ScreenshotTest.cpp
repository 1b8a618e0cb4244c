// Pictures of every window, for a person to look at. Written only when TEEBROOK_SCREENSHOTS
// names a folder (run under Xvfb with QT_QPA_PLATFORM=xcb to see real window decorations).

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <cstdlib>

#include "UiTestSupport.h"
#include "ui/CAboutDlg.h"
#include "ui/CActiveTournamentDlg.h"
#include "ui/CClubhouseBoardDlg.h"
#include "ui/CCreateGroupsDlg.h"
#include "ui/CRegisterAllGroupsDlg.h"
#include "ui/CRegisterGroupDlg.h"
#include "ui/CResultsDlg.h"
#include "ui/CTournamentDlg.h"

namespace {

class Screenshots : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        const char* folder = std::getenv("TEEBROOK_SCREENSHOTS");
        if (!folder) GTEST_SKIP() << "TEEBROOK_SCREENSHOTS is not set";
        outputFolder = QString::fromLocal8Bit(folder);
        QDir().mkpath(outputFolder);
        // The program runs in the Fusion style.
        QApplication::setStyle(QStringLiteral("Fusion"));
        fillTournament();
    }

    void fillTournament() {
        CTournament& t = tournament();
        t.day = 14;
        t.month = 6;
        t.year = 2026;
        t.name = "V\xE5rcup";
        t.type = "Singel";
        t.numberOfGroups = 3;
        t.selectPitch("Testbanen");
        const char* names[3] = {"Formiddag", "Ettermiddag", "Junior"};
        for (int g = 0; g < 3; ++g) {
            t.groups[g].groupName = names[g];
            t.groups[g].groupClass = g;
            t.groups[g].noOfPlayers = g == 2 ? 0 : 4;
            t.groups[g].tee = g;
        }
        const char* first[4] = {"Kari", "Ola", "Bj\xF8rn", "Synn\xF8ve"};
        const char* sur[4] = {"Nordmann", "Haugen", "\xC5sheim", "Berg"};
        const float hcps[4] = {12.3f, 28.4f, 4.1f, 54.0f};
        for (int p = 0; p < 4; ++p) {
            CPlayer& player = t.groups[0].players[p];
            player.firstName = first[p];
            player.surName = sur[p];
            player.club = "Fjellvik GK";
            player.hcp = hcps[p];
        }
    }

    void save(QWidget& window, const char* name) {
        window.show();
        QTest::qWait(200);
        EXPECT_TRUE(window.grab().save(QDir(outputFolder).filePath(QString::fromLatin1(name) + ".png")));
        window.close();
    }

    QString outputFolder;
};

}  // namespace

TEST_F(Screenshots, EachWindow) {
    CTournamentDlg main;
    main.show();
    QTest::keyClicks(childNamed<QLineEdit>(&main, QStringLiteral("nameEdit")), QStringLiteral("Vårcup"));
    pickEntry(childNamed<QComboBox>(&main, QStringLiteral("courseList")), 0);
    save(main, "main");
    CAboutDlg about;
    save(about, "about");
    CCreateGroupsDlg groups;
    save(groups, "create_groups");
    CRegisterAllGroupsDlg all;
    save(all, "register_all");
    CRegisterGroupDlg one(0);
    save(one, "register_group");
}

TEST_F(Screenshots, PlayScreens) {
    // A few holes played, so the leaderboard shows every colour.
    const int strokes[4][6] = {{4, 5, 3, 4, 5, 4}, {5, 6, 4, 6, 7, 4}, {3, 4, 2, 4, 4, 3}, {6, 7, 5, 7, 8, 6}};
    for (int p = 0; p < 4; ++p) {
        for (int hole = 0; hole < 6; ++hole) tournament().groups[0].players[p].results[hole] = strokes[p][hole];
    }
    tournament().groups[1].playForm = 1;
    CActiveTournamentDlg play;
    play.show();
    auto* players = childNamed<QComboBox>(&play, QStringLiteral("playerCombo"));
    pickEntry(players, 1);
    auto* seventhHole = childNamed<QLineEdit>(&play, QStringLiteral("holeEdit6"));
    seventhHole->selectAll();
    QTest::keyClicks(seventhHole, QStringLiteral("5"));
    save(play, "active_tournament");
    CResultsDlg results;
    save(results, "results");
}

TEST_F(Screenshots, ClubhouseBoard) {
    // Three competitions: one under way, one finished, one not started.
    CTournament& t = tournament();
    const char* first[9] = {"Kari", "Ola", "Bj\xF8rn", "Synn\xF8ve", "Per", "Ingrid", "H\xE5kon", "Marte", "Even"};
    const char* sur[9] = {"Nordmann",
                          "Haugen",
                          "\xC5sheim",
                          "Berg",
                          "Lie",
                          "Dahl",
                          "S\xE6ther",
                          "\xD8"
                          "deg\xE5rd",
                          "Strand"};
    const char* clubs[3] = {"Fjellvik GK", "Oslo Golfklubb", "Bj\xF8rnefjorden GK"};
    for (int g = 0; g < 3; ++g) {
        CPlayGroup& group = t.groups[g];
        group.playForm = g == 1 ? 1 : 0;
        group.allowanceFactor = 1.0f;
        group.noOfPlayers = g == 2 ? 4 : 9;
        for (int p = 0; p < group.noOfPlayers; ++p) {
            CPlayer& player = group.players[p];
            player.firstName = first[(p + 3 * g) % 9];
            player.surName = sur[(p + 5 * g) % 9];
            player.club = clubs[(p + g) % 3];
            player.sh = player.hcp = 2.0f + 3.5f * static_cast<float>(p);
            const int played = g == 2 ? 0 : g == 0 && p > 5 ? 9 + p : 18;
            for (int h = 0; h < played; ++h) player.results[h] = t.pitch.par[h] + (h * 7 + p * 3) % 4 - (p < 2);
        }
    }
    CClubhouseBoardDlg board;
    board.setGeometry(QApplication::primaryScreen()->geometry());
    const QSize size = QApplication::primaryScreen()->geometry().size();
    save(board, QStringLiteral("clubhouse_board_%1x%2").arg(size.width()).arg(size.height()).toLatin1().constData());
}
