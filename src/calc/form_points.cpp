#include "calc/form_points.h"

#include <algorithm>
#include <array>
#include <utility>

namespace fljudge {
namespace {

int UsedRows(std::int16_t count, int capacity) { return std::clamp<int>(count, 0, capacity); }

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

enum class Next { Layer, NValue, Both, None };

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
        Next next = Next::None;
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
        if (next != Next::None && !(waterPlaced || depth < marker)) {
            next = Next::None;
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
            case Next::None:
                p = PointSeed{};
                p.Depth = marker;
                waterPlaced = true;
                break;
        }
    }
}

// Later steps read the order of equal depths (a data point at the groundwater
// depth comes before the groundwater point unless it is the deepest point).
// Sorts depths and row indexes side by side and moves the points once at the
// end.
void SortByDepth(PointSeeds& seeds) {
    const int count = seeds.Count;
    std::array<double, kMaxCalcPoints> depth{};
    std::array<std::uint8_t, kMaxCalcPoints> row{};
    for (int a = 0; a < count; ++a) {
        depth[static_cast<std::size_t>(a)] = seeds.Points[a + 1].Depth;
        row[static_cast<std::size_t>(a)] = static_cast<std::uint8_t>(a + 1);
    }
    for (std::size_t a = 0; a < static_cast<std::size_t>(count); ++a) {
        for (std::size_t b = 0; b < static_cast<std::size_t>(count); ++b) {
            if (depth[a] < depth[b]) {
                std::swap(depth[a], depth[b]);
                std::swap(row[a], row[b]);
            }
        }
    }
    const PointSeeds unsorted = seeds;
    for (int a = 1; a <= count; ++a) {
        seeds.Points[a] = unsorted.Points[row[static_cast<std::size_t>(a - 1)]];
    }
}

void FormPoints(const ProjectData& project, PointSeeds& seeds) {
    MergeRows(project, seeds);
    SortByDepth(seeds);
}

}  // namespace fljudge
