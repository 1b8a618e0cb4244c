#pragma once
// Every message box of the program goes through here. Tests switch to recording: the
// texts are kept instead of shown, and the call returns at once as if OK was pressed
// (or, for a question, with the answer the test set).

#include <QString>
#include <QStringList>

class QWidget;

class MessageBox {
public:
    enum class Answer { Yes, No, Cancel };

    // Title of every message box.
    static QString title();
    // A modal warning with one OK button.
    static void warning(QWidget* parent, const QString& text);
    // A modal question with "Ja", "Nei" and "Avbryt"; Escape answers Avbryt.
    static Answer question(QWidget* parent, const QString& text);

    // Test seam: while recording, boxes are not shown but their texts appended to recorded().
    static void setRecording(bool recording);
    static bool isRecording();
    static QStringList recorded();
    static void clearRecorded();
    // The answer the next recorded question gets; without one it gets No.
    static void setNextAnswer(Answer answer);
};
