// "Resultattavle": the clubhouse board opened from the play screen, in prize-list order,
// live while strokes are typed, and paging when the rows do not fit.

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <memory>

#include "PlayTestSupport.h"
#include "ui/CActiveTournamentDlg.h"
#include "ui/CClubhouseBoardDlg.h"

namespace {

using Line = CClubhouseBoardDlg::Line;

// "place|name|club|holes|gross|score|status", or "# title|holes|gross|score" for a heading.
std::string describe(const Line& line) {
    if (line.heading)
        return QStringLiteral("# %1|%2|%3|%4").arg(line.name, line.holes, line.gross, line.score).toStdString();
    return QStringList{line.place, line.name, line.club, line.holes, line.gross, line.score, line.status}
        .join(u'|')
        .toStdString();
}

std::vector<std::string> describe(const std::vector<Line>& lines) {
    std::vector<std::string> result;
    for (const Line& line : lines) result.push_back(describe(line));
    return result;
}

class ClubhouseBoard : public PlayTest {
protected:
    // A whole round at par plus `overOnFirst` strokes on hole 1.
    CPlayer& addRound(int g, const std::string& first, const std::string& sur, float sh, int overOnFirst) {
        CPlayer& player = addPlayer(g, first, sur, sh, sh);
        for (int h = 0; h < MaxHoles; ++h) player.results[h] = tournament().pitch.par[h];
        player.results[0] += overOnFirst;
        player.club = "Bj\xF8rnvik GK";
        return player;
    }

    void setUpSmallTournament() {
        setUpTournament(2);
        // Tee "Rød" (slope 113, rating 72.0, par 72): the course handicap is the index.
        setUpGroup(0, 1, "Morgen", 0, 0, 1);
        addRound(0, "Ola", "Nordmann", 10.0f, 10);           // 80 - 10 = 70
        addRound(0, "Per", "Berg", 5.0f, 3);                 // 73 - 5 = 68
        addPlayer(0, "Kari", "Lie", 0.0f, 0.0f, {4, 5, 3});  // three holes so far
        addPlayer(0, "Nils", "Nystart", 3.0f, 3.0f);         // not started
        setUpGroup(1, 0, "Kveld", 1, 0, 1);
        addRound(1, "Eva", "Dahl", 0.0f, 0);  // 36 points
        addRound(1, "\xC5se",
                 "\xD8"
                 "deg\xE5rd",
                 18.0f, 0);  // 54 points
    }

    CClubhouseBoardDlg* openBoard() {
        play = std::make_unique<CActiveTournamentDlg>();
        play->show();
        play->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(play.get()));
        QTest::mouseClick(childNamed<QPushButton>(play.get(), QStringLiteral("boardButton")), Qt::LeftButton);
        CClubhouseBoardDlg* board = play->clubhouseBoard();
        EXPECT_NE(board, nullptr);
        return board;
    }

    static QString pageText(const CClubhouseBoardDlg* board) {
        return childNamed<QLabel>(board, QStringLiteral("boardPage"))->text();
    }

    std::unique_ptr<CActiveTournamentDlg> play;
};

}  // namespace

