#include <QCommandLineParser>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iostream>
#include <memory>

#include "app/CTournamentApp.h"
#include "app/FirstPaintProbe.h"
#include "app/ListExport.h"
#include "app/LiveServe.h"
#include "app/RecoveryKeeper.h"
#include "app/ScriptedDay.h"
#include "app/StartUp.h"
#include "live/LiveScoringRun.h"
#include "ui/CTournamentDlg.h"
#include "ui/MessageBox.h"

namespace {

// An export and the scoring service open no window, so they must also run where there is no display.
bool asksForNoWindow(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"--export", "--serve"}) {
            const std::size_t length = std::strlen(option);
            if (std::strncmp(argv[i], option, length) == 0 && (argv[i][length] == '\0' || argv[i][length] == '='))
                return true;
        }
    }
    return false;
}

// A port 0..65535 (0: any free one, for tests); -1 for anything else.
int portOption(const QString& typed) {
    bool ok = false;
    const int port = typed.toInt(&ok);
    return ok && port >= 0 && port <= 65535 ? port : -1;
}
// For the crash test: a scripted day, and a log of what was typed and which copies were written.
struct DayHooks {
    std::unique_ptr<DayLog> log;
    std::unique_ptr<ScriptedDay> day;
};

const char* scriptedDayPath() { return std::getenv("TEEBROOK_SCRIPTED_DAY"); }

}  // namespace

// The run lasts as long as the main window is open; nothing is saved at exit, and the recovery
// copy goes with a normal end, since the organiser was asked about unsaved work.
int main(int argc, char** argv) {
    if (asksForNoWindow(argc, argv)) qputenv("QT_QPA_PLATFORM", "offscreen");
    CTournamentApp app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Teebrook: en golfturnering fra ett vindu."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption exportOption(
        QStringLiteral("export"),
        QStringLiteral(
            "Skriv startlisten, resultatlisten, premielisten og scorekortene for data/<navn>.ini og avslutt."),
        QStringLiteral("navn"));
    parser.addOption(exportOption);
    const QCommandLineOption serveOption(
        QStringLiteral("serve"),
        QStringLiteral("Åpne data/<navn>.ini og ta imot slag fra telefonene på klubbens nett, til SIGINT eller "
                       "SIGTERM; lagrer turneringen før programmet avslutter."),
        QStringLiteral("navn"));
    const QCommandLineOption portOptionName(QStringLiteral("port"), QStringLiteral("Porten for --serve (8080)."),
                                            QStringLiteral("N"), QString::number(DefaultServePort));
    parser.addOption(serveOption);
    parser.addOption(portOptionName);
    parser.process(app);
    if (parser.isSet(exportOption)) return exportLists(app.session(), parser.value(exportOption), std::cout, std::cerr);
    if (parser.isSet(serveOption)) {
        const int port = portOption(parser.value(portOptionName));
        if (port < 0) {
            std::cerr << "Porten må være et tall fra 0 til 65535: \"" << parser.value(portOptionName).toStdString()
                      << "\"\n";
            return 1;
        }
        return serveTournament(app.session(), parser.value(serveOption), port, std::cout, std::cerr);
    }

    QApplication::setStyle(QStringLiteral("Fusion"));
    const std::optional<FolderLock> lock = takeFolderLock(nullptr);
    if (!lock) return 1;

    DayHooks hooks;
    RecoveryCopyWriter::Progress progress;
    std::function<long long()> tagOfChange;
    if (scriptedDayPath()) {
        hooks.log = std::make_unique<DayLog>(std::getenv("TEEBROOK_DAY_LOG") ? std::getenv("TEEBROOK_DAY_LOG") : "");
        progress = [log = hooks.log.get()](RecoveryCopyWriter::Stage stage, long long tag) {
            log->line(stage == RecoveryCopyWriter::Stage::Writing ? "writing" : "written", tag);
        };
        tagOfChange = [&hooks] { return hooks.day ? hooks.day->lastTyped() : 0; };
    }
    RecoveryKeeper keeper(app.session(), std::string(RecoveryFolder), progress, tagOfChange);
    CTournamentDlg mainWindow;
    QObject::connect(&keeper, &RecoveryKeeper::copyFailed, &mainWindow,
                     [&mainWindow](const QString& message) { MessageBox::warning(&mainWindow, message); });
    // After the window is built, so a restored tournament fills its form.
    offerRecovery(app.session(), &mainWindow, scriptedDayPath() != nullptr);
    if (scriptedDayPath()) {
        const char* from = std::getenv("TEEBROOK_SCRIPT_FROM");
        hooks.day = std::make_unique<ScriptedDay>(app.session(), scriptedDayPath(), from ? std::atoll(from) : 1,
                                                  *hooks.log);
    }
    // For bench/startup.sh: with TEEBROOK_QUIT_AFTER_FIRST_PAINT set, the run ends at the first paint.
    FirstPaintProbe probe;
    if (std::getenv("TEEBROOK_QUIT_AFTER_FIRST_PAINT")) mainWindow.installEventFilter(&probe);
    mainWindow.exec();
    endLiveScoring();
    keeper.discard();
    return 0;
}
