#pragma once
// The encodings a private-profile file comes in. The platform reads a file that starts
// with a UTF-16 byte order mark ("Unicode" in Notepad) as UTF-16 and hands its text on as
// Windows-1252; any other file is Windows-1252 bytes (a UTF-8 mark included).

#include <cstdint>
#include <string>
#include <string_view>

namespace ini {

enum class Encoding : std::uint8_t { Bytes, Utf16LittleEndian, Utf16BigEndian };

// The byte order mark at the start of a file and the encoding of what follows it.
struct ByteOrderMark {
    Encoding encoding = Encoding::Bytes;
    std::string_view bytes;  // the mark itself, empty when there is none
};
ByteOrderMark byteOrderMarkOf(std::string_view contents);

// UTF-16 code units as Windows-1252 text, one character each; a lone byte at the end is
// no code unit and is left out.
std::string fromUtf16(std::string_view units, Encoding encoding);
// Appends Windows-1252 text to `out` in `encoding`.
void appendEncoded(std::string& out, std::string_view cp1252, Encoding encoding);

}  // namespace ini
