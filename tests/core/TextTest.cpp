#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <climits>
#include <clocale>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>

#include "text/Encoding.h"
#include "text/Text.h"

using namespace text::literals;

TEST(NumberShowing, ExactHalvesRoundAwayFromZero) {
    EXPECT_EQ(text::formatFixed1(12.25), "12.3");
    EXPECT_EQ(text::formatFixed1(17.46f), "17.5");
    EXPECT_EQ(text::formatFixed1(-12.25), "-12.3");
    EXPECT_EQ(text::formatFixed0(0.5), "1");
    EXPECT_EQ(text::formatFixed0(2.5), "3");
    EXPECT_EQ(text::formatFixed0(-2.5), "-3");
    EXPECT_EQ(text::formatFixed0(1.4999), "1");
}

TEST(NumberShowing, SmallNegativesKeepTheirSign) {
    EXPECT_EQ(text::formatFixed0(-0.28), "-0");
    EXPECT_EQ(text::formatFixed1(-0.04), "-0.0");
    EXPECT_EQ(text::formatFixed1(0.0), "0.0");
}

TEST(NumberShowing, WholeNumbersAndCarries) {
    EXPECT_EQ(text::formatInt(0), "0");
    EXPECT_EQ(text::formatInt(-17), "-17");
    EXPECT_EQ(text::formatInt(INT_MIN), "-2147483648");
    EXPECT_EQ(text::formatFixed1(9.96), "10.0");
    EXPECT_EQ(text::formatFixed1(99.95), "100.0");
    EXPECT_EQ(text::formatFixed1(54), "54.0");
}

TEST(NumberReading, IntegersTakeTheLeadingDigitsAndSaturate) {
    EXPECT_EQ(text::readInt("  42abc"), 42);
    EXPECT_EQ(text::readInt("+7"), 7);
    EXPECT_EQ(text::readInt("-13 14"), -13);
    EXPECT_EQ(text::readInt(""), 0);
    EXPECT_EQ(text::readInt("-"), 0);
    EXPECT_EQ(text::readInt("abc"), 0);
    EXPECT_EQ(text::readInt("2147483647"), INT_MAX);
    EXPECT_EQ(text::readInt("2147483648"), INT_MAX);
    EXPECT_EQ(text::readInt("99999999999999999999999"), INT_MAX);
    EXPECT_EQ(text::readInt("-2147483648"), INT_MIN);
    EXPECT_EQ(text::readInt("-99999999999999999999999"), INT_MIN);
}

TEST(NumberReading, DecimalsStopAtACommaAndKnowNoSpecialWords) {
    EXPECT_DOUBLE_EQ(text::readDecimal("71.3"), 71.3);
    EXPECT_DOUBLE_EQ(text::readDecimal("71,3"), 71.0);
    EXPECT_DOUBLE_EQ(text::readDecimal(" -.5x"), -0.5);
    EXPECT_DOUBLE_EQ(text::readDecimal("1e2"), 100.0);
    EXPECT_DOUBLE_EQ(text::readDecimal("2.5E-1"), 0.25);
    EXPECT_DOUBLE_EQ(text::readDecimal("3e"), 3.0);
    EXPECT_DOUBLE_EQ(text::readDecimal("inf"), 0.0);
    EXPECT_DOUBLE_EQ(text::readDecimal("nan"), 0.0);
    EXPECT_DOUBLE_EQ(text::readDecimal("0x10"), 0.0);
    EXPECT_DOUBLE_EQ(text::readDecimal("."), 0.0);
    EXPECT_DOUBLE_EQ(text::readDecimal("1e999"), DBL_MAX);
    EXPECT_DOUBLE_EQ(text::readDecimal("-1e999"), -DBL_MAX);
    EXPECT_DOUBLE_EQ(text::readDecimal("1e-999"), 0.0);
    EXPECT_EQ(text::toFloat(text::readDecimal("1e300")), FLT_MAX);
    EXPECT_EQ(text::toFloat(std::nan("")), 0.0f);
}

