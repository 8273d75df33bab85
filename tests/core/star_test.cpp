#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "core/core.h"
#include "core_test_support.h"

namespace zelta {
namespace {

using testing::IsFloat;
using testing::RaisedBy;

using Counts = std::array<float, 4>;  // ЛИР, ЛИФ, ЛИВ, ЛИЗ

struct LengthCase {
    std::string_view name;
    Counts counts;
    long double resistance;  // ohm per km
    std::uint32_t lengthBits;
    std::string_view length;  // metres, as quoted to the user's precision
};

TEST(CalculateStar, FindsTheLongestCable) {
    const LengthCase cases[] = {
        {"one ЛИР, 0.3 A, no stepping", {1, 0, 0, 0}, 10.0L, 0x45505555, "3333.33325"},
        {"one ЛИР at 1 ohm/km", {1, 0, 0, 0}, 1.0L, 0x47023555, "33333.332"},
        {"one ЛИФ at 1 ohm/km", {0, 1, 0, 0}, 1.0L, 0x47434FFF, "49999.996"},
        {"ten ЛИФ draw exactly 2 A: no stepping, 30 V", {0, 10, 0, 0}, 10.0L, 0x43FA0000, "500.0"},
        {"seven ЛИР: one step to 11 V, then 30.1 V", {7, 0, 0, 0}, 10.0L, 0x43FA1E7B, "500.23813"},
        {"five ЛИВ: three steps to 13 V", {0, 0, 5, 0}, 10.0L, 0x43DE4CCE, "444.60004"},
        {"sixteen ЛИЗ: fourteen steps to 24 V", {0, 0, 0, 16}, 10.0L, 0x43188001, "152.50002"},
        // 60 W is the limit itself and is accepted; at 30 V the cable may lose only 30.1f - 30 = 0.10000038
        // V.
        {"twenty ЛИР, 60 W", {20, 0, 0, 0}, 10.0L, 0x40200028, "2.5000095"},
        {"thirty ЛИФ, 60 W", {0, 30, 0, 0}, 10.0L, 0x40200028, "2.5000095"},
        {"twelve ЛИВ, 60 W", {0, 0, 12, 0}, 10.0L, 0x40200028, "2.5000095"},
        {"51 W of all four kinds: sixteen steps to 26 V", {3, 4, 5, 3}, 10.0L, 0x42D10507, "104.50982"},
        // Just under the overflow: the thousandth of this resistance still rounds to the float maximum.
        {"one ЛИР at 3.4028235e41 ohm/km", {1, 0, 0, 0}, 3.4028235e41L, 0x02055556, "9.795787e-38"},
    };
    for (const LengthCase& c : cases) {
        SCOPED_TRACE(c.name);
        const StarResult result = CalculateStar({c.counts, c.resistance});
        EXPECT_EQ(result.verdict, TStarVerdict::srLengthFound);
        EXPECT_TRUE(IsFloat(result.length, c.lengthBits, c.length));
    }
}

struct VerdictCase {
    std::string_view name;
    Counts counts;
    long double resistance;
    TStarVerdict verdict;
};

TEST(CalculateStar, RefusesWithoutALength) {
    const VerdictCase cases[] = {
        {"twenty ЛИР and one ЛИФ, 62 W", {20, 1, 0, 0}, 10.0L, TStarVerdict::srPowerExceeded},
        {"all four kinds at their largest counts", {20, 30, 12, 16}, 10.0L, TStarVerdict::srPowerExceeded},
        {"no sensors", {0, 0, 0, 0}, 10.0L, TStarVerdict::srNoSensors},
        // The empty selection is found before anything is divided by the resistance.
        {"no sensors, resistance 0", {0, 0, 0, 0}, 0.0L, TStarVerdict::srNoSensors},
        {"no sensors, 3.4028235e41 ohm/km still fits",
         {0, 0, 0, 0},
         3.4028235e41L,
         TStarVerdict::srNoSensors},
    };
    for (const VerdictCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CalculateStar({c.counts, c.resistance}).verdict, c.verdict);
    }
}

struct FaultCase {
    std::string_view name;
    Counts counts;
    long double resistance;
    std::string_view raised;
};

TEST(CalculateStar, RaisesArithmeticFaults) {
    const FaultCase cases[] = {
        {"one ЛИР, resistance 0", {1, 0, 0, 0}, 0.0L, "EZeroDivide: Floating point division by zero"},
        // The first length is worked out before the power test, so the refusal never comes.
        {"62 W, resistance 0", {20, 1, 0, 0}, 0.0L, "EZeroDivide: Floating point division by zero"},
        {"twelve ЛИВ, resistance 0", {0, 0, 12, 0}, 0.0L, "EZeroDivide: Floating point division by zero"},
        // The resistance is scaled before the selection is looked at.
        {"no sensors, 3.4028236e41 ohm/km",
         {0, 0, 0, 0},
         3.4028236e41L,
         "EOverflow: Floating point overflow"},
        {"one ЛИР, 3.4028236e41 ohm/km", {1, 0, 0, 0}, 3.4028236e41L, "EOverflow: Floating point overflow"},
        {"no sensors, 1e300 ohm/km", {0, 0, 0, 0}, 1e300L, "EOverflow: Floating point overflow"},
        {"62 W, 1e42 ohm/km", {20, 1, 0, 0}, 1e42L, "EOverflow: Floating point overflow"},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RaisedBy([&] { CalculateStar({c.counts, c.resistance}); }), c.raised);
    }
}

}  // namespace
}  // namespace zelta
