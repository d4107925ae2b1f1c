#include "calc/check_before_calc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "column_builder.h"

namespace fljudge {
namespace {

using column::Column;

const std::string kSort = "\r\nソートを行い計算を行います";

struct Case {
    const char* what;
    ProjectData project;
    CheckOutcome outcome;
    std::string message;
};

ProjectData WithCounts(ProjectData project, int layers, int nValues) {
    project.LayerCount = static_cast<std::int16_t>(layers);
    project.NValueCount = static_cast<std::int16_t>(nValues);
    return project;
}

TEST(CheckBeforeCalc, ChecksInTheirFixedOrder) {
    const ProjectData good = Column({{5}, {10}}, {{1, 3}, {10, 5}}, 2);
    ProjectData sixty = good;
    sixty.SoilLayers[2].Depth = 60;
    sixty.WaterDepth = 60;
    ProjectData deeper = good;
    deeper.SoilLayers[1].Depth = 60.001;

    const std::vector<Case> cases = {
        {"nothing", WithCounts(good, 0, 0), CheckOutcome::Stop, "Ｎ値情報がありません"},
        {"no layers", WithCounts(good, 0, 2), CheckOutcome::Stop, "土層情報がありません"},
        {"60 m", sixty, CheckOutcome::Pass, ""},
        {"deeper", deeper, CheckOutcome::Stop, "深度が60m以上になっています"},
        {"deeper, all N zero", Column({{61}}, {{1, 0}}, 1), CheckOutcome::Stop,
         "深度が60m以上になっています"},
        {"all N zero", Column({{5}, {10}}, {{1, 0}, {2, 0}}, 2), CheckOutcome::Stop,
         "Ｎ情報のＮ値に０以上の設定値がありません"},
        {"negative N", Column({{5}}, {{1, -3}}, 2), CheckOutcome::Stop,
         "Ｎ情報のＮ値に０以上の設定値がありません"},
        {"water at the deepest layer", Column({{5}, {10}}, {{1, 3}}, 10), CheckOutcome::Pass, ""},
        {"water at 0", Column({{5}, {10}}, {{1, 3}}, 0), CheckOutcome::Pass, ""},
        {"water below", Column({{5}, {10}}, {{1, 3}}, 10.001), CheckOutcome::Stop,
         "水位深度の土層情報がありません"},
        {"water below and N below", Column({{5}}, {{6, 3}}, 7), CheckOutcome::Stop,
         "水位深度の土層情報がありません"},
        {"N below", Column({{5}, {10}}, {{1, 3}, {10.5, 3}}, 1), CheckOutcome::Stop,
         "最大Ｎ値深度の土層情報がありません"},
        {"N at the deepest layer", Column({{5}, {10}}, {{10, 3}}, 1), CheckOutcome::Pass, ""},
        {"equal layers and equal N",
         Column({{1}, {2}, {4}, {5}, {6}, {7}, {4}}, {{3, 1}, {3, 2}}, 1), CheckOutcome::Stop,
         "以下の土質深度が同一値です\r\n土質No= 3＝ 7\r\n"},
        {"three equal layers",
         Column({{1}, {2}, {2}, {3}, {4}, {5}, {6}, {7}, {8}, {9}, {2}}, {{3, 1}}, 1),
         CheckOutcome::Stop,
         "以下の土質深度が同一値です\r\n土質No= 2＝ 3\r\n土質No= 2＝ 11\r\n土質No= 3＝ 11\r\n"},
        {"equal N", Column({{5}}, {{3, 1}, {3, 2}, {4, 1}}, 1), CheckOutcome::Stop,
         "以下のＮ値深度が同一値です\r\nＮ値No= 1＝ 2\r\n"},
        {"layers unsorted", Column({{5}, {3}, {10}}, {{1, 3}, {2, 3}}, 1), CheckOutcome::Notice,
         "土層情報の深度が昇順になってません" + kSort},
        {"N unsorted", Column({{5}, {10}}, {{2, 3}, {1, 3}}, 1), CheckOutcome::Notice,
         "Ｎ情報の深度が昇順になってません" + kSort},
        {"both descending", Column({{10}, {5}, {3}}, {{4, 3}, {2, 3}}, 1), CheckOutcome::Notice,
         "土層情報及びＮ情報の深度が昇順になってません" + kSort},
    };
    for (const Case& c : cases) {
        const CheckResult result = CheckBeforeCalc(c.project);
        EXPECT_EQ(result.outcome, c.outcome) << c.what;
        EXPECT_EQ(result.message, c.message) << c.what;
    }
}

TEST(CheckBeforeCalc, RowsBeyondTheCountsAreNotRead) {
    ProjectData project = Column({{5}, {10}}, {{1, 3}, {2, 4}}, 2);
    project.SoilLayers[3].Depth = 70;  // would fail the depth check
    project.SoilLayers[4].Depth = 5;   // would be an equal pair
    project.NValues[3].Depth = 1;
    EXPECT_EQ(CheckBeforeCalc(project).outcome, CheckOutcome::Pass);
}

}  // namespace
}  // namespace fljudge
