#include "ui/MessageBox.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
bool recordingMessages = false;
QStringList recordedMessages;
MessageBox::Answer nextAnswer = MessageBox::Answer::Cancel;

// A question with "Ja", "Nei" and, when `withCancel`, "Avbryt", which Escape then answers;
// without it, Escape answers "Nei", the default button.
MessageBox::Answer ask(QWidget* parent, const QString& text, bool withCancel) {
    QMessageBox box(QMessageBox::Question, MessageBox::title(), text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Nei"), QMessageBox::NoRole);
    QPushButton* cancel = withCancel ? box.addButton(QStringLiteral("Avbryt"), QMessageBox::RejectRole) : no;
    box.setDefaultButton(withCancel ? yes : no);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes) return MessageBox::Answer::Yes;
    return box.clickedButton() == no ? MessageBox::Answer::No : MessageBox::Answer::Cancel;
}

}  // namespace

QString MessageBox::title() { return QStringLiteral("Fernhill"); }

void MessageBox::warning(QWidget* parent, const QString& text) {
    if (recordingMessages) {
        recordedMessages.append(text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, title(), text, QMessageBox::Ok, parent);
    box.exec();
}

bool MessageBox::mayCloseUnsaved(QWidget* parent, const QString& question, const std::function<bool()>& save) {
    switch (askYesNoCancel(parent, question)) {
        case Answer::Yes:
            return save();
        case Answer::No:
            return true;
        case Answer::Cancel:
            break;
    }
    return false;
}

MessageBox::Answer MessageBox::askYesNoCancel(QWidget* parent, const QString& text) {
    if (recordingMessages) {
        recordedMessages.append(text);
        return nextAnswer;
    }
    return ask(parent, text, true);
}

void MessageBox::setNextAnswer(Answer answer) { nextAnswer = answer; }

bool MessageBox::askYesNo(QWidget* parent, const QString& text) {
    if (recordingMessages) {
        recordedMessages.append(text);
        return nextAnswer == Answer::Yes;
    }
    return ask(parent, text, false) == Answer::Yes;
}

void MessageBox::setRecording(bool recording) { recordingMessages = recording; }
QStringList MessageBox::recorded() { return recordedMessages; }
void MessageBox::clearRecorded() { recordedMessages.clear(); }
