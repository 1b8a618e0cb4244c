#include "text/Encoding.h"

#include <algorithm>
#include <array>

namespace text {

namespace {

// Characters of bytes 0x80..0x9F; 0 marks the five bytes the code page leaves undefined.
// clang-format off
constexpr std::array<char16_t, 32> HighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
// clang-format on

// One character of well-formed UTF-8 at `pos`, which moves past it; nothing when the
// bytes there are not one.
std::optional<char32_t> decodeAt(std::string_view bytes, std::size_t& pos) {
    const auto byte = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    std::size_t length = 0;
    char32_t code = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, least = 0x10000;
    } else {
        return std::nullopt;
    }
    if (pos + length > bytes.size()) return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) return std::nullopt;
        code = (code << 6) | (byte(pos + i) & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return std::nullopt;
    pos += length;
    return code;
}

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

char32_t unicodeOfWindows1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F && HighControls[byte - 0x80] != 0) return HighControls[byte - 0x80];
    return byte;
}

std::optional<unsigned char> windows1252Of(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<unsigned char>(code);
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == code) return static_cast<unsigned char>(0x80 + i);
    }
    if (code >= 0x80 && code <= 0x9F && HighControls[code - 0x80] == 0) return static_cast<unsigned char>(code);
    return std::nullopt;
}

char fromUtf16(char16_t code) {
    if (const std::optional<unsigned char> byte = windows1252Of(code)) return static_cast<char>(*byte);
    if (code >= 0x80 && code <= 0x9F) return static_cast<char>(code);
    return '?';
}

bool isUtf8(std::string_view bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        if (!decodeAt(bytes, pos)) return false;
    }
    return true;
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
        const std::optional<char32_t> code = decodeAt(utf8, pos);
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
        const std::optional<char32_t> code = decodeAt(utf8, pos);
        const std::optional<unsigned char> byte = code ? windows1252Of(*code) : std::nullopt;
        if (!byte) return std::nullopt;
        result += static_cast<char>(*byte);
    }
    return result;
}

}  // namespace text
