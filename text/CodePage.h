#pragma once
// Windows-1252 bytes as Unicode code points, for the places that order or convert texts.

#include <string>
#include <string_view>

namespace text {

// The code point of a Windows-1252 byte; the five bytes the code page leaves undefined map
// to the C1 control of the same value.
char16_t unicodeOf(char byte);

// Windows-1252 text as UTF-8.
std::string toUtf8(std::string_view cp1252);

}  // namespace text
