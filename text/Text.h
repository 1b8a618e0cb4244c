#pragma once
// Text and number helpers shared by the model, the files, the lists and the screens.
// Texts are std::string holding Windows-1252 bytes. Nothing here depends on the
// process locale: Qt switches the C library to the user's locale, where printf and
// strtod may use a decimal comma, and the files must not change with it.

#include <cstddef>
#include <string>
#include <string_view>

namespace text {

// An ASCII digit, whatever the process locale says.
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Texts taken from screen fields and values read from INI files keep at most this many characters.
inline constexpr std::size_t MaxTextLength = 49;

// The first `maxLength` bytes of `value`.
std::string cut(std::string_view value, std::size_t maxLength = MaxTextLength);

// Leading decimal integer, as atoi reads it: leading white space, an optional sign, the
// digits up to the first other character; 0 when there are none. Values beyond the
// 32-bit range saturate at its ends instead of wrapping.
int readInt(std::string_view value);

// Leading decimal number, as atof reads it for plain decimals: white space, an optional
// sign, digits, an optional point with digits, an optional exponent. A comma ends the
// number; "inf", "nan" and hexadecimal forms are not numbers here (they give 0).
// Values too large for a double saturate at +-DBL_MAX; too small ones give 0.
double readDecimal(std::string_view value);
// A handicap index as the organiser types it, in a field or an import file: the leading decimal
// number, where a comma in the place of the decimal point is the decimal comma of a Norwegian
// keyboard ("18,2" is 18.2), and a leading "+" marks a plus handicap ("+2,1" is the index -2.1).
double readHandicapIndex(std::string_view typed);

// Reads whole numbers one after another, as sscanf with "%d %d ..." does: each number may
// be preceded by white space; reading stops at the end, at the first character that
// does not fit, or after `capacity` numbers. Returns how many were stored in `out`.
int scanInts(std::string_view value, int* out, int capacity);

// Narrows a double to a float without undefined behaviour: values beyond the float
// range become +-FLT_MAX, NaN becomes 0.
float toFloat(double value);

// "%d"
std::string formatInt(long long value);

// A key or section name of the files: the word with the number of its course, tee, group
// or player right after it ("Tee3", "PlayGroup2").
// The parts one after another, for messages built of texts, numbers and "…"_cp1252 literals.
template <typename... Parts>
std::string joined(const Parts&... parts) {
    std::string result;
    (result.append(std::string_view(parts)), ...);
    return result;
}
inline std::string numbered(std::string_view word, long long number) { return std::string(word) + formatInt(number); }

// "%.<decimals>f" with a point, an exact half (taken from the value's 17 significant
// digits) rounded away from zero: 12.25 -> "12.3", 0.5 -> "1", -2.5 -> "-3",
// -0.28 -> "-0". Non-finite values show as "inf", "-inf" and "nan".
std::string formatFixed(double value, int decimals);

inline std::string formatFixed1(double value) { return formatFixed(value, 1); }
inline std::string formatFixed0(double value) { return formatFixed(value, 0); }

// A CR or LF inside a value would break an INI or list line; they become blanks.
std::string withoutLineBreaks(std::string_view value);

}  // namespace text
