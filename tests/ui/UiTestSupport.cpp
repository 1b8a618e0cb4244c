#include "UiTestSupport.h"

#include <QAbstractItemView>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <memory>
#include <string>

#include "TestCourseTable.h"

void UiTest::SetUp() {
    CTournament& t = TournamentSessionTestAccess::record();
    static_cast<CTournamentInfo&>(t) = CTournamentInfo{};
    t.tournamentFile = std::string(DefaultTournamentFile);
    t.markSaved();
    MessageBox::setRecording(true);
    MessageBox::clearRecorded();
    MessageBox::setNextAnswer(MessageBox::Answer::Cancel);
}

void UiTest::TearDown() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) w->close();
    }
}

namespace {

constexpr int PollIntervalMs = 10;

// One wait for a window: polled from whatever event loop runs, the modal's own exec() above all.
struct WindowWait {
    std::string awaited;                           // "dialog \"Opprett grupper\"", for the failure
    std::function<QWidget*()> find;                // the window now open, or none
    std::function<bool(const QWidget*)> expected;  // whether it is the one awaited
    std::function<void(QWidget*)> answer;
    QElapsedTimer clock;
    bool answered = false;
    bool failed = false;
    bool finished = false;  // the helper has returned: stale polls stop
};

std::string describe(const QWidget* window) {
    std::string text = "\"" + window->windowTitle().toStdString() + "\"";
    if (const auto* box = qobject_cast<const QMessageBox*>(window))
        text += " saying \"" + box->text().toStdString() + "\"";
    return text;
}

void failAndClose(WindowWait& wait, QWidget* window, const std::string& why) {
    ADD_FAILURE() << why;
    wait.failed = true;
    window->close();
}

void handOver(WindowWait& wait, QWidget* window) {
    wait.answered = true;
    const QPointer<QWidget> answered(window);
    wait.answer(window);
    if (answered && answered->isVisible()) {
        failAndClose(wait, answered, "the " + wait.awaited + " was left open by the test");
    }
}

void poll(const std::shared_ptr<WindowWait>& wait) {
    if (wait->finished) return;
    const bool late = wait->clock.elapsed() > WindowWaitMs;
    QWidget* window = wait->find();
    if (window && wait->failed) {
        // After a failure anything still coming is closed unseen, so the case cannot hang.
        window->close();
    } else if (window && wait->expected(window)) {
        handOver(*wait, window);
        if (!wait->failed) return;
    } else if (window && late) {
        // Another window may come first and be answered by a helper of its own; one that
        // stays is in the way.
        failAndClose(*wait, window, "waited for the " + wait->awaited + ", but " + describe(window) + " came");
    } else if (!window && late && !wait->failed) {
        ADD_FAILURE() << "no " << wait->awaited << " came within " << WindowWaitMs << " ms";
        wait->failed = true;
    }
    QTimer::singleShot(PollIntervalMs, [wait] { poll(wait); });
}

void answerWindow(const std::shared_ptr<WindowWait>& wait, const std::function<void()>& open) {
    wait->clock.start();
    QTimer::singleShot(0, [wait] { poll(wait); });
    open();
    // A window shown later than `open` returns is still waited for, here.
    const bool settled = QTest::qWaitFor([&wait] { return wait->answered || wait->failed; }, WindowWaitMs + 100);
    if (!settled) ADD_FAILURE() << "no " << wait->awaited << " came";
    wait->finished = true;
}

}  // namespace

void answerModal(const QString& title, const std::function<void()>& open, std::function<void(QWidget*)> answer) {
    auto wait = std::make_shared<WindowWait>();
    wait->awaited = "dialog \"" + title.toStdString() + "\"";
    wait->find = [] { return QApplication::activeModalWidget(); };
    wait->expected = [title](const QWidget* window) { return window->windowTitle() == title; };
    wait->answer = std::move(answer);
    answerWindow(wait, open);
}

void answerPopup(const std::function<void()>& open, std::function<void(QWidget*)> answer) {
    auto wait = std::make_shared<WindowWait>();
    wait->awaited = "popup";
    wait->find = [] { return QApplication::activePopupWidget(); };
    wait->expected = [](const QWidget*) { return true; };
    wait->answer = std::move(answer);
    answerWindow(wait, open);
}

void pickEntry(QComboBox* list, int index) {
    list->showPopup();
    QAbstractItemView* view = list->view();
    const QRect entry = view->visualRect(view->model()->index(index, list->modelColumn()));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, entry.center());
    if (view->isVisible()) list->hidePopup();
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Numbers must read and show the same under a locale with a decimal comma. CTest's
    // ENVIRONMENT list loses every entry after the first, so the locale is set here too.
    if (!std::getenv("LC_ALL")) setenv("LC_ALL", "nb_NO.UTF-8", 1);

    // Each run works in a temporary working directory holding the test course table.
    QTemporaryDir workDir;
    QDir().mkpath(workDir.filePath(QStringLiteral("config")));
    QFile config(workDir.filePath(QStringLiteral("config/TeebrookConfig.ini")));
    if (!config.open(QIODevice::WriteOnly)) return 2;
    config.write(TestCourseTable);
    config.close();
    QDir::setCurrent(workDir.path());

    CTournamentApp app(argc, argv);
    return RUN_ALL_TESTS();
}

void typeText(QWidget* widget, const QString& text) {
    for (QChar c : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}
