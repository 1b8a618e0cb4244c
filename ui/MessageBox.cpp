#include "ui/MessageBox.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
bool recordingMessages = false;
QStringList recordedMessages;
MessageBox::Answer nextAnswer = MessageBox::Answer::Cancel;
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
    QMessageBox box(QMessageBox::Question, title(), text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Nei"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Avbryt"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes) return Answer::Yes;
    return box.clickedButton() == no ? Answer::No : Answer::Cancel;
}

void MessageBox::setNextAnswer(Answer answer) { nextAnswer = answer; }

bool MessageBox::askYesNo(QWidget* parent, const QString& text) {
    if (recordingMessages) {
        recordedMessages.append(text);
        return nextAnswer == Answer::Yes;
    }
    QMessageBox box(QMessageBox::Question, title(), text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Nei"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void MessageBox::setRecording(bool recording) { recordingMessages = recording; }
QStringList MessageBox::recorded() { return recordedMessages; }
void MessageBox::clearRecorded() { recordedMessages.clear(); }
