#pragma once
// Text fields whose every change of text must run the field's handler, the texts the
// screens take from their fields, and the texts the program shows in them.

#include <QString>
#include <string>

class QLabel;
class QLineEdit;
class QValidator;

// Sets the field's text so that its change handler runs in every case: Qt sends no
// textChanged when the field already holds exactly that text, so then the signal is sent here.
// The field shows the start of the text, as every text the program puts into a field.
// The text is shown as the records hold it, also one the field's validator would refuse from
// the keyboard (a damaged file's value): the organiser sees what is stored, nothing is changed.
void setTextAndNotify(QLineEdit* edit, const QString& text);

// The field's text as the records keep it: Windows-1252, at most its first 49 characters.
std::string fieldText(const QLineEdit* edit);

// Lets `field` take only what `validator` accepts; the field owns the validator. A refused
// keystroke or paste changes nothing, and a tooltip at the field says `message`, or
// `fullMessage` when given and the field already holds its maximum length.
void refuseWithTooltip(QLineEdit* field, QValidator* validator, const QString& message,
                       const QString& fullMessage = QString());

// Lets a field whose text a record keeps take only what the record can hold: at most 49
// characters, each one Windows-1252 has. A refused keystroke or paste changes nothing, and a
// tooltip at the field says why, so no text is cut or changed after the organiser typed it.
void acceptOnlyStorableText(QLineEdit* field);

// Lets a number field take a whole number from 0 to `max`, or nothing;
// anything else is refused with `message` as the tooltip. A digit typed into the field while
// it shows "0" replaces the "0".
void acceptWholeNumber(QLineEdit* field, int max, const QString& message);

// Shows `text` in a field the program fills, from its start when it is cut. An unchanged
// text is left alone, since every change costs a repaint.
void showText(QLineEdit* field, const QString& text);
void showText(QLabel* label, const QString& text);

// Makes `field` read-only, and look it: filled with the window's colour instead of the
// colour of a field that takes typing.
void makeReadOnly(QLineEdit* field);
