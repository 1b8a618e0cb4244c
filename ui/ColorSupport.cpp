#include "ui/ColorSupport.h"

#include <QApplication>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>

QStyle* paletteHonouringStyle() {
    // One style object for every coloured control; owned by the application so it goes with it.
    static QPointer<QStyle> style;
    if (!style) {
        style = QStyleFactory::create(QStringLiteral("Fusion"));
        if (style) style->setParent(qApp);
    }
    return style;
}

QColor buttonFaceColor(const QWidget* widget) { return QApplication::palette(widget).color(QPalette::Button); }
