#pragma once

#include <cstdint>

#include "calc/calc_point.h"
#include "project/one_based.h"
#include "project/project_data.h"

namespace fljudge {

// A calculation point as the merge walk forms it: the fields a point has
// before its thickness, unit weights and coefficients are set.
struct PointSeed {
    double Depth = 0;
    std::int16_t N = 0;
    std::int16_t SoilClass = 0;
    double FinesContent = 0;
    double PlasticityIndex = 0;
    double D50 = 0;
    double D10 = 0;

    friend bool operator==(const PointSeed&, const PointSeed&) = default;
};

struct PointSeeds {
    OneBased<PointSeed, kMaxCalcPoints> Points;
    int Count = 0;
};

// The merge walk over both tables in their stored order: forms one point
// per layer bottom, per N value (one combined point where the walk meets a
// layer and an N value of the same depth) and the groundwater point, placed
// before the first row at or below the groundwater depth.
void MergeRows(const ProjectData& project, PointSeeds& seeds);

// Ascending depth by the exact double loop over the full ranges, so that
// points of equal depth end in the order that loop leaves them.
void SortByDepth(PointSeeds& seeds);

// MergeRows, then SortByDepth: merges the layer bottoms, the N-value depths and the groundwater
// level into points, every table row placed exactly once, and puts them in ascending depth (points
// of equal depth in the order the calculation relies on). Counts beyond a table's capacity are read
// as the capacity.
void FormPoints(const ProjectData& project, PointSeeds& seeds);

}  // namespace fljudge
