#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/core.h"
#include "core_test_support.h"

namespace zelta {
namespace {

using testing::IsFloat;
using testing::RaisedBy;

constexpr TSensorKind kLir = TSensorKind::skLir;
constexpr TSensorKind kLif = TSensorKind::skLif;
constexpr TSensorKind kLiv = TSensorKind::skLiv;
constexpr TChainVerdict kFed = TChainVerdict::crAcceptable;
constexpr TChainVerdict kRefused = TChainVerdict::crNotAcceptable;

struct Row {
    long double length;  // metres
    TSensorKind kind;
};
using Rows = std::vector<Row>;

Rows Repeat(int count, Row row) {
    return Rows(static_cast<std::size_t>(count), row);
}

Rows Join(Rows near, const Rows& far) {
    near.insert(near.end(), far.begin(), far.end());
    return near;
}

// A fixed list of rows, row 1 next to the unit. Counts the passes through the resistance requests and writes
// down every request ("R", "L3", "K3") until it raises at request number failAt, if that is set.
class RowSource : public ChainSource {
public:
    RowSource(long double resistance, Rows rows, int failAt = -1)
        : resistance_(resistance), rows_(std::move(rows)), failAt_(failAt) {}

    long double Resistance() override {
        ++passes_;
        Note('R', 0);
        return resistance_;
    }
    long double Length(int row) override {
        Note('L', row);
        return rows_.at(static_cast<std::size_t>(row - 1)).length;
    }
    TSensorKind Kind(int row) override {
        Note('K', row);
        return rows_.at(static_cast<std::size_t>(row - 1)).kind;
    }

    int RowCount() const { return static_cast<int>(rows_.size()); }
    int Passes() const { return passes_; }
    const std::string& Requests() const { return requests_; }

private:
    void Note(char what, int row) {
        std::string request(1, what);
        if (row > 0) {
            request.append(std::to_string(row));
        }
        if (!requests_.empty()) {
            requests_.push_back(' ');
        }
        requests_.append(request);
        if (requestCount_++ == failAt_) {
            throw EConvertError(std::string("bad ").append(request));
        }
    }

    long double resistance_;
    Rows rows_;
    int failAt_;
    int passes_ = 0;
    int requestCount_ = 0;
    std::string requests_;
};

struct FigureCase {
    std::string_view name;
    long double resistance;  // ohm per km
    Rows rows;
    TChainVerdict verdict;
    std::uint32_t supplyBits;
    std::string_view supply;  // V0 as quoted
    int passes;
};

TEST(CalculateChain, WorksOutTheSupplyVoltage) {
    const FigureCase cases[] = {
        {"one ЛИР, 100 m", 10, {{100, kLir}}, kFed, 0x4129999A, "10.6", 1},
        {"two ЛИР, 100 m each", 10, Repeat(2, {100, kLir}), kFed, 0x413C41B1, "11.766038", 1},
        {"three ЛИР, 100 m each", 10, Repeat(3, {100, kLir}), kFed, 0x41571281, "13.442018", 1},
        {"three ЛИР, 1000 m each", 10, Repeat(3, {1000, kLir}), kRefused, 0x42175205, "37.830097", 1},
        {"one ЛИВ, 10000 m", 10, {{10000, kLiv}}, kRefused, 0x42DC0000, "110.0", 1},
        {"one ЛИФ, 2000 m", 10, {{2000, kLif}}, kFed, 0x41900000, "18.0", 1},
        // The first row's segment is the one next to the unit, so the order of the rows matters.
        {"ЛИВ 500 m, then ЛИФ 200 m", 10, {{500, kLiv}, {200, kLif}}, kFed, 0x418B6FE2, "17.42963", 1},
        {"ЛИФ 200 m, then ЛИВ 500 m", 10, {{200, kLif}, {500, kLiv}}, kFed, 0x418C4444, "17.533333", 1},
        // Four ЛИВ at 10 V draw exactly 2 A, which is not too much: no step.
        {"four ЛИВ, 0 m", 10, Repeat(4, {0, kLiv}), kFed, 0x41200000, "10.0", 1},
        // 25 steps of 0.1 V, each rounded to a float, end above 12.5 V.
        {"five ЛИВ, 0 m", 10, Repeat(5, {0, kLiv}), kFed, 0x4148000A, "12.500009536743164", 26},
        {"five ЛИВ, 10 m each", 10, Repeat(5, {10, kLiv}), kFed, 0x415693A7, "13.411048", 23},
        {"a hundred ЛИВ, 1 m each", 10, Repeat(100, {1, kLiv}), kRefused, 0x437B6D97, "251.42809", 2395},
        {"a hundred ЛИВ, 0 m: the longest run", 10, Repeat(100, {0, kLiv}), kRefused, 0x437A018D, "250.00606",
         2401},
        // Without resistance every node sits at the far-end voltage.
        {"a hundred ЛИВ, 1 m each, resistance 0", 0, Repeat(100, {1, kLiv}), kRefused, 0x437A018D,
         "250.00606", 2401},
        // The near nodes fall as the far end rises, yet the passes end.
        {"thirteen ЛИВ at 0 m beyond one ЛИВ at 3000 m", 10, Join(Repeat(13, {0, kLiv}), {{3000, kLiv}}),
         kRefused, 0x42116EDA, "36.358253", 138},
        // The product is far beyond a float before it is stored, but the stored V0 fits.
        {"one ЛИВ, 1 m at 1e39 ohm/km", 1e39L, {{1, kLiv}}, kRefused, 0x7B4097CE, "1e36", 1},
        // 30 V is still acceptable, anything above it is not.
        {"one ЛИФ, 50 m at 1000 ohm/km: 30 V", 1000, {{50, kLif}}, kFed, 0x41F00000, "30.0", 1},
        {"one ЛИФ, 50.00001 m: above 30 V", 1000, {{50.00001L, kLif}}, kRefused, 0x41F00003, "30.000006", 1},
    };
    for (const FigureCase& c : cases) {
        SCOPED_TRACE(c.name);
        RowSource source(c.resistance, c.rows);
        const ChainResult result = CalculateChain(source.RowCount(), source);
        EXPECT_EQ(result.verdict, c.verdict);
        EXPECT_TRUE(IsFloat(result.supplyVoltage, c.supplyBits, c.supply));
        EXPECT_EQ(source.Passes(), c.passes);
    }
}

// Replays a chain unchanged up to the given pass; on that pass it answers with no resistance and the lightest
// sensors, so that V0 is the far-end voltage that pass was started with and the passes end there.
class FarEndProbe : public ChainSource {
public:
    FarEndProbe(ChainSource& chain, int probedPass) : chain_(chain), probedPass_(probedPass) {}

