#pragma once
// Every message box of the program goes through here. Tests switch to recording: the
// texts are kept instead of shown, and the call returns at once as if OK was pressed.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

class MessageBox {
public:
    // Title of every message box.
    static QString title();
    // A modal warning with one OK button.
    static void warning(QWidget* parent, const QString& text);
    enum class Answer { Yes, No, Cancel };
    // A modal question with "Ja", "Nei" and "Avbryt"; Escape answers Cancel.
    static Answer askYesNoCancel(QWidget* parent, const QString& text);
    // Before a window with unsaved work closes: asks `question` with Ja, Nei and Avbryt; Ja runs
    // `save`. Answers whether the window may close (Ja and a successful save, or Nei).
    static bool mayCloseUnsaved(QWidget* parent, const QString& question, const std::function<bool()>& save);
    // A modal question with "Ja" and "Nei" ("Nei" the default and Escape); true for "Ja".
    // While recording, true only when the next answer is Yes.
    static bool askYesNo(QWidget* parent, const QString& text);

    // Test seam: while recording, warnings are not shown but appended to recorded().
    static void setRecording(bool recording);
    static QStringList recorded();
    static void clearRecorded();
    // While recording, questions are recorded like warnings and get this answer (Cancel at first).
    static void setNextAnswer(Answer answer);
};
