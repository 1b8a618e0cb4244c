// The yardstick of bench/startup.sh: the least a Qt Widgets program does to show a window,
// built as Teebrook is. Once the window's first paint is done it says "first paint" on standard
// output and ends, as Teebrook does with TEEBROOK_QUIT_AFTER_FIRST_PAINT set.

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <cstdio>

namespace {

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

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Teebrook"));
    QuitAfterFirstPaint quitter;
    window.installEventFilter(&quitter);
    window.show();
    return QApplication::exec();
}