TEST(NumberReading, ScanIntsFillsOnlyTheNumbersPresent) {
    int values[5] = {9, 9, 9, 9, 9};
    EXPECT_EQ(text::scanInts("4 5\t3", values, 5), 3);
    EXPECT_EQ(values[2], 3);
    EXPECT_EQ(values[3], 9);
    EXPECT_EQ(text::scanInts("1,2", values, 5), 1);
    EXPECT_EQ(text::scanInts("x 1", values, 5), 0);
    EXPECT_EQ(text::scanInts("1 2 3 4 5 6 7", values, 5), 5);
    EXPECT_EQ(values[4], 5);
}

TEST(Texts, CutKeepsFortyNineCharactersAndLineBreaksBecomeBlanks) {
    EXPECT_EQ(text::cut(std::string(60, 'x')), std::string(49, 'x'));
    EXPECT_EQ(text::cut("kort"), "kort");
    EXPECT_EQ(text::withoutLineBreaks("a\r\nb\nc"), "a  b c");
}

TEST(Texts, CaseFoldJoinsEveryLetterPairOfTheCodePageAndNothingElse) {
    // Capital and small letter; every other byte folds to itself.
    std::array<unsigned char, 256> small{};
    for (int b = 0; b < 256; ++b) small[b] = static_cast<unsigned char>(b);
    for (int b = 'A'; b <= 'Z'; ++b) small[b] = static_cast<unsigned char>(b + 0x20);
    for (int b = 0xC0; b <= 0xDE; ++b) small[b] = static_cast<unsigned char>(b == 0xD7 ? b : b + 0x20);
    const std::pair<int, int> others[] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}};
    for (auto [capital, letter] : others) small[capital] = static_cast<unsigned char>(letter);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(static_cast<unsigned char>(text::foldCase(static_cast<char>(b))), small[b]) << "byte " << b;
    EXPECT_TRUE(text::sameLettersIgnoringCase("\x8Aibenik \xC6R\xD8", "\x9AIBENIK \xE6r\xF8"));
    EXPECT_FALSE(text::sameLettersIgnoringCase("Sola", "Sola GK"));
}

// The program's texts are written in UTF-8 and kept as Windows-1252; the build makes the bytes.
static_assert("Ikke fullført"_cp1252 == "Ikke fullf\xF8rt");
static_assert(""_cp1252.empty());

TEST(Texts, Windows1252LiteralsHoldTheCodePageBytesOfTheirUtf8) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"blåbær"_cp1252,
         "bl\xE5"
         "b\xE6r"},
        {"Ærø Åsgård Øst"_cp1252, "\xC6r\xF8 \xC5sg\xE5rd \xD8st"},
        {"«Bane» – én tee"_cp1252,
         "\xAB"
         "Bane\xBB \x96 \xE9n tee"},
    };
    for (const auto& [literal, bytes] : cases) {
        EXPECT_EQ(literal, bytes);
        EXPECT_EQ(text::exactWindows1252FromUtf8(text::utf8FromWindows1252(bytes)), literal);
    }
}

// Sets a locale for one test and puts the previous one back, also when an assertion ends the test.
class ScopedLocale {
public:
    explicit ScopedLocale(const char* name) : previous_(std::setlocale(LC_ALL, nullptr)) {
        active_ = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~ScopedLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    bool active() const { return active_; }

private:
    std::string previous_;
    bool active_ = false;
};

// Qt switches the C library to the user's locale; with a decimal comma, the figures in
// files and on screen must come out the same.
TEST(NumbersUnderADecimalCommaLocale, ReadAndShowAsInTheCLocale) {
    const ScopedLocale norwegian("nb_NO.UTF-8");
    if (!norwegian.active()) GTEST_SKIP() << "nb_NO.UTF-8 locale not installed";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(text::formatFixed1(12.25), "12.3");
    EXPECT_EQ(text::formatFixed0(-2.5), "-3");
    EXPECT_EQ(text::formatInt(-1234567), "-1234567");
    EXPECT_DOUBLE_EQ(text::readDecimal("71.3"), 71.3);
    EXPECT_DOUBLE_EQ(text::readDecimal("71,3"), 71.0);
    EXPECT_EQ(text::readInt("1234567"), 1234567);
}
