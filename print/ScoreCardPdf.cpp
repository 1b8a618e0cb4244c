#include "print/ScoreCardPdf.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <memory>
#include <optional>

#include "print/Pages.h"
#include "print/QrCode.h"
#include "print/TextCodec.h"
#include "scoring/LiveScoring.h"

namespace {

constexpr int Resolution = 720;  // dots per inch of the drawing units
constexpr double CardWidthMm = 148.5;
constexpr double CardHeightMm = 210.0;
constexpr double MarginMm = 8.0;
constexpr double RowMm = 5.8;
// Large enough for a phone to read at arm's length, small enough for the corner below the holes.
constexpr double QrMm = 24.0;

const QColor Green(0x1F, 0x5C, 0x3A);
const QColor LightGreen(0xE3, 0xEF, 0xE6);
const QColor LightGrey(0xF2, 0xF2, 0xF2);
const QColor Ink(0x10, 0x10, 0x10);

// Hole table columns: caption and width in millimetres.
struct Column {
    QStringView caption;
    double widthMm;
};
constexpr std::array<Column, 7> Columns{{{u"Hull", 14},
                                         {u"Par", 12},
                                         {u"Indeks", 15},
                                         {u"Tildelt", 22},
                                         {u"Spiller", 24},
                                         {u"Markør", 24},
                                         {u"Poeng", 21.5}}};
enum ColumnId { ColHole, ColPar, ColIndex, ColReceived, ColPlayer, ColMarker, ColPoints };

double mm(double millimetres) { return millimetres * Resolution / 25.4; }

// A received stroke is a dot; a stroke given back by a plus handicap a minus sign.
QString receivedMarks(int received) {
    if (received >= 0) return QString(received, u'●');
    return QString(-received, u'−');
}

class CardPainter {
public:
    CardPainter(QPainter& painter, const ScoreCard& card, double leftMm, const QString& pageAddress)
        : p(painter), card(card), left(leftMm) {
        if (!pageAddress.isEmpty() && !card.groupCode.empty())
            qr = QrCode::encode(pageAddress + QString::fromStdString(groupPagePath(card.groupCode)));
    }

    void paint() {
        double y = MarginMm;
        y = paintBanner(y);
        y = paintPlayer(y + 3);
        y = paintHoles(y + 3);
        paintSignatures(CardHeightMm - MarginMm - 14);
        if (qr) qr->paint(p, box(MarginMm + innerWidth() - QrMm, CardHeightMm - MarginMm - QrMm, QrMm, QrMm));
    }

private:
    QRectF box(double x, double y, double w, double h) const { return {mm(left + x), mm(y), mm(w), mm(h)}; }

    void setFont(double points, bool bold = false) { p.setFont(typeface(points, bold)); }

    void text(const QRectF& area, const QString& value, int flags = Qt::AlignLeft | Qt::AlignVCenter) {
        p.drawText(area, flags | Qt::TextSingleLine,
                   p.fontMetrics().elidedText(value, Qt::ElideRight, static_cast<int>(area.width())));
    }

    double innerWidth() const { return CardWidthMm - 2 * MarginMm; }

    double paintBanner(double y) {
        const double height = 17;
        p.fillRect(box(MarginMm, y, innerWidth(), height), Green);
        p.setPen(Qt::white);
        setFont(13, true);
        // Room on the right for the phones' code beside the date, when the group has one.
        const double rightWidth = card.groupCode.empty() ? 30 : 58;
        text(box(MarginMm + 3, y + 1, innerWidth() - rightWidth - 5, 8), toQString(card.tournamentName));
        setFont(10);
        QString dated = toQString(card.date);
        if (!card.groupCode.empty()) dated.prepend(QStringLiteral("Kode: %1   ").arg(toQString(card.groupCode)));
        text(box(MarginMm + innerWidth() - rightWidth - 3, y + 1, rightWidth, 8), dated,
             Qt::AlignRight | Qt::AlignVCenter);
        setFont(8.5);
        const QString course =
            QStringLiteral("Bane: %1   Tee: %2").arg(toQString(card.courseName), toQString(card.teeName));
        text(box(MarginMm + 3, y + 9, innerWidth() - 6, 6.5), course);
        const QString group = QStringLiteral("Gruppe: %1   %2, %3")
                                  .arg(toQString(card.groupName), toQString(card.className),
                                       toQString(card.playFormName));
        text(box(MarginMm + innerWidth() / 2 - 4, y + 9, innerWidth() / 2 + 1, 6.5), group,
             Qt::AlignRight | Qt::AlignVCenter);
        return y + height;
    }

