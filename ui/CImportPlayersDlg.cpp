#include "ui/CImportPlayersDlg.h"

#include "app/CTournamentApp.h"

CImportPlayersDlg::CImportPlayersDlg(QWidget* parent) : CImportFileDlg(QStringLiteral("Importer spillere"), parent) {}

// Group A whatever the number of groups; a line that finds no free row or cannot be read
// adds nothing, and the organiser is told how many lines were left out.
void CImportPlayersDlg::importContents(const std::string& contents) {
    const ImportCounts counts = theSession().importPlayers(contents);
    reportLeftOutLines(QStringLiteral("%1 spillere ble lagt inn. %2 linjer ble ikke lagt inn."), counts);
}
