// Chain layout: sensors strung one after another, segment k running from sensor k-1 (the unit for k = 1) to
// sensor k; sensor N is the farthest from the unit.

#include <array>
#include <stdexcept>

#include "core/arithmetic.h"
#include "core/core.h"

namespace zelta {
namespace {

using detail::Divide;
using detail::StoreFloat;
using detail::Wide;

// The voltage at the near end of a segment: its two conductors lose 2 * r * length * I on top of the voltage
// at its far end. Multiplied left to right, then added.
float NearEndVoltage(float ohmPerMetre, float segmentLength, float current, float farEndVoltage) {
    return StoreFloat(Wide(ConductorFactor) * Wide(ohmPerMetre) * Wide(segmentLength) * Wide(current) +
                      Wide(farEndVoltage));
}

struct Pass {
    float lineCurrent;    // A, drawn from the unit
    float supplyVoltage;  // V at the unit
};

// Works the chain back from the farthest sensor, which is given farEnd volts, to the unit. The source is
// asked for the resistance first, then for each row from the farthest inwards just before that row is worked
// out, so a fault at a node is reported before any input of a row nearer the unit is read.
Pass WorkOutPass(int rowCount, ChainSource& source, float farEnd) {
    std::array<float, MaxChainRows + 1> node{};     // V; node[0] at the unit, node[k] at sensor k
    std::array<float, MaxChainRows + 1> segment{};  // m; segment[k] leads to sensor k
    float current = 0.0f;                           // A in the line beyond the node being worked out
    float sensorCurrent = 0.0f;                     // A drawn by the sensor handled last, not yet in the line

    const float ohmPerMetre = StoreFloat(source.Resistance() * ResistanceScale);
    for (int k = rowCount; k >= 1; --k) {
        segment[k] = StoreFloat(source.Length(k));
        const float power = RatedPower(source.Kind(k));
        if (k == rowCount) {
            // The farthest sensor's current goes straight into the line.
            node[k] = farEnd;
            current = StoreFloat(Divide(Wide(power), Wide(farEnd)));
        } else {
            current = StoreFloat(Wide(current) + Wide(sensorCurrent));
            node[k] = NearEndVoltage(ohmPerMetre, segment[k + 1], current, node[k + 1]);
            sensorCurrent = StoreFloat(Divide(Wide(power), Wide(node[k])));
        }
        if (k == 1) {
            current = StoreFloat(Wide(current) + Wide(sensorCurrent));
            node[0] = NearEndVoltage(ohmPerMetre, segment[1], current, node[1]);
        }
    }
    return {current, node[0]};
}

}  // namespace

ChainResult CalculateChain(int rowCount, ChainSource& source) {
    // The working arrays hold MaxChainRows segments; an empty chain has no verdict.
    if (rowCount < 1 || rowCount > MaxChainRows) {
        throw std::out_of_range("chain row count out of range");
    }
    float farEnd = FarEndVoltage;
    for (;;) {
        const Pass pass = WorkOutPass(rowCount, source, farEnd);
        if (pass.lineCurrent <= CurrentLimit) {
            const bool tooHigh = pass.supplyVoltage > NominalSupplyVoltage;
            return {tooHigh ? TChainVerdict::crNotAcceptable : TChainVerdict::crAcceptable,
                    pass.supplyVoltage};
        }
        const float raised = StoreFloat(Wide(farEnd) + static_cast<long double>(ChainVoltageStep));
        if (raised == farEnd) {
            // Segments of negative length can pull the node voltages down as the far end rises, so the
            // current may never fall; once a 0.1 V step is lost in the rounding of the far-end voltage every
            // later pass would start from the same far-end voltage. A line that still draws more than the
            // unit may deliver cannot be fed.
            return {TChainVerdict::crNotAcceptable, pass.supplyVoltage};
        }
        farEnd = raised;
    }
}

}  // namespace zelta
