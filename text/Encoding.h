#pragma once
// Windows-1252, the model's encoding, and UTF-8, the encoding of file names on disk, of
// most text files made on other systems and of the program's own texts in its sources.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace text {

namespace detail {

// Characters of bytes 0x80..0x9F; 0 marks the five bytes the code page leaves undefined.
// clang-format off
inline constexpr std::array<char16_t, 32> HighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
// clang-format on

// One character of well-formed UTF-8 at `pos`, which moves past it; nothing when the
// bytes there are not one.
constexpr std::optional<char32_t> decodeUtf8At(std::string_view bytes, std::size_t& pos) {
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

}  // namespace detail

// The character of a Windows-1252 byte. The five bytes the code page leaves undefined
// stand for the C1 control of the same value.
constexpr char32_t unicodeOfWindows1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F && detail::HighControls[byte - 0x80] != 0)
        return detail::HighControls[byte - 0x80];
    return byte;
}

// The Windows-1252 byte of a character, or nothing when the code page has no place for it.
constexpr std::optional<unsigned char> windows1252Of(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<unsigned char>(code);
    for (std::size_t i = 0; i < detail::HighControls.size(); ++i) {
        if (detail::HighControls[i] == code) return static_cast<unsigned char>(0x80 + i);
    }
    if (code >= 0x80 && code <= 0x9F && detail::HighControls[code - 0x80] == 0) return static_cast<unsigned char>(code);
    return std::nullopt;
}

// One Windows-1252 character as a UTF-16 code unit, and back as the platform converts: a C1
// control the code page gives another character keeps its byte, and a character the code
// page lacks becomes '?'. Every byte comes back as it was.
inline char16_t toUtf16(char c) { return static_cast<char16_t>(unicodeOfWindows1252(static_cast<unsigned char>(c))); }
char fromUtf16(char16_t code);

// The small letter of a Windows-1252 capital, every other byte as it is. The code page's
// letter pairs: A-Z, the accented capitals 0xC0-0xDE but the sign 0xD7, and the four it
// keeps apart from them, Š (0x8A), Œ (0x8C), Ž (0x8E) and Ÿ (0x9F, whose small letter is 0xFF).
char foldCase(char c);
// Whether two Windows-1252 texts hold the same letters without regard to their case.
bool sameLettersIgnoringCase(std::string_view a, std::string_view b);

// Whether `bytes` is well-formed UTF-8: no overlong forms, surrogates or values past U+10FFFF.
bool isUtf8(std::string_view bytes);
// One character of well-formed UTF-8 at `pos`, which moves past it; nothing (and `pos` where it
// was) when the bytes there are not one.
using detail::decodeUtf8At;

inline constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";
// Whether a file's contents are UTF-8 text, the one rule for every text file the program
// reads: after a UTF-8 byte order mark, when the rest is well-formed; without one, when the
// bytes are well-formed and hold at least one multi-byte character (no Windows-1252 text of
// Norwegian words is that by chance, and plain ASCII reads the same either way).
bool isUtf8Text(std::string_view contents);

// Windows-1252 text as UTF-8.
std::string utf8FromWindows1252(std::string_view cp1252);
// Well-formed UTF-8 as Windows-1252; each character the code page cannot hold becomes
// `unrepresentable`.
std::string windows1252FromUtf8(std::string_view utf8, char unrepresentable);
// UTF-8 as Windows-1252, or nothing when it is not well-formed or holds a character the
// code page cannot hold.
std::optional<std::string> exactWindows1252FromUtf8(std::string_view utf8);

namespace detail {

// A UTF-8 string literal as the Windows-1252 bytes the records keep, made during the build.
// Throwing in a constant evaluation stops the compilation, so a literal that is not
// well-formed UTF-8, or holds a character Windows-1252 lacks, fails the build instead of
// showing '?' to the organiser.
template <std::size_t Size>
struct Windows1252Literal {
    std::array<char, Size> bytes{};
    std::size_t size = 0;
    // Not explicit: the literal operator template is given the literal itself.
    consteval Windows1252Literal(const char (&utf8)[Size]) {
        const std::string_view text(utf8, Size - 1);
        for (std::size_t pos = 0; pos < text.size();) {
            const std::optional<char32_t> code = decodeUtf8At(text, pos);
            if (!code) throw "the literal is not well-formed UTF-8";
            const std::optional<unsigned char> byte = windows1252Of(*code);
            if (!byte) throw "Windows-1252 has no place for a character of the literal";
            bytes[size++] = static_cast<char>(*byte);
        }
    }
};

}  // namespace detail

inline namespace literals {

// A text of the program written in UTF-8 in the source, as the records keep it:
// "Ikke fullført"_cp1252 is the Windows-1252 bytes "Ikke fullf\xF8rt". The view is of the
// template argument, an object of static storage, so it never dangles.
template <detail::Windows1252Literal Text>
consteval std::string_view operator""_cp1252() {
    return {Text.bytes.data(), Text.size};
}

}  // namespace literals

}  // namespace text
