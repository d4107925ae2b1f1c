#include "boring/boring_import.h"

#include <gtest/gtest.h>

#include "boring/boring_file.h"
#include "boring_xml_builder.h"
#include "calc/check_before_calc.h"

namespace fljudge {
namespace {

using testing::BoringXml;
using testing::LayerRow;
using testing::SptRow;

bool HasWarning(const std::vector<std::string>& warnings, std::string_view part) {
    for (const std::string& w : warnings) {
        if (w.find(part) != std::string::npos) {
            return true;
        }
    }
    return false;
}

BoringImport Import(const std::string& xml) {
    const BoringFile file = ParseBoringXml(xml);
    EXPECT_TRUE(file.status) << file.status.reason;
    return ImportBoring(file.column, DefaultBasicInfo());
}

ProjectData Applied(const BoringImport& imported) {
    ProjectData project;
    NewProject(project, DefaultBasicInfo());
    ApplyBoringImport(imported, imported.WaterChoice, project);
    return project;
}

struct NCase {
    const char* version;
    const char* blows;
    const char* penetration;
    int n;  // -1: skipped
    bool warned;
};

class NValueRule : public ::testing::TestWithParam<NCase> {};

TEST_P(NValueRule, FromTheTotals) {
    const NCase& c = GetParam();
    const BoringImport imported =
        Import(BoringXml(c.version, {{"5.0", "砂"}}, {{"1.15", c.blows, c.penetration}}, {"1.0"}));
    if (c.n < 0) {
        EXPECT_TRUE(imported.NValues.empty());
        EXPECT_TRUE(HasWarning(imported.Warnings, "読み飛ばしました"));
        return;
    }
    ASSERT_EQ(imported.NValues.size(), 1u);
    EXPECT_EQ(imported.NValues[0].Point.N, c.n);
    EXPECT_DOUBLE_EQ(imported.NValues[0].Point.Depth, 1.15);
    EXPECT_EQ(HasWarning(imported.Warnings, "30cm 換算"), c.warned);
}

INSTANTIATE_TEST_SUITE_P(
    Records, NValueRule,
    ::testing::Values(NCase{"3.00", "12", "30", 12, false}, NCase{"3.00", "3", "45", 3, false},
                      NCase{"3.00", "50", "20", 75, true}, NCase{"3.00", "50", "13", 115, true},
                      NCase{"3.00", "0", "45", 0, false}, NCase{"3.00", "00", "0", 0, false},
                      NCase{"3.00", "1", "12", 2, true},  // 2.5 rounds to even
                      NCase{"3.00", "1", "20", 2, true},  // 1.5 rounds to even
                      NCase{"4.00", "50", "130", 115, true}, NCase{"4.00", "12", "300", 12, false},
                      NCase{"4.00", "50", "200", 75, true}, NCase{"3.00", "", "30", -1, false},
                      NCase{"3.00", "10", "", -1, false}, NCase{"3.00", "abc", "30", -1, false},
                      NCase{"3.00", "10", "0", -1, false}, NCase{"3.00", "-1", "30", -1, false},
                      NCase{"3.00", "50", "0.01", -1, false}));

struct WaterCase {
    const char* version;
    std::vector<std::string> levels;
    double depth;
    bool warned;
};

class WaterRule : public ::testing::TestWithParam<WaterCase> {};

TEST_P(WaterRule, FirstUsableMeasurement) {
    const WaterCase& c = GetParam();
    const BoringImport imported =
        Import(BoringXml(c.version, {{"5.0", "砂"}}, {{"1.0", "10", "30"}}, c.levels));
    EXPECT_DOUBLE_EQ(Applied(imported).WaterDepth, c.depth);
    EXPECT_EQ(!WaterChoiceWarning(imported, imported.WaterChoice).empty(), c.warned);
    EXPECT_EQ(imported.WaterLevels.size(), c.levels.size());
}

INSTANTIATE_TEST_SUITE_P(
    Levels, WaterRule,
    ::testing::Values(WaterCase{"3.00", {}, 0, true}, WaterCase{"3.00", {""}, 0, true},
                      WaterCase{"4.00", {"-99.99"}, 0, true},
                      WaterCase{"4.00", {"-99.99", "3.20"}, 3.2, false},
                      WaterCase{"3.00", {"", "1.50", "2.50"}, 1.5, false},
                      WaterCase{"3.00", {"-0.50", "2.00"}, 2.0, false},
                      WaterCase{"3.00", {"abc", "2.00"}, 2.0, false},
                      WaterCase{"3.00", {"0"}, 0, false},
                      WaterCase{"3.00", {"7.00"}, 5.0, true}));  // kept within the column

TEST(WaterRuleTest, EveryMeasurementCanBeChosen) {
    const BoringImport imported =
        Import(BoringXml("3.00", {{"5.0", "砂"}}, {{"1.0", "10", "30"}}, {"1.00", "3.00"}));
    ProjectData project = Applied(imported);
    ApplyBoringImport(imported, 1, project);
    EXPECT_DOUBLE_EQ(project.WaterDepth, 3.0);
    ApplyBoringImport(imported, std::nullopt, project);
    EXPECT_DOUBLE_EQ(project.WaterDepth, 0);
}

TEST(CapacityRuleTest, MoreThanThirtyLayersMergeSameClassFromTheBottomUp) {
    // 36 layers of 1 m: 24 alternating sand and clay, then six pairs of one
    // class each (sand, clay, sand, ...), and three sand layers at the top
    // merge nowhere because the rule stops at 30.
    std::vector<LayerRow> layers;
    for (int i = 1; i <= 36; ++i) {
        const bool sand = i <= 24 ? i % 2 == 1 : ((i - 25) / 2) % 2 == 0;
        layers.push_back({std::to_string(i), sand ? "砂" : "粘土"});
    }
    const BoringImport imported = Import(BoringXml("3.00", layers, {{"1.0", "10", "30"}}, {"1"}));
    ASSERT_EQ(imported.Layers.size(), 30u);
    EXPECT_DOUBLE_EQ(imported.Layers[23].Layer.Depth, 24);
    EXPECT_DOUBLE_EQ(imported.Layers[24].Layer.Depth, 26);
    EXPECT_DOUBLE_EQ(imported.Layers[24].Layer.Thickness, 2);
    EXPECT_DOUBLE_EQ(imported.Layers.back().Layer.Depth, 36);
    EXPECT_TRUE(HasWarning(imported.Warnings, "同じ土質の隣り合う層を下からまとめ"));
    const ProjectData project = Applied(imported);
    double top = 0;
    for (int i = 1; i <= project.LayerCount; ++i) {
        EXPECT_DOUBLE_EQ(project.SoilLayers[i].Thickness, project.SoilLayers[i].Depth - top);
        top = project.SoilLayers[i].Depth;
    }
    EXPECT_EQ(CheckBeforeCalc(project).outcome, CheckOutcome::Pass);
}

TEST(CapacityRuleTest, MergingStopsAtThirty) {
    // 32 layers, all sand: only the two bottom merges are made.
    std::vector<LayerRow> layers;
    for (int i = 1; i <= 32; ++i) {
        layers.push_back({std::to_string(i), "砂"});
    }
    const BoringImport imported = Import(BoringXml("3.00", layers, {{"1.0", "10", "30"}}, {"1"}));
    ASSERT_EQ(imported.Layers.size(), 30u);
    EXPECT_DOUBLE_EQ(imported.Layers[28].Layer.Depth, 29);
    EXPECT_DOUBLE_EQ(imported.Layers[29].Layer.Depth, 32);
}

TEST(CapacityRuleTest, AlternatingLayersKeepTheFirstThirty) {
    std::vector<LayerRow> layers;
    for (int i = 1; i <= 34; ++i) {
        layers.push_back({std::to_string(i), i % 2 ? "砂" : "粘土"});
    }
    const BoringImport imported = Import(BoringXml(
        "3.00", layers, {{"1.0", "10", "30"}, {"30.0", "5", "30"}, {"32.0", "5", "30"}}, {"33"}));
    ASSERT_EQ(imported.Layers.size(), 30u);
    EXPECT_DOUBLE_EQ(imported.Layers.back().Layer.Depth, 30);
    EXPECT_TRUE(HasWarning(imported.Warnings, "上の 30 層だけを残しました"));
    ASSERT_EQ(imported.NValues.size(), 2u);  // 32 m now lies below the column
    EXPECT_TRUE(HasWarning(imported.Warnings, "より深い標準貫入試験を除きました"));
    const ProjectData project = Applied(imported);
    EXPECT_DOUBLE_EQ(project.WaterDepth, 30);
    EXPECT_EQ(CheckBeforeCalc(project).outcome, CheckOutcome::Pass);
}

TEST(CapacityRuleTest, ColumnDeeperThanSixtyMetresIsCut) {
    const BoringImport imported = Import(BoringXml(
        "3.00", {{"20", "砂"}, {"58", "粘土"}, {"65", "砂礫"}, {"70", "砂"}},
        {{"10", "10", "30"}, {"59.5", "50", "10"}, {"60", "40", "30"}, {"61", "50", "5"}}, {"2"}));
    ASSERT_EQ(imported.Layers.size(), 3u);
    EXPECT_DOUBLE_EQ(imported.Layers[2].Layer.Depth, 60);
    EXPECT_DOUBLE_EQ(imported.Layers[2].Layer.Thickness, 2);
    ASSERT_EQ(imported.NValues.size(), 3u);
    EXPECT_DOUBLE_EQ(imported.NValues.back().Point.Depth, 60);
    EXPECT_TRUE(HasWarning(imported.Warnings, "60m で切りました"));
    EXPECT_EQ(CheckBeforeCalc(Applied(imported)).outcome, CheckOutcome::Pass);
}

TEST(CapacityRuleTest, LayerEndingAtSixtyKeepsItsDepth) {
    const BoringImport imported =
        Import(BoringXml("3.00", {{"60", "砂"}, {"62", "粘土"}}, {{"10", "10", "30"}}, {"2"}));
    ASSERT_EQ(imported.Layers.size(), 1u);
    EXPECT_DOUBLE_EQ(imported.Layers[0].Layer.Depth, 60);
}

TEST(CapacityRuleTest, MoreThanFiftyRecordsKeepTheShallowest) {
    std::vector<SptRow> spt;
    for (int i = 55; i >= 1; --i) {  // deepest first, so sorting matters too
        spt.push_back({std::to_string(i) + ".15", "10", "30"});
    }
    const BoringImport imported = Import(BoringXml("3.00", {{"58", "砂"}}, spt, {"2"}));
    ASSERT_EQ(imported.NValues.size(), 50u);
    EXPECT_DOUBLE_EQ(imported.NValues.front().Point.Depth, 1.15);
    EXPECT_DOUBLE_EQ(imported.NValues.back().Point.Depth, 50.15);
    EXPECT_TRUE(HasWarning(imported.Warnings, "浅い 50 件だけを残しました"));
    EXPECT_TRUE(HasWarning(imported.Warnings, "深度の順に並べました"));
    EXPECT_EQ(CheckBeforeCalc(Applied(imported)).outcome, CheckOutcome::Pass);
}

TEST(DepthRuleTest, BadDepthsAreSkippedWithAWarningAndTheProjectStaysConsistent) {
    const BoringImport imported = Import(BoringXml("3.00",
                                                   {{"2.0", "砂"},
                                                    {"", "粘土"},
                                                    {"abc", "粘土"},
                                                    {"1.5", "礫"},
                                                    {"2.0", "礫"},
                                                    {"4.0", "粘土"}},
                                                   {{"1.0", "10", "30"},
                                                    {"3.0", "12", "30"},
                                                    {"1.0", "20", "30"},
                                                    {"", "5", "30"},
                                                    {"x", "5", "30"},
                                                    {"-1", "5", "30"},
                                                    {"9.0", "5", "30"}},
                                                   {"1"}));
    // Sorted by bottom depth; of the two at 2.0 m the first in the file stays.
    ASSERT_EQ(imported.Layers.size(), 3u);
    EXPECT_EQ(imported.Layers[0].Name, "礫");
    EXPECT_DOUBLE_EQ(imported.Layers[0].Layer.Thickness, 1.5);
    EXPECT_EQ(imported.Layers[1].Name, "砂");
    EXPECT_DOUBLE_EQ(imported.Layers[1].Layer.Thickness, 0.5);
    EXPECT_EQ(imported.Layers[1].Layer.SoilClass, kSandy);
    EXPECT_DOUBLE_EQ(imported.Layers[2].Layer.Depth, 4);
    EXPECT_DOUBLE_EQ(imported.Layers[2].Layer.Thickness, 2);
    EXPECT_TRUE(
        HasWarning(imported.Warnings, "土層 2「粘土」: 下端深度がないため読み飛ばしました"));
    EXPECT_TRUE(HasWarning(imported.Warnings, "土層 3「粘土」: 下端深度「abc」が数値でない"));
    EXPECT_TRUE(HasWarning(imported.Warnings, "土層の下端深度が昇順でないため"));
    EXPECT_TRUE(HasWarning(imported.Warnings, "同じ下端深度の土層は最初のものだけ"));
    ASSERT_EQ(imported.NValues.size(), 2u);
    EXPECT_EQ(imported.NValues[0].Point.N, 10);  // the first of two at 1.0 m
    EXPECT_TRUE(HasWarning(imported.Warnings, "同じ深度の標準貫入試験は最初のものだけ"));
    EXPECT_TRUE(HasWarning(imported.Warnings,
                           "土層の下端 4.00m より深い標準貫入試験を除きました（深度 9.00m）"));
    EXPECT_EQ(CheckBeforeCalc(Applied(imported)).outcome, CheckOutcome::Pass);
}

TEST(DepthRuleTest, LayersListedBottomUpKeepTheirPlaces) {
    const BoringImport imported = Import(BoringXml(
        "3.00", {{"6.0", "粘土"}, {"3.0", "砂"}, {"0", "表土"}, {"-1", "表土"}, {"1.0", "砂礫"}},
        {{"1.0", "10", "30"}}, {"1"}));
    ASSERT_EQ(imported.Layers.size(), 3u);
    EXPECT_EQ(imported.Layers[0].Layer.SoilClass, kGravelly);
    EXPECT_EQ(imported.Layers[1].Layer.SoilClass, kSandy);
    EXPECT_EQ(imported.Layers[2].Layer.SoilClass, kClayey);
    EXPECT_DOUBLE_EQ(imported.Layers[2].Layer.Thickness, 3);
    EXPECT_TRUE(HasWarning(imported.Warnings, "土層 3「表土」: 下端深度 0.00m が地表より深くない"));
}

TEST(ApplyRuleTest, DesignConditionsStayAndOldRowsGo) {
    const BoringImport imported =
        Import(BoringXml("3.00", {{"5.0", "砂"}}, {{"1.0", "10", "30"}}, {"1"}));
    ProjectData project;
    NewProject(project, DefaultBasicInfo());
    project.RegionArea = 3;
    project.GroundType = 2;
    project.DesignKhLv1 = 0.2;
    project.LayerCount = 3;
    project.SoilLayers[3].Depth = 9;
    project.NValueCount = 2;
    project.NValues[2].N = 7;
    ApplyBoringImport(imported, imported.WaterChoice, project);
    EXPECT_EQ(project.RegionArea, 3);
    EXPECT_EQ(project.GroundType, 2);
    EXPECT_DOUBLE_EQ(project.DesignKhLv1, 0.2);
    EXPECT_EQ(project.LayerCount, 1);
    EXPECT_EQ(project.SoilLayers[3], SoilLayer{});
    EXPECT_EQ(project.NValueCount, 1);
    EXPECT_EQ(project.NValues[2], NValuePoint{});
}

TEST(ApplyRuleTest, UnitWeightsComeFromTheBasicInformation) {
    const BoringFile file = ParseBoringXml(BoringXml("3.00", {{"5.0", "粘土"}}, {}, {}));
    BasicInfo basicInfo = DefaultBasicInfo();
    basicInfo.UnitWeightTable[kClayey][1] = 15.5;
    const BoringImport imported = ImportBoring(file.column, basicInfo);
    ASSERT_EQ(imported.Layers.size(), 1u);
    EXPECT_DOUBLE_EQ(imported.Layers[0].Layer.GammaT1, 15.5);
    EXPECT_TRUE(HasWarning(imported.Warnings, "標準貫入試験の記録がありません"));
}

}  // namespace
}  // namespace fljudge
