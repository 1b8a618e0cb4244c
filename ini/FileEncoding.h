#pragma once
// The encodings a private-profile file comes in. The platform reads a file that starts with a
// UTF-16 byte order mark ("Unicode" in Notepad) as UTF-16, and one that is UTF-8 text (today's
// editors' default, with or without a mark) as UTF-8, and hands its text on as Windows-1252;
// any other file is Windows-1252 bytes.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ini {

enum class Encoding : std::uint8_t { Bytes, Utf16LittleEndian, Utf16BigEndian, Utf8 };

// The encoding of a file's contents and its byte order mark, which is no part of the text.
// A UTF-8 mark in front of bytes that are not UTF-8 is left out of Windows-1252 text.
struct FileEncoding {
    Encoding encoding = Encoding::Bytes;
    std::string_view mark;  // empty when there is none
};
FileEncoding encodingOf(std::string_view contents);

// UTF-16 code units as Windows-1252 text, one character each; a lone byte at the end is
// no code unit and is left out.
std::string fromUtf16(std::string_view units, Encoding encoding);

// UTF-8 text as Windows-1252: a character the code page cannot hold becomes '?'.
struct DecodedUtf8 {
    std::string text;
    // Where in the UTF-8 bytes each character of `text` begins, and their end last, so the
    // untouched stretches of the file can be written back as they came.
    std::vector<std::uint32_t> starts;
    std::size_t replaced = 0;  // the characters that became '?'
};
DecodedUtf8 fromUtf8(std::string_view bytes);

// Appends Windows-1252 text to `out` in `encoding`.
void appendEncoded(std::string& out, std::string_view cp1252, Encoding encoding);

}  // namespace ini
