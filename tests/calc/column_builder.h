#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

#include "calc/calc_point.h"
#include "calc/run_calculation.h"
#include "project/project_data.h"

namespace fljudge::column {

struct LayerRow {
    double Depth;
    std::int16_t SoilClass = kSandy;
    double FinesContent = 5;
    double PlasticityIndex = 0;
    double D50 = 0.2;
    double D10 = 0.05;
};

struct NRow {
    double Depth;
    std::int16_t N;
};

// A project with the given tables, in the order given, and design
// coefficients (0.15, 0.45, 0.70).
inline ProjectData Column(std::initializer_list<LayerRow> layers,
                          std::initializer_list<NRow> nValues, double waterDepth) {
    ProjectData project;
    NewProject(project, DefaultBasicInfo());
    project.DesignKhLv1 = 0.15;
    project.DesignKhLv2T1 = 0.45;
    project.DesignKhLv2T2 = 0.70;
    project.WaterDepth = waterDepth;
    for (const LayerRow& row : layers) {
        SoilLayer& layer = project.SoilLayers[++project.LayerCount];
        layer.Depth = row.Depth;
        layer.SoilClass = row.SoilClass;
        layer.FinesContent = row.FinesContent;
        layer.PlasticityIndex = row.PlasticityIndex;
        layer.D50 = row.D50;
        layer.D10 = row.D10;
    }
    for (const NRow& row : nValues) {
        project.NValues[++project.NValueCount] = NValuePoint{row.Depth, row.N};
    }
    return project;
}

// N values `n` at every metre from `from` to `to`.
inline void AddNEveryMetre(ProjectData& project, int from, int to, std::int16_t n) {
    for (int d = from; d <= to; ++d) {
        project.NValues[++project.NValueCount] = NValuePoint{static_cast<double>(d), n};
    }
}

inline CalcResults Calculate(const ProjectData& project,
                             const BasicInfo& basicInfo = DefaultBasicInfo()) {
    CalcResults results;
    RunCalculation(project, basicInfo, results);
    return results;
}

// A copy of the first point at `depth` (the n-th of several when n > 1).
inline CalcPoint PointAt(const CalcResults& results, double depth, int n = 1) {
    for (int c = 1; c <= results.CalcPointCount; ++c) {
        if (results.CalcPoints[c].Depth == depth && --n == 0) {
            return results.CalcPoints[c];
        }
    }
    ADD_FAILURE() << "no point at " << depth << " m";
    return {};
}

}  // namespace fljudge::column
