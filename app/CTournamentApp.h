#pragma once
// The application object: owns the one tournament of the run. Screens reach it through
// theTournament(); the application knows no screen (main.cpp ties it to the main window).

#include <QApplication>

#include <string>

#include "model/CTournament.h"

class CTournamentApp : public QApplication {
    Q_OBJECT
public:
    // Builds the tournament, which reads the course table from `configPath`
    // (relative to the working directory).
    CTournamentApp(int& argc, char** argv, std::string configPath = std::string(DefaultConfigFile));
    ~CTournamentApp() override;

    CTournament& tournament() { return tournament_; }

    // Absolute path of import/ in the working directory the program started in, ending in
    // a separator (UTF-8). Fixed at start-up: the import screens append the typed file name.
    const std::string& importDirectory() const { return importDirectory_; }
    // Lets tests import from a directory of their own; `directory` ends in a separator.
    void setImportDirectory(std::string directory) { importDirectory_ = std::move(directory); }

    // The running application object, or nullptr before it is built.
    static CTournamentApp* instance();

private:
    CTournament tournament_;
    std::string importDirectory_;
};

// The one tournament of the run.
CTournament& theTournament();
