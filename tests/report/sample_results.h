#pragma once

#include <algorithm>

#include "calc/calc_point.h"
#include "project/project_data.h"
#include "report/report_input.h"

namespace fljudge::test {

// A project with `nValues` N values and `points` calculation points filled by
// hand: every value of every column is set, every third point is no
// liquefaction target, and the DE texts vary.
struct SampleResults {
    ProjectData project;
    CalcResults results;

    SampleResults(int nValues, int points) {
        project.WaterDepth = 1.5;
        project.LayerCount = static_cast<std::int16_t>(std::min(points, kMaxLayers));
        for (int i = 1; i <= project.LayerCount; ++i) {
            SoilLayer& layer = project.SoilLayers[i];
            layer.Depth = 2.0 * i;
            layer.Thickness = 2;
            layer.SoilClass = static_cast<std::int16_t>(1 + i % 3);
            layer.FinesContent = 10 + i;
        }
        project.NValueCount = static_cast<std::int16_t>(nValues);
        for (int i = 1; i <= nValues; ++i) {
            project.NValues[i] = {1.0 * i, static_cast<std::int16_t>(3 + i % 40)};
        }

        static constexpr std::string_view kDeTexts[] = {"0", "1/6", "1/3", "2/3", "1"};
        results.CalcPointCount = static_cast<std::int16_t>(points);
        for (int i = 1; i <= points; ++i) {
            CalcPoint& p = results.CalcPoints[i];
            p.Depth = 0.75 * i;
            p.N = static_cast<std::int16_t>(3 + i % 40);
            p.Thickness = 0.75;
            p.SoilClass = static_cast<std::int16_t>(1 + i % 3);
            p.GammaT1 = 18;
            p.GammaT2 = 19;
            p.GammaE2 = 9;
            p.FinesContent = 10 + i % 30;
            p.D10 = 0.012;
            p.D50 = 0.25;
            p.Target = i % 3 == 0 ? 0 : 1;
            p.SigmaV = 18.0 * p.Depth;
            p.SigmaVE = 9.0 * p.Depth + 10;
            p.Rd = 1 - 0.015 * p.Depth;
            p.L = {{{0.1, 0.3, 0.6}}};
            p.C1 = 1.1;
            p.C2 = 0.4;
            p.N1 = 12.345;
            p.Na = 13.456;
            p.RL = 0.234;
            p.Cw = {{{1.0, 1.0, 1.5}}};
            p.R = {{{0.234, 0.234, 0.351}}};
            p.FL = {{{2.34, 0.78, 0.585}}};
            p.DEText = {{{kDeTexts[i % 5], kDeTexts[(i + 1) % 5], kDeTexts[(i + 2) % 5]}}};
            p.AdoptedDEText = kDeTexts[0];
        }
        results.NPointCount = static_cast<std::int16_t>(std::min(nValues, points));
        for (int i = 1; i <= results.NPointCount; ++i) {
            results.NPoints[i] = results.CalcPoints[i];
        }
        results.PL = {{{7.852, 36.579, 39.776}}};
    }

    SampleResults(const SampleResults&) = delete;
    SampleResults& operator=(const SampleResults&) = delete;

    ReportInput Input() const { return {project, results}; }
};

}  // namespace fljudge::test
