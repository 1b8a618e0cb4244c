#include "ui/DialogButtons.h"

#include <QBoxLayout>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace {

class EnterPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        auto* button = static_cast<QPushButton*>(watched);
        if (button->isEnabled()) button->click();
        return true;
    }
};

}  // namespace

void pressWithEnter(QPushButton* button) { button->installEventFilter(new EnterPresses(button)); }

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
    pressWithEnter(done);
    QObject::connect(done, &QPushButton::clicked, dialog, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(add);
    row->addStretch();
    row->addWidget(done);
    layout->addLayout(row);
    return {add, done};
}
