// The results screen: every player of the groups in use in a sorted list, and the result
// list file written each time the screen opens.

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "PlayTestSupport.h"
#include "ui/CResultsDlg.h"

namespace {

const std::string Rule(57, '-');

std::string crlfLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class ResultsScreen : public PlayTest {
protected:
    // Kortbanen (nine holes). Group A, Herre, Slagspill: three players; group B, Dame,
    // Stableford: two players on equal totals; group C holds a player but is not in use.
    void setUpResults() {
        setUpTournament(2, "Kortbanen");
        setUpGroup(0, 1, "Gruppe A", 0, 0, 0);
        addPlayer(0, "Fornavn", "Etternavn", 12.3f, 12.0f, {5, 4, 3, 6, 5, 4, 4, 5, 3});
        addPlayer(0, "Ola", "Nordmann", 8.0f, 8.0f, {4, 3, 5, 4, 4, 3, 4, 5, 4});
        addPlayer(0, "Kari", "Hansen", -1.2f, -1.0f);
        setUpGroup(1, 0, "Gruppe B", 1, 0, 0);
        addPlayer(1, "\xC5se",
                  "\xD8"
                  "deg\xE5rd",
                  20.5f, 20.0f, {6, 4, 6, 5, 5, 4, 5, 6, 5});
        addPlayer(1, "Liv", "Berg", 30.0f, 30.0f, {6, 4, 6, 5, 5, 4, 5, 6, 5});
        setUpGroup(2, 2, "Gruppe C", 0, 0, 0);
        addPlayer(2, "Ikke", "Med", 1.0f, 1.0f, {1});
    }

    static QString resultFile() { return QStringLiteral("Klubbmesterskap_ResultatListe.txt"); }
};

TEST_F(ResultsScreen, ListsEveryPlayerOfTheGroupsInUseInRegistrationOrder) {
    setUpResults();
    CResultsDlg screen;

    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Resultater"));
    EXPECT_EQ(screen.lines(), QStringList({
                                  QStringLiteral("1: Fornavn Etternavn 1 12.3, 5 4 3 6 5 4 4 5 3 "),
                                  QStringLiteral("2: Ola Nordmann 1 8.0, 4 3 5 4 4 3 4 5 4 "),
                                  QStringLiteral("3: Kari Hansen 1 -1.2, 0 0 0 0 0 0 0 0 0 "),
                                  QStringLiteral("4: Åse Ødegård 0 20.5, 6 4 6 5 5 4 5 6 5 "),
                                  QStringLiteral("5: Liv Berg 0 30.0, 6 4 6 5 5 4 5 6 5 "),
                              }));
    EXPECT_EQ(childNamed<QListWidget>(&screen, QStringLiteral("resultsList"))->currentRow(), -1);
    EXPECT_TRUE(MessageBox::recorded().isEmpty());
}

TEST_F(ResultsScreen, EighteenHoleCourseListsEighteenStrokesEachFollowedByABlank) {
    setUpTournament(1);
    setUpGroup(0, 3, "Mix", 0, 0, 0);
    addPlayer(0, "Ny", "Spiller", 0.0f, 0.0f);
    CResultsDlg screen;
    EXPECT_EQ(screen.lines(),
              QStringList({QStringLiteral("1: Ny Spiller 3 0.0, ") + QStringLiteral("0 ").repeated(18)}));
}

TEST_F(ResultsScreen, TenOrMorePlayersStandInTheListsTextOrder) {
    setUpTournament(2);
    for (int i = 0; i < 9; ++i) addPlayer(0, "A", std::to_string(i + 1), 1.0f, 1.0f);
    for (int i = 0; i < 3; ++i) addPlayer(1, "B", std::to_string(i + 1), 1.0f, 1.0f);
    CResultsDlg screen;

    QStringList numbers;
    for (const QString& line : screen.lines()) numbers << line.section(QLatin1Char(':'), 0, 0);
    EXPECT_EQ(numbers, QStringList({"1", "10", "11", "12", "2", "3", "4", "5", "6", "7", "8", "9"}));
}

TEST_F(ResultsScreen, WritesTheResultListEachGroupRankedByTotalStrokes) {
    setUpResults();
    CResultsDlg screen;

    const std::string expected = crlfLines({
        Rule,
        "Resultatliste",
        "Turnering       : Klubbmesterskap",
        "Dato            : 14 Mars 2026",
        "Antall spillere : 5",
        Rule,
        "",
        "",
        Rule,
        "Gruppe     : Herre",
        "Spilleform : Slagspill",
        Rule,
        "1:Kari Hansen 0 0 0 0 0 0 0 0 0 (0)",
        "2:Ola Nordmann 4 3 5 4 4 3 4 5 4 (36)",
        "3:Fornavn Etternavn 5 4 3 6 5 4 4 5 3 (39)",
        Rule,
        "",
        "",
        Rule,
        "Gruppe     : Dame",
        "Spilleform : Stableford",
        Rule,
        "1:\xC5se \xD8"
        "deg\xE5rd 6 4 6 5 5 4 5 6 5 (46)",
        "2:Liv Berg 6 4 6 5 5 4 5 6 5 (46)",
        Rule,
        "",
        "",
    });
    EXPECT_EQ(fileBytes(resultFile()).toStdString(), expected);
}

TEST_F(ResultsScreen, OpeningAgainRewritesTheFileWithTheCurrentStrokes) {
    setUpResults();
    { CResultsDlg first; }
    tournament().groups[1].players[1].results[0] = 1;  // Liv Berg now 41
    CResultsDlg second;

    const std::string bytes = fileBytes(resultFile()).toStdString();
    EXPECT_NE(bytes.find("1:Liv Berg 1 4 6 5 5 4 5 6 5 (41)\r\n2:\xC5se"), std::string::npos);
    EXPECT_EQ(bytes.find("Resultatliste", 100), std::string::npos);
}

TEST_F(ResultsScreen, NoGroupsInUseGiveAnEmptyListAndAHeaderOnlyFile) {
    setUpResults();
    tournament().numberOfGroups = 0;
    CResultsDlg screen;

    EXPECT_TRUE(screen.lines().isEmpty());
    EXPECT_EQ(fileBytes(resultFile()).toStdString(),
              crlfLines({Rule, "Resultatliste", "Turnering       : Klubbmesterskap", "Dato            : 14 Mars 2026",
                         "Antall spillere : 0", Rule, "", ""}));
}

TEST_F(ResultsScreen, FileNameTakesTheTournamentNameInUtf8) {
    setUpResults();
    tournament().name = "V\xE5rcup";
    CResultsDlg screen;
    EXPECT_TRUE(QFile::exists(QStringLiteral("./Vårcup_ResultatListe.txt")));
}

TEST_F(ResultsScreen, EmptyNameIsRefusedAfterTheListIsFilled) {
    setUpResults();
    tournament().name.clear();
    CResultsDlg screen;

    EXPECT_EQ(screen.lines().size(), 5);
    EXPECT_EQ(MessageBox::recorded(), QStringList({QStringLiteral("Skriv inn et Konkuransenavn.")}));
    EXPECT_FALSE(QFile::exists(QStringLiteral("_ResultatListe.txt")));
}

TEST_F(ResultsScreen, AListThatCannotBeWrittenIsReported) {
    setUpResults();
    tournament().name = "Opptatt";
    // A folder where the file should be: the list cannot be opened for writing.
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("Opptatt_ResultatListe.txt")));
    CResultsDlg screen;

    EXPECT_EQ(screen.lines().size(), 5);
    EXPECT_EQ(MessageBox::recorded(), QStringList({QStringLiteral("Resultatlisten kunne ikke skrives.\n"
                                                                  "Det som ligger der, er ikke en vanlig fil.")}));
}

