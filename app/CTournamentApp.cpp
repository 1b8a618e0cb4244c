#include "app/CTournamentApp.h"

CTournamentApp::CTournamentApp(int& argc, char** argv, std::string configPath)
    : QApplication(argc, argv), tournament_(std::move(configPath)) {
    setApplicationName(QStringLiteral("Teebrook"));
    setApplicationVersion(QStringLiteral("1.0"));
}

CTournamentApp::~CTournamentApp() = default;

CTournamentApp* CTournamentApp::instance() {
    return qobject_cast<CTournamentApp*>(QCoreApplication::instance());
}

CTournament& theTournament() {
    return CTournamentApp::instance()->tournament();
}
