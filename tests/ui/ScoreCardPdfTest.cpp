// "Scorekort" on "Registrer alle gruppene": the PDF it writes, read back with pdftotext.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include "PlayTestSupport.h"
#include "live/LiveScoringRun.h"
#include "ui/CRegisterAllGroupsDlg.h"
#include "ui/CRegisterGroupDlg.h"

namespace {

// A4 landscape in PDF points: each card is one half of the page.
constexpr int HalfPageWidth = 421;
constexpr int PageHeight = 595;

class ScoreCardButton : public PlayTest {
protected:
    void pressScoreCards() {
        CRegisterAllGroupsDlg screen;
        screen.show();
        QTest::mouseClick(childNamed<QPushButton>(&screen, QStringLiteral("scoreCardButton")), Qt::LeftButton);
    }

    // The text of card `card` (0-based): its page, and its half of the page.
    static QString cardText(const QString& pdf, int card) {
        QProcess pdftotext;
        const QString page = QString::number(card / 2 + 1);
        pdftotext.start(QStringLiteral("pdftotext"),
                        {QStringLiteral("-layout"), QStringLiteral("-f"), page, QStringLiteral("-l"), page,
                         QStringLiteral("-x"), QString::number(card % 2 * HalfPageWidth), QStringLiteral("-y"),
                         QStringLiteral("0"), QStringLiteral("-W"), QString::number(HalfPageWidth),
                         QStringLiteral("-H"), QString::number(PageHeight), pdf, QStringLiteral("-")});
        EXPECT_TRUE(pdftotext.waitForFinished(30000)) << "pdftotext did not finish";
        EXPECT_EQ(pdftotext.exitCode(), 0) << pdftotext.readAllStandardError().toStdString();
        return QString::fromUtf8(pdftotext.readAllStandardOutput());
    }

    // Dots in the received column of each hole row ("<hole> <par> <index> <dots>").
    static std::vector<int> dotsPerHole(const QString& text) {
        static const QRegularExpression holeRow(QStringLiteral("^\\s*(\\d+)\\s+(\\d)\\s+(\\d+) *(\u25CF*)"),
                                                QRegularExpression::MultilineOption);
        std::vector<int> dots;
        for (const QRegularExpressionMatch& row : holeRow.globalMatch(text)) {
            EXPECT_EQ(row.captured(1).toInt(), static_cast<int>(dots.size()) + 1) << row.captured(0).toStdString();
            dots.push_back(static_cast<int>(row.captured(4).size()));
        }
        return dots;
    }

    static std::vector<int> dots(std::initializer_list<std::pair<int, int>> runs) {
        std::vector<int> result;
        for (auto [count, dotsEach] : runs) result.insert(result.end(), count, dotsEach);
        return result;
    }
};

}  // namespace

TEST_F(ScoreCardButton, WritesACardPerPlayerWithHandicapsAndDotsPerHole) {
    setUpTournament(2);
    tournament().name = "V\xE5rcup";
    setUpGroup(0, 1, "Morgen", 0, 0, 1);
    setUpGroup(1, 0, "Ettermiddag", 1, 0, 0);
    addPlayer(0, "\xC5se",
              "\xD8"
              "deg\xE5rd",
              0.4f, 0.0f)
        .club = "Bl\xE5 GK";
    addPlayer(0, "Per", "Berg", 20.0f, 20.0f);
    addPlayer(1, "Kari", "Lie", 36.2f, 40.0f);
    pressScoreCards();

    const QString pdf = QDir::current().absoluteFilePath(QStringLiteral("Vårcup_Scorekort.pdf"));
    ASSERT_TRUE(QFile::exists(pdf));
    // The phones' codes are drawn for the cards, once: printing again keeps them.
    const std::string code = tournament().groups[0].code;
    EXPECT_EQ(code.size(), CodeLength);
    EXPECT_NE(tournament().groups[1].code, code);
    MessageBox::clearRecorded();
    pressScoreCards();
    EXPECT_EQ(tournament().groups[0].code, code);
    EXPECT_EQ(MessageBox::recorded().join(u'|').toStdString(),
              QStringLiteral("Scorekortene er skrevet til %1.\n\nVil du åpne dem?").arg(pdf).toStdString());

    struct Expected {
        QStringList texts;
        std::vector<int> dots;
    };
    // The test course's stroke index is the hole number. Tee "Rød" (113, 72.0, par 72): PH 20
    // gives two strokes on holes 1-2 and one elsewhere; tee "Gul" (128, 70.4, par 72): 36.2 x 128
    // / 113 - 1.6 = 39.405, PH 39, three on holes 1-3 and two elsewhere.
    const std::vector<Expected> cards{
        {{"Vårcup", "14.03.2026", "Testbanen", "Tee: Rød", "Gruppe: Morgen", "Herre, Slagspill",
          "Kode: " + QString::fromStdString(code), "Åse Ødegård", "Blå GK", "0.4", "Spillerens signatur",
          "Markørens signatur"},
         dots({{18, 0}})},
        {{"Per Berg", "20.0", "20"}, dots({{2, 2}, {16, 1}})},
        {{"Gruppe: Ettermiddag", "Tee: Gul", "Dame, Stableford", "Kari Lie", "36.2", "39"}, dots({{3, 3}, {15, 2}})},
    };
    for (std::size_t c = 0; c < cards.size(); ++c) {
        SCOPED_TRACE("card " + std::to_string(c + 1));
        const QString text = cardText(pdf, static_cast<int>(c));
        for (const QString& expected : cards[c].texts) EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
        EXPECT_EQ(dotsPerHole(text), cards[c].dots) << text.toStdString();
        for (const char* total : {"Ut", "Inn", "Totalt"}) EXPECT_TRUE(text.contains(QLatin1String(total)));
    }
}