TEST_F(ResultsScreen, PrizeListButtonWritesThreeFilesAndOffersToOpenThePdf) {
    setUpResults();
    CResultsDlg screen;
    childNamed<QPushButton>(&screen, QStringLiteral("prizeListButton"))->click();

    const QString stem = QDir::current().absoluteFilePath(QStringLiteral("Klubbmesterskap_Premieliste"));
    EXPECT_EQ(MessageBox::recorded(),
              QStringList({QStringLiteral("Premielisten er skrevet til\n%1.txt\n%1.csv\n%1.pdf\n\n"
                                          "Vil du \u00e5pne PDF-filen?")
                               .arg(stem)}));
    EXPECT_TRUE(fileBytes(stem + QStringLiteral(".txt")).startsWith("Premieliste\r\nTurnering : Klubbmesterskap\r\n"));
    EXPECT_TRUE(fileBytes(stem + QStringLiteral(".csv")).startsWith("\xEF\xBB\xBFKlasse;Spilleform;Plass;"));
    EXPECT_TRUE(fileBytes(stem + QStringLiteral(".pdf")).startsWith("%PDF-"));
}

TEST_F(ResultsScreen, PrizeListQuestionIsARealModalBoxAnsweredNo) {
    setUpResults();
    CResultsDlg screen;
    MessageBox::setRecording(false);
    QString shown;
    answerModal(
        QStringLiteral("Fernhill"),
        [&] { childNamed<QPushButton>(&screen, QStringLiteral("prizeListButton"))->click(); },
        [&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                shown = box->text();
                for (QAbstractButton* button : box->buttons()) {
                    if (button->text() == QStringLiteral("Nei")) button->click();
                }
            }
        });
    MessageBox::setRecording(true);
    EXPECT_TRUE(shown.endsWith(QStringLiteral("Vil du \u00e5pne PDF-filen?"))) << shown.toStdString();
}

