#include "ini/FileEncoding.h"

#include "text/Encoding.h"

namespace ini {

ByteOrderMark byteOrderMarkOf(std::string_view contents) {
    constexpr std::string_view Utf8 = "\xEF\xBB\xBF";
    constexpr std::string_view Utf16LittleEndian = "\xFF\xFE";
    constexpr std::string_view Utf16BigEndian = "\xFE\xFF";
    if (contents.starts_with(Utf8)) return {Encoding::Bytes, contents.substr(0, Utf8.size())};
    if (contents.starts_with(Utf16LittleEndian)) return {Encoding::Utf16LittleEndian, contents.substr(0, 2)};
    if (contents.starts_with(Utf16BigEndian)) return {Encoding::Utf16BigEndian, contents.substr(0, 2)};
    return {};
}

std::string fromUtf16(std::string_view units, Encoding encoding) {
    const bool bigEndian = encoding == Encoding::Utf16BigEndian;
    std::string text(units.size() / 2, '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto first = static_cast<unsigned char>(units[2 * i]);
        const auto second = static_cast<unsigned char>(units[2 * i + 1]);
        text[i] = text::fromUtf16(static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first));
    }
    return text;
}

void appendEncoded(std::string& out, std::string_view cp1252, Encoding encoding) {
    if (encoding == Encoding::Bytes) {
        out.append(cp1252);
        return;
    }
    const bool bigEndian = encoding == Encoding::Utf16BigEndian;
    for (char c : cp1252) {
        const char16_t unit = text::toUtf16(c);
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        out.push_back(bigEndian ? high : low);
        out.push_back(bigEndian ? low : high);
    }
}

}  // namespace ini
