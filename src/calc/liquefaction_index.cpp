#include "calc/liquefaction_index.h"

#include <cmath>

#include "calc/defined_value.h"
#include "calc/resistance.h"

namespace fljudge {
namespace {

double FiniteOrZero(double value) {
    return std::isfinite(value) ? value : 0.0;
}

// Whether a node's end of its slices counts: targets, and the groundwater
// depth while it lies within 10 m (below it nothing is a target).
bool HasIntegrand(double depth, std::int16_t target, double waterDepth) {
    return (depth == waterDepth && waterDepth <= 10) || target == 1;
}

// Nodes with an N value keep the point's FL, so their integrand is the
// point's own Pli.
void AppendNodes(CalcResults& results, double waterDepth) {
    results.PlPointCount = 0;
    for (int c = 1; c <= results.CalcPointCount; ++c) {
        const CalcPoint& point = results.CalcPoints[c];
        if (!(point.Depth >= waterDepth && (point.N >= 1 || point.Depth == waterDepth))) {
            continue;
        }
        const int n = ++results.PlPointCount;
        PlPoint& node = results.PlPoints[n];
        node = PlPoint{};
        node.Depth = point.Depth;
        node.Thickness =
            FiniteOrZero(n == 1 ? point.Depth : point.Depth - results.PlPoints[n - 1].Depth);
        node.Target = point.Target;
        node.N = point.N;
        node.FL = point.FL;
        if (point.N >= 1 && HasIntegrand(node.Depth, node.Target, waterDepth)) {
            node.Pli = point.Pli;
        }
    }
}

// The groundwater node (and a layer bottom without an N value at the same
// depth) carries the FL of the first N value at or below the water table.
void ShareFirstFL(CalcResults& results) {
    const int count = results.PlPointCount;
    int first = 1;
    while (first <= count && results.PlPoints[first].N < 1) {
        ++first;
    }
    if (first > count) {
        return;
    }
    const MaybePerMotion fl = results.PlPoints[first].FL;
    for (int c = 1; c <= count; ++c) {
        if (results.PlPoints[c].N < 1) {
            results.PlPoints[c].FL = fl;
        }
    }
}

void SetIntegrandsWithoutNValue(CalcResults& results, double waterDepth) {
    for (int c = 1; c <= results.PlPointCount; ++c) {
        PlPoint& node = results.PlPoints[c];
        if (node.N < 1 && HasIntegrand(node.Depth, node.Target, waterDepth)) {
            for (int k = 1; k <= kMotionCount; ++k) {
                node.Pli[k] = IntegrandPli(node.FL[k], node.Depth);
            }
        }
    }
}

void SumSlices(CalcResults& results) {
    const int count = results.PlPointCount;
    for (int c = 1; c <= count - 1; ++c) {
        PlPoint& lower = results.PlPoints[c + 1];
        const PlPoint& upper = results.PlPoints[c];
        for (int k = 1; k <= kMotionCount; ++k) {
            // A slice between two nodes without integrand is exactly 0 (the
            // usual slice among non-targets); Round3 would return it as is.
            const double ends = lower.Pli[k] + upper.Pli[k];
            lower.PLSeg[k] =
                ends == 0 ? 0.0 : Round3Defined(ends / 2 * lower.Thickness).value_or(0.0);
        }
    }
    for (int k = 1; k <= kMotionCount; ++k) {
        MaybeReal sum = 0.0;
        for (int c = 1; c <= count && sum; ++c) {
            // Adding a slice of 0 leaves the rounded sum as it is.
            if (results.PlPoints[c].PLSeg[k] != 0) {
                sum = Round3Defined(*sum + results.PlPoints[c].PLSeg[k]);
            }
        }
        results.PL[k] = sum.value_or(0.0);
    }
}

}  // namespace

void SumLiquefactionIndex(CalcResults& results, double waterDepth) {
    AppendNodes(results, waterDepth);
    ShareFirstFL(results);
    SetIntegrandsWithoutNValue(results, waterDepth);
    SumSlices(results);
}

}  // namespace fljudge
