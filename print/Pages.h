#pragma once
// What the printed pages share: their typeface, which the clubhouse board uses too, the pages
// a PDF file and a printer both take, and how a PDF reaches its file.

#include <QByteArray>
#include <QFont>
#include <QPageLayout>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

#include "ini/FileSystem.h"

class QPagedPaintDevice;

inline const QString TypefaceFamily = QStringLiteral("DejaVu Sans");

// The typeface at `points` points, bold or not.
inline QFont typeface(qreal points, bool bold = false) {
    QFont font(TypefaceFamily);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// A paper the program makes: laid out once, painted alike into its PDF file and onto a
// printer, so what is printed is the PDF's pages.
struct PagedDocument {
    QString title;
    QPageLayout layout;
    // The dots per inch the layout measures in.
    int resolution = 300;
    // Paints every page onto a device set up with `layout` and `resolution`.
    std::function<void(QPagedPaintDevice&)> paint;
};

// The PDF's bytes of `document`. Needs a QGuiApplication (the offscreen platform will do).
QByteArray pdfOf(const PagedDocument& document);

// A text list (Windows-1252 lines ending in CR LF) on A4 in a fixed-width font, page by page;
// a line wider than the page goes on below.
PagedDocument textPages(const QString& title, const std::string& cp1252Text);

// Writes `pdf` through the safe file replacement; no bytes mean the PDF could not be made.
inline files::FileResult writePdf(const QByteArray& pdf, const std::string& path) {
    if (pdf.isEmpty()) return {files::FileError::Other, "PDF-filen kunne ikke lages."};
    return files::replaceFile(path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}
