#pragma once
// The QR code of a group's page, made here alone and drawn by the mobile window and the cards.

#include <QImage>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

class QPainter;

class QrCode {
public:
    // The modules of `text` at error correction level M; nothing when it does not fit a code.
    static std::optional<QrCode> encode(const QString& text);

    int size() const { return size_; }
    bool isDark(int x, int y) const {
        return modules_[static_cast<std::size_t>(y) * static_cast<std::size_t>(size_) + static_cast<std::size_t>(x)];
    }
    // Black modules on white, with the quiet zone of four modules readers need, in the largest
    // square that fits `area`, centred.
    void paint(QPainter& painter, const QRectF& area) const;
    // The code as a picture of `modulePixels` pixels a module, quiet zone included.
    QImage image(int modulePixels) const;

    static constexpr int QuietZone = 4;

private:
    QrCode(int size, std::vector<bool> modules) : size_(size), modules_(std::move(modules)) {}

    int size_ = 0;
    std::vector<bool> modules_;
};
