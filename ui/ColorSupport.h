#pragma once
// What the coloured controls share: the style that paints their palettes, the conversion
// of the scoring colours to Qt's, and the one implementation of a control's own colours.

#include <QColor>
#include <QPalette>
#include <QWidget>
#include <type_traits>
#include <utility>

#include "scoring/HoleScore.h"

class QStyle;

// A style that paints a control's background from its palette (Fusion). Native styles
// may ignore the palette, so a coloured control uses this one whatever the application's
// style is; other screens keep theirs.
QStyle* paletteHonouringStyle();

inline QColor toQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

// The system's button-face colour, the background of a control never recoloured.
QColor buttonFaceColor(const QWidget* widget);

// A control (`Control`, a QWidget) with a background and a text colour of its own that can
// change at run time. Both are kept in its palette under the roles the control paints
// with, for every state alike, so focus and read-only states paint the same colours.
template <class Control, QPalette::ColorRole BackgroundRole, QPalette::ColorRole TextRole>
class ColouredControl : public Control {
public:
    template <class... Args>
    requires std::is_constructible_v<Control, Args&&...>
    explicit ColouredControl(Args&&... args) : Control(std::forward<Args>(args)...), textColor_(Qt::black) {
        this->setStyle(paletteHonouringStyle());
        backgroundColor_ = buttonFaceColor(this);
        applyColors();
    }

    QColor backgroundColor() const { return backgroundColor_; }
    QColor textColor() const { return textColor_; }
    void setBackgroundColor(const QColor& color) { setColors(color, textColor_); }
    void setTextColor(const QColor& color) { setColors(backgroundColor_, color); }

    // Both colours in one palette change. The control is painted with the next paint of its
    // window, together with every other change made before it, not at once.
    void setColors(const QColor& background, const QColor& text) {
        if (background == backgroundColor_ && text == textColor_) return;
        backgroundColor_ = background;
        textColor_ = text;
        applyColors();
        this->update();
    }

private:
    void applyColors() {
        QPalette colors = this->palette();
        colors.setColor(BackgroundRole, backgroundColor_);
        colors.setColor(TextRole, textColor_);
        this->setPalette(colors);
    }

    QColor backgroundColor_;
    QColor textColor_;
};
