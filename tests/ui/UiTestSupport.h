#pragma once
// Shared support for the GUI tests: a clean tournament per case, and answering nested
// modal screens without a person.

#include <QApplication>
#include <QComboBox>
#include <QWidget>
#include <functional>

#include <gtest/gtest.h>

#include "app/CTournamentApp.h"
#include "ui/MessageBox.h"

// Cases arrange a tournament by writing the session's record directly, as a file would give it;
// the screens under test change it through the session only.
class TournamentSessionTestAccess {
public:
    static CTournament& record() { return theSession().tournament_; }
};

// Gives every case a fresh tournament (all records as at start-up, course table kept)
// and an empty list of recorded messages.
class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    CTournament& tournament() { return TournamentSessionTestAccess::record(); }
};

// How long a helper below waits for the window that `open` should bring up.
inline constexpr int WindowWaitMs = 5000;

// Runs `open`, which shows a modal dialog titled `title` with exec(), and runs `answer` on
// that dialog while it is open; `answer` closes it. Other modals on the way may be answered by
// helpers of their own. The case fails, naming the dialog, when it has not come within
// WindowWaitMs (another modal left open in its stead is named too) or when `answer` leaves it
// open: such a dialog is closed, so the case goes on instead of hanging until CTest's timeout.
void answerModal(const QString& title, const std::function<void()>& open, std::function<void(QWidget*)> answer);

// The same for a popup, e.g. a context menu shown with exec().
void answerPopup(const std::function<void()>& open, std::function<void(QWidget*)> answer);

// The child of `parent` with the given object name; the case fails when there is none.
template <class T>
T* childNamed(const QWidget* parent, const QString& name) {
    T* child = parent->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << "no child named " << name.toStdString();
    return child;
}

// Types `text` into `widget` key by key as a keyboard does, any character included (QTest's
// own typing takes Latin-1 only).
void typeText(QWidget* widget, const QString& text);

// Picks entry `index` of a choice list the way a user does: opens its list and clicks the entry.
void pickEntry(QComboBox* list, int index);
