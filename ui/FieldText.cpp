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

}  // namespace

void setTextAndNotify(QLineEdit* edit, const QString& text) {
    if (edit->text() == text) {
        emit edit->textChanged(text);
    } else {
        edit->setText(text);
    }
    edit->setCursorPosition(0);
}

std::string fieldText(const QLineEdit* edit) { return text::cut(fromQString(edit->text())); }

void acceptOnlyStorableText(QLineEdit* field) {
    field->setMaxLength(static_cast<int>(text::MaxTextLength));
    field->setValidator(new Windows1252Validator(field));
    QObject::connect(field, &QLineEdit::inputRejected, field, [field] {
        const bool full = field->text().size() >= field->maxLength();
        QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())),
                           full ? FieldFullMessage : UnstorableCharacterMessage, field);
    });
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