    long double Resistance() override {
        const long double resistance = chain_.Resistance();
        return ++passes_ == probedPass_ ? 0.0L : resistance;
    }
    long double Length(int row) override { return chain_.Length(row); }
    TSensorKind Kind(int row) override {
        const TSensorKind kind = chain_.Kind(row);
        return passes_ == probedPass_ ? kLif : kind;
    }

private:
    ChainSource& chain_;
    int probedPass_;
    int passes_ = 0;
};

struct FarEndCase {
    std::string_view name;
    Rows rows;
    int lastPass;
    std::uint32_t farEndBits;
    std::string_view farEnd;
};

TEST(CalculateChain, RaisesTheFarEndVoltageByTenthsOfAVolt) {
    const FarEndCase cases[] = {
        {"five ЛИВ, 10 m each", Repeat(5, {10, kLiv}), 23, 0x4143333C, "12.200008"},
        {"a hundred ЛИВ, 1 m each", Repeat(100, {1, kLiv}), 2395, 0x437967F1, "249.40602"},
        {"a hundred ЛИВ, 0 m", Repeat(100, {0, kLiv}), 2401, 0x437A018D, "250.00606"},
    };
    for (const FarEndCase& c : cases) {
        SCOPED_TRACE(c.name);
        RowSource chain(10, c.rows);
        FarEndProbe probe(chain, c.lastPass);
        const ChainResult result = CalculateChain(chain.RowCount(), probe);
        EXPECT_EQ(chain.Passes(), c.lastPass);
        EXPECT_TRUE(IsFloat(result.supplyVoltage, c.farEndBits, c.farEnd));
    }
}

// Five rows that need exactly two passes: 22 W, the far segment long enough to bring the current under 2 A
// once the far end is at 10.1 V.
Rows TwoPassRows() {
    return {{0, kLif}, {0, kLiv}, {0, kLiv}, {0, kLiv}, {125, kLiv}};
}

TEST(CalculateChain, AsksForEveryInputInEveryPassFarthestRowFirst) {
    RowSource source(10, TwoPassRows());
    CalculateChain(source.RowCount(), source);
    EXPECT_EQ(source.Requests(),
              "R L5 K5 L4 K4 L3 K3 L2 K2 L1 K1 "
              "R L5 K5 L4 K4 L3 K3 L2 K2 L1 K1");
}

struct SourceFaultCase {
    int failAt;  // request number, from 0
    std::string_view requests;
    std::string_view raised;
};

TEST(CalculateChain, StopsAtOnceWhenTheSourceRaises) {
    const SourceFaultCase cases[] = {
        {0, "R", "EConvertError: 'bad R' is not a valid floating point value"},
        {1, "R L5", "EConvertError: 'bad L5' is not a valid floating point value"},
        {4, "R L5 K5 L4 K4", "EConvertError: 'bad K4' is not a valid floating point value"},
        {10, "R L5 K5 L4 K4 L3 K3 L2 K2 L1 K1",
         "EConvertError: 'bad K1' is not a valid floating point value"},
        {13, "R L5 K5 L4 K4 L3 K3 L2 K2 L1 K1 R L5 K5",
         "EConvertError: 'bad K5' is not a valid floating point value"},
    };
    for (const SourceFaultCase& c : cases) {
        SCOPED_TRACE(c.failAt);
        RowSource source(10, TwoPassRows(), c.failAt);
        EXPECT_EQ(RaisedBy([&] { CalculateChain(source.RowCount(), source); }), c.raised);
        EXPECT_EQ(source.Requests(), c.requests);
    }
}

struct FaultCase {
    std::string_view name;
    long double resistance;
    Rows rows;
    int failAt;  // a request that would raise a conversion error if it were ever made, or -1
    std::string_view requests;
    std::string_view raised;
};

TEST(CalculateChain, RaisesArithmeticFaultsWhereTheyArise) {
    const long double tooLong = 3.5e38L;
    const FaultCase cases[] = {
        {"a length beyond a float", 10, {{tooLong, kLiv}}, -1, "R L1", "EOverflow: Floating point overflow"},
        {"a resistance whose thousandth is beyond a float",
         3.5e41L,
         {{1, kLiv}},
         -1,
         "R",
         "EOverflow: Floating point overflow"},
        {"the voltage at the unit beyond a float",
         1e39L,
         {{1000, kLiv}},
         -1,
         "R L1 K1",
         "EOverflow: Floating point overflow"},
        // The rows are read from the far end inwards, so a fault in a farther row is reported before a bad
        // text in a nearer one (request 3 is L1, request 5 is L1 of a three-row chain).
        {"a length beyond a float in row 2, row 1 unreadable",
         10,
         {{1, kLiv}, {tooLong, kLiv}},
         3,
         "R L2",
         "EOverflow: Floating point overflow"},
        {"the voltage at sensor 2 beyond a float, row 1 unreadable",
         1e39L,
         {{1, kLiv}, {1, kLiv}, {1000, kLiv}},
         5,
         "R L3 K3 L2 K2",
         "EOverflow: Floating point overflow"},
        // A pasted negative segment that brings sensor 1 to exactly 0 V.
        {"sensor 1 at 0 V",
         1000,
         {{0, kLiv}, {-10, kLiv}},
         -1,
         "R L2 K2 L1 K1",
         "EZeroDivide: Floating point division by zero"},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        RowSource source(c.resistance, c.rows, c.failAt);
        EXPECT_EQ(RaisedBy([&] { CalculateChain(source.RowCount(), source); }), c.raised);
        EXPECT_EQ(source.Requests(), c.requests);
    }
}

TEST(CalculateChain, RejectsARowCountOutsideOneToAHundred) {
    for (const int rowCount : {0, -1, MaxChainRows + 1}) {
        SCOPED_TRACE(rowCount);
        RowSource source(10, Repeat(MaxChainRows + 1, {0, kLir}));
        EXPECT_THROW(CalculateChain(rowCount, source), std::out_of_range);
        EXPECT_EQ(source.Requests(), "");
    }
}

// Two ЛИВ, the far one at the end of a negative segment recomputed every pass so that sensor 1 sits near 1 V
// and draws about 5 A whatever the far-end voltage. The current never falls, and at 2^21 V a 0.1 V step no
// longer changes the far-end voltage.
class RunawaySource : public ChainSource {
public:
    long double Resistance() override {
        if (passes_++ > 0) {
            farEnd_ = static_cast<float>(static_cast<long double>(farEnd_) + static_cast<long double>(0.1));
        }
        return 1000.0L;  // 1 ohm per metre
    }
    long double Length(int row) override {
        if (row == 1) {
            return 0.0L;
        }
        const float current = static_cast<float>(5.0L / static_cast<long double>(farEnd_));
        return (1.0L - static_cast<long double>(farEnd_)) / (2.0L * static_cast<long double>(current));
    }
    TSensorKind Kind(int) override { return kLiv; }

    long Passes() const { return passes_; }
    float FarEnd() const { return farEnd_; }

private:
    long passes_ = 0;
    float farEnd_ = 10.0f;
};

TEST(CalculateChain, RefusesAChainWhoseCurrentStaysHighAtTheLargestFarEndVoltage) {
    RunawaySource source;
    const ChainResult result = CalculateChain(2, source);
    EXPECT_EQ(result.verdict, kRefused);
    // V0 is that of the last pass, well under 30 V: the refusal rests on the current.
    EXPECT_TRUE(IsFloat(result.supplyVoltage, 0x3F880000, "1.0625"));
    EXPECT_TRUE(IsFloat(source.FarEnd(), 0x4A000000, "2097152"));
    EXPECT_EQ(source.Passes(), 18073621);
}

}  // namespace
}  // namespace zelta
