#pragma once
// What the coloured controls share: the style that paints their palettes, and the
// conversion of the scoring colours to Qt's.

#include <QColor>

#include "scoring/HoleScore.h"

class QStyle;
class QWidget;

// A style that paints a control's background from its palette (Fusion). Native styles
// may ignore the palette, so a coloured control uses this one whatever the application's
// style is; other screens keep theirs.
QStyle* paletteHonouringStyle();

inline QColor toQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

// The system's button-face colour, the background of a control never recoloured.
QColor buttonFaceColor(const QWidget* widget);
