#include "ui/CSetupDlg.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/CCourseTableDlg.h"
#include "ui/CImportPitchesDlg.h"
#include "ui/CImportPlayersDlg.h"
#include "ui/CRegisterPitchDlg.h"
#include "ui/CRegisterPlayersDlg.h"
#include "ui/Controls.h"

CSetupDlg::CSetupDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Oppsett..."));
    // Enter elsewhere belongs to "OK", not to whichever of these buttons had the focus last.
    registerPlayersButton = makeButton({QStringLiteral("Registrer spillere"), QStringLiteral("registerPlayersButton")},
                                       this);
    savePlayersButton = makeButton({QStringLiteral("Lagre spillere"), QStringLiteral("savePlayersButton")}, this);
    importPlayersButton = makeButton({QStringLiteral("Importer spillerdata"), QStringLiteral("importPlayersButton")},
                                     this);
    registerPitchesButton = makeButton({QStringLiteral("Registrer baner"), QStringLiteral("registerPitchesButton")},
                                       this);
    savePitchesButton = makeButton({QStringLiteral("Lagre baner"), QStringLiteral("savePitchesButton")}, this);
    // The button has always read "Impoter baner"; the text is kept as the organiser knows it.
    importPitchesButton = makeButton({QStringLiteral("Impoter baner"), QStringLiteral("importPitchesButton")}, this);

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
