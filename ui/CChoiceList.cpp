#include "ui/CChoiceList.h"

#include <QLineEdit>

CChoiceList::CChoiceList(QWidget* parent) : QComboBox(parent) {
    auto* edit = new QLineEdit(this);
    // Slots run in the order they were connected: the first of these runs before the
    // list's own editingFinished handler, which may activate an entry, the second after it.
    connect(edit, &QLineEdit::editingFinished, this, [this] { finishingEdit = true; });
    setLineEdit(edit);
    connect(edit, &QLineEdit::editingFinished, this, [this] { finishingEdit = false; });
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(8);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (finishingEdit || index < 0) return;
        // Qt leaves the cursor at the end of the picked text, which would show a long name's tail.
        lineEdit()->setCursorPosition(0);
        emit picked(index);
    });
}

void CChoiceList::setEntries(const QStringList& entries) {
    clear();
    addItems(entries);
    setCurrentIndex(-1);
    setEditText(QString());
}

void CChoiceList::showText(const QString& text) {
    setCurrentIndex(-1);
    setEditText(text);
    lineEdit()->setCursorPosition(0);
}