TEST_F(ResultsScreen, APrizeListThatCannotBeWrittenIsReported) {
    setUpResults();
    tournament().name = "Opptatt";
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("Opptatt_Premieliste.csv")));
    CResultsDlg screen;
    MessageBox::clearRecorded();
    childNamed<QPushButton>(&screen, QStringLiteral("prizeListButton"))->click();

    EXPECT_EQ(MessageBox::recorded(),
              QStringList({QStringLiteral("Premielisten kunne ikke skrives: %1\n"
                                          "Det som ligger der, er ikke en vanlig fil.")
                               .arg(QDir::current().absoluteFilePath(QStringLiteral("Opptatt_Premieliste.csv")))}));
    EXPECT_FALSE(QFile::exists(QStringLiteral("Opptatt_Premieliste.pdf")));
}

TEST_F(ResultsScreen, ANameThatWouldLeaveTheWorkingDirectoryIsRefused) {
    setUpResults();
    tournament().name = "../Klubbmesterskap";
    CResultsDlg screen;

    EXPECT_EQ(screen.lines().size(), 5);
    EXPECT_EQ(MessageBox::recorded(), QStringList({QStringLiteral("Konkurransenavnet kan ikke brukes som filnavn.")}));
    EXPECT_FALSE(QFile::exists(QStringLiteral("../Klubbmesterskap_ResultatListe.txt")));
}

TEST_F(ResultsScreen, EmptyNameMessageIsARealModalBoxWithOk) {
    setUpResults();
    tournament().name.clear();
    MessageBox::setRecording(false);
    QString shown;
    answerModal(
        MessageBox::title(), [] { CResultsDlg screen; },
        [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            shown = box->text();
            box->button(QMessageBox::Ok)->click();
        });
    MessageBox::setRecording(true);
    EXPECT_EQ(shown, QStringLiteral("Skriv inn et Konkuransenavn."));
}

TEST_F(ResultsScreen, OkAndCancelCloseTheScreen) {
    setUpResults();
    CResultsDlg screen;
    auto* ok = childNamed<QPushButton>(&screen, QStringLiteral("okButton"));
    auto* cancel = childNamed<QPushButton>(&screen, QStringLiteral("cancelButton"));
    ASSERT_NE(ok, nullptr);
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_EQ(cancel->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(ok->isDefault());

    screen.show();
    ok->click();
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(screen.result(), QDialog::Accepted);
    screen.show();
    cancel->click();
    EXPECT_EQ(screen.result(), QDialog::Rejected);
}

}  // namespace
