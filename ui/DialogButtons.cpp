#include "ui/DialogButtons.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

OkCancelButtons addOkCancelButtons(QDialog* dialog, QBoxLayout* layout) {
    auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), dialog);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    layout->addLayout(row);
    return {ok, cancel};
}

RegistrationButtons addRegistrationButtons(QDialog* dialog, QBoxLayout* layout, const QString& addText,
                                           const QString& doneText) {
    auto* add = new QPushButton(addText, dialog);
    add->setObjectName(QStringLiteral("addButton"));
    add->setDefault(true);
    auto* done = new QPushButton(doneText, dialog);
    done->setObjectName(QStringLiteral("doneButton"));
    done->setAutoDefault(false);
    QObject::connect(done, &QPushButton::clicked, dialog, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(add);
    row->addStretch();
    row->addWidget(done);
    layout->addLayout(row);
    return {add, done};
}
