#pragma once
// The prize list as an A4 PDF: a heading with tournament, date and course on every page and
// one table per competition. Layout only; what the tables hold comes from the core.

#include <QByteArray>
#include <string>

#include "ini/FileSystem.h"
#include "print/Pages.h"

struct CTournamentInfo;

// The pages, for the PDF file and the printer alike.
PagedDocument prizeListPages(const CTournamentInfo& tournament);
// The PDF's bytes. Needs a QGuiApplication (the offscreen platform will do).
QByteArray prizeListPdf(const CTournamentInfo& tournament);
// Writes the PDF through the safe file replacement; when that fails, any old file is left
// as it was and the answer says why.
files::FileResult writePrizeListPdf(const CTournamentInfo& tournament, const std::string& path);
