// "Scorekort" on "Registrer alle gruppene": the PDF it writes, read back with pdftotext.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "PlayTestSupport.h"
#include "ui/CRegisterAllGroupsDlg.h"

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
    addPlayer(0, "Per", "Berg", 18.7f, 20.0f);
    addPlayer(1, "Kari", "Lie", 36.2f, 40.0f);
    pressScoreCards();

    const QString pdf = QDir::current().absoluteFilePath(QStringLiteral("Vårcup_Scorekort.pdf"));
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(MessageBox::recorded().join(u'|').toStdString(),
              QStringLiteral("Scorekortene er skrevet til %1.\n\nVil du åpne dem?").arg(pdf).toStdString());

    struct Expected {
        QStringList texts;
        std::vector<int> dots;
    };
    // The test course's stroke index is the hole number: PH 20 gives two strokes on holes 1-2
    // and one elsewhere, PH 40 three on holes 1-4 and two elsewhere.
    const std::vector<Expected> cards{
        {{"Vårcup", "14.03.2026", "Testbanen", "Tee: Rød", "Gruppe: Morgen", "Herre, Slagspill", "Åse Ødegård",
          "Blå GK", "0.4", "Spillerens signatur", "Markørens signatur"},
         dots({{18, 0}})},
        {{"Per Berg", "18.7", "20"}, dots({{2, 2}, {16, 1}})},
        {{"Gruppe: Ettermiddag", "Tee: Gul", "Dame, Stableford", "Kari Lie", "36.2", "40"}, dots({{4, 3}, {14, 2}})},
    };
    for (std::size_t c = 0; c < cards.size(); ++c) {
        SCOPED_TRACE("card " + std::to_string(c + 1));
        const QString text = cardText(pdf, static_cast<int>(c));
        for (const QString& expected : cards[c].texts) EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
        EXPECT_EQ(dotsPerHole(text), cards[c].dots) << text.toStdString();
        for (const char* total : {"Ut", "Inn", "Totalt"}) EXPECT_TRUE(text.contains(QLatin1String(total)));
    }
}

TEST_F(ScoreCardButton, ANineHoleCourseGivesNineHoleRowsAndOneTotal) {
    setUpTournament(1, "Kortbanen");
    tournament().name = "Ni hull";
    setUpGroup(0, 1, "Kveld", 0, 0, 0);
    addPlayer(0, "Ola", "Nordmann", 5.0f, 5.0f);
    pressScoreCards();

    const QString text = cardText(QStringLiteral("Ni hull_Scorekort.pdf"), 0);
    // Kortbanen's indexes 2 8 4 6 1 9 3 5 7: PH 5 receives on indexes 1..5.
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
