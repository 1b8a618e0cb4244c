#include "ui/FieldText.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolTip>
#include <QValidator>

#include "print/TextCodec.h"
#include "text/Encoding.h"
#include "text/Text.h"

namespace {

const QString FieldFullMessage = QStringLiteral("Feltet kan ikke ha flere enn 49 tegn.");
const QString UnstorableCharacterMessage = QStringLiteral("Dette tegnet kan ikke lagres.");

// Accepts a text when Windows-1252 has every one of its characters.
class Windows1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (QChar c : input) {
            if (!text::windows1252Of(c.unicode())) return Invalid;
        }
        return Acceptable;
    }
};

// Accepts nothing or a whole number from 0 to `max`, written without a leading zero. A digit
// typed into a field holding only "0" (what the program shows for none) takes its place,
// wherever the cursor stood in it: left of the "0" it would read 70, right of it 07.
// The play screen runs this at every keystroke, so it looks at the few characters only.
class WholeNumberValidator : public QValidator {
public:
    WholeNumberValidator(int max, QObject* parent)
        : QValidator(parent), maxValue(max), maxDigits(static_cast<int>(QString::number(max).size())) {}
    State validate(QString& input, int& pos) const override {
        // The character just typed stands before the cursor; a "0" beside it was the field's text.
        if (input.size() == 2 && (pos == 1 || pos == 2) && input[2 - pos] == u'0') {
            input = QString(input[pos - 1]);
            pos = 1;
        }
        if (input.isEmpty()) return Acceptable;
        if (input.size() > maxDigits || (input.size() > 1 && input[0] == u'0')) return Invalid;
        int value = 0;
        for (QChar c : input) {
            if (c < u'0' || c > u'9') return Invalid;
            value = value * 10 + (c.unicode() - u'0');
        }
        return value <= maxValue ? Acceptable : Invalid;
    }

private:
    int maxValue;
    int maxDigits;
};

}  // namespace

void setTextAndNotify(QLineEdit* edit, const QString& text) {
    if (edit->text() == text) {
        emit edit->textChanged(text);
    } else {
        // Qt checks a set text with the validator too: a refused one would show the refusal's
        // tooltip and leave the field taking any keystroke after it.
        const QValidator* validator = edit->validator();
        edit->setValidator(nullptr);
        edit->setText(text);
        edit->setValidator(validator);
    }
    edit->setCursorPosition(0);
}

std::string fieldText(const QLineEdit* edit) { return text::cut(fromQString(edit->text())); }

void refuseWithTooltip(QLineEdit* field, QValidator* validator, const QString& message, const QString& fullMessage) {
    validator->setParent(field);
    field->setValidator(validator);
    QObject::connect(field, &QLineEdit::inputRejected, field, [field, message, fullMessage] {
        const bool full = !fullMessage.isEmpty() && field->text().size() >= field->maxLength();
        QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), full ? fullMessage : message, field);
    });
}

void acceptOnlyStorableText(QLineEdit* field) {
    field->setMaxLength(static_cast<int>(text::MaxTextLength));
    refuseWithTooltip(field, new Windows1252Validator(field), UnstorableCharacterMessage, FieldFullMessage);
}

void acceptWholeNumber(QLineEdit* field, int max, const QString& message) {
    refuseWithTooltip(field, new WholeNumberValidator(max, field), message);
}

void showText(QLineEdit* field, const QString& text) {
    if (field->text() == text) return;
    field->setText(text);
    // Qt leaves the cursor at the end, which would show the tail of a long name.
    field->setCursorPosition(0);
}

void showText(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
}

void makeReadOnly(QLineEdit* field) {
    field->setReadOnly(true);
    QPalette muted = field->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        muted.setColor(group, QPalette::Base, muted.color(group, QPalette::Window));
    }
    field->setPalette(muted);
}
