#include "ui/CColorStatic.h"

CColorStatic::CColorStatic(QWidget* parent) : CColorStatic(QString(), parent) {}

CColorStatic::CColorStatic(const QString& text, QWidget* parent) : ColouredLabel(text, parent) {
    // A label paints no background of its own unless asked to fill it from the Window role.
    setAutoFillBackground(true);
}
