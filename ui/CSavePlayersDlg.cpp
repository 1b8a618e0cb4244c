#include "ui/CSavePlayersDlg.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "ui/Controls.h"

CSavePlayersDlg::CSavePlayersDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Lagre spillere"));
    auto* layout = new QVBoxLayout(this);
    const OkCancelButtons buttons = addOkCancelButtons(this, layout);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
}
