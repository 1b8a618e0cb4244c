#include "ui/CColorEdit.h"

#include "ui/ColorSupport.h"

CColorEdit::CColorEdit(QWidget* parent) : QLineEdit(parent), textColor_(Qt::black) {
    setStyle(paletteHonouringStyle());
    backgroundColor_ = buttonFaceColor(this);
    applyColors();
}

void CColorEdit::setBackgroundColor(const QColor& color) {
    backgroundColor_ = color;
    applyColors();
    repaint();
}

void CColorEdit::applyColors() {
    // Base is what an edit field is filled with; setColor without a group covers active,
    // inactive and disabled alike, so focus and read-only states paint the same colour.
    QPalette colors = palette();
    colors.setColor(QPalette::Base, backgroundColor_);
    colors.setColor(QPalette::Text, textColor_);
    setPalette(colors);
}
