// The starter's start list PDF, and printing: each paper printed to a PDF file through the
// printer's own path, read back with pdftotext.

#include <QPrinter>
#include <QTemporaryDir>

#include "PlayTestSupport.h"
#include "lists/Lists.h"
#include "print/Printer.h"
#include "print/PrizeListPdf.h"
#include "print/StartListPdf.h"

namespace {

class Printing : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        setUpTournament(2, "Kortbanen");
        setUpGroup(0, 1, "09:00", 0, 0, 0);
        addPlayer(0, "Ola", "Nordmann", 8.0f, 8.0f, {4, 3, 5}).club = "Fana GK";
        addPlayer(0, "\xC5se", "\xD8stg\xE5rd", 12.0f, 12.0f).club = "Bj\xF8rnafjorden";
        setUpGroup(1, 0, "09:10", 1, 1, 4);
        addPlayer(1, "Kari", "Hansen", 20.0f, 20.0f);
    }

    // The pages of `document` as a printer set up for them gets them, printed to a PDF file.
    QString printed(const PagedDocument& document) {
        const QString path = folder.filePath(QStringLiteral("printed.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        preparePrinter(printer, document);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printDocument(printer, document);
        return pdfText(path);
    }

    QTemporaryDir folder;
};

TEST_F(Printing, StartListPdfShowsEachGroupAndPrintsAsItsPdf) {
    const QString path = folder.filePath(QStringLiteral("start.pdf"));
    ASSERT_TRUE(writeStartListPdf(tournament(), path.toStdString()));
    const QString text = pdfText(path);
    for (const QString& expected : {
             QStringLiteral("Startliste – Klubbmesterskap"),
             QStringLiteral("14 Mars 2026 Kortbanen"),
             QStringLiteral("09:00 (Gruppe A)"),
             QStringLiteral("Herre · Slagspill · Tee: Hvit"),
             QStringLiteral("Møtt Nr Navn Klubb HCP Spillehcp"),
             // Nine holes play off half the index: 4 x 120 / 113 - 0.8 = 3.45.
             QStringLiteral("1 Ola Nordmann Fana GK 8.0 3"),
             QStringLiteral("2 Åse Østgård Bjørnafjorden 12.0 6"),
             // The course has no fifth tee.
             QStringLiteral("Dame · Stableford · Tee mangler"),
             QStringLiteral("1 Kari Hansen 20.0"),
         })
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\n" << text.toStdString();
    EXPECT_EQ(printed(startListPages(tournament())), text);
    EXPECT_EQ(printed(prizeListPages(tournament())), [&] {
        const QString prize = folder.filePath(QStringLiteral("prize.pdf"));
        return writePrizeListPdf(tournament(), prize.toStdString()) ? pdfText(prize) : QString();
    }());
    EXPECT_FALSE(writeStartListPdf(tournament(), folder.filePath(QStringLiteral("none/s.pdf")).toStdString()));
}

// A text list prints in a fixed-width font, so its columns stay, page after page.
TEST_F(Printing, TextListPrintsItsLinesPageByPage) {
    for (int g = 2; g < 9; ++g) {
        setUpGroup(g, 0, "Sen", 0, 0, 0);
        for (int p = 0; p < 9; ++p) addPlayer(g, "Spiller", std::string(60, 'x'), 10.0f, 10.0f, {4, 4});
    }
    tournament().numberOfGroups = 9;
    const std::string list = resultListText(tournament());
    const QString text = printed(textPages(QStringLiteral("Resultatliste"), list));
    EXPECT_TRUE(text.contains(QStringLiteral("Turnering : Klubbmesterskap"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("2:Ola Nordmann 4 3 5 0 0 0 0 0 0 (12)")));
    // Lines wider than the page go on below instead of being cut, over several pages.
    EXPECT_EQ(text.count(QStringLiteral("Spiller ")), 63);
    const QRegularExpression wrapped(QStringLiteral("^\f?0 0 0 0 0 \\(8\\)$"), QRegularExpression::MultilineOption);
    EXPECT_EQ(text.count(wrapped), 63);
    EXPECT_GT(text.count(u'\f'), 2);
}

}  // namespace
