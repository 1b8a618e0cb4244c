#pragma once
// A choice list with an editable text part in which only a real pick counts.
//
// Qt's editable QComboBox turns text into a pick on its own: by default it inserts typed
// text as a new entry on Enter, its completer activates a matching entry, and when editing
// finishes it activates the entry whose text equals the typed text. None of these is a pick
// here, so the list inserts nothing, has no completer, and reports picked() only for a choice
// made from the list itself (the popup, the arrow keys or the wheel).

#include <QComboBox>
#include <QStringList>

class CChoiceList : public QComboBox {
    Q_OBJECT
public:
    explicit CChoiceList(QWidget* parent = nullptr);

    // Fills the list in the given order; no entry is chosen and the text part is empty.
    void setEntries(const QStringList& entries);
    // Shows `text` in the text part without choosing an entry.
    void showText(const QString& text);

signals:
    // An entry was picked from the list; `index` is its position, counted from 0.
    void picked(int index);

private:
    // True while the text part finishes editing, when Qt may activate a matching entry.
    bool finishingEdit = false;
};
