// Any float a length can hold, formatted with the separators of several locales: the text is the same on
// every call, equals the text an independent rounding gives, and reads back (thousands characters taken out)
// to the rounded value.
//
// Input: the first byte picks the separators ("0" to "4" in the order of kSeparatorSets, any other byte by
// its value); then either eight hex digits, the float's bits as written
// ("3F800000" is 1.0), or else the next four bytes as they stand (little-endian, missing bytes 0).

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/errors.h"
#include "fuzz/fuzz_check.h"
#include "platform/number_text.h"

namespace {

using zelta::NumberSeparators;
using zelta::fuzz::Check;
using zelta::fuzz::Describe;
using zelta::fuzz::Quote;
using zelta::fuzz::SameBits;

// Comma and blank, full stop and comma, a comma and no grouping, and two multi-byte ones (the Arabic
// decimal separator with the Arabic thousands separator; a comma with the narrow no-break space).
const NumberSeparators kSeparatorSets[] = {
    {",", " "}, {".", ","}, {",", ""}, {"\xD9\xAB", "\xD9\xAC"}, {",", "\xE2\x80\xAF"},
};

int HexValue(std::uint8_t c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::uint32_t BitsFrom(const std::uint8_t* data, std::size_t size) {
    if (size >= 8) {
        std::uint32_t bits = 0;
        bool hex = true;
        for (std::size_t i = 0; i < 8 && hex; ++i) {
            const int digit = HexValue(data[i]);
            hex = digit >= 0;
            bits = bits << 4 | static_cast<std::uint32_t>(digit < 0 ? 0 : digit);
        }
        if (hex) {
            return bits;
        }
    }
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4 && i < size; ++i) {
        bits |= static_cast<std::uint32_t>(data[i]) << (8 * i);
    }
    return bits;
}

std::uint64_t PowerOfTen(int exponent) {
    std::uint64_t power = 1;
    for (int i = 0; i < exponent; ++i) {
        power *= 10;
    }
    return power;
}

std::string Grouped(const std::string& digits, const std::string& thousands) {
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += thousands;
        }
        grouped.push_back(digits[i]);
    }
    return grouped;
}

// The length rounded as the result line shows it, worked out with integers on the 18 significant digits
// that printf gives: kept digits `kept` times 10^`power`, and the text that shows them.
struct Rounded {
    std::uint64_t kept = 0;
    int power = 0;
    bool negative = false;
    std::string text;
};

Rounded RoundAndWrite(float metres, const NumberSeparators& separators) {
    Rounded rounded;
    if (std::isnan(metres)) {
        rounded.text = "NAN";
        return rounded;
    }
    if (std::isinf(metres)) {
        rounded.text = metres < 0 ? "-INF" : "INF";
        return rounded;
    }
    // d.ddddddddddddddddde±x: 18 significant digits of the exact binary value, correctly rounded.
    char expansion[40];
    std::snprintf(expansion, sizeof expansion, "%.17e", std::fabs(static_cast<double>(metres)));
    std::uint64_t digits = 0;
    const char* p = expansion;
    for (; *p != 'e'; ++p) {
        if (*p != '.') {
            digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
        }
    }
    const int leading = std::atoi(p + 1);  // the power of ten of the first digit
    // The last digit kept: the eighth significant one, or the second decimal if that comes first.
    rounded.power = std::max(leading - 7, -2);
    const int dropped = rounded.power - (leading - 17);  // 10 or more
    if (dropped <= 19) {
        const std::uint64_t unit = PowerOfTen(dropped);  // up to 10^19, below 2^64
        rounded.kept = digits / unit + (digits % unit >= unit / 2 ? 1 : 0);
    }
    rounded.negative = std::signbit(metres) && rounded.kept != 0;

    const std::string sign = rounded.negative ? "-" : "";
    if (rounded.kept == 0) {
        rounded.text = "0" + separators.decimal + "00";
        return rounded;
    }
    // A value of 10^8 or more is written with an exponent, its trailing zeros dropped.
    const std::string keptDigits = std::to_string(rounded.kept);
    const int exponent = rounded.power + static_cast<int>(keptDigits.size()) - 1;
    if (exponent >= 8) {
        const std::string significant = keptDigits.substr(0, keptDigits.find_last_not_of('0') + 1);
        rounded.text = sign + significant.substr(0, 1);
        if (significant.size() > 1) {
            rounded.text += separators.decimal + significant.substr(1);
        }
        rounded.text += "E" + std::to_string(exponent);
        return rounded;
    }
    // Hundredths: power is -2 or more here and the value below 10^8, so this fits easily.
    const std::uint64_t hundredths = rounded.kept * PowerOfTen(rounded.power + 2);
    const std::string cents = std::to_string(hundredths % 100);
    rounded.text = sign + Grouped(std::to_string(hundredths / 100), separators.thousands) +
                   separators.decimal + (cents.size() < 2 ? "0" : "") + cents;
    return rounded;
}

std::string WithoutThousands(std::string text, const std::string& thousands) {
    if (thousands.empty()) {
        return text;
    }
    for (std::size_t at = text.find(thousands); at != std::string::npos; at = text.find(thousands, at)) {
        text.erase(at, thousands.size());
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const std::size_t set = data[0] >= '0' && data[0] < '0' + std::size(kSeparatorSets)
                                ? data[0] - '0'
                                : data[0] % std::size(kSeparatorSets);
    const NumberSeparators& separators = kSeparatorSets[set];
    const float metres = std::bit_cast<float>(BitsFrom(data + 1, size - 1));
    const Rounded expected = RoundAndWrite(metres, separators);

    const std::string text = zelta::FormatLength(metres, separators);
    auto describe = [&] {
        char bits[16];
        std::snprintf(bits, sizeof bits, "%08X", std::bit_cast<std::uint32_t>(metres));
        return std::string("float ") + bits + " (" + std::to_string(metres) + "), separators " +
               Quote(separators.decimal) + " " + Quote(separators.thousands) + ", got " + Quote(text) +
               ", expected " + Quote(expected.text);
    };
    Check(zelta::FormatLength(metres, separators) == text, "the same length gives the same text", describe);
    Check(text == expected.text, "the text shows the length rounded and grouped as the result line does",
          describe);
    if (!std::isfinite(metres)) {
        return 0;
    }

    // Read back as a field would read it, it is the rounded value.
    const std::string plain =
        (expected.negative ? "-" : "") + std::to_string(expected.kept) + "e" + std::to_string(expected.power);
    const long double roundedValue = std::strtold(plain.c_str(), nullptr);
    try {
        const long double readBack =
            zelta::TextToFloat(WithoutThousands(text, separators.thousands), separators.decimal);
        Check(SameBits(readBack, roundedValue), "the text reads back to the rounded value", [&] {
            return describe() + ", read back " + Describe(readBack) + ", rounded " + plain + " = " +
                   Describe(roundedValue);
        });
    } catch (const zelta::EConvertError& error) {
        Check(false, "the text reads back", [&] { return describe() + ": " + error.what(); });
    }
    return 0;
}
