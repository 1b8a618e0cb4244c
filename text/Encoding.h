#pragma once
// Windows-1252, the model's encoding, and UTF-8, the encoding of file names on disk and of
// most text files made on other systems.

#include <optional>
#include <string>
#include <string_view>

namespace text {

// The character of a Windows-1252 byte. The five bytes the code page leaves undefined
// stand for the C1 control of the same value.
char32_t unicodeOfWindows1252(unsigned char byte);
// The Windows-1252 byte of a character, or nothing when the code page has no place for it.
std::optional<unsigned char> windows1252Of(char32_t code);

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

// Windows-1252 text as UTF-8.
std::string utf8FromWindows1252(std::string_view cp1252);
// Well-formed UTF-8 as Windows-1252; each character the code page cannot hold becomes
// `unrepresentable`.
std::string windows1252FromUtf8(std::string_view utf8, char unrepresentable);
// UTF-8 as Windows-1252, or nothing when it is not well-formed or holds a character the
// code page cannot hold.
std::optional<std::string> exactWindows1252FromUtf8(std::string_view utf8);

}  // namespace text
