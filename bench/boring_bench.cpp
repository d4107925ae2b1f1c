// Importing a boring exchange file of about 100 kB and calculating it.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "boring/boring_file.h"
#include "boring/boring_import.h"
#include "calc/run_calculation.h"
#include "project/cp932.h"
#include "project/whole_file.h"

namespace fljudge {
namespace {

std::string Element(const std::string& name, const std::string& value) {
    return "<" + name + ">" + value + "</" + name + ">\r\n";
}

// A 4.00 file as delivered: 30 layers, 50 tests with their 10 cm increments,
// water levels, and the survey's free-text descriptions that make up most
// of a real file's size.
std::string HundredKilobyteBoring() {
    const std::string layer = "工学的地質区分名現場土質名";
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n"
        "<!DOCTYPE ボーリング情報 SYSTEM \"BED0400.DTD\">\r\n"
        "<ボーリング情報 DTD_version=\"4.00\">\r\n<標題情報><調査基本情報>" +
        Element("ボーリング名", "Ｎｏ．１") + "</調査基本情報></標題情報>\r\n";
    const char* names[] = {"埋土（砂）", "シルト質砂", "砂質シルト", "砂礫", "粘土"};
    for (int i = 1; i <= 30; ++i) {
        xml += "<" + layer + ">\r\n" + Element(layer + "_下端深度", std::to_string(i * 2) + ".00") +
               Element(layer + "_" + layer, names[i % 5]) + "<" + layer + "_岩石群>" +
               Element(layer + "_岩石群コード", "1") +
               Element(layer + "_岩石土コード", "531200000") + "</" + layer + "_岩石群>\r\n</" +
               layer + ">\r\n";
    }
    for (int j = 1; j <= 50; ++j) {
        xml += "<標準貫入試験>\r\n" + Element("標準貫入試験_開始深度", std::to_string(j) + ".15") +
               Element("標準貫入試験_0_100打撃回数", "3") +
               Element("標準貫入試験_0_100貫入量", "100") +
               Element("標準貫入試験_100_200打撃回数", "4") +
               Element("標準貫入試験_100_200貫入量", "100") +
               Element("標準貫入試験_200_300打撃回数", "5") +
               Element("標準貫入試験_200_300貫入量", "100") +
               Element("標準貫入試験_合計打撃回数", std::to_string(j % 40 + 2)) +
               Element("標準貫入試験_合計貫入量", j % 7 == 0 ? "130" : "300") +
               Element("標準貫入試験_備考", "") + "</標準貫入試験>\r\n";
    }
    xml += "<孔内水位>" + Element("孔内水位_孔内水位", "-99.99") + "</孔内水位>\r\n";
    xml += "<孔内水位>" + Element("孔内水位_孔内水位", "2.30") + "</孔内水位>\r\n";
    // Most of the text is two-byte in code page 932 and three-byte here.
    while (xml.size() < 145000) {
        xml += Element("記事", "灰色を呈する細砂で、φ２～５ｍｍの礫を混入する。¥n含水は中位。");
    }
    return xml + "</ボーリング情報>\r\n";
}

void BM_ImportBoringAndCalculate(benchmark::State& state) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("fljudge-bench-" + std::to_string(getpid()) + ".XML");
    const auto bytes = Utf8ToCp932(HundredKilobyteBoring());
    if (!bytes || !ReplaceWholeFile(path, *bytes)) {
        state.SkipWithError("the boring file could not be written");
        return;
    }
    state.counters["bytes"] = static_cast<double>(bytes->size());
    const BasicInfo info = DefaultBasicInfo();
    ProjectData project;
    CalcResults results;
    for (auto _ : state) {
        const BoringFile file = ReadBoringFile(path);
        if (!file.status) {
            state.SkipWithError("the boring file could not be read");
            break;
        }
        const BoringImport imported = ImportBoring(file.column, info);
        NewProject(project, info);
        ApplyBoringImport(imported, imported.WaterChoice, project);
        RunCalculation(project, info, results);
        benchmark::DoNotOptimize(results.PL);
        benchmark::ClobberMemory();
    }
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}
BENCHMARK(BM_ImportBoringAndCalculate)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fljudge
