#pragma once
// "teebrook --serve <name> [--port N]": the scoring service without a window, until SIGINT or
// SIGTERM, then the tournament is saved.

#include <QString>
#include <iosfwd>

class TournamentSession;

inline constexpr int DefaultServePort = 8080;

int serveTournament(TournamentSession& session, const QString& name, int port, std::ostream& out, std::ostream& err);
