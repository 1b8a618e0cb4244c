#include "ui/CRegisterPlayersDlg.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/DialogButtons.h"

namespace {
QLineEdit* namedEdit(QWidget* parent, const char* objectName) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    return edit;
}
}  // namespace

CRegisterPlayersDlg::CRegisterPlayersDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Registrer spillere"));
    auto* frame = new QGroupBox(QStringLiteral("Spillerinformasjon"), this);
    nameEdit = namedEdit(frame, "nameEdit");
    hcpEdit = namedEdit(frame, "hcpEdit");
    classEdit = namedEdit(frame, "classEdit");
    teeEdit = namedEdit(frame, "teeEdit");
    auto* fields = new QFormLayout(frame);
    fields->addRow(QStringLiteral("Navn"), nameEdit);
    fields->addRow(QStringLiteral("Hcp"), hcpEdit);
    fields->addRow(QStringLiteral("Klasse"), classEdit);
    fields->addRow(QStringLiteral("Tee"), teeEdit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    addRegistrationButtons(this, layout, QStringLiteral("Ny spiller"), QStringLiteral("Alle er registrert"));
}
