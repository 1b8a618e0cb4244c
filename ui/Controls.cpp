#include "ui/Controls.h"

#include <QBoxLayout>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

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

QHBoxLayout* newRow(QBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    layout->addLayout(row);
    return row;
}

}  // namespace

void pressWithEnter(QPushButton* button) { button->installEventFilter(new EnterPresses(button)); }

QPushButton* makeButton(const ButtonLabel& label, QWidget* parent) {
    auto* button = new QPushButton(label.text, parent);
    button->setObjectName(label.objectName);
    if (label.enter == EnterKey::Default) button->setDefault(true);
    if (label.enter == EnterKey::WhenFocused) {
        button->setAutoDefault(false);
        pressWithEnter(button);
    }
    return button;
}

void addButtons(QBoxLayout* row, QWidget* parent, std::initializer_list<ButtonLabel> labels) {
    for (const ButtonLabel& label : labels) {
        if (label.objectName.isEmpty()) {
            row->addStretch();
        } else {
            QPushButton* button = makeButton(label, parent);
            row->addWidget(button);
            if (label.button) *label.button = button;
        }
    }
}

OkCancelButtons addOkCancelButtons(QDialog* dialog, QBoxLayout* layout) {
    OkCancelButtons buttons{};
    addButtons(newRow(layout), dialog,
               {Stretch,
                {QStringLiteral("OK"), QStringLiteral("okButton"), &buttons.ok, EnterKey::Default},
                {QStringLiteral("Cancel"), QStringLiteral("cancelButton"), &buttons.cancel, EnterKey::AsQt}});
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return buttons;
}

void addRegistrationButtons(QDialog* dialog, QBoxLayout* layout, const QString& addText, const QString& doneText) {
    QPushButton* done = nullptr;
    addButtons(newRow(layout), dialog,
               {{addText, QStringLiteral("addButton"), nullptr, EnterKey::Default},
                Stretch,
                {doneText, QStringLiteral("doneButton"), &done}});
    QObject::connect(done, &QPushButton::clicked, dialog, &QDialog::reject);
}

QPushButton* addCloseButton(QDialog* dialog, QBoxLayout* layout) {
    QPushButton* button = nullptr;
    addButtons(newRow(layout), dialog,
               {Stretch, {QStringLiteral("Lukk"), QStringLiteral("closeButton"), &button, EnterKey::Default}});
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
    return button;
}

QLineEdit* makeEdit(const QString& objectName, QWidget* parent, const EditOptions& options) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    if (!options.accepts.isEmpty()) {
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(options.accepts), edit));
    }
    if (options.minimumLetters > 0) {
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('x')) * options.minimumLetters);
    }
    if (options.digits > 0) {
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(options.digits, QLatin1Char('0'))) + 14);
        edit->setAlignment(Qt::AlignCenter);
    }
    return edit;
}

QLabel* boldLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QString numbered(const char* word, int number) { return QLatin1String(word) + QString::number(number); }
