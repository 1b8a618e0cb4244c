#pragma once
// "teebrook --export <name>": the lists of a saved tournament written without a window.

#include <QString>
#include <iosfwd>

class TournamentSession;

// Opens data/<name>.ini in `session` and writes the start list (text and PDF), the result list and the
// prize list (text, CSV, PDF) and the score cards as the screens would, printing each path
// written to `out`.
// Answers the exit code: 0, or 1 after printing the reason to `err`.
int exportLists(TournamentSession& session, const QString& name, std::ostream& out, std::ostream& err);
