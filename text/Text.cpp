#include "text/Text.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace text {

namespace {

bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

inline const char* skipBlanks(const char* p, const char* end) {
    while (p != end && isBlank(*p)) ++p;
    return p;
}

// Reads an optionally signed run of digits at `p`; answers where it ends, or nothing when
// no digit is there.
inline const char* readIntAt(const char* p, const char* end, int& result) {
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) negative = *p++ == '-';
    if (p == end || !isDigit(*p)) return nullptr;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    // Once past the limit the value stays there, whatever digits follow.
    for (; p != end && isDigit(*p); ++p) {
        if (magnitude < limit) magnitude = magnitude * 10 + (*p - '0');
    }
    magnitude = std::min(magnitude, limit);
    result = static_cast<int>(negative ? -magnitude : magnitude);
    return p;
}

// A decimal of at most 15 digits and no exponent ("71.3") as its digits divided by a power
// of ten. Both are exact doubles, so the one rounding of the division gives the nearest
// double, as from_chars does, at a fraction of its cost. Only where doubles are computed
// as doubles; elsewhere from_chars reads every number.
std::optional<double> shortDecimal(std::string_view number) {
#if FLT_EVAL_METHOD == 0
    static constexpr std::array<double, 16> PowersOfTen{1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::uint64_t digits = 0;
    int count = 0;
    int fraction = 0;
    bool afterPoint = false;
    for (char c : number) {
        if (c == '.') {
            afterPoint = true;
            continue;
        }
        if (!isDigit(c) || ++count > 15) return std::nullopt;
        digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
        fraction += afterPoint ? 1 : 0;
    }
    return static_cast<double>(digits) / PowersOfTen[fraction];
#else
    (void)number;
    return std::nullopt;
#endif
}

// clang-format on

}  // namespace

std::string cut(std::string_view value, std::size_t maxLength) {
    return std::string(value.substr(0, std::min(value.size(), maxLength)));
}

int readInt(std::string_view value) {
    const char* const end = value.data() + value.size();
    int result = 0;
    return readIntAt(skipBlanks(value.data(), end), end, result) ? result : 0;
}

double readDecimal(std::string_view value) {
    std::size_t p = static_cast<std::size_t>(skipBlanks(value.data(), value.data() + value.size()) - value.data());
    bool negative = false;
    if (p < value.size() && (value[p] == '+' || value[p] == '-')) negative = value[p++] == '-';
    const std::size_t start = p;
    while (p < value.size() && isDigit(value[p])) ++p;
    bool anyDigit = p > start;
    if (p < value.size() && value[p] == '.') {
        ++p;
        const std::size_t fraction = p;
        while (p < value.size() && isDigit(value[p])) ++p;
        anyDigit = anyDigit || p > fraction;
    }
    if (!anyDigit) return 0.0;
    if (p < value.size() && (value[p] == 'e' || value[p] == 'E')) {
        std::size_t e = p + 1;
        if (e < value.size() && (value[e] == '+' || value[e] == '-')) ++e;
        if (e < value.size() && isDigit(value[e])) {
            while (e < value.size() && isDigit(value[e])) ++e;
            p = e;
        }
    }
    if (const std::optional<double> exact = shortDecimal(value.substr(start, p - start))) {
        return negative ? -*exact : *exact;
    }
    double result = 0.0;
    const auto [end, error] = std::from_chars(value.data() + start, value.data() + p, result,
                                              std::chars_format::general);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Too large saturates; too small is zero. Tell them apart by the exponent's sign.
        const std::string_view digits = value.substr(start, p - start);
        const auto ePos = digits.find_first_of("eE");
        const bool tiny = ePos != std::string_view::npos && ePos + 1 < digits.size() && digits[ePos + 1] == '-';
        result = tiny ? 0.0 : DBL_MAX;
    } else if (error != std::errc()) {
        result = 0.0;
    }
    return negative ? -result : result;
}

int scanInts(std::string_view value, int* out, int capacity) {
    const char* p = value.data();
    const char* const end = p + value.size();
    int count = 0;
    while (count < capacity) {
        int number = 0;
        p = readIntAt(skipBlanks(p, end), end, number);
        if (!p) break;
        out[count++] = number;
    }
    return count;
}

float toFloat(double value) {
    if (std::isnan(value)) return 0.0f;
    if (value > FLT_MAX) return FLT_MAX;
    if (value < -FLT_MAX) return -FLT_MAX;
    return static_cast<float>(value);
}

std::string formatInt(long long value) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string formatFixed(double value, int decimals) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    decimals = std::clamp(decimals, 0, 17);

    // The value's 17 significant digits and its decimal exponent: d.dddddddddddddddde+XX.
    std::array<char, 40> buffer{};
    const auto printed = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                       std::chars_format::scientific, 16);
    const std::string_view sci(buffer.data(), printed.ptr - buffer.data());
    std::string digits;
    digits.reserve(17);
    for (char c : sci.substr(0, sci.find('e'))) {
        if (isDigit(c)) digits += c;
    }
    const int exponent = readInt(sci.substr(sci.find('e') + 1));

    // Digits kept: those before the point (exponent + 1) and the decimals.
    const int kept = exponent + 1 + decimals;
    std::string rounded;  // the kept digits, standing for the value times 10^decimals
    if (kept < 0 || (value == 0.0)) {
        rounded = "0";
    } else {
        const bool roundUp = kept < static_cast<int>(digits.size()) && digits[kept] >= '5';
        rounded = digits.substr(0, std::min<std::size_t>(kept, digits.size()));
        rounded.append(kept > static_cast<int>(digits.size()) ? kept - digits.size() : 0, '0');
        if (rounded.empty()) rounded = "0";
        if (roundUp) {
            int i = static_cast<int>(rounded.size()) - 1;
            for (; i >= 0 && rounded[i] == '9'; --i) rounded[i] = '0';
            if (i >= 0) ++rounded[i];
            else rounded.insert(rounded.begin(), '1');
        }
    }
    if (static_cast<int>(rounded.size()) <= decimals) {
        rounded.insert(rounded.begin(), decimals + 1 - rounded.size(), '0');
    }
    std::string result = std::signbit(value) ? "-" : "";
    result += rounded.substr(0, rounded.size() - decimals);
    if (decimals > 0) {
        result += '.';
        result += rounded.substr(rounded.size() - decimals);
    }
    return result;
}

std::string withoutLineBreaks(std::string_view value) {
    std::string result(value);
    std::replace_if(
        result.begin(), result.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return result;
}

double readHandicapIndex(std::string_view typed) {
    std::string number(typed);
    std::size_t at = number.find_first_not_of(" \t");
    const bool plus = at != std::string::npos && number[at] == '+';
    if (at != std::string::npos && (number[at] == '-' || plus)) ++at;
    at = at == std::string::npos ? at : number.find_first_not_of("0123456789", at);
    if (at != std::string::npos && number[at] == ',') number[at] = '.';
    const double value = readDecimal(number);
    // A plus handicap of 0 is the index 0, not -0.
    return plus && value != 0.0 ? -value : value;
}

}  // namespace text
