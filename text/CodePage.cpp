#include "text/CodePage.h"

#include <array>

namespace {

// Code points of bytes 0x80..0x9F; 0 marks the five undefined bytes.
// clang-format off
constexpr std::array<char16_t, 32> HighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
// clang-format on

}  // namespace

char16_t text::unicodeOf(char byte) {
    const auto code = static_cast<unsigned char>(byte);
    if (code >= 0x80 && code <= 0x9F && HighControls[code - 0x80] != 0) return HighControls[code - 0x80];
    return code;
}

std::string text::toUtf8(std::string_view cp1252) {
    std::string utf8;
    utf8.reserve(cp1252.size());
    for (char byte : cp1252) {
        const char16_t code = unicodeOf(byte);
        if (code < 0x80) {
            utf8 += static_cast<char>(code);
        } else if (code < 0x800) {
            utf8 += static_cast<char>(0xC0 | (code >> 6));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | (code >> 12));
            utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return utf8;
}
