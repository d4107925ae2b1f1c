#include "calc/stress_ratio.h"

#include "calc/defined_value.h"

namespace fljudge {
namespace {

std::int16_t Flag(bool met) {
    return met ? 1 : 0;
}

MaybeReal AddSlice(MaybeReal thickness, double unitWeight, MaybeReal above) {
    if (!thickness || !above) {
        return std::nullopt;
    }
    return Round3Defined(*thickness * unitWeight + *above);
}

}  // namespace

void SetJudgementConditions(CalcPoint& point, double waterDepth) {
    point.Cond1 = Flag(waterDepth <= 10 && point.Depth <= 20 && point.SoilClass == kSandy);
    point.Cond2 = Flag(!(point.FinesContent > 35 && point.PlasticityIndex > 15));
    point.Cond3 = Flag(!(point.D50 > 10 || point.D10 > 1));
    point.Target = Flag(point.Cond1 == 1 && point.Cond2 == 1 && point.Cond3 == 1);
}

Overburden SetPressuresAndStressRatio(CalcPoint& point, const Overburden& above,
                                      MaybeReal thickness, double waterDepth) {
    // The slice ending at the groundwater depth or above it lies above the water.
    const bool belowWater = point.Depth > waterDepth;
    Overburden here;
    here.SigmaV = AddSlice(thickness, belowWater ? point.GammaT2 : point.GammaT1, above.SigmaV);
    here.SigmaVE = AddSlice(thickness, belowWater ? point.GammaE2 : point.GammaT1, above.SigmaVE);
    point.SigmaV = here.SigmaV.value_or(0.0);
    point.SigmaVE = here.SigmaVE.value_or(0.0);

    const MaybeReal rd = Round3Defined(1 - 0.015 * point.Depth);
    point.Rd = rd.value_or(0.0);

    for (int k = 1; k <= kMotionCount; ++k) {
        if (rd && here.SigmaV && here.SigmaVE) {
            point.L[k] = Round3Defined(point.Khg[k] * *rd * *here.SigmaV / *here.SigmaVE);
        } else {
            point.L[k] = std::nullopt;
        }
    }
    return here;
}

}  // namespace fljudge
