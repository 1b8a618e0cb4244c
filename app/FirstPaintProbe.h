#pragma once
// For start-up measurements (bench/startup.sh): once the watched window has painted for the
// first time, says "first paint WIDTHxHEIGHT" on standard output and closes the window, which
// ends a program whose run lasts as long as that window. Teebrook and the minimal program it is
// measured against share it, so both are timed to the same point.

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

class FirstPaintProbe : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            auto* window = static_cast<QWidget*>(watched);
            // Queued, so the paint being delivered is done and flushed before the line is written.
            QTimer::singleShot(0, window, [window] {
                std::printf("first paint %dx%d\n", window->width(), window->height());
                std::fflush(stdout);
                window->close();
            });
        }
        return false;
    }
};
