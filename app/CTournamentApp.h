#pragma once
// The application object: owns the one tournament of the run. Screens reach it through
// theTournament(); the application knows no screen (main.cpp ties it to the main window).

#include <QApplication>

#include "model/CTournament.h"

class CTournamentApp : public QApplication {
    Q_OBJECT
public:
    // Builds the tournament, which reads the course table from `configPath`
    // (relative to the working directory).
    CTournamentApp(int& argc, char** argv, std::string configPath = std::string(DefaultConfigFile));
    ~CTournamentApp() override;

    CTournament& tournament() { return tournament_; }

    // The running application object, or nullptr before it is built.
    static CTournamentApp* instance();

private:
    CTournament tournament_;
};

// The one tournament of the run.
CTournament& theTournament();
