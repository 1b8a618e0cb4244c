#pragma once
// "Importer spillere": adds the players of a file, one "first surname handicap" a line,
// behind the players of group A.
// Nothing in the program opens this screen today; it is kept as the screen behind
// "Importer spillerdata" on the setup screen, which nothing opens either.

#include "ui/CImportFileDlg.h"

class CImportPlayersDlg : public CImportFileDlg {
    Q_OBJECT
public:
    explicit CImportPlayersDlg(QWidget* parent = nullptr);

protected:
    void importContents(const std::string& contents) override;
};
