#pragma once
// The typeface of the printed pages and of the clubhouse board.

#include <QFont>
#include <QString>

inline const QString TypefaceFamily = QStringLiteral("DejaVu Sans");

// The typeface at `points` points, bold or not.
inline QFont typeface(qreal points, bool bold = false) {
    QFont font(TypefaceFamily);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
