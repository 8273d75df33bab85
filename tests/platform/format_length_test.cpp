#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <clocale>
#include <cstdint>
#include <limits>
#include <string>

#include "platform/number_text.h"
#include "tests/platform/comma_locale.h"

namespace zelta {
namespace {

const NumberSeparators kCommaBlank{",", " "};
const NumberSeparators kPointComma{".", ","};

std::string Describe(float value) {
    std::array<char, 32> hex{};
    char* hexEnd = std::to_chars(hex.data(), hex.data() + hex.size(), value, std::chars_format::hex).ptr;
    std::array<char, 16> bits{};
    char* bitsEnd =
        std::to_chars(bits.data(), bits.data() + bits.size(), std::bit_cast<std::uint32_t>(value), 16).ptr;
    return std::string(hex.data(), hexEnd) + " [" + std::string(bits.data(), bitsEnd) + "]";
}

struct Shown {
    float metres;
    const char* text;  // with the comma as decimal and a blank as thousands separator
};

// The float written in each row is the value the calculation hands over, not the literal's decimal value:
// 0.005f is 0.004999999888..., which is why it shows as 0,00.
constexpr Shown kShown[] = {
    {0.0f, "0,00"},
    {-0.0f, "0,00"},
    {0.1f, "0,10"},
    {0.29f, "0,29"},
    {2.5000095f, "2,50"},
    {3333.33325f, "3 333,33"},  // 3333.333251953125
    {49999.996f, "50 000,00"},  // 49999.99609375 rounds up through every digit
    {99.995f, "100,00"},
    {0.995f, "1,00"},
    {0.994999f, "0,99"},
    {0.999f, "1,00"},
    {1.005f, "1,00"},  // 1.00499999523...
    {8.345f, "8,35"},  // 8.34500026702...
    // Exact ties at the cut go away from zero.
    {2.125f, "2,13"},
    {-2.125f, "-2,13"},
    {0.125f, "0,13"},
    {0.375f, "0,38"},
    {1000000.25f, "1 000 000,30"},  // the eighth digit is the first decimal: the cut is there
    {1000000.125f, "1 000 000,10"},
    {1234567.9f, "1 234 567,90"},  // 1234567.875 to eight digits, the second decimal filled with 0
    {4194304.5f, "4 194 304,50"},
    {12345678.0f, "12 345 678,00"},
    {16777216.0f, "16 777 216,00"},
    {99999992.0f, "99 999 992,00"},  // the largest float below 10^8
    // Rounding on the float's own value, not on its shortest decimal.
    {0.005f, "0,00"},
    {0.0050000004f, "0,01"},
    {0.015f, "0,01"},
    {0.01f, "0,01"},
    // Negative values, and no minus sign on what rounds to zero.
    {-1234.5f, "-1 234,50"},
    {-0.01f, "-0,01"},
    {-0.004f, "0,00"},
    {-0.005f, "0,00"},
    {std::numeric_limits<float>::denorm_min(), "0,00"},
    {-std::numeric_limits<float>::denorm_min(), "0,00"},
    {std::numeric_limits<float>::min(), "0,00"},
    // Grouping by threes from the right.
    {123.0f, "123,00"},
    {1000.0f, "1 000,00"},
    {100000.0f, "100 000,00"},
    {1000000.0f, "1 000 000,00"},
    {9999999.5f, "10 000 000,00"},  // the float is 10^7 itself
    // From 10^8 on: eight significant digits at most, no grouping, the exponent as it is.
    {1e8f, "1E8"},
    {99999999.0f, "1E8"},  // no float lies between 99999992 and 10^8
    {123456789.0f, "1,2345679E8"},
    {134217728.0f, "1,3421773E8"},
    {1.5e9f, "1,5E9"},
    {-2.0e10f, "-2E10"},
    {std::numeric_limits<float>::max(), "3,4028235E38"},
    {-std::numeric_limits<float>::max(), "-3,4028235E38"},
    // Not from a calculation, but every bit pattern has a text.
    {std::numeric_limits<float>::infinity(), "INF"},
    {-std::numeric_limits<float>::infinity(), "-INF"},
    {std::numeric_limits<float>::quiet_NaN(), "NAN"},
    {std::bit_cast<float>(0xFFC00000u), "NAN"},
    {std::bit_cast<float>(0x7F800001u), "NAN"},
};

TEST(FormatLength, RoundsToEightDigitsAndTwoDecimals) {
    for (const Shown& shown : kShown) {
        SCOPED_TRACE(Describe(shown.metres));
        EXPECT_EQ(FormatLength(shown.metres, kCommaBlank), shown.text);
    }
}

// Swapping the roles of the two characters changes nothing else.
TEST(FormatLength, FullStopAndCommaLocaleWritesTheSameDigits) {
    for (const Shown& shown : kShown) {
        SCOPED_TRACE(Describe(shown.metres));
        std::string expected = shown.text;
        for (char& c : expected) {
            c = c == ',' ? '.' : c == ' ' ? ',' : c;
        }
        EXPECT_EQ(FormatLength(shown.metres, kPointComma), expected);
    }
    EXPECT_EQ(FormatLength(3333.33325f, kPointComma), "3,333.33");
    EXPECT_EQ(FormatLength(123456789.0f, kPointComma), "1.2345679E8");
}

struct Grouped {
    float metres;
    NumberSeparators separators;
    const char* text;
};

TEST(FormatLength, WritesWhateverSeparatorsTheLocaleHas) {
    const Grouped grouped[] = {
        {1234567.9f, {",", ""}, "1234567,90"},  // no thousands character at all
        {1234.5f, {",", ""}, "1234,50"},
        {1234567.9f,
         {",", "\xC2\xA0"},
         "1\xC2\xA0"
         "234\xC2\xA0"
         "567,90"},  // a no-break space, two bytes
        {-1234.5f,
         {"\xD9\xAB", "\xD9\xAC"},
         "-1\xD9\xAC"
         "234\xD9\xAB"
         "50"},  // Arabic decimal and thousands separators
        {1234567.9f, {"?", "~"}, "1~234~567?90"},
        {0.5f, {"?", "~"}, "0?50"},
        {-0.001f, {"?", "~"}, "0?00"},
        {123456789.0f, {"?", "~"}, "1?2345679E8"},
        {1e8f, {"?", "~"}, "1E8"},
    };
    for (const Grouped& g : grouped) {
        SCOPED_TRACE(g.text);
        EXPECT_EQ(FormatLength(g.metres, g.separators), g.text);
    }
}

// The window's toolkit switches the C library to the user's locale at start-up; only the separators passed in
// may show. Runs only where a locale with a decimal comma is installed.
TEST(FormatLength, IgnoresTheProcessLocale) {
    const test::CommaLocale locale;
    if (locale.Name().empty()) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    EXPECT_EQ(FormatLength(3333.33325f, kPointComma), "3,333.33") << locale.Name();
    EXPECT_EQ(FormatLength(123456789.0f, kPointComma), "1.2345679E8") << locale.Name();
}

}  // namespace
}  // namespace zelta
