#include "ui/CSetupDlg.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/CCourseTableDlg.h"
#include "ui/CImportPitchesDlg.h"
#include "ui/CImportPlayersDlg.h"
#include "ui/CRegisterPitchDlg.h"
#include "ui/CRegisterPlayersDlg.h"
#include "ui/DialogButtons.h"

CSetupDlg::CSetupDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Oppsett..."));
    registerPlayersButton = addButton(QStringLiteral("Registrer spillere"), "registerPlayersButton");
    savePlayersButton = addButton(QStringLiteral("Lagre spillere"), "savePlayersButton");
    importPlayersButton = addButton(QStringLiteral("Importer spillerdata"), "importPlayersButton");
    registerPitchesButton = addButton(QStringLiteral("Registrer baner"), "registerPitchesButton");
    savePitchesButton = addButton(QStringLiteral("Lagre baner"), "savePitchesButton");
    // The button has always read "Impoter baner"; the text is kept as the organiser knows it.
    importPitchesButton = addButton(QStringLiteral("Impoter baner"), "importPitchesButton");

    // Players above courses, each row: register, save, import.
    auto* grid = new QGridLayout;
    grid->addWidget(registerPlayersButton, 0, 0);
    grid->addWidget(savePlayersButton, 0, 1);
    grid->addWidget(importPlayersButton, 0, 2);
    grid->addWidget(registerPitchesButton, 1, 0);
    grid->addWidget(savePitchesButton, 1, 1);
    grid->addWidget(importPitchesButton, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    const OkCancelButtons closing = addOkCancelButtons(this, layout);
    connect(closing.ok, &QPushButton::clicked, this, &QDialog::accept);

    connect(registerPlayersButton, &QPushButton::clicked, this, &CSetupDlg::openModal<CRegisterPlayersDlg>);
    connect(importPlayersButton, &QPushButton::clicked, this, &CSetupDlg::openModal<CImportPlayersDlg>);
    connect(registerPitchesButton, &QPushButton::clicked, this, &CSetupDlg::openModal<CRegisterPitchDlg>);
    connect(importPitchesButton, &QPushButton::clicked, this, &CSetupDlg::importPitches);
}

QPushButton* CSetupDlg::addButton(const QString& text, const char* objectName) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(objectName));
    // Enter elsewhere belongs to "OK", not to whichever of these buttons had the focus last.
    button->setAutoDefault(false);
    pressWithEnter(button);
    return button;
}

template <typename Dialog>
void CSetupDlg::openModal() {
    Dialog dialog(this);
    dialog.exec();
}

void CSetupDlg::importPitches() {
    CImportPitchesDlg import(this);
    if (import.exec() != QDialog::Accepted || import.importedCourses().empty()) return;
    CCourseTableDlg editor(this, import.importedCourses());
    editor.exec();
}
