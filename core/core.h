#pragma once
// The calculation core: the sensor catalogue, the electrical constants and the two layouts' calculations.
//
// Arithmetic guarantees (both calculations):
//  - every expression is evaluated in extended precision (long double, 64-bit mantissa, round to nearest even);
//  - every working quantity is stored as a 32-bit float, rounded to nearest even; a value beyond the float
//    range raises EOverflow ("Floating point overflow");
//  - a division by zero raises EZeroDivide, 0/0 raises EInvalidOp; underflow and inexact results never raise;
//  - results are bit-identical at every optimisation level.
// Neither calculation keeps state between calls.

#include <array>
#include <optional>
#include <string_view>

#include "core/errors.h"

namespace zelta {

static_assert(sizeof(long double) >= 10, "extended precision is needed");

enum class TSensorKind { skLir, skLif, skLiv, skLiz };

inline constexpr std::array<TSensorKind, 4> kAllSensorKinds = {TSensorKind::skLir, TSensorKind::skLif,
                                                               TSensorKind::skLiv, TSensorKind::skLiz};

// The catalogue. Names are UTF-8.
std::string_view ListName(TSensorKind kind);   // chain page rows and kind chooser: "ЛИР-С-11", ...
std::string_view ShortName(TSensorKind kind);  // star page labels: "ЛИР", ...
float RatedPower(TSensorKind kind);            // watts drawn by one sensor of the kind
int LargestCount(TSensorKind kind);            // largest count offered on the star page

// The kind whose list name equals listName byte for byte, the kinds tried in catalogue order; none otherwise.
std::optional<TSensorKind> SensorKindByListName(std::string_view listName);

// Electrical constants.
inline constexpr float FarEndVoltage = 10.0f;         // V at the sensors when a calculation starts
inline constexpr float CurrentLimit = 2.0f;           // A; only a current strictly above it is too high
inline constexpr float PowerLimit = 60.0f;            // W; only a star total strictly above it is refused
inline constexpr float NominalSupplyVoltage = 30.0f;  // V; star length without stepping, chain verdict threshold
inline constexpr float SupplyVoltage = 30.1f;         // V; star length after stepping (30.1000003814697265625)
inline constexpr float StarVoltageStep = 1.0f;        // V per star step
inline constexpr double ChainVoltageStep = 0.1;       // V per chain step: the double nearest 0.1
inline constexpr long double ResistanceScale = 0.001L;  // ohm per km to ohm per metre: the extended nearest 0.001
inline constexpr float ConductorFactor = 2.0f;        // out and back
inline constexpr int MaxChainRows = 100;

// Star layout: every sensor on the far end of one cable.
struct StarInput {
    std::array<float, 4> counts;  // in catalogue order
    long double resistance;       // ohm per km, as converted
};
enum class TStarVerdict { srNoSensors, srPowerExceeded, srLengthFound };
struct StarResult {
    TStarVerdict verdict;
    float length;  // metres; meaningful for srLengthFound only
};
StarResult CalculateStar(const StarInput& input);

// Chain layout: sensors strung one after another, row 1 next to the unit.
class ChainSource {  // the page converts its texts on every request
public:
    virtual ~ChainSource() = default;
    virtual long double Resistance() = 0;     // ohm per km, as converted
    virtual long double Length(int row) = 0;  // metres, as converted; the calculation stores it as a 32-bit float
    virtual TSensorKind Kind(int row) = 0;
};
enum class TChainVerdict { crAcceptable, crNotAcceptable };
struct ChainResult {
    TChainVerdict verdict;
    float supplyVoltage;  // V0, the voltage the unit would have to supply
};
// 1 <= rowCount <= MaxChainRows. In every pass the source is asked for the resistance, then for rows
// rowCount down to 1 the length and then the kind, each just before that row is worked out; an error raised
// by the source ends the calculation at once and passes unchanged.
ChainResult CalculateChain(int rowCount, ChainSource& source);

}  // namespace zelta
