#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "app/CTournamentApp.h"
#include "ui/CTournamentDlg.h"

namespace {

// For start-up measurements (bench/startup.sh): with TEEBROOK_QUIT_AFTER_FIRST_PAINT set, the
// program says "first paint" on standard output as soon as its first paint is done, and ends.
class QuitAfterFirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, watched, [window = static_cast<QWidget*>(watched)] {
                std::fputs("first paint\n", stdout);
                std::fflush(stdout);
                window->close();
            });
        }
        return false;
    }
};

}  // namespace

// The run lasts as long as the main window is open; nothing is saved at exit.
int main(int argc, char** argv) {
    CTournamentApp app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    CTournamentDlg mainWindow;
    QuitAfterFirstPaint quitter;
    if (std::getenv("TEEBROOK_QUIT_AFTER_FIRST_PAINT")) mainWindow.installEventFilter(&quitter);
    mainWindow.exec();
    return 0;
}
