#pragma once
// The working arithmetic of both calculations. Every expression is evaluated in long double (x87 extended)
// and every working quantity is a float: StoreFloat is the one place where a result is rounded to 32 bits,
// Divide the one place where a quotient is formed. Faults are found by looking at the values, never through
// the floating- point environment, so they do not depend on the optimisation level or on traps being enabled.

#include <cmath>
#include <limits>

#include "core/errors.h"

namespace zelta::detail {

// The convention is defined for a 64-bit mantissa; a narrower long double would change the bits of every
// result.
static_assert(std::numeric_limits<long double>::digits == 64, "long double must be x87 extended precision");

// Rounds to nearest even. A value beyond the float range is an overflow, a NaN an invalid operation;
// a value too small for a float quietly becomes a denormal or zero.
inline float StoreFloat(long double value) {
    const float stored = static_cast<float>(value);
    if (std::isnan(stored)) {
        throw EInvalidOp();
    }
    if (std::isinf(stored)) {
        throw EOverflow();
    }
    return stored;
}

// x / 0 with x != 0 is a division by zero, 0 / 0 an invalid operation. The operands are stored floats, so
// they are never NaN; a quotient too large for a float is caught when it is stored.
inline long double Divide(long double numerator, long double denominator) {
    if (denominator == 0.0L) {
        if (numerator == 0.0L) {
            throw EInvalidOp();
        }
        throw EZeroDivide();
    }
    return numerator / denominator;
}

// A float operand widened for an expression; spelled out so that no float sub-expression is ever evaluated in
// single precision.
inline long double Wide(float value) {
    return static_cast<long double>(value);
}

}  // namespace zelta::detail
