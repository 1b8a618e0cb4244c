#include "ui/FieldText.h"

#include <QLabel>
#include <QLineEdit>

#include "text/Text.h"
#include "ui/TextCodec.h"

void setTextAndNotify(QLineEdit* edit, const QString& text) {
    if (edit->text() == text) {
        emit edit->textChanged(text);
    } else {
        edit->setText(text);
    }
    edit->setCursorPosition(0);
}

std::string fieldText(const QLineEdit* edit) { return text::cut(fromQString(edit->text())); }

void showText(QLineEdit* field, const QString& text) {
    if (field->text() == text) return;
    field->setText(text);
    // Qt leaves the cursor at the end, which would show the tail of a long name.
    field->setCursorPosition(0);
}

void showText(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
}

QString numberText(long long value) { return QString::fromStdString(text::formatInt(value)); }

void makeReadOnly(QLineEdit* field) {
    field->setReadOnly(true);
    QPalette muted = field->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        muted.setColor(group, QPalette::Base, muted.color(group, QPalette::Window));
    }
    field->setPalette(muted);
}
