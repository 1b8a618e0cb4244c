#pragma once
// The application object: owns the tournament session of the run. Screens read the tournament
// through theTournament() and change it through theSession(); the application knows no screen
// (main.cpp ties it to the main window).

#include <QApplication>

#include <string>

#include "app/TournamentSession.h"

class CTournamentApp : public QApplication {
    Q_OBJECT
public:
    // Builds the session, whose tournament reads the course table from `configPath`
    // (relative to the working directory).
    CTournamentApp(int& argc, char** argv, std::string configPath = std::string(DefaultConfigFile));
    ~CTournamentApp() override;

    TournamentSession& session() { return session_; }

    // Absolute path of import/ in the working directory the program started in, ending in
    // a separator (UTF-8). Fixed at start-up: the import screens append the typed file name.
    const std::string& importDirectory() const { return importDirectory_; }
    // Lets tests import from a directory of their own; `directory` ends in a separator.
    void setImportDirectory(std::string directory) { importDirectory_ = std::move(directory); }

    // The running application object, or nullptr before it is built.
    static CTournamentApp* instance();

private:
    TournamentSession session_;
    std::string importDirectory_;
};

// The session of the run, through which every change of the tournament goes.
TournamentSession& theSession();
// The one tournament of the run, to read.
const CTournament& theTournament();
