#include "ui/CRegisterPlayersDlg.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/Controls.h"

CRegisterPlayersDlg::CRegisterPlayersDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Registrer spillere"));
    auto* frame = new QGroupBox(QStringLiteral("Spillerinformasjon"), this);
    nameEdit = makeEdit(QStringLiteral("nameEdit"), frame);
    hcpEdit = makeEdit(QStringLiteral("hcpEdit"), frame);
    classEdit = makeEdit(QStringLiteral("classEdit"), frame);
    teeEdit = makeEdit(QStringLiteral("teeEdit"), frame);
    auto* fields = new QFormLayout(frame);
    fields->addRow(QStringLiteral("Navn"), nameEdit);
    fields->addRow(QStringLiteral("Hcp"), hcpEdit);
    fields->addRow(QStringLiteral("Klasse"), classEdit);
    fields->addRow(QStringLiteral("Tee"), teeEdit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    addRegistrationButtons(this, layout, QStringLiteral("Ny spiller"), QStringLiteral("Alle er registrert"));
}
