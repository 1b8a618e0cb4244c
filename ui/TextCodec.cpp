#include "ui/TextCodec.h"

#include "text/Encoding.h"

namespace {

char fromUnicode(char16_t code) {
    if (const std::optional<unsigned char> byte = text::windows1252Of(code)) return static_cast<char>(*byte);
    // A C1 control the code page gives another character keeps its byte, as ever.
    if (code >= 0x80 && code <= 0x9F) return static_cast<char>(code);
    return '?';
}

}  // namespace

QString toQString(std::string_view cp1252) {
    QString result;
    result.reserve(static_cast<qsizetype>(cp1252.size()));
    for (char c : cp1252) {
        result.append(QChar(static_cast<char16_t>(text::unicodeOfWindows1252(static_cast<unsigned char>(c)))));
    }
    return result;
}

std::string fromQString(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) result += fromUnicode(c.unicode());
    return result;
}
