#include "print/QrCode.h"

#include <qrencode.h>
#include <QPainter>
#include <algorithm>
#include <memory>

std::optional<QrCode> QrCode::encode(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), &QRcode_free);
    if (!code || code->width <= 0) return std::nullopt;
    const int size = code->width;
    std::vector<bool> modules(static_cast<std::size_t>(size) * static_cast<std::size_t>(size));
    // Bit 0 of each byte is the module's colour; the other bits say what the module is part of.
    for (std::size_t i = 0; i < modules.size(); ++i) modules[i] = (code->data[i] & 1u) != 0;
    return QrCode(size, std::move(modules));
}

void QrCode::paint(QPainter& painter, const QRectF& area) const {
    const int span = size_ + 2 * QuietZone;
    const double side = std::min(area.width(), area.height());
    const double module = side / span;
    const QPointF origin(area.center().x() - side / 2, area.center().y() - side / 2);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRectF(origin, QSizeF(side, side)), Qt::white);
    for (int y = 0; y < size_; ++y) {
        for (int x = 0; x < size_; ++x) {
            if (!isDark(x, y)) continue;
            // A hair wider than a module, so no seam shows between neighbours.
            painter.fillRect(QRectF(origin.x() + (x + QuietZone) * module, origin.y() + (y + QuietZone) * module,
                                    module * 1.02, module * 1.02),
                             Qt::black);
        }
    }
    painter.restore();
}

QImage QrCode::image(int modulePixels) const {
    const int side = (size_ + 2 * QuietZone) * modulePixels;
    QImage picture(side, side, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    paint(painter, QRectF(0, 0, side, side));
    return picture;
}
