#pragma once
// What a run of the program settles before its main window opens: that it alone works in the
// folder, and whether work a crash left unsaved is to be restored.

#include <optional>

#include "model/FolderLock.h"

class QWidget;
class TournamentSession;

// Takes the working folder's lock. Where a running copy holds it, says so and answers nothing:
// the run ends. Where another machine's lock names it, asks whether to open the folder anyway.
std::optional<FolderLock> takeFolderLock(QWidget* parent);

// Offers each recovery copy that holds unsaved work, newest first, until one is restored; a copy
// the organiser declines, or one that cannot be read, is set aside. With `unasked` the newest
// readable copy is restored without a question.
void offerRecovery(TournamentSession& session, QWidget* parent, bool unasked = false);
