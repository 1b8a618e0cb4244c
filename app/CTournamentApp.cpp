#include "app/CTournamentApp.h"

#include <QDir>

namespace {
// import/ below the current directory; Qt paths use '/' on every platform.
std::string importDirectoryOfCurrentDirectory() {
    return (QDir::current().absoluteFilePath(QStringLiteral("import")) + QLatin1Char('/')).toStdString();
}
}  // namespace

CTournamentApp::CTournamentApp(int& argc, char** argv, std::string configPath)
    : QApplication(argc, argv), session_(std::move(configPath)), importDirectory_(importDirectoryOfCurrentDirectory()) {
    setApplicationName(QStringLiteral("Teebrook"));
    setApplicationVersion(QStringLiteral("1.0"));
}

CTournamentApp::~CTournamentApp() = default;

CTournamentApp* CTournamentApp::instance() { return qobject_cast<CTournamentApp*>(QCoreApplication::instance()); }

TournamentSession& theSession() { return CTournamentApp::instance()->session(); }

const CTournament& theTournament() { return theSession().tournament(); }
