#include "ui/CImportFileDlg.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/CTournamentApp.h"
#include "model/ImportLine.h"
#include "print/TextCodec.h"
#include "ui/Controls.h"
#include "ui/FileMessages.h"
#include "ui/MessageBox.h"

namespace {

const QString EnterFileNameMessage = QStringLiteral("Skriv inn navnet på en fil i mappen %1.");
const QString ReadFailedMessage = QStringLiteral("Filen %1 kunne ikke leses.");

// A path as the organiser's system writes it.
QString nativePath(const std::string& path) { return QDir::toNativeSeparators(QString::fromStdString(path)); }

}  // namespace

CImportFileDlg::CImportFileDlg(const QString& title, QWidget* parent) : QDialog(parent) {
    setWindowTitle(title);
    fileNameEdit = makeEdit(QStringLiteral("fileNameEdit"), this);
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

// A file that cannot be read changes nothing; the organiser is told which file and why, and the
// screen stays open so the name can be corrected (or the import given up with "Cancel").
void CImportFileDlg::importTypedFile() {
    const QString typedName = fileNameEdit->text();
    if (typedName.isEmpty()) {
        MessageBox::warning(this, EnterFileNameMessage.arg(nativePath(CTournamentApp::instance()->importDirectory())));
        return;
    }
    const std::string path = importPath(typedName);
    const files::ReadResult read = readImportFile(path);
    if (!read.result) {
        MessageBox::warning(this, withReadFailureReason(ReadFailedMessage.arg(nativePath(path)), read.result));
        return;
    }
    importContents(read.contents);
    accept();
}

void CImportFileDlg::reportLeftOutLines(const QString& pattern, const ImportCounts& counts) {
    if (counts.leftOut == 0) return;
    MessageBox::warning(this, pattern.arg(numberText(counts.taken), numberText(counts.leftOut)));
}
