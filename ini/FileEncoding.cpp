#include "ini/FileEncoding.h"

#include "text/Encoding.h"

namespace ini {

FileEncoding encodingOf(std::string_view contents) {
    constexpr std::string_view Utf16LittleEndian = "\xFF\xFE";
    constexpr std::string_view Utf16BigEndian = "\xFE\xFF";
    if (contents.starts_with(text::Utf8ByteOrderMark)) {
        const std::string_view mark = contents.substr(0, text::Utf8ByteOrderMark.size());
        return {text::isUtf8Text(contents) ? Encoding::Utf8 : Encoding::Bytes, mark};
    }
    if (contents.starts_with(Utf16LittleEndian)) return {Encoding::Utf16LittleEndian, contents.substr(0, 2)};
    if (contents.starts_with(Utf16BigEndian)) return {Encoding::Utf16BigEndian, contents.substr(0, 2)};
    if (text::isUtf8Text(contents)) return {Encoding::Utf8, {}};
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

DecodedUtf8 fromUtf8(std::string_view bytes) {
    DecodedUtf8 decoded;
    decoded.text.reserve(bytes.size());
    decoded.starts.reserve(bytes.size() + 1);
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        decoded.starts.push_back(static_cast<std::uint32_t>(pos));
        const std::optional<char32_t> code = text::decodeUtf8At(bytes, pos);
        // Only well-formed text comes here; a stray byte would still be one character.
        if (!code) ++pos;
        std::optional<unsigned char> byte = code ? text::windows1252Of(*code) : std::nullopt;
        // A C1 control the code page gives another character keeps its byte, as in UTF-16.
        if (code && !byte && *code >= 0x80 && *code <= 0x9F) byte = static_cast<unsigned char>(*code);
        decoded.text += byte ? static_cast<char>(*byte) : '?';
        if (!byte) ++decoded.replaced;
    }
    decoded.starts.push_back(static_cast<std::uint32_t>(pos));
    return decoded;
}

void appendEncoded(std::string& out, std::string_view cp1252, Encoding encoding) {
    if (encoding == Encoding::Bytes) {
        out.append(cp1252);
        return;
    }
    if (encoding == Encoding::Utf8) {
        out += text::utf8FromWindows1252(cp1252);
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
