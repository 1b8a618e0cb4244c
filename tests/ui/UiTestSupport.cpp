#include "UiTestSupport.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>

const char* const UiTestCourseTable =
    "[NumberOfPitches]\r\nNumber=2\r\n"
    "[Pitches]\r\nPitch1=Testbanen\r\nPitch2=Kortbanen\r\n"
    "[Pitch1]\r\nHoles=18\r\n"
    "Par=4 4 3 4 5 4 4 3 4 4 4 3 4 5 4 3 4 4\r\n"
    "Index=1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18\r\n"
    "NumberOfTees=3\r\n"
    "Tee1=Gul\r\nSlopeValue1=128\r\nParValue1=72\r\nPitchValue1=70.4\r\n"
    "Tee2=Rød\r\nSlopeValue2=113\r\nParValue2=72\r\nPitchValue2=72.0\r\n"
    "Tee3=Blå\r\nSlopeValue3=131\r\nParValue3=72\r\nPitchValue3=69.8\r\n"
    "[Pitch2]\r\nHoles=9\r\n"
    "Par=4 3 5 4 4 3 4 5 4\r\n"
    "Index=2 8 4 6 1 9 3 5 7\r\n"
    "NumberOfTees=1\r\n"
    "Tee1=Hvit\r\nSlopeValue1=120\r\nParValue1=36\r\nPitchValue1=35.2\r\n";

void UiTest::SetUp() {
    CTournament& t = theTournament();
    static_cast<CTournamentInfo&>(t) = CTournamentInfo{};
    t.tournamentFile = std::string(DefaultTournamentFile);
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
void pollForModal(std::function<void(QWidget*)> action, int triesLeft) {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        action(modal);
        return;
    }
    if (triesLeft > 0) {
        QTimer::singleShot(
            10, [action = std::move(action), triesLeft]() mutable { pollForModal(std::move(action), triesLeft - 1); });
    }
}
void pollForPopup(std::function<void(QWidget*)> action, int triesLeft) {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        action(popup);
        return;
    }
    if (triesLeft > 0) {
        QTimer::singleShot(
            10, [action = std::move(action), triesLeft]() mutable { pollForPopup(std::move(action), triesLeft - 1); });
    }
}
}  // namespace

void onNextPopup(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action = std::move(action)]() mutable { pollForPopup(std::move(action), 1000); });
}

void onNextModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action = std::move(action)]() mutable { pollForModal(std::move(action), 1000); });
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
    // The table is Windows-1252: the source literal is UTF-8, so convert ø and å.
    config.write(QString::fromUtf8(UiTestCourseTable).toLatin1());
    config.close();
    QDir::setCurrent(workDir.path());

    CTournamentApp app(argc, argv);
    return RUN_ALL_TESTS();
}
