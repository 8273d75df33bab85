#include "platform/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

namespace zelta {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The exponent's digits are read only while its value stays below this; one more digit after it makes the
// text invalid, so "1e5000" is refused while "1e4999" is read (and then found beyond the range).
constexpr int kExponentReadLimit = 500;

// Decimal magnitudes (exponent of the leading significant digit) outside these can never give a finite,
// normal extended value: the largest is about 1.19e4932, the smallest normal about 3.36e-4932. Inside them
// the exact conversion decides.
constexpr std::int64_t kLargestMagnitude = 4932;
constexpr std::int64_t kSmallestMagnitude = -4933;

// 10^0 to 10^27, each exact: 10^27 = 2^27 * 5^27 and 5^27 < 2^64 fits the extended mantissa.
constexpr std::array<long double, 28> kExactPowersOfTen = [] {
    std::array<long double, 28> powers{};
    long double power = 1.0L;
    for (long double& entry : powers) {
        entry = power;
        power *= 10.0L;
    }
    return powers;
}();
constexpr std::size_t kExactDigits = 19;  // any 19-digit integer is below 2^64

[[noreturn]] void Refuse(std::string_view text) {
    throw EConvertError(std::string(text));
}

}  // namespace

long double TextToFloat(std::string_view text, std::string_view decimalSeparator) {
    const std::size_t n = text.size();
    std::size_t pos = 0;
    while (pos < n && text[pos] == ' ') {
        ++pos;
    }

    bool negative = false;
    if (pos < n && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }

    const std::size_t integerBegin = pos;
    while (pos < n && IsDigit(text[pos])) {
        ++pos;
    }
    const std::string_view integerDigits = text.substr(integerBegin, pos - integerBegin);

    bool hasSeparator = false;
    std::string_view fractionDigits;
    if (!decimalSeparator.empty() && text.substr(pos).starts_with(decimalSeparator)) {
        hasSeparator = true;
        pos += decimalSeparator.size();
        const std::size_t fractionBegin = pos;
        while (pos < n && IsDigit(text[pos])) {
            ++pos;
        }
        fractionDigits = text.substr(fractionBegin, pos - fractionBegin);
    }
    if (integerDigits.empty() && !hasSeparator) {
        Refuse(text);
    }

    // A bare exponent letter, or one with a bare sign, reads as the exponent 0: "5e" is 5.
    std::int64_t exponent = 0;
    if (pos < n && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        bool exponentNegative = false;
        if (pos < n && (text[pos] == '+' || text[pos] == '-')) {
            exponentNegative = text[pos] == '-';
            ++pos;
        }
        int value = 0;
        while (pos < n && IsDigit(text[pos])) {
            if (value >= kExponentReadLimit) {
                Refuse(text);
            }
            value = value * 10 + (text[pos] - '0');
            ++pos;
        }
        exponent = exponentNegative ? -value : value;
    }

    while (pos < n && text[pos] == ' ') {
        ++pos;
    }
    if (pos != n) {
        Refuse(text);
    }

    // The significant digits alone, with the net power of ten of the last one: value = digits * 10^scale.
    // Copied in whole runs: a field may hold tens of thousands of digits.
    std::string digits;
    digits.reserve(integerDigits.size() + fractionDigits.size() + 32);
    if (negative) {
        digits.push_back('-');
    }
    const std::size_t signLength = digits.size();
    digits.append(integerDigits);
    digits.append(fractionDigits);
    const std::size_t first = digits.find_first_not_of('0', signLength);
    if (first == std::string::npos) {
        return negative ? -0.0L : 0.0L;
    }
    const std::size_t last = digits.find_last_not_of('0');
    std::int64_t scale = exponent - static_cast<std::int64_t>(fractionDigits.size()) +
                         static_cast<std::int64_t>(digits.size() - 1 - last);
    digits.resize(last + 1);
    digits.erase(signLength, first - signLength);
    const std::size_t significantCount = digits.size() - signLength;

    const std::int64_t magnitude = scale + static_cast<std::int64_t>(significantCount) - 1;
    if (magnitude > kLargestMagnitude) {
        Refuse(text);
    }
    if (magnitude < kSmallestMagnitude) {
        return negative ? -0.0L : 0.0L;
    }

    // The common case, short digits and a small power of ten: both factors are exact, so the one product or
    // quotient is the correctly rounded value (and the page converts every row on every pass).
    if (significantCount <= kExactDigits && scale >= -27 && scale <= 27) {
        std::uint64_t integer = 0;
        for (std::size_t i = signLength; i < digits.size(); ++i) {
            integer = integer * 10 + static_cast<std::uint64_t>(digits[i] - '0');
        }
        const long double exact = static_cast<long double>(integer);
        const long double value = scale >= 0 ? exact * kExactPowersOfTen[static_cast<std::size_t>(scale)]
                                             : exact / kExactPowersOfTen[static_cast<std::size_t>(-scale)];
        return negative ? -value : value;
    }

    // Rewritten as "-d.ddde<magnitude>" so that the one correctly rounded conversion sees a short exponent
    // whatever the digit count; it reads no locale.
    if (significantCount > 1) {
        digits.insert(signLength + 1, 1, '.');
    }
    std::array<char, 24> exponentText{};
    exponentText[0] = 'e';
    const auto exponentEnd =
        std::to_chars(exponentText.data() + 1, exponentText.data() + exponentText.size(), magnitude);
    digits.append(exponentText.data(), exponentEnd.ptr);

    long double result = 0.0L;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), result);
    if (error == std::errc::result_out_of_range) {
        // Reported alike for a value beyond the largest and one below the smallest normal; the magnitude
        // tells them apart. A value too small for the extended range reads as 0.
        if (magnitude > 0) {
            Refuse(text);
        }
        return negative ? -0.0L : 0.0L;
    }
    if (error != std::errc() || end != digits.data() + digits.size()) {
        Refuse(text);
    }
    return result;
}

