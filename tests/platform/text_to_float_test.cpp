#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <clocale>
#include <cmath>
#include <cstring>
#include <string>
#include <utility>

#include "platform/number_text.h"
#include "tests/platform/comma_locale.h"

namespace zelta {
namespace {

// The ten bytes of an x87 extended value; the rest of a long double is padding.
std::array<unsigned char, 10> Bits(long double value) {
    std::array<unsigned char, 10> bits{};
    std::memcpy(bits.data(), &value, bits.size());
    return bits;
}

std::string Describe(long double value) {
    std::array<char, 64> buffer{};
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::hex).ptr;
    std::string text(buffer.data(), end);
    text += " [";
    const auto bits = Bits(value);
    for (std::size_t i = bits.size(); i-- > 0;) {
        static constexpr char kHex[] = "0123456789abcdef";
        text.push_back(kHex[bits[i] >> 4]);
        text.push_back(kHex[bits[i] & 15]);
    }
    return text + "]";
}

// A zero may come back with either sign; every other value must be the expected one bit for bit.
::testing::AssertionResult SameValue(long double actual, long double expected) {
    if (expected == 0.0L ? actual == 0.0L : Bits(actual) == Bits(expected)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "got " << Describe(actual) << ", expected " << Describe(expected);
}

struct Reading {
    const char* text;
    long double expected;
};

// Resistance and length fields with the comma as decimal separator.
constexpr Reading kCommaReadings[] = {
    // The shapes the fields allow.
    {"0", 0.0L},
    {"7", 7.0L},
    {"+7", 7.0L},
    {"-7,25", -7.25L},
    {"  7  ", 7.0L},
    {",", 0.0L},
    {"-,", 0.0L},
    {"5,", 5.0L},
    {",5", 0.5L},
    {"5e", 5.0L},
    {"5E+", 5.0L},
    {"5e- ", 5.0L},
    {",e7", 0.0L},
    {"12,5E1", 125.0L},
    {"1250e-2", 12.5L},
    {"000000000000000000000000000012,5", 12.5L},
    {"0,0000000000000000000000000125e27", 12.5L},
    {"1e0000000000000000003", 1000.0L},
    {"1e0500", 0xf.9b2ff649b8695d7p+1657L},  // the exponent reaches 500 with its last digit
    // Rounded once, to nearest: the fraction digits are not summed up one by one.
    {"0,1", 0xc.ccccccccccccccdp-7L},
    {"1e-1", 0xc.ccccccccccccccdp-7L},
    {"0,3", 0x9.99999999999999ap-5L},
    {"0,3333333333333333333333333333333333333333", 0xa.aaaaaaaaaaaaaabp-5L},
    {"123456789012345678901234567890", 0xc.77487fb61b9f077p+93L},
    // 64 significand bits: 2^63 - 1 and 2^64 - 1 are exact, 2^64 + 1 and 2^64 + 3 are ties rounded to even.
    {"9223372036854775807", 0xf.ffffffffffffffep+59L},
    {"18446744073709551615", 0xf.fffffffffffffffp+60L},
    {"18446744073709551617", 0x8p+61L},
    {"18446744073709551619", 0x8.000000000000002p+61L},
    // 1 + 2^-64 is a tie (down to even), a digit far behind it decides upwards; 1 + 3 * 2^-64 ties up to
    // even.
    {"1,0000000000000000000542101086242752217003726400434970855712890625", 1.0L},
    {"1,00000000000000000005421010862427522170037264004349708557128906250000000000000001",
     0x8.000000000000001p-3L},
    {"1,0000000000000000001626303258728256651011179201304912567138671875", 0x8.000000000000002p-3L},
    // 19 digits at exponents where scaling by a computed power of ten loses the last bit.
    {"1234567890123456789e4900", 0xb.aeed3b03717d5c1p+16334L},
    {"1234567890123456789e-4940", 0xd.ade7003176d02a9p-16354L},
    {"9999999999999999999e-4950", 0xb.e5b66ecbce0b7bp-16384L},
    {"1e499", 0xc.7c265ea160544acp+1654L},
    {"1e-499", 0xa.40990a804d2811fp-1661L},
    {"1e1000", 0xf.38db1f9dd3dac05p+3318L},
    {"1e-1000", 0x8.68a9188a89e1467p-3325L},
    // The ends of the extended range.
    {"1e4932", 0xd.72cb2a95c7ef6cdp+16380L},
    {"1,18973149535723176502e4932", 0xf.fffffffffffffffp+16380L},
    {"1,18973149535723176505351158982e4932", 0xf.fffffffffffffffp+16380L},  // just below the tie to infinity
    {"0,0001e4935", 0xa.c23c22116cbf8a4p+16377L},
    {"3,3621031431120935063e-4932", 0x8p-16385L},  // the smallest normal value
    {"100000e-4936", 0xb.e5b66ecbce0b7b1p-16384L},
    // Too small for the range reads 0, the values below the smallest normal included.
    {"1e-4940", 0.0L},
    {"1e-4999", 0.0L},
    {"-1e-4999", 0.0L},
    {"0e4999", 0.0L},
};

TEST(TextToFloat, ReadsEveryAcceptedShapeToTheNearestValue) {
    for (const Reading& reading : kCommaReadings) {
        SCOPED_TRACE(reading.text);
        EXPECT_TRUE(SameValue(TextToFloat(reading.text, ","), reading.expected));
    }
}

TEST(TextToFloat, KeepsTheSignOfANegativeNumber) {
    EXPECT_TRUE(std::signbit(TextToFloat("-0,5", ",")));
    EXPECT_FALSE(std::signbit(TextToFloat("+0,5", ",")));
}

std::string ConversionMessage(const std::string& text, std::string_view separator) {
    try {
        TextToFloat(text, separator);
    } catch (const EConvertError& error) {
        return error.what();
    }
    return "(converted)";
}

TEST(TextToFloat, RefusesEverythingElseQuotingTheWholeText) {
    const char* const refused[] = {
        "",
        " ",
        "-",
        "+",
        "e5",
        "E5",
        "-e5",
        "1 2",
        "- 5",
        "--5",
        "+-5",
        "1,5,",
        "1,,5",
        "1e5e",
        "1e5 5",
        "1 e5",
        "1e+-5",
        "1e5,",
        "1.5",  // a full stop is no separator when the comma is
        "\t5",
        "5\t",
        "5\xC2\xA0",  // a no-break space is no blank
        "\xC2\xA0"
        "5",
        "0x10",
        "inf",
        "INF",
        "nan",
        "1_000",
        "5m",
        "\xD9\xA1",  // an Arabic-Indic digit one
        "1e5000",    // a digit left once the exponent reached 500
        "1e-5000",
        "0e5000",
        "1e9999",
        "1e4999",  // beyond the range
        "1e4933",
        "2e4932",
        "-2e4932",
        "1,18973149535723176505351158983e4932",  // just above the tie to infinity
        "0,1e4934",
    };
    for (const char* text : refused) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ConversionMessage(text, ","),
                  std::string("'") + text + "' is not a valid floating point value");
    }
}

