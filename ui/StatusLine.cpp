#include "ui/StatusLine.h"

#include <QDir>
#include <QTime>
#include <QTimer>

StatusLine::StatusLine(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("statusLine"));
    setTextFormat(Qt::PlainText);
    // Room for two lines, kept while empty, so a long path shows whole in a narrow window and
    // the window does not move when a text comes; a text never widens the window.
    setWordWrap(true);
    setFixedHeight(fontMetrics().lineSpacing() * 2 + 4);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setFocusPolicy(Qt::NoFocus);
    clearTimer = new QTimer(this);
    clearTimer->setSingleShot(true);
    clearTimer->setInterval(ShownMs);
    connect(clearTimer, &QTimer::timeout, this, &QLabel::clear);
}

void StatusLine::showDone(const QString& done) {
    setText(done + QStringLiteral(" kl. ") + QTime::currentTime().toString(QStringLiteral("HH:mm")));
    clearTimer->start();
}

QString shownPath(const std::string& path) {
    return QDir::toNativeSeparators(QDir::cleanPath(QString::fromStdString(path)));
}
