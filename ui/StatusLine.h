#pragma once
// The line at the foot of a window that says, for a few seconds, what the window just wrote
// and where: no box to click away.

#include <QLabel>

class QTimer;

class StatusLine : public QLabel {
    Q_OBJECT
public:
    static constexpr int ShownMs = 8000;

    explicit StatusLine(QWidget* parent);

    // Shows "`done` kl. 14:32" until ShownMs have passed or another text comes.
    void showDone(const QString& done);

private:
    QTimer* clearTimer = nullptr;
};

// A path the program writes ("./data/Sommercup.ini", UTF-8) as the organiser reads it:
// "data/Sommercup.ini", relative to the working folder.
QString shownPath(const std::string& path);
