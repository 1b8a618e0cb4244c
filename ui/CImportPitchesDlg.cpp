#include "ui/CImportPitchesDlg.h"

#include "model/ImportLine.h"

CImportPitchesDlg::CImportPitchesDlg(QWidget* parent) : CImportFileDlg(QStringLiteral("Importer baner"), parent) {}

// Stops at the table's 100 records; lines beyond them or that cannot be read are counted and reported.
void CImportPitchesDlg::importContents(const std::string& contents) {
    const ImportCounts counts = importPitches(contents, importedPitches);
    importedCount = static_cast<int>(counts.taken);
    reportLeftOutLines(QStringLiteral("%1 baner ble lest inn. %2 linjer ble ikke lest inn."), counts);
}

std::vector<CourseDraft> CImportPitchesDlg::importedCourses() const {
    std::vector<CourseDraft> courses;
    for (int i = 0; i < importedCount && i < MaxPitches; ++i) courses.push_back(importedCourse(importedPitches[i]));
    return courses;
}
