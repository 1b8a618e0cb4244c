#include "ui/FieldText.h"

#include <QLineEdit>

#include "text/Text.h"
#include "ui/TextCodec.h"

void setTextAndNotify(QLineEdit* edit, const QString& text) {
    if (edit->text() == text) {
        emit edit->textChanged(text);
        return;
    }
    edit->setText(text);
}

std::string fieldText(const QLineEdit* edit) { return text::cut(fromQString(edit->text())); }
