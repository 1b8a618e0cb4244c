#include "ui/CSavePitchesDlg.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "ui/Controls.h"

CSavePitchesDlg::CSavePitchesDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Lagre baner"));
    auto* layout = new QVBoxLayout(this);
    const OkCancelButtons buttons = addOkCancelButtons(this, layout);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
}
