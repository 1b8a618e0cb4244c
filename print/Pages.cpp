#include "print/Pages.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
#include <algorithm>
#include <memory>

#include "print/TextCodec.h"

namespace {

constexpr qreal TextMarginMm = 20.0;
constexpr qreal TextPoints = 10.0;
const QString FixedFamily = QStringLiteral("DejaVu Sans Mono");

QStringList textLines(const std::string& cp1252Text) {
    QStringList lines = toQString(cp1252Text).split(QStringLiteral("\r\n"));
    // The last line break ends the last line; it starts none.
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

// Every line in parts that fit `columns` characters.
QStringList wrapped(const QStringList& lines, int columns) {
    QStringList parts;
    for (const QString& line : lines) {
        if (line.isEmpty()) parts << line;
        for (qsizetype at = 0; at < line.size(); at += columns) parts << line.mid(at, columns);
    }
    return parts;
}

void paintTextPages(QPagedPaintDevice& device, const QStringList& lines) {
    QPainter painter(&device);
    QFont font(FixedFamily);
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(TextPoints);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &device);
    const int columns = std::max(1, static_cast<int>(device.width() / metrics.horizontalAdvance(u'0')));
    const int perPage = std::max(1, static_cast<int>(device.height() / metrics.lineSpacing()));
    const QStringList parts = wrapped(lines, columns);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0 && i % perPage == 0) device.newPage();
        const qreal y = static_cast<qreal>(i % perPage) * metrics.lineSpacing() + metrics.ascent();
        painter.drawText(QPointF(0, y), parts[i]);
    }
}

}  // namespace

QByteArray pdfOf(const PagedDocument& document) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(document.resolution);
        writer.setPageLayout(document.layout);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("Teebrook"));
        document.paint(writer);
    }
    return bytes;
}

PagedDocument textPages(const QString& title, const std::string& cp1252Text) {
    const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                             QMarginsF(TextMarginMm, TextMarginMm, TextMarginMm, TextMarginMm),
                             QPageLayout::Millimeter);
    auto lines = std::make_shared<const QStringList>(textLines(cp1252Text));
    return {title, layout, 300, [lines](QPagedPaintDevice& device) { paintTextPages(device, *lines); }};
}
