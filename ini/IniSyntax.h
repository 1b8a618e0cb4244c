#pragma once
// How the platform's private-profile reader reads one line of a file, shared by the INI
// file and the readers that walk its sections. Lines never hold CR or LF: any run of them
// ends a line.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ini {

// Blanks, TAB, LF, VT, FF, CR and ^Z (the DOS end-of-file mark) around names and values
// are no part of them.
constexpr bool isTrimmed(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A'; }

constexpr std::string_view trimmedEnd(std::string_view text) {
    while (!text.empty() && isTrimmed(text.back())) text.remove_suffix(1);
    return text;
}

constexpr std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isTrimmed(text.front())) text.remove_prefix(1);
    return trimmedEnd(text);
}

constexpr char lowerCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Section and key names compare without regard to ASCII letter case.
constexpr bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && lowerCase(a[i]) != lowerCase(b[i])) return false;
    }
    return true;
}

// A cheap signature of a name, the same for names that differ only in letter case: its length
// and its first and last two characters. Names that share it are told apart by comparing
// them, so it only has to tell most of them apart quickly (Tee1 and Tee2, Pitch12 and
// Pitch21, FirstName1 and SurName1).
constexpr std::uint32_t nameSignature(std::string_view name) {
    if (name.empty()) return 0;
    const auto at = [name](std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(lowerCase(name[i])));
    };
    const std::size_t n = name.size();
    return static_cast<std::uint32_t>(n) << 24 ^ at(0) << 16 ^ at(n > 1 ? n - 2 : 0) << 8 ^ at(n - 1);
}

// "[name]" gives the name; a header without its closing bracket runs to the line end, and
// one with a second bracket ends at the first.
constexpr std::string_view headerName(std::string_view line) {
    const std::string_view inner = trimmed(line).substr(1);
    return trimmed(inner.substr(0, inner.find(']')));
}

// The key of a "key=value" line; nothing for headers, comments, blank lines and lines
// without '='.
constexpr std::optional<std::string_view> keyOf(std::string_view line) {
    const std::string_view text = trimmed(line);
    if (text.empty() || text.front() == ';' || text.front() == '[') return std::nullopt;
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return trimmed(text.substr(0, equals));
}

constexpr bool isQuote(char c) { return c == '"' || c == '\''; }

// A value as written after '=': what is trimmed around it removed, then one pair of
// enclosing quotes of one kind, double or single, stripped. An unmatched quote stays.
constexpr std::string_view unquoted(std::string_view written) {
    std::string_view value = trimmed(written);
    if (value.size() >= 2 && isQuote(value.front()) && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

// The value written after '=': it ends at a NUL character, as the platform reads it (a file
// whose tail a crash left zero-filled), and is then unquoted.
constexpr std::string_view valueWritten(std::string_view written) {
    return unquoted(written.substr(0, written.find('\0')));
}

// The value of a key line.
constexpr std::string_view valueOf(std::string_view line) { return valueWritten(line.substr(line.find('=') + 1)); }

// A value that reading would change, one with a trimmed character at its ends or with
// enclosing quotes of its own, is written inside a pair of double quotes, which reading
// strips again.
inline std::string storedValue(std::string_view value) {
    const bool trimmedAtEnd = !value.empty() && (isTrimmed(value.front()) || isTrimmed(value.back()));
    const bool enclosedInQuotes = value.size() >= 2 && isQuote(value.front()) && value.back() == value.front();
    if (!trimmedAtEnd && !enclosedInQuotes) return std::string(value);
    std::string quoted;
    quoted.reserve(value.size() + 2);
    quoted.append(1, '"').append(value).append(1, '"');
    return quoted;
}

}  // namespace ini