TEST(TextToFloat, MessageKeepsBlanksAndTheEmptyText) {
    EXPECT_EQ(ConversionMessage("", ","), "'' is not a valid floating point value");
    EXPECT_EQ(ConversionMessage("  1 2 ", ","), "'  1 2 ' is not a valid floating point value");
    EXPECT_THROW(TextToFloat("x", ","), Exception);
}

struct SeparatorReading {
    const char* text;
    const char* separator;
    long double expected;
};

TEST(TextToFloat, TakesAnySingleCharacterAsDecimalSeparator) {
    const SeparatorReading readings[] = {
        {"1.5", ".", 1.5L},
        {".", ".", 0.0L},
        {"2?25", "?", 2.25L},
        {"?5", "?", 0.5L},
        {"3\xD9\xAB"
         "5",
         "\xD9\xAB", 3.5L},  // U+066B, two bytes
        {"4\xE2\x82\xAC"
         "75",
         "\xE2\x82\xAC", 4.75L},  // U+20AC, three bytes
        {"\xE2\x82\xAC", "\xE2\x82\xAC", 0.0L},
    };
    for (const SeparatorReading& reading : readings) {
        SCOPED_TRACE(reading.text);
        EXPECT_TRUE(SameValue(TextToFloat(reading.text, reading.separator), reading.expected));
    }

    const std::pair<const char*, const char*> refused[] = {
        {"1,5", "."},
        {"2.25", "?"},
        {"3\xD9"
         "5",
         "\xD9\xAB"},  // only the first byte of the separator
        {"3\xD9\xAC"
         "5",
         "\xD9\xAB"},  // another character with the same first byte
        {"4\xE2\x82"
         "75",
         "\xE2\x82\xAC"},
    };
    for (const auto& [text, separator] : refused) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ConversionMessage(text, separator),
                  std::string("'") + text + "' is not a valid floating point value");
    }
}