// What a phone's camera reads of page 1: the QR codes zbarimg finds on it, at 150 dpi.
QStringList qrCodesOnFirstPage(const QString& pdf) {
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("150"), QStringLiteral("-png"),
                                                QStringLiteral("-singlefile"), pdf, QStringLiteral("side1")});
    EXPECT_TRUE(pdftoppm.waitForFinished(30000) && pdftoppm.exitCode() == 0) << "pdftoppm failed";
    QProcess zbarimg;
    zbarimg.start(QStringLiteral("zbarimg"),
                  {QStringLiteral("--raw"), QStringLiteral("-q"), QStringLiteral("side1.png")});
    EXPECT_TRUE(zbarimg.waitForFinished(30000)) << "zbarimg did not finish";
    return QString::fromUtf8(zbarimg.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

TEST_F(ScoreCardButton, EachCardsQrCodeOpensItsGroupsPage) {
    if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty()) GTEST_SKIP() << "zbar-tools is missing";
    setUpTournament(1);
    tournament().name = "Kortcup";
    setUpGroup(0, 1, "Morgen", 0, 0, 1);
    addPlayer(0, "Per", "Berg", 20.0f, 20.0f);
    addPlayer(0, "Kari", "Lie", 36.2f, 40.0f);
    pressScoreCards();
    const QString link = theLiveScoring().pageAddress() + "/g/" + QString::fromStdString(tournament().groups[0].code);
    EXPECT_EQ(qrCodesOnFirstPage(QStringLiteral("Kortcup_Scorekort.pdf")), QStringList({link, link}));
}

TEST_F(ScoreCardButton, ANineHoleCourseGivesNineHoleRowsAndOneTotal) {
    setUpTournament(1, "Kortbanen");
    tournament().name = "Ni hull";
    setUpGroup(0, 1, "Kveld", 0, 0, 0);
    addPlayer(0, "Ola", "Nordmann", 11.0f, 5.0f);
    pressScoreCards();

    const QString text = cardText(QStringLiteral("Ni hull_Scorekort.pdf"), 0);
    // Half the index plays on nine holes: 5.5 x 120 / 113 + 35.2 - 36 = 5.04, PH 5, which
    // receives on Kortbanen's indexes 1..5 (2 8 4 6 1 9 3 5 7).
    EXPECT_EQ(dotsPerHole(text), std::vector<int>({1, 0, 1, 0, 1, 0, 1, 1, 0}));
    EXPECT_TRUE(text.contains(QLatin1String("Totalt")));
    EXPECT_FALSE(text.contains(QLatin1String("Inn")));
}

