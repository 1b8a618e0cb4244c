#include "ui/MessageBox.h"

#include <QMessageBox>

namespace {
bool recordingMessages = false;
QStringList recordedMessages;
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

bool MessageBox::question(QWidget* parent, const QString& text) {
    if (recordingMessages) {
        recordedMessages.append(text);
        return false;
    }
    QMessageBox box(QMessageBox::Question, title(), text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void MessageBox::setRecording(bool recording) { recordingMessages = recording; }
bool MessageBox::isRecording() { return recordingMessages; }
QStringList MessageBox::recorded() { return recordedMessages; }
void MessageBox::clearRecorded() { recordedMessages.clear(); }
