// The prize list PDF, read back as text with pdftotext.

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "PlayTestSupport.h"
#include "print/PrizeListPdf.h"

namespace {

using PrizeListPdf = PlayTest;

TEST_F(PrizeListPdf, ReadsBackWithHeadingTablesAndNorwegianLetters) {
    setUpTournament(2, "Kortbanen");
    setUpGroup(0, 1, "Formiddag", 0, 0, 0);
    addPlayer(0, "Ola", "Nordmann", 8.0f, 8.0f, {4, 3, 5, 4, 4, 3, 4, 5, 4}).club = "Fana GK";
    addPlayer(0, "\xC5se", "\xD8stg\xE5rd", 12.0f, 12.0f, {5, 4, 6}).club = "Bj\xF8rnafjorden";
    setUpGroup(1, 0, "Ettermiddag", 1, 1, 0);
    addPlayer(1, "Kari", "Hansen", 20.0f, 20.0f, {5, 4, 6, 5, 5, 4, 5, 6, 5});

    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("premier.pdf"));
    ASSERT_TRUE(writePrizeListPdf(tournament(), path.toStdString()));
    const QString text = pdfText(path);

    for (const QString& expected : {
             QStringLiteral("Premieliste – Klubbmesterskap"),
             QStringLiteral("14 Mars 2026 Kortbanen, 9 hull"),
             QStringLiteral("Herre – Slagspill"),
             QStringLiteral("Plass Navn Klubb Gruppe Brutto Sp.hcp Netto Avgjort"),
             // Nine holes on tee "Hvit" (slope 120, 35.2, par 36) play off half the index:
             // 4 x 120 / 113 - 0.8 = 3.448 and 6 x 120 / 113 - 0.8 = 5.572.
             QStringLiteral("1 Ola Nordmann Fana GK Formiddag 36 3 33"),
             QStringLiteral("Åse Østgård Bjørnafjorden Formiddag 15 6 9 Ikke fullført"),
             QStringLiteral("Dame – Stableford"),
             QStringLiteral("Plass Navn Klubb Gruppe Brutto Sp.hcp Poeng Avgjort"),
             // 3/4 of 10 x 120 / 113 - 0.8 = 9.819 is 7.364: one stroke on indexes 1..7.
             QStringLiteral("1 Kari Hansen Ettermiddag 45 7 16"),
         })
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\n" << text.toStdString();
    EXPECT_FALSE(writePrizeListPdf(tournament(), folder.filePath(QStringLiteral("none/p.pdf")).toStdString()));
}

}  // namespace
