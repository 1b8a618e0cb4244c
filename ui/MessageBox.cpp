#include "ui/MessageBox.h"

#include <QMessageBox>
#include <QPushButton>
#include <utility>

namespace {
bool recordingMessages = false;
QStringList recordedMessages;
MessageBox::Answer nextAnswer = MessageBox::Answer::No;
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

MessageBox::Answer MessageBox::question(QWidget* parent, const QString& text) {
    if (recordingMessages) {
        recordedMessages.append(text);
        return std::exchange(nextAnswer, Answer::No);
    }
    QMessageBox box(QMessageBox::Question, title(), text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nei"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Avbryt"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

void MessageBox::setRecording(bool recording) { recordingMessages = recording; }
bool MessageBox::isRecording() { return recordingMessages; }
QStringList MessageBox::recorded() { return recordedMessages; }
void MessageBox::clearRecorded() { recordedMessages.clear(); }
void MessageBox::setNextAnswer(Answer answer) { nextAnswer = answer; }
