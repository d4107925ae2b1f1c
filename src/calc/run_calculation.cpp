#include "calc/run_calculation.h"

#include <algorithm>
#include <cmath>

#include "calc/defined_value.h"
#include "calc/form_points.h"
#include "calc/liquefaction_index.h"
#include "calc/resistance.h"
#include "calc/stress_ratio.h"

namespace fljudge {
namespace {

// The rows an earlier, longer column used beyond the new count go back to
// default points, so that nothing of it stays behind.
template <class Row, int N>
void ClearRowsAfter(OneBased<Row, N>& table, int count, int earlierCount) {
    const int end = std::clamp(earlierCount, 0, N);
    for (int c = count + 1; c <= end; ++c) {
        table[c] = Row{};
    }
}

bool SoilDataMissing(const CalcPoint& p) {
    return p.FinesContent == 0 && p.SoilClass == 0 && p.PlasticityIndex == 0 && p.D50 == 0 &&
           p.D10 == 0;
}

void CopySoilData(const CalcPoint& from, CalcPoint& to) {
    to.SoilClass = from.SoilClass;
    to.FinesContent = from.FinesContent;
    to.PlasticityIndex = from.PlasticityIndex;
    to.D50 = from.D50;
    to.D10 = from.D10;
    to.GammaT1 = from.GammaT1;
    to.GammaT2 = from.GammaT2;
    to.GammaE2 = from.GammaE2;
}

// Thickness, unit weights by soil class and the design coefficients; the
// thickness of each point is the slice from the point above. `thickness`
// receives the slices as computed: no value where one ran beyond any finite
// number (stored as 0), so that the pressures below it have none either.
void SetPointsFromSeeds(const PointSeeds& seeds, const ProjectData& project,
                        const BasicInfo& basicInfo, CalcResults& results,
                        OneBased<MaybeReal, kMaxCalcPoints>& thickness) {
    results.CalcPointCount = static_cast<std::int16_t>(seeds.Count);
    for (int c = 1; c <= seeds.Count; ++c) {
        const PointSeed& seed = seeds.Points[c];
        CalcPoint& p = results.CalcPoints[c];
        p = CalcPoint{};
        p.Depth = seed.Depth;
        p.N = seed.N;
        p.SoilClass = seed.SoilClass;
        p.FinesContent = seed.FinesContent;
        p.PlasticityIndex = seed.PlasticityIndex;
        p.D50 = seed.D50;
        p.D10 = seed.D10;

        thickness[c] = Round3Defined(c == 1 ? seed.Depth : seed.Depth - seeds.Points[c - 1].Depth);
        p.Thickness = thickness[c].value_or(0.0);
        if (p.SoilClass >= kSandy && p.SoilClass <= kGravelly) {
            const Triple& weights = basicInfo.UnitWeightTable[p.SoilClass];
            p.GammaT1 = weights[1];
            p.GammaT2 = weights[2];
            p.GammaE2 = weights[3];
        }
        p.Khg[kLv1] = project.DesignKhLv1;
        p.Khg[kLv2T1] = project.DesignKhLv2T1;
        p.Khg[kLv2T2] = project.DesignKhLv2T2;
    }
}

// Points without soil data of their own (N values between layer bottoms, the
// groundwater point) take the data of the nearest deeper point that has it:
// the layer they lie in.
void FillSoilDataFromBelow(CalcResults& results) {
    for (int c = results.CalcPointCount - 1; c >= 1; --c) {
        if (SoilDataMissing(results.CalcPoints[c])) {
            CopySoilData(results.CalcPoints[c + 1], results.CalcPoints[c]);
        }
    }
}

// The CalcPoints with an N value; each one's thickness is the depth span it
// represents, from the N value above, not rounded.
void FillNPoints(CalcResults& results) {
    int count = 0;
    for (int c = 1; c <= results.CalcPointCount; ++c) {
        const CalcPoint& point = results.CalcPoints[c];
        if (point.N < 1) {
            continue;
        }
        ++count;
        CalcPoint& row = results.NPoints[count];
        row = point;
        const double span =
            count == 1 ? point.Depth : point.Depth - results.NPoints[count - 1].Depth;
        row.Thickness = std::isfinite(span) ? span : 0.0;
    }
    results.NPointCount = static_cast<std::int16_t>(count);
}

}  // namespace

void RunCalculation(const ProjectData& project, const BasicInfo& basicInfo, CalcResults& results) {
    const double waterDepth = project.WaterDepth;
    const int earlierPoints = results.CalcPointCount;
    const int earlierNPoints = results.NPointCount;
    const int earlierPlPoints = results.PlPointCount;

    PointSeeds seeds;
    FormPoints(project, seeds);
    OneBased<MaybeReal, kMaxCalcPoints> thickness;
    SetPointsFromSeeds(seeds, project, basicInfo, results, thickness);
    FillSoilDataFromBelow(results);

    Overburden above;
    for (int c = 1; c <= results.CalcPointCount; ++c) {
        CalcPoint& point = results.CalcPoints[c];
        SetJudgementConditions(point, waterDepth);
        above = SetPressuresAndStressRatio(point, above, thickness[c], waterDepth);
        if (point.N >= 1) {
            SetResistance(point, above.SigmaVE);
        }
    }

    FillNPoints(results);
    results.PL = PerMotion{};
    SumLiquefactionIndex(results, waterDepth);

    ClearRowsAfter(results.CalcPoints, results.CalcPointCount, earlierPoints);
    ClearRowsAfter(results.NPoints, results.NPointCount, earlierNPoints);
    ClearRowsAfter(results.PlPoints, results.PlPointCount, earlierPlPoints);
}

}  // namespace fljudge
