#include "print/PrizeListPdf.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <memory>
#include <string_view>
#include <vector>

#include "lists/PrizeList.h"
#include "print/Pages.h"
#include "print/TextCodec.h"

namespace {

constexpr int Dpi = 300;
constexpr qreal MarginMm = 15.0;
constexpr qreal CellPaddingMm = 1.5;
const QColor HeaderShade(220, 228, 220);
const QColor StripeShade(244, 246, 244);
const QColor RuleColour(120, 120, 120);

qreal mm(qreal value) { return value * Dpi / 25.4; }

class PrizeListPainter {
public:
    PrizeListPainter(QPagedPaintDevice& writer, const PrizeListDocument& document)
        : writer_(writer), document_(document), painter_(&writer) {
        page_ = QRectF(0, 0, painter_.device()->width(), painter_.device()->height());
    }

    void paint() {
        pageHeading();
        for (const PrizeTable& table : document_.tables) competition(table);
        painter_.end();
    }

private:
    void pageHeading() {
        y_ = 0;
        painter_.setPen(Qt::black);
        textLine(toQString(document_.title) + QStringLiteral(" – ") + toQString(document_.tournament),
                 typeface(16, true));
        // The page number at the right of the date line, for a list that runs over several pages.
        const QFontMetricsF metrics(typeface(10), painter_.device());
        painter_.setFont(typeface(10));
        painter_.drawText(QRectF(0, y_, page_.width(), metrics.height()), Qt::AlignRight | Qt::AlignVCenter,
                          QStringLiteral("Side %1").arg(++pageNumber_));
        textLine(toQString(document_.date) + QStringLiteral("    ") + toQString(document_.course), typeface(10));
        y_ += mm(2);
        painter_.setPen(QPen(RuleColour, mm(0.3)));
        painter_.drawLine(QPointF(0, y_), QPointF(page_.width(), y_));
        y_ += mm(4);
    }

    void textLine(const QString& text, const QFont& font) {
        painter_.setPen(Qt::black);
        painter_.setFont(font);
        const QFontMetricsF metrics(font, painter_.device());
        const qreal height = metrics.height();
        painter_.drawText(QRectF(0, y_, page_.width(), height), Qt::AlignLeft | Qt::AlignVCenter,
                          metrics.elidedText(text, Qt::ElideRight, page_.width()));
        y_ += height;
    }

    qreal rowHeight() const { return QFontMetricsF(typeface(9), painter_.device()).height() + mm(2); }

    void competition(const PrizeTable& table) {
        // A title is never left alone at the foot of a page.
        const qreal titleHeight = QFontMetricsF(typeface(12, true), painter_.device()).height() + mm(2);
        ensureRoom(titleHeight + 3 * rowHeight());
        painter_.setPen(Qt::black);
        textLine(toQString(table.title), typeface(12, true));
        y_ += mm(1);
        widths_ = columnWidths(table);
        headerRow(table);
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            if (ensureRoom(rowHeight())) {
                textLine(toQString(table.title) + QStringLiteral(" (forts.)"), typeface(12, true));
                y_ += mm(1);
                headerRow(table);
            }
            row(table, table.rows[r], r % 2 == 1 ? StripeShade : QColor(Qt::white), typeface(9));
        }
        y_ += mm(8);
    }

    // Figures get the width of their widest text; the text columns share the rest of the
    // line in proportion to their widest text, so long names are cut only when they must be.
    std::vector<qreal> columnWidths(const PrizeTable& table) const {
        const QFontMetricsF plain(typeface(9), painter_.device());
        const QFontMetricsF bold(typeface(9, true), painter_.device());
        std::vector<qreal> widths;
        for (const PrizeColumn& column : table.columns)
            widths.push_back(bold.horizontalAdvance(toQString(column.heading)));
        for (const auto& row : table.rows) {
            for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
                widths[c] = std::max(widths[c], plain.horizontalAdvance(toQString(row[c])));
        }
        qreal figures = 0;
        qreal texts = 0;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            widths[c] += 2 * mm(CellPaddingMm);
            (table.columns[c].alignRight ? figures : texts) += widths[c];
        }
        const qreal scale = texts > 0 ? (page_.width() - figures) / texts : 1.0;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            if (!table.columns[c].alignRight) widths[c] *= scale;
        }
        return widths;
    }

    // Starts a new page, with the heading, when `height` does not fit; answers whether it did.
    bool ensureRoom(qreal height) {
        if (y_ + height <= page_.height()) return false;
        writer_.newPage();
        pageHeading();
        return true;
    }

    void headerRow(const PrizeTable& table) {
        std::vector<std::string> headings;
        for (const PrizeColumn& column : table.columns) headings.push_back(column.heading);
        row(table, headings, HeaderShade, typeface(9, true));
        painter_.setPen(QPen(RuleColour, mm(0.2)));
        painter_.drawLine(QPointF(0, y_), QPointF(page_.width(), y_));
    }

    void row(const PrizeTable& table, const std::vector<std::string>& cells, const QColor& shade, const QFont& font) {
        const qreal height = rowHeight();
        painter_.fillRect(QRectF(0, y_, page_.width(), height), shade);
        painter_.setFont(font);
        painter_.setPen(Qt::black);
        const QFontMetricsF metrics(font, painter_.device());
        qreal x = 0;
        for (std::size_t c = 0; c < cells.size() && c < widths_.size(); ++c) {
            const qreal width = widths_[c];
            const QRectF cell(x + mm(CellPaddingMm), y_, width - 2 * mm(CellPaddingMm), height);
            const QString text = metrics.elidedText(toQString(cells[c]), Qt::ElideRight, cell.width());
            const Qt::Alignment align = table.columns[c].alignRight ? Qt::AlignRight : Qt::AlignLeft;
            painter_.drawText(cell, align | Qt::AlignVCenter, text);
            x += width;
        }
        y_ += height;
    }

    QPagedPaintDevice& writer_;
    const PrizeListDocument& document_;
    QPainter painter_;
    QRectF page_;
    std::vector<qreal> widths_;
    qreal y_ = 0;
    int pageNumber_ = 0;
};

}  // namespace

PagedDocument prizeListPages(const CTournamentInfo& tournament) {
    auto document = std::make_shared<const PrizeListDocument>(prizeListDocument(tournament));
    const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                             QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter);
    return {toQString(document->title) + QStringLiteral(" – ") + toQString(document->tournament), layout, Dpi,
            [document](QPagedPaintDevice& device) { PrizeListPainter(device, *document).paint(); }};
}

QByteArray prizeListPdf(const CTournamentInfo& tournament) { return pdfOf(prizeListPages(tournament)); }

files::FileResult writePrizeListPdf(const CTournamentInfo& tournament, const std::string& path) {
    return writePdf(prizeListPdf(tournament), path);
}