    double paintPlayer(double y) {
        const double height = 16;
        p.setPen(QPen(Ink, mm(0.3)));
        p.drawRect(box(MarginMm, y, innerWidth(), height));
        setFont(7);
        p.setPen(Qt::darkGray);
        // Pairs and teams see their format where the card names its players.
        QString caption = card.sidePlayers.empty() ? QStringLiteral("Spiller") : QStringLiteral("Spillere");
        if (!card.formatName.empty()) caption += QStringLiteral(" – ") + toQString(card.formatName);
        text(box(MarginMm + 2, y + 0.5, 60, 4), caption);
        text(box(MarginMm + innerWidth() - 62, y + 0.5, 20, 4), QStringLiteral("HCP"));
        text(box(MarginMm + innerWidth() - 38, y + 0.5, 36, 4), QStringLiteral("Spillehandicap"));
        p.setPen(Ink);
        // A one-ball side's card names all its players, in a smaller type when they are many.
        const bool side = !card.sidePlayers.empty();
        setFont(side ? 10 : 12, true);
        text(box(MarginMm + 2, y + 4, innerWidth() - 66, 7),
             toQString(side ? card.sidePlayers : playerText(card.firstName, card.surName)));
        setFont(9);
        QStringList below;
        if (!card.club.empty()) below << toQString(card.club);
        if (!card.partners.empty()) below << toQString(card.partners);
        text(box(MarginMm + 2, y + 10.5, innerWidth() - 66, 5), below.join(QStringLiteral("   ")));
        setFont(side ? 8 : 14, true);
        text(box(MarginMm + innerWidth() - 62, y + 5, 22, 9), toQString(card.hcp));
        setFont(14, true);
        text(box(MarginMm + innerWidth() - 38, y + 5, 22, 9),
             card.playingHandicap ? numberText(*card.playingHandicap) : QString());
        return y + height;
    }

    double columnLeft(int column) const {
        double x = MarginMm;
        for (int c = 0; c < column; ++c) x += Columns[c].widthMm;
        return x;
    }

    void cell(double y, int column, const QString& value) {
        text(box(columnLeft(column), y, Columns[column].widthMm, RowMm), value, Qt::AlignCenter);
    }

    void rowBackground(double y, const QColor& colour) { p.fillRect(box(MarginMm, y, innerWidth(), RowMm), colour); }

    double paintHoles(double y) {
        const double top = y;
        rowBackground(y, Green);
        p.setPen(Qt::white);
        setFont(7.5, true);
        for (int c = 0; c < static_cast<int>(Columns.size()); ++c) cell(y, c, Columns[c].caption.toString());
        y += RowMm;
        std::size_t nextTotal = 0;
        for (const ScoreCardHole& hole : card.holes) {
            rowBackground(y, hole.number % 2 == 0 ? LightGrey : Qt::white);
            p.setPen(Ink);
            setFont(9, true);
            cell(y, ColHole, numberText(hole.number));
            setFont(9);
            cell(y, ColPar, numberText(hole.par));
            cell(y, ColIndex, numberText(hole.index));
            setFont(8);
            cell(y, ColReceived, receivedMarks(hole.received));
            y += RowMm;
            // Totals follow the last hole they count: "Ut" after 9, "Inn" and "Totalt" at the end.
            while (nextTotal < card.totals.size() && card.totals[nextTotal].lastHole == hole.number) {
                y = paintTotal(y, card.totals[nextTotal++]);
            }
        }
        while (nextTotal < card.totals.size()) y = paintTotal(y, card.totals[nextTotal++]);
        paintGrid(top, y);
        return y;
    }

