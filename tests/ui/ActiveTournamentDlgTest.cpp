// The play screen driven as the organiser uses it: choose a group and a player, type the
// strokes hole by hole, and watch the records, the totals and the coloured leaderboard.

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolTip>
#include <array>
#include <memory>

#include "PlayTestSupport.h"
#include "scoring/HoleScore.h"
#include "scoring/LiveScoring.h"
#include "ui/CActiveTournamentDlg.h"
#include "ui/CColorEdit.h"
#include "ui/CColorStatic.h"
#include "ui/CResultsDlg.h"

namespace {

const QColor TwoUnder(0xFF, 0x99, 0x33);
const QColor OneUnder(0xFF, 0x50, 0x50);
const QColor Level(0x66, 0xFF, 0x99);
const QColor OneOver(0x99, 0xCC, 0xFF);
const QColor TwoOver(0x00, 0x66, 0xFF);
const QColor Other(0x99, 0x33, 0xFF);
const QColor Empty(0xC0, 0xC0, 0xC0);

class ActiveTournamentScreen : public PlayTest {
protected:
    // Group A (Herre, Slagspill, 1/1, tee Gul) with three players, group B (Dame,
    // Stableford, 3/4, tee Rød) with two. Testbanen: par 4 but holes 3, 8, 12, 16 (3) and 5, 14 (5).
    void setUpTwoGroups() {
        setUpTournament(2);
        setUpGroup(0, 1, "Gruppe A", 0, 0, 0);
        addPlayer(0, "Ola", "Nordmann", 12.3f, 12.332745f, {4, 5, 3});
        addPlayer(0, "Kari", "Hansen", 28.4f, 30.723896f, {5, 5, 4});
        addPlayer(0, "Per", "Berg", 5.0f, 4.6f);
        setUpGroup(1, 0, "Gruppe B", 1, 1, 1);
        addPlayer(1, "Anne", "Lie", 18.0f, 18.0f);
        addPlayer(1, "Siri", "Dahl", -1.2f, -1.6f, {3, 3});
    }

    CActiveTournamentDlg& open() {
        screen = std::make_unique<CActiveTournamentDlg>();
        screen->show();
        return *screen;
    }

    void chooseGroup(int g) { QTest::mouseClick(childNamed<QRadioButton>(screen.get(), radioName(g)), Qt::LeftButton); }
    void choosePlayer(int position) { pickEntry(combo(), position); }

    // As the organiser does: the field's text is selected and the new text typed over it.
    void typeHole(int k, const QString& keys) {
        QLineEdit* edit = holeEdit(k);
        edit->setFocus();
        edit->selectAll();
        if (keys.isEmpty()) {
            QTest::keyClick(edit, Qt::Key_Backspace);
        } else {
            QTest::keyClicks(edit, keys);
        }
    }

    static QString radioName(int g) { return QStringLiteral("groupRadio%1").arg(g); }
    QComboBox* combo() { return childNamed<QComboBox>(screen.get(), QStringLiteral("playerCombo")); }
    QLineEdit* holeEdit(int k) { return childNamed<QLineEdit>(screen.get(), QStringLiteral("holeEdit%1").arg(k)); }
    QString hole(int k) { return holeEdit(k)->text(); }
    QString board(const char* field, int row) {
        return textOf(screen.get(), QStringLiteral("board%1%2").arg(QLatin1String(field)).arg(row));
    }
    CColorEdit* cell(int row, int i) {
        return childNamed<CColorEdit>(screen.get(), QStringLiteral("boardCell%1_%2").arg(row).arg(i));
    }
    QColor cellColour(int row, int i) { return cell(row, i)->palette().color(QPalette::Base); }
    QColor figureColour(int row, int i) { return cell(row, i)->palette().color(QPalette::Text); }
    QString input(const char* field) { return textOf(screen.get(), QLatin1String(field)); }
    QLabel* label(const QString& name) { return childNamed<QLabel>(screen.get(), name); }
    const CPlayer& player(int g, int i) { return tournament().groups[g].players[i]; }

