#pragma once
// Text fields whose every change of text must run the field's handler, the texts the
// screens take from their fields, and the texts the program shows in them.

#include <QString>
#include <string>

class QLabel;
class QLineEdit;

// Sets the field's text so that its change handler runs in every case: Qt sends no
// textChanged when the field already holds exactly that text, so then the signal is sent here.
// The field shows the start of the text, as every text the program puts into a field.
void setTextAndNotify(QLineEdit* edit, const QString& text);

// The field's text as the records keep it: Windows-1252, at most its first 49 characters.
std::string fieldText(const QLineEdit* edit);

// Lets a field whose text a record keeps take only what the record can hold: at most 49
// characters, each one Windows-1252 has. A refused keystroke or paste changes nothing, and a
// tooltip at the field says why, so no text is cut or changed after the organiser typed it.
void acceptOnlyStorableText(QLineEdit* field);

// Shows `text` in a field the program fills, from its start when it is cut. An unchanged
// text is left alone, since every change costs a repaint.
void showText(QLineEdit* field, const QString& text);
void showText(QLabel* label, const QString& text);

// Makes `field` read-only, and look it: filled with the window's colour instead of the
// colour of a field that takes typing.
void makeReadOnly(QLineEdit* field);
