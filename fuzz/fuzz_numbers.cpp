// Reading and showing numbers: no input reads outside its text or overflows, a number shown
// reads back as itself, and a decimal shown with k decimals is within half a unit of it.
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz/Checks.h"

namespace {

void checkIntegers(std::string_view input) {
    const int value = text::readInt(input);
    if (text::readInt(text::formatInt(value)) != value) fuzzcheck::require("an integer does not read back as shown");

    std::array<int, 18> numbers{};
    const int count = text::scanInts(input, numbers.data(), static_cast<int>(numbers.size()));
    if (count < 0 || count > 18) fuzzcheck::require("scanInts counts outside its capacity");
    if (count > 0 && numbers[0] != value) fuzzcheck::require("the first scanned number is not the leading integer");
    std::string shown;
    for (int i = 0; i < count; ++i) shown += text::formatInt(numbers[i]) + " ";
    std::array<int, 18> again{};
    if (text::scanInts(shown, again.data(), 18) != count || again != numbers) {
        fuzzcheck::require("scanned numbers do not read back as shown");
    }
}

void checkDecimal(std::string_view input, int decimals) {
    const double value = text::readDecimal(input);
    if (!std::isfinite(value)) fuzzcheck::require("readDecimal gave a number that is not finite");
    const std::string shown = text::formatFixed(value, decimals);
    const double back = text::readDecimal(shown);
    const int kept = std::clamp(decimals, 0, 17);
    const double halfUnit = 0.5 * std::pow(10.0, -kept);
    if (std::fabs(back - value) > halfUnit * (1 + 1e-9) + std::fabs(value) * 1e-15) {
        fuzzcheck::require("formatFixed(" + std::to_string(decimals) + ") is more than half a unit off: " + shown);
    }
    const std::size_t point = shown.find('.');
    const std::size_t decimalsShown = point == std::string::npos ? 0 : shown.size() - point - 1;
    if (decimalsShown != static_cast<std::size_t>(kept)) fuzzcheck::require("formatFixed shows the wrong decimals");
    const float narrowed = text::toFloat(value);
    if (!std::isfinite(narrowed)) fuzzcheck::require("toFloat gave a number that is not finite");
}

void checkDoubleBits(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double) + 1) return;
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    const int decimals = static_cast<std::int8_t>(data[sizeof(double)]);
    const std::string shown = text::formatFixed(value, decimals);
    if (std::isnan(value) != (shown == "nan")) fuzzcheck::require("NaN is not shown as nan");
    (void)text::toFloat(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    checkIntegers(input);
    checkDecimal(input, size > 0 ? data[size - 1] % 4 : 1);
    checkDoubleBits(data, size);
    (void)text::cut(input);
    (void)text::cut(input, size / 2);
    return 0;
}
