#include "model/HcpLimits.h"

#include "model/Records.h"
#include "text/Encoding.h"
#include "text/Text.h"

using namespace text::literals;

namespace {

constexpr int MaxLimitTenths = 540;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// "12", "12.5" or "12,5" in tenths; nothing for any other word.
std::optional<int> limitInTenths(std::string_view word) {
    int whole = 0;
    std::size_t i = 0;
    for (; i < word.size() && text::isDigit(word[i]); ++i) {
        whole = whole * 10 + (word[i] - '0');
        if (whole > MaxLimitTenths) return std::nullopt;
    }
    if (i == 0) return std::nullopt;
    int tenth = 0;
    if (i < word.size()) {
        if ((word[i] != '.' && word[i] != ',') || i + 2 != word.size() || !text::isDigit(word[i + 1]))
            return std::nullopt;
        tenth = word[i + 1] - '0';
    }
    const int tenths = whole * 10 + tenth;
    if (tenths > MaxLimitTenths) return std::nullopt;
    return tenths;
}

}  // namespace

std::optional<std::vector<int>> readHcpLimits(std::string_view typed) {
    std::vector<int> limits;
    std::size_t i = 0;
    while (i < typed.size()) {
        if (isBlank(typed[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < typed.size() && !isBlank(typed[end])) ++end;
        const std::optional<int> limit = limitInTenths(typed.substr(i, end - i));
        if (!limit || (!limits.empty() && *limit <= limits.back()) || static_cast<int>(limits.size()) == MaxHcpLimits)
            return std::nullopt;
        limits.push_back(*limit);
        i = end;
    }
    return limits;
}

std::string_view hcpLimitsMessage() { return "Handicapgrensene må være stigende tall mellom 0 og 54."_cp1252; }

std::string hcpLimitsText(const std::vector<int>& limits) {
    std::string result;
    for (const int limit : limits) {
        if (!result.empty()) result += ' ';
        result += text::formatInt(limit / 10) + '.' + text::formatInt(limit % 10);
    }
    return result;
}
