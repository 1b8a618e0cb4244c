#pragma once
// The prize list as an A4 PDF: a heading with tournament, date and course on every page and
// one table per competition. Layout only; what the tables hold comes from the core.

#include <QByteArray>
#include <string>

struct CTournamentInfo;

// The PDF's bytes. Needs a QGuiApplication (the offscreen platform will do).
QByteArray prizeListPdf(const CTournamentInfo& tournament);
// Writes the PDF through the safe file replacement; false when it failed, leaving any old
// file as it was.
bool writePrizeListPdf(const CTournamentInfo& tournament, const std::string& path);
