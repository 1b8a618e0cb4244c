#pragma once
// The start list for the starter as an A4 PDF: a heading with tournament, date and course on
// every page, then each group with its players and a box to tick who has arrived. Layout
// only; the rows come from the core.

#include <QByteArray>
#include <string>

#include "ini/FileSystem.h"
#include "print/Pages.h"

struct CTournamentInfo;

// The pages, for the PDF file and the printer alike.
PagedDocument startListPages(const CTournamentInfo& tournament);
// Writes the PDF through the safe file replacement; when that fails, any old file is left
// as it was and the answer says why.
files::FileResult writeStartListPdf(const CTournamentInfo& tournament, const std::string& path);