TEST_F(ClubhouseBoard, ShowsEachCompetitionInPrizeListOrderWithItsFigures) {
    setUpSmallTournament();
    CClubhouseBoardDlg* board = openBoard();
    ASSERT_NE(board, nullptr);

    EXPECT_EQ(board->windowTitle(), QStringLiteral("Resultattavle"));
    EXPECT_TRUE(board->isVisible());
    EXPECT_FALSE(board->isModal());
    EXPECT_TRUE(board->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(childNamed<QLabel>(board, QStringLiteral("boardTitle"))->text(), QStringLiteral("Klubbmesterskap"));
    const std::vector<std::string> expected{
        "# Herre \u2013 Slagspill|Hull|Brutto|Netto",
        "1|Per Berg|Bjørnvik GK|18|73|68|",
        "2|Ola Nordmann|Bjørnvik GK|18|80|70|",
        "|Kari Lie||3|12|\u2013|",
        "|Nils Nystart|||||Ikke startet",
        "# Dame \u2013 Stableford|Hull|Brutto|Poeng",
        "1|Åse Ødegård|Bjørnvik GK|18|70|54|",
        "2|Eva Dahl|Bjørnvik GK|18|70|36|",
    };
    EXPECT_EQ(describe(board->shownLines()), expected);
    EXPECT_EQ(board->pageCount(), 1);
    EXPECT_EQ(pageText(board), QString());
    EXPECT_FALSE(board->pageTimer()->isActive());

    // A second press brings the same board forward instead of opening another.
    QTest::mouseClick(childNamed<QPushButton>(play.get(), QStringLiteral("boardButton")), Qt::LeftButton);
    EXPECT_EQ(play->clubhouseBoard(), board);

    QTest::keyClick(board, Qt::Key_Escape);
    QTRY_COMPARE(play->clubhouseBoard(), nullptr);
    openBoard();
    QTest::mouseDClick(play->clubhouseBoard(), Qt::LeftButton);
    QTRY_COMPARE(play->clubhouseBoard(), nullptr);
    EXPECT_TRUE(play->isVisible());
}

TEST_F(ClubhouseBoard, AStrokeTypedOnThePlayScreenReachesTheBoardWithoutTakingTheFocus) {
    setUpSmallTournament();
    CClubhouseBoardDlg* board = openBoard();
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(QApplication::activeWindow(), play.get());
    childNamed<QComboBox>(play.get(), QStringLiteral("playerCombo"))->setCurrentIndex(3);  // Nils Nystart
    auto* hole = childNamed<QLineEdit>(play.get(), QStringLiteral("holeEdit0"));
    hole->setFocus();
    hole->selectAll();
    QTest::keyClicks(hole, QStringLiteral("5"));

    // Gathered, not drawn on the keystroke: the board still shows the old figures.
    EXPECT_TRUE(board->refreshTimer()->isActive());
    EXPECT_EQ(describe(board->shownLines()[4]), "|Nils Nystart|||||Ikke startet");
    QTRY_COMPARE_WITH_TIMEOUT(QString::fromStdString(describe(board->shownLines()[4])),
                              QStringLiteral("|Nils Nystart||1|5|\u2013|"), 1000);
    EXPECT_EQ(QApplication::activeWindow(), play.get());
    EXPECT_EQ(QApplication::focusWidget(), hole);
    EXPECT_EQ(hole->text(), QStringLiteral("5"));
}

TEST_F(ClubhouseBoard, RowsThatDoNotFitArePagedEveryTenSeconds) {
    setUpTournament(3);
    for (int g = 0; g < 3; ++g) {
        setUpGroup(g, 1, "Gruppe", 0, 0, 0);
        for (int p = 0; p < MaxPlayers; ++p) addRound(g, "Spiller", std::to_string(g * MaxPlayers + p + 1), 0.0f, p);
    }
    CClubhouseBoardDlg* board = openBoard();
    ASSERT_NE(board, nullptr);
    board->resize(1280, 720);
    QApplication::processEvents();

    const int pages = board->pageCount();
    ASSERT_GT(pages, 1);
    EXPECT_EQ(pageText(board), QStringLiteral("Side 1 av %1").arg(pages));
    EXPECT_TRUE(board->pageTimer()->isActive());
    EXPECT_EQ(board->pageTimer()->interval(), 10000);

    // Every player once over the pages, in order; a continued competition repeats its heading.
    std::vector<std::string> names;
    for (int p = 0; p < pages; ++p) {
        EXPECT_EQ(board->currentPage(), p);
        EXPECT_EQ(pageText(board), QStringLiteral("Side %1 av %2").arg(p + 1).arg(pages));
        const std::vector<Line>& lines = board->shownLines();
        ASSERT_FALSE(lines.empty());
        EXPECT_TRUE(lines.front().heading);
        EXPECT_EQ(lines.front().name, p == 0 ? QStringLiteral("Herre \u2013 Slagspill")
                                             : QStringLiteral("Herre \u2013 Slagspill (forts.)"));
        for (const Line& line : lines) {
            if (!line.heading) names.push_back(line.name.toStdString());
        }
        board->showNextPage();  // what the page timer runs
    }
    EXPECT_EQ(board->currentPage(), 0);
    ASSERT_EQ(names.size(), 27u);
    // Three players share each figure from par upwards: 1, 10, 19 on par, then 2, 11, 20, ...
    EXPECT_EQ(names.front(), "Spiller 1");
    EXPECT_EQ(names[1], "Spiller 10");
    EXPECT_EQ(names.back(), "Spiller 27");
}

// On the play screen's own screen the board is a window in front of it, as large as its lines
// take: twelve players and three headings fit 1080 lines in rows of 36 pixels, and only a board
// longer than the screen pages.
TEST_F(ClubhouseBoard, OnOneScreenTheBoardFitsItsLinesInFrontOfThePlayScreen) {
    setUpTournament(3);
    for (int g = 0; g < 3; ++g) {
        setUpGroup(g, g, "Gruppe", 0, 0, 0);
        for (int p = 0; p < 4; ++p) addRound(g, "Spiller", std::to_string(g * 4 + p + 1), 0.0f, p);
    }
    CClubhouseBoardDlg* board = openBoard();
    ASSERT_NE(board, nullptr);
    ASSERT_NE(board->windowHandle(), nullptr);
    EXPECT_EQ(board->windowHandle()->transientParent(), play->windowHandle());
    EXPECT_EQ(QApplication::activeWindow(), play.get());

    board->fitInto(QRect(0, 0, 1920, 1040), 1080);
    QApplication::processEvents();
    EXPECT_GE(board->rowHeight(), 36);
    EXPECT_EQ(board->pageCount(), 1);
    EXPECT_EQ(board->shownLines().size(), 15u);
    EXPECT_LE(board->height(), 1000);

    // Where the lines take more than the screen, the board pages.
    board->fitInto(QRect(0, 0, 1366, 300), 768);
    QApplication::processEvents();
    EXPECT_GT(board->pageCount(), 1);
}
