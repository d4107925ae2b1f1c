#pragma once

#include "calc/calc_point.h"

namespace fljudge {

// Sets Cond1, Cond2, Cond3 and Target: whether the point needs a judgement.
void SetJudgementConditions(CalcPoint& point, double waterDepth);

// The overburden pressures at a point as the next point adds to them; no
// value once they have run beyond any finite number.
struct Overburden {
    MaybeReal SigmaV = 0.0;
    MaybeReal SigmaVE = 0.0;
};

// Sets SigmaV, SigmaVE, Rd and L of `point` (its Depth, unit weights and Khg
// set) from the pressures at the point above (zero above the first point)
// and the slice `thickness` that ends at it; returns the point's pressures.
// A pressure without a value is stored as 0, and every L that depends on it,
// or that divides by a zero effective pressure, has no value.
Overburden SetPressuresAndStressRatio(CalcPoint& point, const Overburden& above,
                                      MaybeReal thickness, double waterDepth);

}  // namespace fljudge
