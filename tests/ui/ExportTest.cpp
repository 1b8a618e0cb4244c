// "teebrook --export <name>" run as a process, without a display.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "PlayTestSupport.h"
#include "TestCourseTable.h"
#include "lists/Lists.h"
#include "lists/PrizeList.h"

namespace {

class Export : public PlayTest {
protected:
    // A working directory with the test course table and data/Klubbmesterskap.ini.
    void SetUp() override {
        PlayTest::SetUp();
        QDir(work.path()).mkpath(QStringLiteral("config"));
        QDir(work.path()).mkpath(QStringLiteral("data"));
        QFile config(work.filePath(QStringLiteral("config/TeebrookConfig.ini")));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        config.write(TestCourseTable);
        config.close();
        setUpTournament(2, "Kortbanen");
        setUpGroup(0, 1, "Formiddag", 0, 0, 0);
        addPlayer(0, "Ola", "Nordmann", 8.0f, 8.0f, {4, 3, 5, 4, 4, 3, 4, 5, 4});
        addPlayer(0, "\xC5se", "\xD8stg\xE5rd", 12.0f, 12.0f, {5, 4, 6});
        setUpGroup(1, 0, "Ettermiddag", 1, 1, 0);
        addPlayer(1, "Kari", "Hansen", 20.0f, 20.0f, {5, 4, 6, 5, 5, 4, 5, 6, 5});
        ASSERT_TRUE(tournament().save(work.filePath(QStringLiteral("data/Klubbmesterskap.ini")).toStdString()));
    }

    // Runs the program in the working directory with no display at all.
    int run(const QString& name) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(variable));
        // Qt warns on standard error without a runtime folder of the user's.
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(work.path());
        process.start(QStringLiteral(TEEBROOK_EXECUTABLE), {QStringLiteral("--export"), name});
        if (!process.waitForFinished(30000)) return -1;
        out = QString::fromUtf8(process.readAllStandardOutput());
        err = QString::fromUtf8(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QString path(const QString& file) const { return QDir(work.path()).absoluteFilePath(file); }
    std::string bytes(const QString& file) const {
        QFile f(path(file));
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "<missing>";
    }

    QTemporaryDir work;
    QTemporaryDir runtime;
    QString out;
    QString err;
};

TEST_F(Export, WritesTheListsAndScoreCardsAsTheScreensWouldAndNamesThem) {
    ASSERT_EQ(run(QStringLiteral("Klubbmesterskap")), 0) << err.toStdString();
    const QStringList files{"Klubbmesterskap_StartListe.txt",    "Klubbmesterskap_StartListe.pdf",
                            "Klubbmesterskap_ResultatListe.txt", "Klubbmesterskap_Premieliste.txt",
                            "Klubbmesterskap_Premieliste.csv",   "Klubbmesterskap_Premieliste.pdf",
                            "Klubbmesterskap_Scorekort.pdf"};
    QStringList expected;
    for (const QString& file : files) expected << path(file);
    EXPECT_EQ(out.toStdString(), expected.join(u'\n').toStdString() + '\n');
    EXPECT_TRUE(err.isEmpty()) << err.toStdString();

    CTournament saved(work.filePath(QStringLiteral("config/TeebrookConfig.ini")).toStdString());
    ASSERT_TRUE(saved.load(work.filePath(QStringLiteral("data/Klubbmesterskap.ini")).toStdString()));
    EXPECT_EQ(bytes(files[0]), startListText(saved));
    EXPECT_EQ(bytes(files[2]), resultListText(saved));
    EXPECT_EQ(bytes(files[3]), prizeListText(saved));
    EXPECT_EQ(bytes(files[4]), prizeListCsv(saved));
    for (int pdf : {1, 5, 6}) EXPECT_EQ(bytes(files[pdf]).substr(0, 5), "%PDF-") << pdf;
}

TEST_F(Export, AMissingTournamentOrAFailedWriteExitsWithTheReason) {
    EXPECT_EQ(run(QStringLiteral("Mangler")), 1);
    EXPECT_EQ(err, QStringLiteral("Turneringen kunne ikke leses: %1\nFilen finnes ikke.\n")
                       .arg(path(QStringLiteral("data/Mangler.ini"))));
    EXPECT_TRUE(out.isEmpty());

    ASSERT_TRUE(QDir(work.path()).mkpath(QStringLiteral("Klubbmesterskap_Premieliste.pdf")));
    EXPECT_EQ(run(QStringLiteral("Klubbmesterskap")), 1);
    EXPECT_EQ(err, QStringLiteral("Premielisten (PDF) kunne ikke skrives: %1\n"
                                  "Det som ligger der, er ikke en vanlig fil.\n")
                       .arg(path(QStringLiteral("Klubbmesterskap_Premieliste.pdf"))));

    EXPECT_EQ(run(QStringLiteral("../Klubbmesterskap")), 1);
    EXPECT_TRUE(err.startsWith(QStringLiteral("Turneringsnavnet kan ikke brukes som filnavn"))) << err.toStdString();
}

// A damaged file that stores another tournament's name still gives lists named after the file
// read, so another tournament's lists are never replaced; what is wrong goes to standard error,
// and so does unsaved work in a newer recovery copy, which the export leaves alone.
TEST_F(Export, ListsAreNamedAfterTheFileReadAndItsFaultsAndNewerCopyAreSaid) {
    QFile damaged(path(QStringLiteral("data/Kopi.ini")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("[Tournament]\r\nName=Klubbmesterskap\r\nNumberOfGroups=2\r\n[PlayGroup1]\r\nNoOfPlayers=0\r\n");
    damaged.close();
    QDir(work.path()).mkpath(QStringLiteral("data/.gjenoppretting"));
    QFile copy(path(QStringLiteral("data/.gjenoppretting/Klubbmesterskap.ini")));
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write(
        "[Tournament]\r\nName=Klubbmesterskap\r\n[Recovery]\r\nMade=99999999999999\r\n"
        "File=./data/Klubbmesterskap.ini\r\n");
    copy.close();
    const std::string before = bytes(QStringLiteral("Klubbmesterskap_StartListe.txt"));

    ASSERT_EQ(run(QStringLiteral("Kopi")), 0) << err.toStdString();
    EXPECT_TRUE(out.startsWith(path(QStringLiteral("Kopi_StartListe.txt")))) << out.toStdString();
    EXPECT_EQ(bytes(QStringLiteral("Klubbmesterskap_StartListe.txt")), before);
    EXPECT_EQ(err, QStringLiteral("Turneringsfilen er skadet:\nGruppe B: mangler.\n"));

    ASSERT_EQ(run(QStringLiteral("Klubbmesterskap")), 0) << err.toStdString();
    EXPECT_TRUE(err.startsWith(QStringLiteral("Det finnes en nyere gjenopprettingskopi av turneringen")))
        << err.toStdString();
}

}  // namespace
