#include "calc/form_points.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace fljudge {
namespace {

int UsedRows(std::int16_t count, int capacity) {
    return std::clamp<int>(count, 0, capacity);
}

PointSeed LayerPoint(const SoilLayer& layer) {
    PointSeed p;
    p.Depth = layer.Depth;
    p.SoilClass = layer.SoilClass;
    p.FinesContent = layer.FinesContent;
    p.PlasticityIndex = layer.PlasticityIndex;
    p.D50 = layer.D50;
    p.D10 = layer.D10;
    return p;
}

PointSeed NPoint(const NValuePoint& row) {
    PointSeed p;
    p.Depth = row.Depth;
    p.N = row.N;
    return p;
}

// What a pass of the walk places: a layer row, an N-value row, both rows at
// one depth, or the groundwater point.
enum class Next { Layer, NValue, Both, GroundwaterPoint };

// One pass a of the double loop over b in [from, to): wherever the depth at a
// is less than the depth at b, the two swap. The values at a stay in
// registers; the swaps are selects, so that the pass does not branch.
void SwapPass(std::array<double, kMaxCalcPoints>& depth,
              std::array<std::uint8_t, kMaxCalcPoints>& row, std::size_t a, std::size_t from,
              std::size_t to) {
    double depthA = depth[a];
    std::uint8_t rowA = row[a];
    for (std::size_t b = from; b < to; ++b) {
        const double depthB = depth[b];
        const std::uint8_t rowB = row[b];
        const bool swap = depthA < depthB;
        depth[b] = swap ? depthA : depthB;
        row[b] = swap ? rowA : rowB;
        depthA = swap ? depthB : depthA;
        rowA = swap ? rowB : rowA;
    }
    depth[a] = depthA;
    row[a] = rowA;
}

}  // namespace

void MergeRows(const ProjectData& project, PointSeeds& seeds) {
    const int layerCount = UsedRows(project.LayerCount, kMaxLayers);
    const int nValueCount = UsedRows(project.NValueCount, kMaxNValues);
    // Once the groundwater point is placed, no later row counts as lying at or
    // below the marker (the walk's marker then moves to 999 m, beyond any layer).
    const double marker = project.WaterDepth;
    bool waterPlaced = false;
    seeds.Count = 0;
    int i = 1;
    int j = 1;
    // Every pass places one layer row, one N-value row, both, or the
    // groundwater point, so at most LayerCount + NValueCount + 1 points arise.
    while (i <= layerCount || j <= nValueCount || !waterPlaced) {
        Next next = Next::GroundwaterPoint;
        double depth = 0;
        if (j > nValueCount) {
            if (i <= layerCount) {
                next = Next::Layer;
                depth = project.SoilLayers[i].Depth;
            }
        } else if (i > layerCount) {
            // Possible only with tables out of order: the layers ran out first.
            next = Next::NValue;
            depth = project.NValues[j].Depth;
        } else {
            const double layerDepth = project.SoilLayers[i].Depth;
            const double nDepth = project.NValues[j].Depth;
            if (layerDepth > nDepth) {
                next = Next::NValue;
                depth = nDepth;
            } else if (layerDepth < nDepth) {
                next = Next::Layer;
                depth = layerDepth;
            } else {
                next = Next::Both;
                depth = layerDepth;
            }
        }
        if (next != Next::GroundwaterPoint && !(waterPlaced || depth < marker)) {
            next = Next::GroundwaterPoint;
        }

        PointSeed& p = seeds.Points[++seeds.Count];
        switch (next) {
            case Next::Layer:
                p = LayerPoint(project.SoilLayers[i++]);
                break;
            case Next::NValue:
                p = NPoint(project.NValues[j++]);
                break;
            case Next::Both:
                p = LayerPoint(project.SoilLayers[i++]);
                p.N = project.NValues[j++].N;
                break;
            case Next::GroundwaterPoint:
                p = PointSeed{};
                p.Depth = marker;
                waterPlaced = true;
                break;
        }
    }
}

// Later steps read the order of equal depths (a data point at the groundwater
// depth comes before the groundwater point unless it is the deepest point).
// Sorts depths and row numbers side by side and moves the points once at the
// end.
void SortByDepth(PointSeeds& seeds) {
    const auto count = static_cast<std::size_t>(std::clamp(seeds.Count, 0, kMaxCalcPoints));
    std::array<double, kMaxCalcPoints> depth;
    std::array<std::uint8_t, kMaxCalcPoints> row;
    bool allNumbers = true;
    for (std::size_t a = 0; a < count; ++a) {
        depth[a] = seeds.Points[static_cast<int>(a) + 1].Depth;
        row[a] = static_cast<std::uint8_t>(a + 1);
        allNumbers = allNumbers && !std::isnan(depth[a]);
    }
    // The loop is: for a, for b, both over the full range, swap when depth a <
    // depth b. Pass a = 1 leaves the largest depth at 1. Every later pass a
    // finds the depths before a in ascending order; none of them up to the
    // first one greater than depth a swaps, and once b has reached a, depth a
    // is the largest, so no b beyond a swaps either. Only the passes' swaps
    // are done; a depth that is not a number compares with none, and then
    // the whole loop runs.
    for (std::size_t a = 0; a < count; ++a) {
        if (a == 0 || !allNumbers) {
            SwapPass(depth, row, a, 0, a);
            SwapPass(depth, row, a, a + 1, count);
        } else {
            const auto prefixEnd = depth.begin() + static_cast<std::ptrdiff_t>(a);
            const auto firstGreater = std::upper_bound(depth.begin(), prefixEnd, depth[a]);
            SwapPass(depth, row, a, static_cast<std::size_t>(firstGreater - depth.begin()), a);
        }
    }
    const PointSeeds unsorted = seeds;
    for (std::size_t a = 0; a < count; ++a) {
        seeds.Points[static_cast<int>(a) + 1] = unsorted.Points[row[a]];
    }
}

void FormPoints(const ProjectData& project, PointSeeds& seeds) {
    MergeRows(project, seeds);
    SortByDepth(seeds);
}

}  // namespace fljudge
