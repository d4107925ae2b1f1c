#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "project/one_based.h"
#include "project/project_data.h"

namespace fljudge {

// Design motions, numbered 1..3 in every per-motion array.
inline constexpr int kLv1 = 1;    // Lv1, Level 1
inline constexpr int kLv2T1 = 2;  // Lv2-1, Level 2 Type I
inline constexpr int kLv2T2 = 3;  // Lv2-2, Level 2 Type II
inline constexpr int kMotionCount = 3;

// A value the calculation cannot define (a division by zero, the root of a
// negative number). Shown as "－" on the pages and as null by the CLI, and
// never as NaN or infinity.
using MaybeReal = std::optional<double>;

using PerMotion = OneBased<double, kMotionCount>;
using MaybePerMotion = OneBased<MaybeReal, kMotionCount>;
using TextPerMotion = OneBased<std::string_view, kMotionCount>;

// One calculation point. Texts point at static literals ("0", "1/6", ...).
struct CalcPoint {
    double Depth = 0;
    std::int16_t N = 0;
    double Thickness = 0;
    std::int16_t SoilClass = 0;
    double FinesContent = 0;
    double PlasticityIndex = 0;
    double D50 = 0;
    double D10 = 0;
    double GammaT1 = 0;
    double GammaT2 = 0;
    double GammaE2 = 0;
    PerMotion Khg;
    std::int16_t Cond1 = 0;
    std::int16_t Cond2 = 0;
    std::int16_t Cond3 = 0;
    std::int16_t Target = 0;
    double SigmaV = 0;
    double SigmaVE = 0;
    double Rd = 0;
    MaybePerMotion L{{{0.0, 0.0, 0.0}}};
    MaybeReal N1 = 0.0;
    MaybeReal Na = 0.0;
    double C1 = 0;
    double C2 = 0;
    MaybeReal RL = 0.0;
    MaybePerMotion Cw{{{0.0, 0.0, 0.0}}};
    MaybePerMotion R{{{0.0, 0.0, 0.0}}};
    MaybePerMotion FL{{{0.0, 0.0, 0.0}}};
    PerMotion Pli;
    TextPerMotion DEText;
    PerMotion DE;
    std::string_view AdoptedDEText;
    double AdoptedDE = 0;

    friend bool operator==(const CalcPoint&, const CalcPoint&) = default;
};

// At most one point per layer bottom, per N value and the groundwater point.
inline constexpr int kMaxCalcPoints = kMaxLayers + kMaxNValues + 1;

// One node of the trapezoid integration of PL: a point at or below the
// groundwater level that has an N value or lies at the groundwater depth.
struct PlPoint {
    double Depth = 0;
    double Thickness = 0;  // from the node above (the first: its own depth), not rounded
    std::int16_t Target = 0;
    std::int16_t N = 0;  // the point's N value; nodes without one take an FL from below
    MaybePerMotion FL{{{0.0, 0.0, 0.0}}};
    PerMotion Pli;
    PerMotion PLSeg;  // share of PL of the slice that ends at this node

    friend bool operator==(const PlPoint&, const PlPoint&) = default;
};

// The results of one calculation, rebuilt from empty by every run. Rows
// beyond each count are default points (the calculation clears what an
// earlier run left there).
struct CalcResults {
    OneBased<CalcPoint, kMaxCalcPoints> CalcPoints;
    std::int16_t CalcPointCount = 0;
    OneBased<CalcPoint, kMaxCalcPoints> NPoints;  // the CalcPoints with N >= 1
    std::int16_t NPointCount = 0;
    PerMotion PL;
    // The working table of the PL integration; nothing outside the calculation
    // needs it, it is kept to make the integration visible to tests.
    OneBased<PlPoint, kMaxCalcPoints> PlPoints;
    std::int16_t PlPointCount = 0;

    friend bool operator==(const CalcResults&, const CalcResults&) = default;
};

}  // namespace fljudge
