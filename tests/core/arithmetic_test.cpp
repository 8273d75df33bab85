#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string_view>

#include "core/arithmetic.h"
#include "core_test_support.h"

namespace zelta {
namespace {

using detail::Divide;
using detail::StoreFloat;
using testing::IsFloat;
using testing::RaisedBy;

// Halfway between the float maximum and 2^128: the first value that rounds to infinity (ties go to even).
const long double kOverflowMidpoint = std::ldexp(1.0L, 128) - std::ldexp(1.0L, 103);

struct StoreCase {
    std::string_view name;
    long double value;
    std::uint32_t bits;
};

TEST(StoreFloat, RoundsToNearestEven) {
    const StoreCase cases[] = {
        {"0.1 rounds up", 0.1L, 0x3DCCCCCD},
        {"a tie between two floats goes to the even one", 1.0L + std::ldexp(1.0L, -24), 0x3F800000},
        {"just below the midpoint stays at the float maximum", std::nextafter(kOverflowMidpoint, 0.0L),
         0x7F7FFFFF},
        {"negative, just below the midpoint", -std::nextafter(kOverflowMidpoint, 0.0L), 0xFF7FFFFF},
        {"too small for a denormal becomes 0 quietly", 1e-50L, 0x00000000},
        {"a denormal is kept", std::ldexp(1.0L, -149), 0x00000001},
    };
    for (const StoreCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(IsFloat(StoreFloat(c.value), c.bits, ""));
    }
}

struct FaultCase {
    std::string_view name;
    long double (*call)();
    std::string_view raised;
};

TEST(WorkingArithmetic, RaisesFaultsFoundInTheValues) {
    const FaultCase cases[] = {
        {"store at the overflow midpoint",
         [] { return static_cast<long double>(StoreFloat(kOverflowMidpoint)); },
         "EOverflow: Floating point overflow"},
        {"store of a negative overflow", [] { return static_cast<long double>(StoreFloat(-1e39L)); },
         "EOverflow: Floating point overflow"},
        {"store of infinity",
         [] { return static_cast<long double>(StoreFloat(std::numeric_limits<long double>::infinity())); },
         "EOverflow: Floating point overflow"},
        {"store of a NaN",
         [] { return static_cast<long double>(StoreFloat(std::numeric_limits<long double>::quiet_NaN())); },
         "EInvalidOp: Invalid floating point operation"},
        {"1 / 0", [] { return Divide(1.0L, 0.0L); }, "EZeroDivide: Floating point division by zero"},
        {"-5 / -0", [] { return Divide(-5.0L, -0.0L); }, "EZeroDivide: Floating point division by zero"},
        {"0 / 0", [] { return Divide(0.0L, 0.0L); }, "EInvalidOp: Invalid floating point operation"},
        {"0 / 2 is no fault", [] { return Divide(0.0L, 2.0L); }, "nothing raised"},
        {"a quotient that underflows is no fault", [] { return Divide(1e-4000L, 1e4000L); },
         "nothing raised"},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RaisedBy(c.call), c.raised);
    }
}

}  // namespace
}  // namespace zelta
