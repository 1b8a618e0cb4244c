#pragma once
// The form both import screens share: the name of a file in the import directory, "OK"
// (the default button) that imports it and closes the screen, and "Cancel" that closes
// the screen without reading anything. A file that cannot be read is named with the reason,
// and the screen stays open.

#include <QDialog>
#include <string>

class QLineEdit;
struct ImportCounts;

class CImportFileDlg : public QDialog {
    Q_OBJECT
public:
    // The import directory followed directly by `typedName` (UTF-8), unchanged.
    static std::string importPath(const QString& typedName);

protected:
    CImportFileDlg(const QString& title, QWidget* parent);
    // Imports the contents of the file; called only when the file could be read.
    virtual void importContents(const std::string& contents) = 0;
    // One warning when lines were left out: `pattern` holds %1 for the records taken and %2
    // for the non-empty lines left out. An import that took every line shows nothing.
    void reportLeftOutLines(const QString& pattern, const ImportCounts& counts);

private:
    void importTypedFile();

    QLineEdit* fileNameEdit;
};
