#pragma once
// What the printed pages share: their typeface, which the clubhouse board uses too, and how
// a PDF reaches its file.

#include <QByteArray>
#include <QFont>
#include <QString>
#include <string>
#include <string_view>

#include "ini/FileSystem.h"

inline const QString TypefaceFamily = QStringLiteral("DejaVu Sans");

// The typeface at `points` points, bold or not.
inline QFont typeface(qreal points, bool bold = false) {
    QFont font(TypefaceFamily);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Writes `pdf` through the safe file replacement; no bytes mean the PDF could not be made.
inline files::FileResult writePdf(const QByteArray& pdf, const std::string& path) {
    if (pdf.isEmpty()) return {files::FileError::Other, "PDF-filen kunne ikke lages."};
    return files::replaceFile(path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}