    QStringList comboItems() {
        QStringList items;
        for (int i = 0; i < combo()->count(); ++i) items << combo()->itemText(i);
        return items;
    }

    std::unique_ptr<CActiveTournamentDlg> screen;
};

TEST_F(ActiveTournamentScreen, OpensWithCourseGroupCaptionsAndTheFirstGroup) {
    setUpTwoGroups();
    open();

    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Aktiv turnering"));
    EXPECT_EQ(childNamed<QGroupBox>(screen.get(), QStringLiteral("playFrame"))->title(),
              QStringLiteral("Følgende spill pågår: Singel"));
    EXPECT_EQ(label(QStringLiteral("parTotal"))->text(), QStringLiteral("70"));
    EXPECT_EQ(label(QStringLiteral("par2"))->text(), QStringLiteral("3"));
    EXPECT_EQ(label(QStringLiteral("par4"))->text(), QStringLiteral("5"));
    EXPECT_EQ(label(QStringLiteral("index17"))->text(), QStringLiteral("18"));

    auto* first = childNamed<QRadioButton>(screen.get(), radioName(0));
    EXPECT_EQ(first->text(), QStringLiteral("Herre: Gruppe A (Slagspill, Tee=Gul)"));
    EXPECT_TRUE(first->isChecked());
    EXPECT_EQ(childNamed<QRadioButton>(screen.get(), radioName(1))->text(),
              QStringLiteral("Dame: Gruppe B (Stableford, Tee=Rød)"));
    auto* unused = childNamed<QRadioButton>(screen.get(), radioName(2));
    EXPECT_FALSE(unused->isEnabled());
    EXPECT_EQ(unused->text(), QStringLiteral("Group3"));

    auto* course = childNamed<CColorStatic>(screen.get(), QStringLiteral("courseLabel"));
    EXPECT_EQ(course->text(), QStringLiteral("Bane: Testbanen (Tee= Gul)"));
    EXPECT_EQ(course->palette().color(QPalette::Window), QColor(0xA9, 0xDF, 0xBA));
    EXPECT_EQ(label(QStringLiteral("hcpHeading"))->text(), QStringLiteral("HCP: 1/1"));
    EXPECT_TRUE(label(QStringLiteral("allocationLabel"))->isHidden());
    EXPECT_TRUE(label(QStringLiteral("allocation0"))->isHidden());

    EXPECT_EQ(comboItems(), QStringList({"Ola Nordmann", "Kari Hansen", "Per Berg"}));
    EXPECT_EQ(combo()->currentIndex(), -1);
    EXPECT_EQ(screen->playerBeingEdited(), nullptr);
}

TEST_F(ActiveTournamentScreen, LeaderboardRanksByTotalAndColoursEveryHoleAgainstPar) {
    setUpTwoGroups();
    open();

    // Per has no strokes yet and leads; Ola 12 strokes; Kari 14.
    EXPECT_EQ(board("Player", 0), QStringLiteral("Per Berg"));
    EXPECT_EQ(board("Player", 1), QStringLiteral("Ola Nordmann"));
    EXPECT_EQ(board("Player", 2), QStringLiteral("Kari Hansen"));

    EXPECT_EQ(board("Class", 1), QStringLiteral("Herre"));
    EXPECT_EQ(board("Hcp", 1), QStringLiteral("12.3"));
    EXPECT_EQ(board("Received", 1), QStringLiteral("12"));
    EXPECT_EQ(board("Total", 1), QStringLiteral("12"));
    EXPECT_EQ(board("Points", 1), QStringLiteral("0"));
    EXPECT_EQ(board("Received", 2), QStringLiteral("31"));
    EXPECT_EQ(board("Points", 2), QStringLiteral("-16"));
    // No strokes: "Slag" 0 and "Poeng" minus the whole part of the playing handicap.
    EXPECT_EQ(board("Total", 0), QStringLiteral("0"));
    EXPECT_EQ(board("Received", 0), QStringLiteral("5"));
    EXPECT_EQ(board("Points", 0), QStringLiteral("-4"));

    EXPECT_EQ(cell(1, 0)->text(), QStringLiteral("4"));
    EXPECT_EQ(cellColour(1, 0), Level);
    EXPECT_EQ(cellColour(1, 1), OneOver);
    EXPECT_EQ(cellColour(1, 2), Level);
    EXPECT_EQ(cellColour(1, 3), Other);  // nothing entered on a par 4
    // Figures are white on the two dark colours, black on the others.
    EXPECT_EQ(figureColour(1, 3), QColor(Qt::white));
    EXPECT_EQ(figureColour(1, 1), QColor(Qt::black));
    EXPECT_EQ(cellColour(2, 2), OneOver);
    for (int i = 0; i < MaxHoles; ++i) {
        EXPECT_EQ(cell(0, i)->text(), QStringLiteral("0"));
        EXPECT_EQ(cellColour(0, i), Other);
        EXPECT_EQ(cell(3, i)->text(), QString());
        EXPECT_EQ(cellColour(3, i), Empty);
        EXPECT_EQ(cellColour(4, i), Empty);
    }
    EXPECT_EQ(board("Player", 3), QString());
    EXPECT_EQ(board("Points", 4), QString());
}

TEST_F(ActiveTournamentScreen, EveryKeystrokeIsStoredAndRedrawsTheLeaderboard) {
    setUpTwoGroups();
    open();
    choosePlayer(2);  // Per Berg

    EXPECT_EQ(screen->playerBeingEdited(), &player(0, 2));
    EXPECT_EQ(input("inputClass"), QStringLiteral("Herre"));
    EXPECT_EQ(input("inputHcp"), QStringLiteral("5.0"));
    EXPECT_EQ(input("inputReceived"), QStringLiteral("5"));
    EXPECT_EQ(input("inputTotal"), QStringLiteral("0"));
    for (int k = 0; k < MaxHoles; ++k) EXPECT_EQ(hole(k), QStringLiteral("0"));

    typeHole(0, QStringLiteral("2"));
    EXPECT_EQ(player(0, 2).results[0], 2);
    EXPECT_EQ(cellColour(0, 0), TwoUnder);
    typeHole(0, QStringLiteral("3"));
    EXPECT_EQ(cellColour(0, 0), OneUnder);
    typeHole(1, QStringLiteral("6"));
    EXPECT_EQ(cellColour(0, 1), TwoOver);
    EXPECT_EQ(figureColour(0, 1), QColor(Qt::white));
    EXPECT_EQ(input("inputTotal"), QStringLiteral("9"));
    EXPECT_EQ(board("Player", 0), QStringLiteral("Per Berg"));

    // Two keystrokes: after the first Per has 10 and still leads, after the second 24 and is last.
    QTest::keyClick(holeEdit(2), Qt::Key_End);
    QTest::keyClick(holeEdit(2), Qt::Key_Backspace);
    QTest::keyClick(holeEdit(2), Qt::Key_1);
    EXPECT_EQ(board("Player", 0), QStringLiteral("Per Berg"));
    EXPECT_EQ(board("Total", 0), QStringLiteral("10"));
    QTest::keyClick(holeEdit(2), Qt::Key_5);
    EXPECT_EQ(player(0, 2).results[2], 15);
    EXPECT_EQ(input("inputTotal"), QStringLiteral("24"));
    EXPECT_EQ(board("Player", 0), QStringLiteral("Ola Nordmann"));
    EXPECT_EQ(board("Player", 2), QStringLiteral("Per Berg"));
    EXPECT_EQ(board("Points", 2), QStringLiteral("20"));
    EXPECT_EQ(cell(2, 2)->text(), QStringLiteral("15"));
    EXPECT_EQ(cellColour(2, 2), Other);
}

// Live scoring: a phone's stroke shows as it comes; filling the fields for a chosen player is the
// program's doing, typing is the organiser's, and the organiser's stroke stands over the phones'.
TEST_F(ActiveTournamentScreen, APhonesStrokeShowsAndTheOrganisersTypedStrokeStandsOverIt) {
    setUpTwoGroups();
    open();
    const auto phone = [](int strokes, long long seq) {
        return theSession().applyScoreEntry({0, 2, 4, EntryRole::Marker, strokes, seq, "phone"});
    };
    phone(5, 1);
    choosePlayer(2);
    EXPECT_EQ(hole(4), QStringLiteral("5"));
    EXPECT_EQ(setterOf(player(0, 2), 4), Setter::Marker);
    phone(6, 2);
    EXPECT_EQ(hole(4), QStringLiteral("6"));
    typeHole(4, QStringLiteral("4"));
    EXPECT_EQ(setterOf(player(0, 2), 4), Setter::Organiser);
    EXPECT_EQ(phone(7, 3).stored, 4);
    EXPECT_EQ(hole(4), QStringLiteral("4"));
    EXPECT_EQ(input("inputTotal"), QStringLiteral("4"));
    // Cleared, the phone's stroke stands again, and the field stays as typed until a new stroke.
    typeHole(4, QString());
    EXPECT_EQ(hole(4), QString());
    EXPECT_EQ(input("inputTotal"), QStringLiteral("7"));
    typeHole(4, QStringLiteral("3"));
    EXPECT_EQ(player(0, 2).results[4], 3);
}

TEST_F(ActiveTournamentScreen, HoleFieldsTakeScoresFromZeroToThirtyAndRefuseOtherKeystrokes) {
    setUpTwoGroups();
    tournament().groups[0].players[0].results[2] = 45;  // from a damaged file: shown as it is
    open();
    choosePlayer(0);  // Ola Nordmann, 4 5 45, the other holes 0
    EXPECT_EQ(hole(2), QStringLiteral("45"));
    typeHole(0, QString());
    EXPECT_EQ(player(0, 0).results[0], 0);
    // Typed at the cursor into a "0", which the first digit replaces.
    const struct {
        int hole, cursor;
        const char *keys, *shown;
    } entries[] = {{3, 1, "-3", "3"},  {4, 0, "x", "0"},  {5, 1, "5,5", "5"}, {6, 0, "123", "12"},
                   {7, 1, "30", "30"}, {8, 0, "31", "3"}, {9, 1, "07", "7"}};
    for (const auto& entry : entries) {
        holeEdit(entry.hole)->setCursorPosition(entry.cursor);
        QTest::keyClicks(holeEdit(entry.hole), QLatin1String(entry.keys));
        EXPECT_EQ(hole(entry.hole), QLatin1String(entry.shown)) << entry.keys;
        EXPECT_EQ(player(0, 0).results[entry.hole], QByteArray(entry.shown).toInt()) << entry.keys;
    }
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Skriv et tall fra 0 til 30."));
    EXPECT_EQ(input("inputTotal"), QStringLiteral("110"));
}

TEST_F(ActiveTournamentScreen, TypingWithNoPlayerChosenStoresNothingAndTakesBackPositiveNumbers) {
    setUpTwoGroups();
    const CTournamentInfo before = tournament();
    open();

    typeHole(4, QStringLiteral("5"));
    EXPECT_EQ(hole(4), QString());
    typeHole(5, QStringLiteral("0"));
    EXPECT_EQ(hole(5), QStringLiteral("0"));
    typeHole(6, QStringLiteral("-2"));
    EXPECT_EQ(hole(6), QString()) << "the sign refused, the 2 taken back";
    typeHole(7, QStringLiteral("ab"));
    EXPECT_EQ(hole(7), QString());
    EXPECT_EQ(hole(4), QString());

    for (int g = 0; g < 2; ++g) {
        for (int i = 0; i < MaxPlayers; ++i) EXPECT_EQ(player(g, i).results, before.groups[g].players[i].results);
    }
    EXPECT_EQ(board("Player", 0), QStringLiteral("Per Berg"));
    EXPECT_EQ(input("inputTotal"), QString());
}

TEST_F(ActiveTournamentScreen, ChoosingAPlayerShowsAllEighteenOfThatPlayersOwnStrokes) {
    setUpTournament(1, "Kortbanen");
    setUpGroup(0, 3, "Mix", 0, 0, 0);
    CPlayer& first = addPlayer(0, "Liv", "Strand", 10.0f, 10.0f, {4, 3, 5});
    first.results[9] = 6;  // a stroke typed beyond the nine holes
    addPlayer(0, "Tor", "Bakke", 20.0f, 20.0f, {5, 4});
    open();

    EXPECT_EQ(label(QStringLiteral("parTotal"))->text(), QStringLiteral("36"));
    EXPECT_EQ(childNamed<CColorStatic>(screen.get(), QStringLiteral("courseLabel"))->text(),
              QStringLiteral("Bane: Kortbanen (Tee= Hvit)"));
    choosePlayer(0);
    EXPECT_EQ(hole(9), QStringLiteral("6"));
    EXPECT_EQ(input("inputTotal"), QStringLiteral("18"));
    choosePlayer(1);
    EXPECT_EQ(hole(0), QStringLiteral("5"));
    EXPECT_EQ(hole(2), QStringLiteral("0"));
    EXPECT_EQ(hole(9), QStringLiteral("0"));
    EXPECT_EQ(first.results[9], 6);
    EXPECT_EQ(input("inputTotal"), QStringLiteral("9"));

    // Holes beyond the course count for the chosen player; with par 0 a 0 there is level.
    typeHole(12, QStringLiteral("2"));
    EXPECT_EQ(tournament().groups[0].players[1].results[12], 2);
    EXPECT_EQ(input("inputTotal"), QStringLiteral("11"));
    EXPECT_EQ(board("Player", 0), QStringLiteral("Tor Bakke"));
    EXPECT_EQ(board("Total", 0), QStringLiteral("11"));
    EXPECT_EQ(cellColour(0, 12), TwoOver);
    EXPECT_EQ(cellColour(0, 13), Level);
}

TEST_F(ActiveTournamentScreen, PlayersOfTheSameNameStayTwoPlayersWithTheirOwnClass) {
    setUpTwoGroups();
    // A second "Ola Nordmann" in group B, which a search by name would find instead.
    tournament().groups[1].players[1].firstName = "Ola";
    tournament().groups[1].players[1].surName = "Nordmann";
    open();

    EXPECT_EQ(board("Player", 1), QStringLiteral("Ola Nordmann"));
    EXPECT_EQ(board("Class", 1), QStringLiteral("Herre"));
    choosePlayer(0);
    EXPECT_EQ(input("inputClass"), QStringLiteral("Herre"));
    EXPECT_EQ(hole(0), QStringLiteral("4"));
    typeHole(3, QStringLiteral("4"));
    EXPECT_EQ(player(0, 0).results[3], 4);
    EXPECT_EQ(player(1, 1).results[3], 0);
    EXPECT_EQ(player(1, 1).results[0], 3);
}

TEST_F(ActiveTournamentScreen, AGroupSwitchEmptiesTheInputRowWhichEditsNobodyUntilAPlayerIsChosen) {
    setUpTwoGroups();
    open();
    chooseGroup(1);
    EXPECT_EQ(comboItems(), QStringList({"Anne Lie", "Siri Dahl"}));
    choosePlayer(1);  // Siri Dahl, 3 3
    EXPECT_EQ(input("inputClass"), QStringLiteral("Dame"));
    const std::array<int, MaxHoles> siri = player(1, 1).results;

    chooseGroup(0);
    EXPECT_EQ(comboItems(), QStringList({"Ola Nordmann", "Kari Hansen", "Per Berg"}));
    EXPECT_EQ(combo()->currentIndex(), -1);
    EXPECT_EQ(screen->playerBeingEdited(), nullptr);
    for (const char* field : {"inputClass", "inputHcp", "inputReceived", "inputTotal"}) {
        EXPECT_EQ(input(field), QString()) << field;
    }
    for (int k = 0; k < MaxHoles; ++k) EXPECT_EQ(hole(k), QString()) << k;
    typeHole(2, QStringLiteral("4"));
    EXPECT_EQ(player(1, 1).results, siri);
    EXPECT_EQ(hole(2), QString());

    choosePlayer(2);  // Per Berg
    typeHole(2, QStringLiteral("4"));
    EXPECT_EQ(tournament().groups[0].players[2].results[2], 4);
}

TEST_F(ActiveTournamentScreen, StablefordGroupShowsTheAllocationRow) {
    setUpTwoGroups();
    open();
    chooseGroup(1);

    EXPECT_EQ(screen->shownGroup(), 1);
    EXPECT_FALSE(label(QStringLiteral("allocationLabel"))->isHidden());
    EXPECT_EQ(label(QStringLiteral("allocationLabel"))->text(), QStringLiteral("Tildelte slag pr. hull"));
    for (int j = 0; j < MaxHoles; ++j) {
        QLabel* allocation = label(QStringLiteral("allocation%1").arg(j));
        EXPECT_FALSE(allocation->isHidden());
        EXPECT_EQ(allocation->text(), QString::number(j + 1));
    }
    EXPECT_EQ(label(QStringLiteral("hcpHeading"))->text(), QStringLiteral("HCP: 3/4"));
    EXPECT_EQ(childNamed<CColorStatic>(screen.get(), QStringLiteral("courseLabel"))->text(),
              QStringLiteral("Bane: Testbanen (Tee= Rød)"));
    // Siri Dahl, plus handicap -1.6: "Poeng" is the total plus 1.
    EXPECT_EQ(board("Player", 0), QStringLiteral("Anne Lie"));
    EXPECT_EQ(board("Player", 1), QStringLiteral("Siri Dahl"));
    EXPECT_EQ(board("Points", 1), QStringLiteral("7"));
    EXPECT_EQ(board("Class", 1), QStringLiteral("Dame"));

    chooseGroup(0);
    EXPECT_TRUE(label(QStringLiteral("allocationLabel"))->isHidden());
    EXPECT_TRUE(label(QStringLiteral("allocation17"))->isHidden());
}

TEST_F(ActiveTournamentScreen, SevenPlayersShowFiveOnTheLeaderboardAndSevenInTheList) {
    setUpTournament(1);
    setUpGroup(0, 1, "Store", 0, 0, 0);
    const int totals[] = {40, 36, 38, 35, 39, 37, 41};
    for (int i = 0; i < 7; ++i) addPlayer(0, "Spiller", std::to_string(i + 1), 10.0f, 10.0f, {totals[i]});
    open();

    EXPECT_EQ(combo()->count(), 7);
    const char* expected[] = {"Spiller 4", "Spiller 2", "Spiller 6", "Spiller 3", "Spiller 5"};
    for (int r = 0; r < 5; ++r) EXPECT_EQ(board("Player", r), QLatin1String(expected[r]));
}

TEST_F(ActiveTournamentScreen, FirstGroupWithoutPlayersOpensCheckedButDisabledAndEmpty) {
    setUpTournament(2);
    setUpGroup(1, 2, "Junior", 0, 0, 2);
    addPlayer(1, "Emil", "Ung", 30.0f, 32.0f);
    open();

    auto* first = childNamed<QRadioButton>(screen.get(), radioName(0));
    EXPECT_TRUE(first->isChecked());
    EXPECT_FALSE(first->isEnabled());
    EXPECT_TRUE(childNamed<QRadioButton>(screen.get(), radioName(1))->isEnabled());
    EXPECT_EQ(combo()->count(), 0);
    for (int r = 0; r < 5; ++r) EXPECT_EQ(board("Player", r), QString());
    EXPECT_EQ(cellColour(0, 0), Empty);
    chooseGroup(1);
    EXPECT_EQ(board("Player", 0), QStringLiteral("Emil Ung"));
}

TEST_F(ActiveTournamentScreen, CountsBeyondNineGoNoFurtherThanNinePlayers) {
    setUpTournament(2);
    tournament().numberOfGroups = 40;
    setUpGroup(0, 1, "Full", 0, 0, 0);
    for (int i = 0; i < MaxPlayers; ++i) addPlayer(0, "Nr", std::to_string(i + 1), 1.0f, 1.0f, {i + 1});
    tournament().groups[0].noOfPlayers = 25;
    tournament().groups[1].noOfPlayers = -4;
    open();

    EXPECT_EQ(combo()->count(), MaxPlayers);
    EXPECT_FALSE(childNamed<QRadioButton>(screen.get(), radioName(1))->isEnabled());
    choosePlayer(8);
    typeHole(17, QStringLiteral("3"));
    EXPECT_EQ(player(0, 8).results[17], 3);
    EXPECT_EQ(board("Player", 4), QStringLiteral("Nr 5"));
}

TEST_F(ActiveTournamentScreen, ResultListButtonOpensTheResultsScreenOverThisOne) {
    setUpTwoGroups();
    open();
    int lines = -1;
    answerModal(
        QStringLiteral("Resultater"),
        [&] {
            QTest::mouseClick(childNamed<QPushButton>(screen.get(), QStringLiteral("resultListButton")),
                              Qt::LeftButton);
        },
        [&](QWidget* modal) {
            auto* results = qobject_cast<CResultsDlg*>(modal);
            if (results) lines = results->lines().size();
            static_cast<QDialog*>(modal)->reject();
        });
    EXPECT_EQ(lines, 5);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_TRUE(QFile::exists(QStringLiteral("Klubbmesterskap_ResultatListe.txt")));
}

TEST_F(ActiveTournamentScreen, MainWindowButtonAndEscapeCloseTheScreen) {
    setUpTwoGroups();
    open();
    QTest::mouseClick(childNamed<QPushButton>(screen.get(), QStringLiteral("closeButton")), Qt::LeftButton);
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(screen->result(), QDialog::Rejected);

    open();
    QTest::keyClick(screen.get(), Qt::Key_Escape);
    EXPECT_FALSE(screen->isVisible());
}

TEST_F(ActiveTournamentScreen, LongNamesShowTheirStartAndLongCaptionsEndInAnEllipsis) {
    setUpTournament(1);
    const std::string group = "Torsdagsgruppen for seniorer og andre morgenfugler";
    setUpGroup(0, 1, group, 0, 0, 0);
    addPlayer(0, "Karianne Margrethe Elisabeth", "Fjellheim-Nordmann Sandvik", 12.0f, 12.0f);
    open();

    auto* radio = childNamed<QRadioButton>(screen.get(), radioName(0));
    const QString caption = QStringLiteral("Herre: %1 (Slagspill, Tee=Gul)").arg(QString::fromStdString(group));
    EXPECT_TRUE(radio->text().endsWith(QChar(0x2026)));
    EXPECT_TRUE(caption.startsWith(radio->text().chopped(1)));
    EXPECT_EQ(radio->toolTip(), caption);
    EXPECT_EQ(childNamed<QLineEdit>(screen.get(), QStringLiteral("boardPlayer0"))->cursorPosition(), 0);
    choosePlayer(0);
    EXPECT_EQ(combo()->currentText(), QStringLiteral("Karianne Margrethe Elisabeth Fjellheim-Nordmann Sandvik"));
    EXPECT_EQ(combo()->lineEdit()->cursorPosition(), 0);
}

}  // namespace
