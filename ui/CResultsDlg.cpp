#include "ui/CResultsDlg.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/CTournamentApp.h"
#include "lists/Lists.h"
#include "ui/DialogButtons.h"
#include "ui/MessageBox.h"
#include "ui/TextCodec.h"
#include "ui/TournamentFiles.h"

namespace {

const QString EmptyNameMessage = QStringLiteral("Skriv inn et Konkuransenavn.");
const QString WriteFailedMessage = QStringLiteral("Resultatlisten kunne ikke skrives.");

}  // namespace

CResultsDlg::CResultsDlg(QWidget* parent) : QDialog(parent), tournament(theTournament()) {
    setWindowTitle(QStringLiteral("Resultater"));
    buildForm();
    // The list is filled before the name is checked, so an empty name still gives a full list.
    fillResults();
    writeResults();
    resultsList->setCurrentRow(-1);
}

void CResultsDlg::buildForm() {
    auto* layout = new QVBoxLayout(this);
    resultsList = new QListWidget(this);
    resultsList->setObjectName(QStringLiteral("resultsList"));
    resultsList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    resultsList->setMinimumSize(520, 300);
    layout->addWidget(resultsList);
    // Both buttons only close the screen; the line the user may have selected is not used.
    const OkCancelButtons buttons = addOkCancelButtons(this, layout);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
}

void CResultsDlg::fillResults() {
    resultsList->clear();
    for (const std::string& line : resultScreenLines(tournament)) resultsList->addItem(toQString(line));
}

void CResultsDlg::writeResults() {
    if (tournament.name.empty()) {
        MessageBox::warning(parentWidget(), EmptyNameMessage);
        return;
    }
    // A name with a folder separator would write the list outside the working directory.
    const QString name = toQString(tournament.name);
    if (!isUsableFileName(name)) {
        MessageBox::warning(parentWidget(), QString::fromUtf8(UnusableFileNameMessage));
        return;
    }
    if (!writeResultList(tournament, resultListPath(name))) MessageBox::warning(parentWidget(), WriteFailedMessage);
}

QStringList CResultsDlg::lines() const {
    QStringList result;
    for (int row = 0; row < resultsList->count(); ++row) result.append(resultsList->item(row)->text());
    return result;
}
