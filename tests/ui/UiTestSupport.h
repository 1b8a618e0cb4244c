#pragma once
// Shared support for the GUI tests: a clean tournament per case, and answering nested
// modal screens without a person.

#include <QApplication>
#include <QComboBox>
#include <QTimer>
#include <QWidget>
#include <functional>

#include <gtest/gtest.h>

#include "app/CTournamentApp.h"
#include "ui/MessageBox.h"

// The course table every GUI test runs on (written to config/ before the app starts).
// Course 1 "Testbanen": 18 holes, par 4 everywhere but holes 3, 8, 12, 16 (par 3) and
// 5, 14 (par 5), three tees; course 2 "Kortbanen": 9 holes, one tee.
extern const char* const UiTestCourseTable;

// Gives every case a fresh tournament (all records as at start-up, course table kept)
// and an empty list of recorded messages.
class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    CTournament& tournament() { return theTournament(); }
};

// Runs `action` on the next modal widget that opens (polling the event loop), e.g. to
// fill and close a nested screen opened by exec(). The GUI tests' CTest timeout catches a
// screen nobody closes.
void onNextModal(std::function<void(QWidget*)> action);

// Runs `action` on the next popup widget that opens, e.g. a context menu shown with exec().
void onNextPopup(std::function<void(QWidget*)> action);

// The child of `parent` with the given object name; the case fails when there is none.
template <class T>
T* childNamed(const QWidget* parent, const QString& name) {
    T* child = parent->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << "no child named " << name.toStdString();
    return child;
}

// Picks entry `index` of a choice list the way a user does: opens its list and clicks the entry.
void pickEntry(QComboBox* list, int index);