    double paintTotal(double y, const ScoreCardTotal& total) {
        rowBackground(y, LightGreen);
        p.setPen(Ink);
        setFont(9, true);
        cell(y, ColHole, toQString(total.label));
        cell(y, ColPar, numberText(total.par));
        return y + RowMm;
    }

    void paintGrid(double top, double bottom) {
        p.setPen(QPen(Ink, mm(0.15)));
        for (double y = top + RowMm; y < bottom - 0.01; y += RowMm) {
            p.drawLine(QPointF(mm(left + MarginMm), mm(y)), QPointF(mm(left + MarginMm + innerWidth()), mm(y)));
        }
        for (int c = 1; c < static_cast<int>(Columns.size()); ++c) {
            const double x = left + columnLeft(c);
            p.drawLine(QPointF(mm(x), mm(top)), QPointF(mm(x), mm(bottom)));
        }
        p.setPen(QPen(Ink, mm(0.4)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(box(MarginMm, top, innerWidth(), bottom - top));
        // The player's and the marker's strokes stand out as the boxes to fill in.
        p.drawRect(
            box(columnLeft(ColPlayer), top, Columns[ColPlayer].widthMm + Columns[ColMarker].widthMm, bottom - top));
    }

    void paintSignatures(double y) {
        // The group's QR code, when printed, takes the corner right of the signatures.
        const double width = (innerWidth() - (qr ? QrMm + 4 : 0)) / 2 - 4;
        p.setPen(QPen(Ink, mm(0.3)));
        setFont(8);
        const std::array<QString, 2> captions{QStringLiteral("Spillerens signatur"),
                                              QStringLiteral("Markørens signatur")};
        for (int i = 0; i < 2; ++i) {
            const double x = MarginMm + i * (width + 8);
            p.drawLine(QPointF(mm(left + x), mm(y + 8)), QPointF(mm(left + x + width), mm(y + 8)));
            text(box(x, y + 8.5, width, 5), captions[i]);
        }
    }

    QPainter& p;
    const ScoreCard& card;
    double left;
    std::optional<QrCode> qr;
};

void paintFoldLine(QPainter& painter) {
    QPen pen(Qt::gray, mm(0.2), Qt::DashLine);
    painter.setPen(pen);
    painter.drawLine(QPointF(mm(CardWidthMm), mm(4)), QPointF(mm(CardWidthMm), mm(CardHeightMm - 4)));
}

}  // namespace

PagedDocument scoreCardPages(const std::vector<ScoreCard>& cards, const QString& pageAddress) {
    auto shared = std::make_shared<const std::vector<ScoreCard>>(cards);
    // The cards fill the sheet edge to edge, to be cut or folded.
    const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF());
    return {QStringLiteral("Scorekort"), layout, Resolution, [shared, pageAddress](QPagedPaintDevice& device) {
                QPainter painter(&device);
                for (std::size_t i = 0; i < shared->size(); ++i) {
                    if (i > 0 && i % 2 == 0) device.newPage();
                    if (i % 2 == 0) paintFoldLine(painter);
                    CardPainter(painter, (*shared)[i], i % 2 == 0 ? 0.0 : CardWidthMm, pageAddress).paint();
                }
            }};
}

QByteArray renderScoreCardsPdf(const std::vector<ScoreCard>& cards, const QString& pageAddress) {
    return pdfOf(scoreCardPages(cards, pageAddress));
}

files::FileResult writeScoreCardsPdf(const CTournamentInfo& tournament, const std::string& path,
                                     const QString& pageAddress) {
    return writePdf(renderScoreCardsPdf(buildScoreCards(tournament), pageAddress), path);
}
