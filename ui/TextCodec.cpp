#include "ui/TextCodec.h"

#include <array>

namespace {

// Code points of bytes 0x80..0x9F; 0 marks the five bytes the code page leaves undefined,
// which map to the C1 control of the same value.
// clang-format off
constexpr std::array<char16_t, 32> HighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
// clang-format on

char16_t toUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F && HighControls[byte - 0x80] != 0) return HighControls[byte - 0x80];
    return byte;
}

char fromUnicode(char16_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == code) return static_cast<char>(0x80 + i);
    }
    if (code >= 0x80 && code <= 0x9F) return static_cast<char>(code);
    return '?';
}

}  // namespace

QString toQString(std::string_view cp1252) {
    QString result;
    result.reserve(static_cast<qsizetype>(cp1252.size()));
    for (char c : cp1252) result.append(QChar(toUnicode(static_cast<unsigned char>(c))));
    return result;
}

std::string fromQString(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) result += fromUnicode(c.unicode());
    return result;
}
