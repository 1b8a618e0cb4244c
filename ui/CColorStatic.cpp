#include "ui/CColorStatic.h"

#include "ui/ColorSupport.h"

CColorStatic::CColorStatic(QWidget* parent) : CColorStatic(QString(), parent) {}

CColorStatic::CColorStatic(const QString& text, QWidget* parent) : QLabel(text, parent), textColor_(Qt::black) {
    setStyle(paletteHonouringStyle());
    // A label paints no background of its own unless asked to fill it from the Window role.
    setAutoFillBackground(true);
    backgroundColor_ = buttonFaceColor(this);
    applyColors();
}

void CColorStatic::setBackgroundColor(const QColor& color) {
    backgroundColor_ = color;
    applyColors();
    repaint();
}

void CColorStatic::applyColors() {
    QPalette colors = palette();
    colors.setColor(QPalette::Window, backgroundColor_);
    colors.setColor(QPalette::WindowText, textColor_);
    setPalette(colors);
}
