#include "text/Encoding.h"

#include <algorithm>

namespace text {

namespace {

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

char foldCase(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
        return static_cast<char>(byte + 0x20);
    switch (byte) {
        case 0x8A:
        case 0x8C:
        case 0x8E:
            return static_cast<char>(byte + 0x10);
        case 0x9F:
            return '\xFF';
        default:
            return c;
    }
}

bool sameLettersIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return foldCase(x) == foldCase(y); });
}

char fromUtf16(char16_t code) {
    if (const std::optional<unsigned char> byte = windows1252Of(code)) return static_cast<char>(*byte);
    if (code >= 0x80 && code <= 0x9F) return static_cast<char>(code);
    return '?';
}

bool isUtf8(std::string_view bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        if (!detail::decodeUtf8At(bytes, pos)) return false;
    }
    return true;
}

bool isUtf8Text(std::string_view contents) {
    if (contents.starts_with(Utf8ByteOrderMark)) return isUtf8(contents.substr(Utf8ByteOrderMark.size()));
    const bool multiByte = std::any_of(contents.begin(), contents.end(),
                                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return multiByte && isUtf8(contents);
}

std::string utf8FromWindows1252(std::string_view cp1252) {
    std::string result;
    result.reserve(cp1252.size());
    for (char c : cp1252) appendUtf8(result, unicodeOfWindows1252(static_cast<unsigned char>(c)));
    return result;
}

std::string windows1252FromUtf8(std::string_view utf8, char unrepresentable) {
    std::string result;
    result.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::optional<char32_t> code = detail::decodeUtf8At(utf8, pos);
        const std::optional<unsigned char> byte = code ? windows1252Of(*code) : std::nullopt;
        if (!code) ++pos;
        result += byte ? static_cast<char>(*byte) : unrepresentable;
    }
    return result;
}

std::optional<std::string> exactWindows1252FromUtf8(std::string_view utf8) {
    std::string result;
    result.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::optional<char32_t> code = detail::decodeUtf8At(utf8, pos);
        const std::optional<unsigned char> byte = code ? windows1252Of(*code) : std::nullopt;
        if (!byte) return std::nullopt;
        result += static_cast<char>(*byte);
    }
    return result;
}

}  // namespace text
