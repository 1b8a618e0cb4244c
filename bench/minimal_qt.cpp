// The yardstick of bench/startup.sh: the least a Qt Widgets program does to show a window,
// built as Teebrook is. Once the window's first paint is done it says so on standard output and
// ends, as Teebrook does with TEEBROOK_QUIT_AFTER_FIRST_PAINT set.
//
//   minimal_qt [--size WIDTHxHEIGHT]
//
// --size opens the window at that size instead of the label's own, so the cost of a window of a
// given size (its backing store, its first fill) can be told apart from what a program puts in it.

#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QStringList>

#include "app/FirstPaintProbe.h"

namespace {

QSize requestedSize(const QStringList& arguments) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--size"));
    if (at < 0 || at + 1 >= arguments.size()) return {};
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$")).match(arguments[at + 1]);
    if (!match.hasMatch()) return {};
    return {match.captured(1).toInt(), match.captured(2).toInt()};
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Teebrook"));
    if (const QSize size = requestedSize(QApplication::arguments()); size.isValid()) window.resize(size);
    FirstPaintProbe probe;
    window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
