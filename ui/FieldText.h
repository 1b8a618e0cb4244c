#pragma once
// Text fields whose every change of text must run the field's handler, and the texts
// the screens take from their fields.

#include <QString>
#include <string>

class QLineEdit;

// Sets the field's text so that its change handler runs in every case: Qt sends no
// textChanged when the field already holds exactly that text, so then the signal is sent here.
void setTextAndNotify(QLineEdit* edit, const QString& text);

// The field's text as the records keep it: Windows-1252, at most its first 49 characters.
std::string fieldText(const QLineEdit* edit);
