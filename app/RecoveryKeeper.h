#pragma once
// Keeps the recovery copy of the session's tournament up to date: a change of stored data
// starts a short timer, and when it runs out the copy is made and handed to a writer thread,
// so a burst of keystrokes costs one copy and no keystroke waits for the disk. While nothing
// is unsaved there is no copy: a save, a new tournament and an opened one remove it.

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "model/RecoveryCopy.h"

class TournamentSession;

class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    // The most a change waits before its copy is made.
    static constexpr int DelayMs = 250;

    // Keeps copies in `folder`. `progress`, when given, hears each write begin and end with the
    // tag `tagOfChange` gave when the copy was made (the count of changes when none is given).
    RecoveryKeeper(TournamentSession& session, std::string folder = std::string(RecoveryFolder),
                   RecoveryCopyWriter::Progress progress = {}, std::function<long long()> tagOfChange = {},
                   QObject* parent = nullptr);
    ~RecoveryKeeper() override;

    // Makes the copy now (or removes it when nothing is unsaved) and waits until it is on disk.
    void flush();
    // The end of a normal run: the work the organiser decided about needs no copy.
    void discard();

signals:
    // Writing a copy failed; said once until a copy is written again (UTF-8 text).
    void copyFailed(const QString& message);

private:
    void changed();
    void bringUpToDate();
    void checkWriter();

    TournamentSession& session_;
    std::function<long long()> tagOfChange_;
    long long changes_ = 0;
    QTimer timer_;
    std::unique_ptr<RecoveryCopyWriter> writer_;
    // The copy this run keeps, by file name; empty while there is none.
    std::string copyName_;
    bool failureSaid_ = false;
};
