#pragma once

#include "calc/calc_point.h"

namespace fljudge {

// For a point with an N value (N >= 1) whose pressures and L are set: N1, C1,
// C2, Na, RL and per motion Cw, R, FL, the integrand Pli and the reduction
// factor DE, then the adopted DE. `sigmaVE` is the point's effective
// overburden pressure, no value when it ran beyond any finite number.
//
// A value that would not be finite has no value, and so has everything
// computed from it: Na < 0 leaves RL, Cw, R and FL without a value; L
// without a value or L = 0 leaves that motion's FL without one. An FL without
// a value counts as not liquefying: Pli = 0 and DE from the FL > 2/3 row,
// with an R without a value counting as not above 0.3. C1, C2 and Pli are
// stored as 0 where they would have no value.
void SetResistance(CalcPoint& point, MaybeReal sigmaVE);

// The liquefaction-index integrand (1 - FL)(10 - 0.5 x) at depth x, 0 from
// FL > 1 on and for an FL without a value (or a product beyond any finite
// number).
double IntegrandPli(MaybeReal fl, double depth);

// Log10(v) as the method writes it: ln v / ln 10.
double Log10(double value);

}  // namespace fljudge
