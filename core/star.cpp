// Star layout: every sensor hangs on the junction at the far end of one cable.

#include <cstddef>

#include "core/arithmetic.h"
#include "core/core.h"

namespace zelta {
namespace {

using detail::Divide;
using detail::StoreFloat;
using detail::Wide;

// The cable may lose supply - U volts over its two conductors at current I: L = 1/(2r) * ((supply - U) / I).
float LongestCable(float supply, float farEnd, float current, float ohmPerMetre) {
    return StoreFloat(Divide(1.0L, Wide(ConductorFactor) * Wide(ohmPerMetre)) *
                      Divide(Wide(supply) - Wide(farEnd), Wide(current)));
}

}  // namespace

StarResult CalculateStar(const StarInput& input) {
    float farEnd = FarEndVoltage;
    // The resistance is scaled before the selection is looked at, so a resistance too large for the working
    // precision is reported even when no sensor is chosen.
    const float ohmPerMetre = StoreFloat(input.resistance * ResistanceScale);

    bool anySensor = false;
    for (const float count : input.counts) {
        if (count > 0.0f) {
            anySensor = true;
            break;
        }
    }
    if (!anySensor) {
        return {TStarVerdict::srNoSensors, 0.0f};
    }

    long double powerSum = 0.0L;
    for (std::size_t i = 0; i < kAllSensorKinds.size(); ++i) {
        powerSum += Wide(RatedPower(kAllSensorKinds[i])) * Wide(input.counts[i]);
    }
    const float power = StoreFloat(powerSum);
    float current = StoreFloat(Divide(Wide(power), Wide(farEnd)));

    // Worked out before the power test: a resistance of 0 is a division by zero even for a refused selection.
    float length = LongestCable(NominalSupplyVoltage, farEnd, current, ohmPerMetre);

    if (power > PowerLimit) {
        return {TStarVerdict::srPowerExceeded, 0.0f};
    }

    if (current > CurrentLimit) {
        // Raise the junction voltage in whole volts until the sensors draw no more than the unit may deliver;
        // with at most 60 W this ends at 30 V. The length then rests on the unit's actual 30.1 V.
        do {
            farEnd = StoreFloat(Wide(farEnd) + Wide(StarVoltageStep));
            current = StoreFloat(Divide(Wide(power), Wide(farEnd)));
        } while (current > CurrentLimit);
        length = LongestCable(SupplyVoltage, farEnd, current, ohmPerMetre);
    }
    return {TStarVerdict::srLengthFound, length};
}

}  // namespace zelta
