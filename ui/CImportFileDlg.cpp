#include "ui/CImportFileDlg.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "app/CTournamentApp.h"
#include "model/ImportLine.h"
#include "text/Text.h"
#include "ui/DialogButtons.h"
#include "ui/MessageBox.h"

CImportFileDlg::CImportFileDlg(const QString& title, QWidget* parent) : QDialog(parent) {
    setWindowTitle(title);
    fileNameEdit = new QLineEdit(this);
    fileNameEdit->setObjectName(QStringLiteral("fileNameEdit"));
    // Room for a file name of a usual length.
    fileNameEdit->setMinimumWidth(fileNameEdit->fontMetrics().averageCharWidth() * 40);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fileNameEdit);
    const OkCancelButtons buttons = addOkCancelButtons(this, layout);
    connect(buttons.ok, &QPushButton::clicked, this, &CImportFileDlg::importTypedFile);
}

std::string CImportFileDlg::importPath(const QString& typedName) {
    return CTournamentApp::instance()->importDirectory() + typedName.toStdString();
}

// A file that cannot be opened is not read and nothing is said: the screen closes as after an import.
void CImportFileDlg::importTypedFile() {
    if (const std::optional<std::string> contents = readImportFile(importPath(fileNameEdit->text()))) {
        importContents(*contents);
    }
    accept();
}

void CImportFileDlg::reportLeftOutLines(const QString& pattern, const ImportCounts& counts) {
    if (counts.leftOut == 0) return;
    MessageBox::warning(this, pattern.arg(QString::fromStdString(text::formatInt(counts.taken)),
                                          QString::fromStdString(text::formatInt(counts.leftOut))));
}
