#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "calc/round3.h"
#include "calc/run_calculation.h"
#include "project/project_data.h"
#include "project/project_file.h"

namespace {

using namespace fljudge;

void BM_Round3(benchmark::State& state) {
    double x = 0.12345;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fljudge::Round3(x));
        x += 0.000137;
    }
}
BENCHMARK(BM_Round3);

// Values whose fourth decimal is a 5 to the last digit, such as rd at 1.1 m
// (1 - 0.0165 = 0.9835): only the 15-digit text decides their rounding.
void BM_Round3_HalfWay(benchmark::State& state) {
    double values[25];
    for (int j = 0; j < 25; ++j) {
        values[j] = 1 - 0.015 * (1.1 * (2 * j + 1));
    }
    int j = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fljudge::Round3(values[j]));
        j = (j + 1) % 25;
    }
}
BENCHMARK(BM_Round3_HalfWay);

// The largest column: 30 layers and 50 N values at depths of their own, the
// groundwater between them, 81 points.
ProjectData LargestColumn() {
    ProjectData project;
    NewProject(project, DefaultBasicInfo());
    project.DesignKhLv1 = 0.15;
    project.DesignKhLv2T1 = 0.45;
    project.DesignKhLv2T2 = 0.70;
    project.WaterDepth = 1.75;
    project.LayerCount = kMaxLayers;
    for (int i = 1; i <= kMaxLayers; ++i) {
        SoilLayer& layer = project.SoilLayers[i];
        layer.Depth = 2.0 * i - 0.25;  // 1.75 .. 59.75 m
        layer.SoilClass = static_cast<std::int16_t>(1 + i % 3);
        layer.FinesContent = 3.0 * i;
        layer.PlasticityIndex = i % 4 == 0 ? 20 : 5;
        layer.D50 = i % 5 == 0 ? 4 : 0.3;
        layer.D10 = 0.05;
    }
    project.NValueCount = kMaxNValues;
    for (int j = 1; j <= kMaxNValues; ++j) {
        project.NValues[j] = NValuePoint{1.1 * j, static_cast<std::int16_t>(3 + j % 25)};
    }
    return project;
}

void BM_RunCalculation_81Points(benchmark::State& state) {
    const ProjectData project = LargestColumn();
    const BasicInfo info = DefaultBasicInfo();
    CalcResults results;
    RunCalculation(project, info, results);
    if (results.CalcPointCount != kMaxCalcPoints) {
        state.SkipWithError("the column does not have 81 points");
        return;
    }
    for (auto _ : state) {
        RunCalculation(project, info, results);
        benchmark::DoNotOptimize(results.PL);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RunCalculation_81Points);

void BM_LoadAndCalculate(benchmark::State& state) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("fljudge-bench-" + std::to_string(getpid()) + ".KORV");
    const BasicInfo info = DefaultBasicInfo();
    if (!SaveProject(path, LargestColumn())) {
        state.SkipWithError("the project could not be saved");
        return;
    }
    ProjectData project;
    CalcResults results;
    for (auto _ : state) {
        if (!LoadProject(path, info, project)) {
            state.SkipWithError("the project could not be loaded");
            break;
        }
        RunCalculation(project, info, results);
        benchmark::DoNotOptimize(results.PL);
        benchmark::ClobberMemory();
    }
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}
BENCHMARK(BM_LoadAndCalculate);

}  // namespace
