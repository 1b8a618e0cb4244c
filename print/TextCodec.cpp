#include "print/TextCodec.h"

#include "text/Encoding.h"
#include "text/Text.h"

QString toQString(std::string_view cp1252) {
    QString result;
    result.reserve(static_cast<qsizetype>(cp1252.size()));
    for (char c : cp1252) result.append(QChar(text::toUtf16(c)));
    return result;
}

std::string fromQString(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) result += text::fromUtf16(c.unicode());
    return result;
}

QString numberText(long long value) { return toQString(text::formatInt(value)); }
