#pragma once
// "Importer baner": reads the courses of a file, one "name holes" a line, into a table of
// the screen's own; the course table of the tournament is not changed here. The courses
// read are handed to the course editor as new courses to complete.

#include <array>
#include <vector>

#include "model/CourseTableFile.h"

#include "model/Records.h"
#include "ui/CImportFileDlg.h"

class CImportPitchesDlg : public CImportFileDlg {
    Q_OBJECT
public:
    explicit CImportPitchesDlg(QWidget* parent = nullptr);

    // The screen's own table: empty names and 0 holes until an import fills it from the start.
    const std::array<CPitch, MaxPitches>& pitches() const { return importedPitches; }
    // The courses the last import read, in file order, as courses of the course editor.
    std::vector<CourseDraft> importedCourses() const;

protected:
    void importContents(const std::string& contents) override;

private:
    std::array<CPitch, MaxPitches> importedPitches{};
    int importedCount = 0;
};
