#include <QCommandLineParser>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "app/CTournamentApp.h"
#include "app/FirstPaintProbe.h"
#include "app/ListExport.h"
#include "ui/CTournamentDlg.h"

namespace {

// An export opens no window, so it must also run where there is no display.
bool asksForExport(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--export") == 0 || std::strncmp(argv[i], "--export=", 9) == 0) return true;
    }
    return false;
}

}  // namespace

// The run lasts as long as the main window is open; nothing is saved at exit.
int main(int argc, char** argv) {
    if (asksForExport(argc, argv)) qputenv("QT_QPA_PLATFORM", "offscreen");
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
    parser.process(app);
    if (parser.isSet(exportOption)) return exportLists(app.session(), parser.value(exportOption), std::cout, std::cerr);

    QApplication::setStyle(QStringLiteral("Fusion"));
    CTournamentDlg mainWindow;
    // For bench/startup.sh: with TEEBROOK_QUIT_AFTER_FIRST_PAINT set, the run ends at the first paint.
    FirstPaintProbe probe;
    if (std::getenv("TEEBROOK_QUIT_AFTER_FIRST_PAINT")) mainWindow.installEventFilter(&probe);
    mainWindow.exec();
    return 0;
}