namespace {

// The value's decimal expansion rounded to 18 significant digits: value = 0.d1d2...d18 * 10^(exponent + 1),
// that is d1 stands at 10^exponent.
struct Expansion {
    std::array<char, 18> digits{};
    int exponent = 0;
};

Expansion ExpandTo18Digits(float magnitude) {
    // A float converts to double exactly; the double's conversion with 17 digits after the point is correctly
    // rounded from the exact binary value and independent of any locale.
    std::array<char, 40> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<double>(magnitude),
                      std::chars_format::scientific, 17);
    (void)error;  // 40 characters always hold "d.<17 digits>e-324".
    Expansion expansion;
    const char* p = buffer.data();
    expansion.digits[0] = *p++;
    ++p;  // the point
    for (std::size_t i = 1; i < expansion.digits.size(); ++i) {
        expansion.digits[i] = *p++;
    }
    ++p;  // 'e'
    const bool negativeExponent = *p == '-';
    ++p;
    int exponent = 0;
    std::from_chars(p, static_cast<const char*>(end), exponent);
    expansion.exponent = negativeExponent ? -exponent : exponent;
    return expansion;
}

std::string GroupByThrees(const std::string& integerPart, const std::string& thousands) {
    std::string grouped;
    grouped.reserve(integerPart.size() * (1 + thousands.size()));
    for (std::size_t i = 0; i < integerPart.size(); ++i) {
        if (i > 0 && (integerPart.size() - i) % 3 == 0) {
            grouped += thousands;
        }
        grouped.push_back(integerPart[i]);
    }
    return grouped;
}

constexpr int kSignificantDigits = 8;
constexpr int kDecimals = 2;
// From 10^8 on a length is written with an exponent instead of a grouped integer part.
constexpr int kFirstExponentForm = 8;

}  // namespace

std::string FormatLength(float metres, const NumberSeparators& separators) {
    if (std::isnan(metres)) {
        return "NAN";
    }
    const bool negative = std::signbit(metres);
    if (std::isinf(metres)) {
        return negative ? "-INF" : "INF";
    }

    const Expansion expansion = ExpandTo18Digits(std::fabs(metres));
    int exponent = expansion.exponent;

    // Digits kept: at most 8 significant ones, and none beyond the second decimal (10^-2 is digit number
    // exponent + 2 counted from 0). The first dropped digit decides: 5 and more rounds away from zero.
    const int keep = std::min(kSignificantDigits, exponent + 1 + kDecimals);
    std::string kept;
    if (keep >= 0) {
        kept.assign(expansion.digits.begin(), expansion.digits.begin() + keep);
        if (expansion.digits[static_cast<std::size_t>(keep)] >= '5') {
            int i = keep - 1;
            while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') {
                kept[static_cast<std::size_t>(i)] = '0';
                --i;
            }
            if (i >= 0) {
                ++kept[static_cast<std::size_t>(i)];
            } else {
                // Carried into a new leading digit: 9.996 becomes 10.00, 0.0051 becomes 0.01.
                kept.insert(kept.begin(), '1');
                ++exponent;
            }
        }
    }
    if (kept.find_first_not_of('0') == std::string::npos) {
        return "0" + separators.decimal + std::string(kDecimals, '0');
    }

    std::string text = negative ? "-" : "";
    auto digitAt = [&kept, &exponent](int power) {
        const int index = exponent - power;
        return index >= 0 && index < static_cast<int>(kept.size()) ? kept[static_cast<std::size_t>(index)]
                                                                   : '0';
    };

    if (exponent >= kFirstExponentForm) {
        const std::size_t last = kept.find_last_not_of('0');
        text.push_back(kept[0]);
        if (last > 0) {
            text += separators.decimal;
            text.append(kept, 1, last);
        }
        text.push_back('E');
        text += std::to_string(exponent);
        return text;
    }

    std::string integerPart;
    for (int power = exponent; power >= 0; --power) {
        integerPart.push_back(digitAt(power));
    }
    text += integerPart.empty() ? "0" : GroupByThrees(integerPart, separators.thousands);
    text += separators.decimal;
    for (int power = -1; power >= -kDecimals; --power) {
        text.push_back(digitAt(power));
    }
    return text;
}

}  // namespace zelta
