// Any text a field can hold, read with any of the decimal separators a locale gives: it either converts to
// the value an independent reading finds or is refused with exactly the conversion message quoting the whole
// text unchanged. No other error may come out.
//
// Input: the first byte picks the separator (a full stop or a comma stands for itself, any other byte picks
// one of the three by its value), the rest is the field's text: ",1,5" is "1,5" read with a comma.

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "core/errors.h"
#include "fuzz/fuzz_check.h"
#include "platform/number_text.h"

namespace {

using zelta::fuzz::Check;
using zelta::fuzz::Describe;
using zelta::fuzz::Quote;
using zelta::fuzz::SameBits;

// A full stop, a comma, and the two-byte Arabic decimal separator U+066B.
constexpr std::string_view kSeparators[] = {".", ",", "\xD9\xAB"};

std::string_view SeparatorFor(std::uint8_t byte) {
    if (byte == '.') {
        return kSeparators[0];
    }
    if (byte == ',') {
        return kSeparators[1];
    }
    return kSeparators[byte % std::size(kSeparators)];
}

bool IsDigitAt(std::string_view text, std::size_t at) {
    return at < text.size() && text[at] >= '0' && text[at] <= '9';
}

// Reads the text by the rules of a number field, written out afresh: the number rewritten as a plain C
// decimal ("-0123.450e+12") for strtold, or nothing when the text is no number at all.
std::optional<std::string> PlainDecimal(std::string_view text, std::string_view separator) {
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ') {
        ++at;
    }
    std::string plain;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        plain.push_back(text[at++]);
    }
    // Leading and trailing zeros keep the value and give strtold digits on both sides of the point.
    plain.push_back('0');
    bool numberSeen = false;
    while (IsDigitAt(text, at)) {
        plain.push_back(text[at++]);
        numberSeen = true;
    }
    plain.push_back('.');
    if (text.substr(at, separator.size()) == separator) {
        at += separator.size();
        numberSeen = true;
        while (IsDigitAt(text, at)) {
            plain.push_back(text[at++]);
        }
    }
    plain.push_back('0');
    if (!numberSeen) {
        return std::nullopt;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        char sign = '+';
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
            sign = text[at++];
        }
        int exponent = 0;
        while (IsDigitAt(text, at)) {
            if (exponent >= 500) {
                return std::nullopt;  // a digit left once the exponent reached 500
            }
            exponent = exponent * 10 + (text[at++] - '0');
        }
        plain.push_back('e');
        plain.push_back(sign);
        plain += std::to_string(exponent);
    }
    while (at < text.size() && text[at] == ' ') {
        ++at;
    }
    if (at != text.size()) {
        return std::nullopt;
    }
    return plain;
}

// What the conversion must give: the correctly rounded extended value, 0 (with the text's sign) for one
// too small for the normal extended range, no value for one beyond it or a text that is no number.
struct Expected {
    bool converts = false;
    long double value = 0.0L;
    std::string plain;  // what strtold read, for the report
};

Expected Expect(std::string_view text, std::string_view separator) {
    Expected expected;
    const std::optional<std::string> plain = PlainDecimal(text, separator);
    if (!plain) {
        return expected;
    }
    expected.plain = *plain;
    errno = 0;
    char* end = nullptr;
    const long double value = std::strtold(plain->c_str(), &end);
    const bool outOfRange = errno == ERANGE;
    Check(end == plain->c_str() + plain->size(), "the oracle reads its own plain decimal whole",
          [&] { return *plain; });
    if (std::isinf(value)) {
        return expected;
    }
    expected.converts = true;
    const bool negative = plain->front() == '-';
    if (outOfRange || std::fabs(value) < LDBL_MIN) {
        expected.value = negative ? -0.0L : 0.0L;
    } else {
        expected.value = value;
    }
    return expected;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const std::string_view separator = SeparatorFor(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const Expected expected = Expect(text, separator);

    auto describe = [&] {
        return "text " + Quote(text) + ", separator " + Quote(separator) + ", oracle read " +
               (expected.plain.empty() ? std::string("no number") : expected.plain) +
               (expected.converts ? " = " + Describe(expected.value) : std::string(" (refused)"));
    };
    try {
        const long double value = zelta::TextToFloat(text, separator);
        Check(expected.converts, "a text that is no number, or is beyond the range, is refused",
              [&] { return describe() + ", converted to " + Describe(value); });
        Check(SameBits(value, expected.value), "the conversion is the correctly rounded value",
              [&] { return describe() + ", converted to " + Describe(value); });
    } catch (const zelta::EConvertError& error) {
        Check(!expected.converts, "a number within the range converts", describe);
        const std::string message = "'" + std::string(text) + "' is not a valid floating point value";
        // Message(), not what(): a text may hold a null character, where what()'s C string would stop.
        Check(error.Message() == message, "the message quotes the whole text unchanged",
              [&] { return describe() + ", message " + Quote(error.Message()); });
    }
    // Any other exception escapes and ends the run as a crash.
    return 0;
}
