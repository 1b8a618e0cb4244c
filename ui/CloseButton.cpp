#include "ui/CloseButton.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

QPushButton* addCloseButton(QDialog* dialog, QBoxLayout* layout) {
    auto* button = new QPushButton(QStringLiteral("Lukk"), dialog);
    button->setObjectName(QStringLiteral("closeButton"));
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(button);
    layout->addLayout(row);
    return button;
}
