#include "print/StartListPdf.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <array>
#include <memory>

#include "lists/StartListSheet.h"
#include "print/TextCodec.h"

namespace {

constexpr int Dpi = 300;
constexpr qreal MarginMm = 15.0;
constexpr qreal PaddingMm = 1.5;
const QColor HeaderShade(220, 228, 220);
const QColor RuleColour(120, 120, 120);

qreal mm(qreal value) { return value * Dpi / 25.4; }

enum Column { ColArrived, ColNumber, ColName, ColClub, ColHcp, ColPlaying };
struct ColumnLayout {
    const char16_t* heading;
    qreal share;  // of the line's width, in hundredths
    bool alignRight;
};
constexpr std::array<ColumnLayout, 6> Columns{{{u"Møtt", 7, false},
                                               {u"Nr", 5, true},
                                               {u"Navn", 38, false},
                                               {u"Klubb", 28, false},
                                               {u"HCP", 10, true},
                                               {u"Spillehcp", 12, true}}};

class StartListPainter {
public:
    StartListPainter(QPagedPaintDevice& device, const StartListDocument& document)
        : device_(device), document_(document), painter_(&device) {
        page_ = QRectF(0, 0, device.width(), device.height());
    }

    void paint() {
        pageHeading();
        for (const StartListGroup& group : document_.groups) paintGroup(group);
    }

private:
    qreal lineHeight(const QFont& font) const { return QFontMetricsF(font, &device_).height(); }
    qreal rowHeight() const { return lineHeight(typeface(10)) + mm(2.5); }

    void textLine(const QString& text, const QFont& font, Qt::Alignment align = Qt::AlignLeft) {
        painter_.setPen(Qt::black);
        painter_.setFont(font);
        const QFontMetricsF metrics(font, &device_);
        painter_.drawText(QRectF(0, y_, page_.width(), metrics.height()), align | Qt::AlignVCenter,
                          metrics.elidedText(text, Qt::ElideRight, page_.width()));
    }

    void pageHeading() {
        y_ = 0;
        textLine(QStringLiteral("Startliste – ") + toQString(document_.tournament), typeface(16, true));
        y_ += lineHeight(typeface(16, true));
        textLine(QStringLiteral("Side %1").arg(++pageNumber_), typeface(10), Qt::AlignRight);
        textLine(toQString(document_.date) + QStringLiteral("    ") + toQString(document_.course), typeface(10));
        y_ += lineHeight(typeface(10)) + mm(2);
        painter_.setPen(QPen(RuleColour, mm(0.3)));
        painter_.drawLine(QPointF(0, y_), QPointF(page_.width(), y_));
        y_ += mm(5);
    }

    // A group is never split over two pages: it holds at most nine players.
    void paintGroup(const StartListGroup& group) {
        const qreal height = lineHeight(typeface(13, true)) + lineHeight(typeface(10)) + mm(2) +
                             rowHeight() * static_cast<qreal>(group.players.size() + 1);
        if (y_ + height > page_.height()) {
            device_.newPage();
            pageHeading();
        }
        const QString name = toQString(group.name);
        const QString position = QStringLiteral("Gruppe ") + QChar(group.position);
        textLine(name.isEmpty() ? position : name + QStringLiteral("   (") + position + u')', typeface(13, true));
        y_ += lineHeight(typeface(13, true));
        QStringList about{toQString(group.className), toQString(group.playForm)};
        about << (group.tee.empty() ? QStringLiteral("Tee mangler") : QStringLiteral("Tee: ") + toQString(group.tee));
        textLine(about.join(QStringLiteral(" · ")), typeface(10));
        y_ += lineHeight(typeface(10)) + mm(2);
        headerRow();
        for (std::size_t p = 0; p < group.players.size(); ++p) playerRow(static_cast<int>(p) + 1, group.players[p]);
        y_ += mm(6);
    }

    void headerRow() {
        painter_.fillRect(QRectF(0, y_, page_.width(), rowHeight()), HeaderShade);
        std::array<QString, Columns.size()> cells;
        for (std::size_t c = 0; c < Columns.size(); ++c) cells[c] = QString::fromUtf16(Columns[c].heading);
        paintCells(cells, typeface(10, true));
    }

    void playerRow(int number, const StartListPlayer& player) {
        const std::array<QString, Columns.size()> cells{QString(),
                                                        numberText(number),
                                                        toQString(player.name),
                                                        toQString(player.club),
                                                        toQString(player.hcp),
                                                        toQString(player.playingHandicap)};
        // The box to tick, square, in the first column.
        const qreal side = rowHeight() - mm(3);
        painter_.setPen(QPen(Qt::black, mm(0.3)));
        painter_.drawRect(QRectF(mm(PaddingMm) + mm(1), y_ + mm(1.5), side, side));
        paintCells(cells, typeface(10));
    }

    // One row of cells at the current line, then a rule under it.
    void paintCells(const std::array<QString, Columns.size()>& cells, const QFont& font) {
        painter_.setFont(font);
        painter_.setPen(Qt::black);
        const QFontMetricsF metrics(font, &device_);
        qreal x = 0;
        for (std::size_t c = 0; c < Columns.size(); ++c) {
            const qreal width = page_.width() * Columns[c].share / 100;
            const QRectF cell(x + mm(PaddingMm), y_, width - 2 * mm(PaddingMm), rowHeight());
            const Qt::Alignment align = Columns[c].alignRight ? Qt::AlignRight : Qt::AlignLeft;
            painter_.drawText(cell, align | Qt::AlignVCenter,
                              metrics.elidedText(cells[c], Qt::ElideRight, cell.width()));
            x += width;
        }
        y_ += rowHeight();
        painter_.setPen(QPen(RuleColour, mm(0.15)));
        painter_.drawLine(QPointF(0, y_), QPointF(page_.width(), y_));
    }

    QPagedPaintDevice& device_;
    const StartListDocument& document_;
    QPainter painter_;
    QRectF page_;
    qreal y_ = 0;
    int pageNumber_ = 0;
};

}  // namespace

PagedDocument startListPages(const CTournamentInfo& tournament) {
    auto document = std::make_shared<const StartListDocument>(startListDocument(tournament));
    const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                             QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter);
    return {QStringLiteral("Startliste – ") + toQString(document->tournament), layout, Dpi,
            [document](QPagedPaintDevice& device) { StartListPainter(device, *document).paint(); }};
}

files::FileResult writeStartListPdf(const CTournamentInfo& tournament, const std::string& path) {
    return writePdf(pdfOf(startListPages(tournament)), path);
}
