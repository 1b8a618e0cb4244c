#pragma once
// Every message box of the program goes through here. Tests switch to recording: the
// texts are kept instead of shown, and the call returns at once as if OK (or "No") was pressed.

#include <QString>
#include <QStringList>

class QWidget;

class MessageBox {
public:
    // Title of every message box.
    static QString title();
    // A modal warning with one OK button.
    static void warning(QWidget* parent, const QString& text);
    // A modal question with "Yes" and "No"; true for "Yes".
    static bool question(QWidget* parent, const QString& text);

    // Test seam: while recording, warnings and questions are not shown but appended to
    // recorded(), and every question is answered "No".
    static void setRecording(bool recording);
    static bool isRecording();
    static QStringList recorded();
    static void clearRecorded();
};
