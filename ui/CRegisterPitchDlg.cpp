#include "ui/CRegisterPitchDlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "print/TextCodec.h"
#include "ui/Controls.h"

namespace {
constexpr int FewestHoles = 10;
constexpr int MostHoles = 24;
}  // namespace

CRegisterPitchDlg::CRegisterPitchDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Registrering av baner"));
    auto* frame = new QGroupBox(QStringLiteral("Baneinformasjon"), this);
    pitchNameEdit = makeEdit(QStringLiteral("pitchNameEdit"), frame);

    // Two-digit entries added in order are already sorted; typed text is never added to the list.
    holesCombo = new QComboBox(frame);
    holesCombo->setObjectName(QStringLiteral("holesCombo"));
    holesCombo->setEditable(true);
    holesCombo->setInsertPolicy(QComboBox::NoInsert);
    for (int holes = FewestHoles; holes <= MostHoles; ++holes) {
        holesCombo->addItem(numberText(holes));
    }
    holesCombo->setCurrentIndex(-1);

    auto* fields = new QFormLayout(frame);
    fields->addRow(QStringLiteral("Banenavn"), pitchNameEdit);
    fields->addRow(QStringLiteral("Antall hull"), holesCombo);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    addRegistrationButtons(this, layout, QStringLiteral("Ny bane"), QStringLiteral("Bane er registrert"));
}