// The window's toolkit switches the C library to the user's locale at start-up; a comma there must not change
// how a field is read. Runs only where such a locale is installed.
TEST(TextToFloat, IgnoresTheProcessLocale) {
    const test::CommaLocale locale;
    if (locale.Name().empty()) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    EXPECT_TRUE(SameValue(TextToFloat("0.1", "."), 0xc.ccccccccccccccdp-7L)) << locale.Name();
    EXPECT_TRUE(SameValue(TextToFloat("0,1", ","), 0xc.ccccccccccccccdp-7L)) << locale.Name();
    EXPECT_EQ(ConversionMessage("0.1", ","), "'0.1' is not a valid floating point value") << locale.Name();
}

// A field holds at most 32767 characters; the longest texts convert or fail in linear time.
TEST(TextToFloat, LongestTextsAreReadExactlyAndQuickly) {
    constexpr std::size_t kLongest = 32767;
    const std::string tie = "1,0000000000000000000542101086242752217003726400434970855712890625";

    std::string aboveTie = tie + std::string(kLongest - tie.size() - 1, '0') + "1";
    std::string thirds = "0," + std::string(kLongest - 2, '3');
    std::string zeros = "-0," + std::string(kLongest - 3, '0');
    std::string tooLarge(kLongest, '9');
    std::string badEnd = std::string(kLongest - 1, '4') + "x";
    std::string tinyFraction = "0," + std::string(kLongest - 3, '0') + "7";
    ASSERT_EQ(aboveTie.size(), kLongest);
    ASSERT_EQ(tinyFraction.size(), kLongest);

    using Clock = std::chrono::steady_clock;
    Clock::duration slowest{};
    auto timed = [&slowest](auto&& convert) {
        const auto start = Clock::now();
        convert();
        slowest = std::max(slowest, Clock::now() - start);
    };

    timed([&] { EXPECT_TRUE(SameValue(TextToFloat(aboveTie, ","), 0x8.000000000000001p-3L)); });
    timed([&] { EXPECT_TRUE(SameValue(TextToFloat(thirds, ","), 0xa.aaaaaaaaaaaaaabp-5L)); });
    timed([&] { EXPECT_TRUE(SameValue(TextToFloat(zeros, ","), 0.0L)); });
    timed([&] { EXPECT_TRUE(SameValue(TextToFloat(tinyFraction, ","), 0.0L)); });
    timed([&] {
        EXPECT_EQ(ConversionMessage(tooLarge, ","), "'" + tooLarge + "' is not a valid floating point value");
    });
    timed([&] {
        EXPECT_EQ(ConversionMessage(badEnd, ","), "'" + badEnd + "' is not a valid floating point value");
    });

    // Linear work takes well under a millisecond; quadratic work on this length would take about a second.
    EXPECT_LT(slowest, std::chrono::milliseconds(50))
        << std::chrono::duration_cast<std::chrono::microseconds>(slowest).count() << " us";
}

}  // namespace
}  // namespace zelta
