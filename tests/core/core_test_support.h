#pragma once
// Helpers shared by the calculation core's tests: exact float comparison that prints the bits, and the
// error a call raised written as "<class>: <message>".

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/errors.h"

namespace zelta::testing {

inline std::uint32_t Bits(float value) {
    return std::bit_cast<std::uint32_t>(value);
}

inline std::string Describe(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.9g (bits 0x%08X)", static_cast<double>(value),
                  static_cast<unsigned>(Bits(value)));
    return text;
}

inline int SignificantDigits(std::string_view figure) {
    int digits = 0;
    bool leading = true;
    for (const char c : figure) {
        if (c == 'e' || c == 'E') {
            break;
        }
        if (c < '0' || c > '9') {
            continue;
        }
        if (c == '0' && leading) {
            continue;
        }
        leading = false;
        ++digits;
    }
    return digits;
}

// The value has exactly the expected bits, and the figure quoted for it ("3333.33325", "110.0") is that value
// written to the figure's number of significant digits.
inline ::testing::AssertionResult IsFloat(float actual, std::uint32_t expectedBits, std::string_view figure) {
    if (Bits(actual) != expectedBits) {
        return ::testing::AssertionFailure()
               << "got " << Describe(actual) << ", expected " << Describe(std::bit_cast<float>(expectedBits));
    }
    if (!figure.empty()) {
        char rounded[64];
        std::snprintf(rounded, sizeof rounded, "%.*g", SignificantDigits(figure),
                      static_cast<double>(actual));
        if (std::strtod(rounded, nullptr) != std::strtod(std::string(figure).c_str(), nullptr)) {
            return ::testing::AssertionFailure()
                   << Describe(actual) << " rounds to " << rounded << ", not to the figure " << figure;
        }
    }
    return ::testing::AssertionSuccess();
}

// "EOverflow: Floating point overflow", "EConvertError: 'x' is not a valid floating point value", or
// "nothing raised".
template <class Call>
std::string RaisedBy(Call&& call) {
    try {
        call();
    } catch (const EZeroDivide& e) {
        return std::string("EZeroDivide: ") + e.what();
    } catch (const EOverflow& e) {
        return std::string("EOverflow: ") + e.what();
    } catch (const EInvalidOp& e) {
        return std::string("EInvalidOp: ") + e.what();
    } catch (const EConvertError& e) {
        return std::string("EConvertError: ") + e.what();
    } catch (const Exception& e) {
        return std::string("Exception: ") + e.what();
    }
    return "nothing raised";
}

}  // namespace zelta::testing
