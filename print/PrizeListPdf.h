#pragma once
// The prize list as an A4 PDF: a heading with tournament, date and course on every page and
// one table per competition. Layout only; what the tables hold comes from the core.

#include <QByteArray>
#include <string>

#include "ini/FileSystem.h"

struct CTournamentInfo;

// The PDF's bytes. Needs a QGuiApplication (the offscreen platform will do).
QByteArray prizeListPdf(const CTournamentInfo& tournament);
// Writes the PDF through the safe file replacement; when that fails, any old file is left
// as it was and the answer says why.
files::FileResult writePrizeListPdf(const CTournamentInfo& tournament, const std::string& path);
