#pragma once

#include "calc/calc_point.h"

namespace fljudge {

// Builds PlPoints from the finished CalcPoints and sums PL per motion by
// trapezoids from the groundwater level down to the deepest N value below it.
//
// Nodes without an N value of their own (they lie at the groundwater depth)
// take the FL of the first node that has one, so that a data point at the
// groundwater depth keeps its own FL. Nodes at the groundwater depth get an
// integrand only while it is at most 10 m, the depth below which no point is
// a target. A slice or a sum that would not be finite counts as 0.
void SumLiquefactionIndex(CalcResults& results, double waterDepth);

}  // namespace fljudge
