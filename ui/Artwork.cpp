#include "ui/Artwork.h"

#include <QApplication>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStyle>
#include <QStyleOption>
#include <map>
#include <utility>

namespace {

const QColor GreenLight(120, 200, 90);
const QColor GreenDark(40, 130, 50);
const QColor FlagRed(215, 40, 40);
const QColor PoleGrey(235, 235, 235);

qreal screenScale() { return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0; }

// A pixmap sized for the screen it will be shown on, so the picture stays sharp at high DPI.
QPixmap blankPixmap(int width, int height) {
    const qreal scale = screenScale();
    QPixmap pixmap(qRound(width * scale), qRound(height * scale));
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The green with its hole, the pole and the flag, inside `area`.
void drawFlagOnGreen(QPainter& painter, const QRectF& area) {
    const qreal w = area.width();
    const qreal h = area.height();
    const QRectF green(area.left() + 0.04 * w, area.top() + 0.62 * h, 0.92 * w, 0.34 * h);
    QRadialGradient shade(green.center(), green.width() / 2);
    shade.setColorAt(0.0, GreenLight);
    shade.setColorAt(1.0, GreenDark);
    painter.setPen(QPen(GreenDark.darker(130), qMax(1.0, w / 48)));
    painter.setBrush(shade);
    painter.drawEllipse(green);

    const QPointF hole(area.left() + 0.5 * w, area.top() + 0.79 * h);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(25, 40, 20));
    painter.drawEllipse(hole, 0.09 * w, 0.04 * h);

    const QPointF poleTop(hole.x(), area.top() + 0.06 * h);
    painter.setPen(QPen(PoleGrey, qMax(1.5, w / 22), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(hole.x(), hole.y() - 0.01 * h), poleTop);

    QPainterPath flag;
    flag.moveTo(poleTop);
    flag.quadTo(QPointF(hole.x() + 0.22 * w, poleTop.y() + 0.02 * h),
                QPointF(hole.x() + 0.44 * w, poleTop.y() + 0.12 * h));
    flag.quadTo(QPointF(hole.x() + 0.22 * w, poleTop.y() + 0.24 * h), QPointF(hole.x(), poleTop.y() + 0.28 * h));
    flag.closeSubpath();
    painter.setPen(QPen(FlagRed.darker(140), qMax(1.0, w / 64)));
    painter.setBrush(FlagRed);
    painter.drawPath(flag);
}

}  // namespace

QPixmap flagPixmap(int size) {
    QPixmap pixmap = blankPixmap(size, size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawFlagOnGreen(painter, QRectF(0, 0, size, size));
    return pixmap;
}

namespace {

// The icon is the flag drawn at the size asked for, once per size and run: sharp at any size,
// and no pixel is drawn for a size nobody asks for.
class FlagIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        drawFlagOnGreen(*painter, QRectF(rect));
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const QSize square(qMin(size.width(), size.height()), qMin(size.width(), size.height()));
        auto [drawn, isNew] = pixmaps.try_emplace(std::pair(square.width(), mode));
        if (isNew) {
            QImage image(square, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            paint(&painter, QRect(QPoint(0, 0), square), mode, state);
            painter.end();
            drawn->second = QPixmap::fromImage(std::move(image));
            if (mode == QIcon::Disabled && qApp) {
                QStyleOption option;
                option.palette = QGuiApplication::palette();
                drawn->second = QApplication::style()->generatedIconPixmap(mode, drawn->second, &option);
            }
        }
        return drawn->second;
    }

    // The sizes a window system is offered, e.g. for the X11 window icon. 256 pixels is left
    // out: window managers show window icons at 128 pixels at most, and drawing and sending it
    // took longer than everything else the icon costs at start-up.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64), QSize(128, 128)};
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = qMin(size.width(), size.height());
        return QSize(side, side);
    }

    QIconEngine* clone() const override { return new FlagIconEngine(*this); }
    QString key() const override { return QStringLiteral("TeebrookFlag"); }

private:
    std::map<std::pair<int, QIcon::Mode>, QPixmap> pixmaps;
};

}  // namespace

QIcon teebrookIcon() {
    // One icon for every window: each size is drawn once in a run.
    static const QIcon icon(new FlagIconEngine);
    return icon;
}

QPixmap fairwayPicture(int width, int height) {
    QPixmap pixmap = blankPixmap(width, height);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = width;
    const qreal h = height;

    QLinearGradient sky(0, 0, 0, 0.55 * h);
    sky.setColorAt(0.0, QColor(110, 170, 230));
    sky.setColorAt(1.0, QColor(215, 235, 250));
    painter.fillRect(QRectF(0, 0, w, 0.6 * h), sky);

    // Distant hills, then the fairway sweeping towards the green.
    QPainterPath hills;
    hills.moveTo(0, 0.5 * h);
    hills.cubicTo(0.3 * w, 0.36 * h, 0.55 * w, 0.52 * h, w, 0.4 * h);
    hills.lineTo(w, h);
    hills.lineTo(0, h);
    hills.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 130, 70));
    painter.drawPath(hills);

    QPainterPath fairway;
    fairway.moveTo(0, 0.62 * h);
    fairway.cubicTo(0.4 * w, 0.54 * h, 0.7 * w, 0.6 * h, w, 0.56 * h);
    fairway.lineTo(w, h);
    fairway.lineTo(0, h);
    fairway.closeSubpath();
    QLinearGradient grass(0, 0.55 * h, 0, h);
    grass.setColorAt(0.0, QColor(95, 170, 75));
    grass.setColorAt(1.0, QColor(45, 120, 45));
    painter.setBrush(grass);
    painter.drawPath(fairway);

    // A bunker beside the green.
    painter.setBrush(QColor(236, 220, 170));
    painter.drawEllipse(QRectF(0.08 * w, 0.78 * h, 0.26 * w, 0.07 * h));

    const qreal side = qMin(w * 0.8, h * 0.62);
    drawFlagOnGreen(painter, QRectF((w - side) / 2, 0.34 * h, side, side));
    return pixmap;
}
