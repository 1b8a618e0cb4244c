#include "ui/TextCodec.h"

#include "text/CodePage.h"

namespace {

char fromUnicode(char16_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
    for (int byte = 0x80; byte <= 0x9F; ++byte) {
        if (text::unicodeOf(static_cast<char>(byte)) == code) return static_cast<char>(byte);
    }
    if (code >= 0x80 && code <= 0x9F) return static_cast<char>(code);
    return '?';
}

}  // namespace

QString toQString(std::string_view cp1252) {
    QString result;
    result.reserve(static_cast<qsizetype>(cp1252.size()));
    for (char c : cp1252) result.append(QChar(text::unicodeOf(c)));
    return result;
}

std::string fromQString(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) result += fromUnicode(c.unicode());
    return result;
}
