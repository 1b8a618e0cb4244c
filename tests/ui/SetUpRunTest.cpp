// A whole set-up run through the real screens, from an empty tournament to the saved
// tournament file and the start list, compared byte for byte with their layouts.

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "TestCourseTable.h"
#include "UiTestSupport.h"
#include "print/TextCodec.h"
#include "scoring/ScoreCard.h"
#include "ui/CTournamentDlg.h"

namespace {

QLineEdit* field(QWidget* screen, const QString& name) { return childNamed<QLineEdit>(screen, name); }
void typeInto(QWidget* screen, const QString& name, const QString& text) {
    QTest::keyClicks(field(screen, name), text);
}
void click(QWidget* screen, const QString& name) {
    QTest::mouseClick(childNamed<QPushButton>(screen, name), Qt::LeftButton);
}
void pick(QWidget* screen, const QString& name, int index) { pickEntry(childNamed<QComboBox>(screen, name), index); }

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Lines written as UTF-8 here, joined with CR LF and turned into Windows-1252 bytes.
QByteArray windowsText(const QStringList& lines) {
    const std::string bytes = fromQString(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

const QString NoResults = QStringLiteral("0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0");
const QString Rule(57, QLatin1Char('-'));

// Group 1: Herre, Stableford, 3/4, two players, tee "Rød". Group 2: Mixed, one player, tee "Gul".
void createGroups(QWidget* screen) {
    pick(screen, QStringLiteral("classList1"), 1);
    typeInto(screen, QStringLiteral("nameEdit1"), QStringLiteral("Formiddag"));
    pick(screen, QStringLiteral("playFormList1"), 1);
    pick(screen, QStringLiteral("allowanceList1"), 1);
    field(screen, QStringLiteral("playerCountEdit1"))->selectAll();
    typeInto(screen, QStringLiteral("playerCountEdit1"), QStringLiteral("2"));
    pick(screen, QStringLiteral("teeList1"), 1);
    pick(screen, QStringLiteral("classList2"), 3);
    typeInto(screen, QStringLiteral("nameEdit2"), QStringLiteral("Kveld"));
    field(screen, QStringLiteral("playerCountEdit2"))->selectAll();
    typeInto(screen, QStringLiteral("playerCountEdit2"), QStringLiteral("1"));
    click(screen, QStringLiteral("closeButton"));
}

void registerPlayer(QWidget* screen, int row, const QStringList& texts) {
    const QStringList columns{QStringLiteral("firstNameEdit"), QStringLiteral("surNameEdit"),
                              QStringLiteral("clubEdit"), QStringLiteral("hcpEdit")};
    for (int column = 0; column < columns.size(); ++column)
        typeInto(screen, columns[column] + QString::number(row), texts[column]);
}

void registerGroup(QWidget* allGroups, const QString& button, std::function<void(QWidget*)> players) {
    answerModal(
        QStringLiteral("Registrer gruppe"), [&] { click(allGroups, button); },
        [players = std::move(players)](QWidget* screen) {
            players(screen);
            click(screen, QStringLiteral("closeButton"));
        });
}

}  // namespace

TEST_F(UiTest, WholeSetUpFromAnEmptyTournamentToSavedFileAndStartList) {
    CTournamentDlg window;
    window.show();
    typeInto(&window, QStringLiteral("dayEdit"), QStringLiteral("1"));
    typeInto(&window, QStringLiteral("monthEdit"), QStringLiteral("3"));
    typeInto(&window, QStringLiteral("yearEdit"), QStringLiteral("2011"));
    typeInto(&window, QStringLiteral("nameEdit"), QStringLiteral("Vårcup"));
    pick(&window, QStringLiteral("courseList"), 0);
    pick(&window, QStringLiteral("typeList"), 0);
    typeInto(&window, QStringLiteral("groupCountEdit"), QStringLiteral("2"));

    answerModal(
        QStringLiteral("Opprett grupper"), [&] { click(&window, QStringLiteral("createGroupsButton")); }, createGroups);
    EXPECT_FLOAT_EQ(tournament().groups[0].allowanceFactor, 0.75f);

    QStringList captions;
    answerModal(
        QStringLiteral("Registrer alle gruppene"), [&] { click(&window, QStringLiteral("registerButton")); },
        [&](QWidget* allGroups) {
            captions << childNamed<QPushButton>(allGroups, QStringLiteral("groupButtonA"))->text()
                     << childNamed<QPushButton>(allGroups, QStringLiteral("groupButtonB"))->text();
            registerGroup(allGroups, QStringLiteral("groupButtonA"), [](QWidget* screen) {
                registerPlayer(screen, 1,
                               {QStringLiteral("Kari"), QStringLiteral("Nordmann"), QStringLiteral("Fjellvik GK"),
                                QStringLiteral("12.3")});
                registerPlayer(screen, 2,
                               {QStringLiteral("Ola"), QStringLiteral("Haugen"), QStringLiteral("Solbakken"),
                                QStringLiteral("28.4")});
            });
            registerGroup(allGroups, QStringLiteral("groupButtonB"), [](QWidget* screen) {
                registerPlayer(
                    screen, 1,
                    {QStringLiteral("Åse"), QStringLiteral("Bø"), QStringLiteral("Fjellvik"), QStringLiteral("54.5")});
            });
            click(allGroups, QStringLiteral("closeButton"));
        });
    EXPECT_EQ(captions, QStringList({QStringLiteral("Herre: Formiddag"), QStringLiteral("Mixed: Kveld")}));
    EXPECT_EQ(MessageBox::recorded(), QStringList{QStringLiteral("Verdien vil bli begrenset oppad til 54.")});
    // Group 2 keeps the "1/1" it shows although nobody picked it: its card gives the full 59.57.
    EXPECT_EQ(buildScoreCard(tournament(), 1, 0).playingHandicap, 60);

    click(&window, QStringLiteral("saveButton"));
    click(&window, QStringLiteral("startListButton"));
    EXPECT_EQ(MessageBox::recorded().size(), 1);

    // Tee "Rød" has slope 113 and course rating equal to par: the playing handicap is the index.
    // Tee "Gul": 54 x 128 / 113 + 70.4 - 72 = 59.57.
    const QByteArray expectedFile = windowsText({
        QStringLiteral("[Tournament]"),
        QStringLiteral("Day=1"),
        QStringLiteral("Month=3"),
        QStringLiteral("Year=2011"),
        QStringLiteral("Name=Vårcup"),
        QStringLiteral("Type=Singel"),
        QStringLiteral("NumberOfGroups=2"),
        QStringLiteral("[Pitch]"),
        QStringLiteral("Name=Testbanen"),
        QStringLiteral("[PlayGroup1]"),
        QStringLiteral("Group=1"),
        QStringLiteral("PlayForm=1"),
        QStringLiteral("HCP=1"),
        QStringLiteral("NoOfPlayers=2"),
        QStringLiteral("GroupName=Formiddag"),
        QStringLiteral("Tee=1"),
        QStringLiteral("FirstName1=Kari"),
        QStringLiteral("SurName1=Nordmann"),
        QStringLiteral("Club1=Fjellvik GK"),
        QStringLiteral("HCP1=12.3"),
        QStringLiteral("SH1=12.3"),
        QStringLiteral("Results1=") + NoResults,
        QStringLiteral("FirstName2=Ola"),
        QStringLiteral("SurName2=Haugen"),
        QStringLiteral("Club2=Solbakken"),
        QStringLiteral("HCP2=28.4"),
        QStringLiteral("SH2=28.4"),
        QStringLiteral("Results2=") + NoResults,
        QStringLiteral("[PlayGroup2]"),
        QStringLiteral("Group=3"),
        QStringLiteral("PlayForm=0"),
        QStringLiteral("HCP=0"),
        QStringLiteral("NoOfPlayers=1"),
        QStringLiteral("GroupName=Kveld"),
        QStringLiteral("Tee=0"),
        QStringLiteral("FirstName1=Åse"),
        QStringLiteral("SurName1=Bø"),
        QStringLiteral("Club1=Fjellvik"),
        QStringLiteral("HCP1=54.0"),
        QStringLiteral("SH1=59.6"),
        QStringLiteral("Results1=") + NoResults,
    });
    // The course it plays is kept after its name.
    const QByteArray name = "Name=Testbanen\r\n";
    const QByteArray expectedWithCourse =
        QByteArray(expectedFile).insert(expectedFile.indexOf(name) + name.size(), TestbanenCourseSection);
    EXPECT_EQ(fileBytes(QStringLiteral("data/Vårcup.ini")), expectedWithCourse);

    const QByteArray expectedList = windowsText({
        Rule,
        QStringLiteral("Turnering : Vårcup"),
        QStringLiteral("Dato  : 1 Mars 2011"),
        QString(),
        QString(),
        Rule,
        QStringLiteral("Gruppe:Herre"),
        QStringLiteral("Spilleform:Stableford"),
        Rule,
        QStringLiteral("1:Kari Nordmann"),
        QStringLiteral("2:Ola Haugen"),
        Rule,
        Rule,
        QStringLiteral("Gruppe:Mixed"),
        QStringLiteral("Spilleform:Slagspill"),
        Rule,
        QStringLiteral("1:Åse Bø"),
        Rule,
    });
    EXPECT_EQ(fileBytes(QStringLiteral("Vårcup_StartListe.txt")), expectedList);
}