TEST_F(ScoreCardButton, ProblemsAreReportedAndNothingIsWritten) {
    setUpTournament(1);
    setUpGroup(0, 1, "Morgen", 0, 0, 0);
    tournament().name.clear();
    pressScoreCards();
    tournament().name = "../ut";
    pressScoreCards();
    tournament().name = "Tom";
    pressScoreCards();
    addPlayer(0, "Ola", "Nordmann", 5.0f, 5.0f);
    tournament().name = "Opptatt";
    // A folder where the file should be: the cards cannot be written.
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("Opptatt_Scorekort.pdf")));
    pressScoreCards();
    EXPECT_EQ(MessageBox::recorded().join(u'|').toStdString(),
              QStringList({QStringLiteral("Skriv inn et Konkuransenavn."),
                           QStringLiteral("Konkurransenavnet kan ikke brukes som filnavn."),
                           QStringLiteral("Ingen spillere er registrert, så det er ingen scorekort å skrive."),
                           QStringLiteral("Scorekortene kunne ikke skrives til %1.\n"
                                          "Det som ligger der, er ikke en vanlig fil.")
                               .arg(QDir::current().absoluteFilePath(QStringLiteral("Opptatt_Scorekort.pdf")))})
                  .join(u'|')
                  .toStdString());
    EXPECT_FALSE(QFile::exists(QStringLiteral("Tom_Scorekort.pdf")));
}

// Where no viewer can open the cards (the offscreen platform has none), the organiser is told.
TEST_F(ScoreCardButton, CardsThatCannotBeOpenedAreReported) {
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) GTEST_SKIP() << "a viewer may open";
    setUpTournament(1);
    tournament().name = "\xC5pnes";
    setUpGroup(0, 1, "Morgen", 0, 0, 0);
    addPlayer(0, "Ola", "Nordmann", 5.0f, 5.0f);
    MessageBox::setNextAnswer(MessageBox::Answer::Yes);
    pressScoreCards();
    const QString pdf = QDir::current().absoluteFilePath(QStringLiteral("Åpnes_Scorekort.pdf"));
    EXPECT_EQ(MessageBox::recorded().value(1).toStdString(),
              QStringLiteral("PDF-filen kunne ikke åpnes: %1").arg(pdf).toStdString());
}

// The organiser's way to a card: a plus handicap typed with "+" and an index with a comma in a
// nine-hole group, "Spillehcp" on "Registrer gruppe", and the same figure and dots on the card.
TEST_F(ScoreCardButton, TheCardPlaysOffTheSpillehcpTheRegisterScreenShows) {
    setUpTournament(1, "Kortbanen");
    tournament().name = "Ni hull";
    setUpGroup(0, 1, "Kveld", 0, 0, 0);
    tournament().groups[0].noOfPlayers = 2;
    {
        CRegisterGroupDlg screen(0);
        screen.show();
        typeText(childNamed<QLineEdit>(&screen, QStringLiteral("firstNameEdit1")), QStringLiteral("Pluss"));
        typeText(childNamed<QLineEdit>(&screen, QStringLiteral("hcpEdit1")), QStringLiteral("+2,1"));
        typeText(childNamed<QLineEdit>(&screen, QStringLiteral("firstNameEdit2")), QStringLiteral("Atten"));
        typeText(childNamed<QLineEdit>(&screen, QStringLiteral("hcpEdit2")), QStringLiteral("18,0"));
        // -1.05 x 120 / 113 - 0.8 = -1.915 and 9 x 120 / 113 - 0.8 = 8.757.
        EXPECT_EQ(textOf(&screen, QStringLiteral("playingHandicapEdit1")), QStringLiteral("-2"));
        EXPECT_EQ(textOf(&screen, QStringLiteral("playingHandicapEdit2")), QStringLiteral("9"));
        EXPECT_EQ(textOf(&screen, QStringLiteral("shEdit1")), QStringLiteral("-2"));
    }
    EXPECT_FLOAT_EQ(tournament().groups[0].players[0].hcp, -2.1f);
    pressScoreCards();
    const QString plus = cardText(QStringLiteral("Ni hull_Scorekort.pdf"), 0);
    EXPECT_TRUE(plus.contains(QLatin1String("-2.1")));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("\\s-2\\s")).match(plus).hasMatch()) << plus.toStdString();
    EXPECT_EQ(dotsPerHole(plus), std::vector<int>(9, 0)) << "a plus handicap receives nothing";
    const QString eighteen = cardText(QStringLiteral("Ni hull_Scorekort.pdf"), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("\\s9\\s")).match(eighteen).hasMatch()) << eighteen.toStdString();
    EXPECT_EQ(dotsPerHole(eighteen), std::vector<int>(9, 1));
}
