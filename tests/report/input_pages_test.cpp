#include <gtest/gtest.h>

#include "report/recording_surface.h"
#include "report/report_pages.h"

namespace fljudge {
namespace {

using Strings = std::vector<std::string>;

struct InputPagesTest : ::testing::Test {
    InputPagesTest() { NewProject(project, DefaultBasicInfo()); }

    ProjectData project;
    CalcResults results;
    ReportInput input{project, results};
    RecordingSurface surface;
};

// The frames drawn in one grid row, as (column, width) pairs.
std::vector<std::pair<double, double>> FramesAtRow(const RecordingSurface& surface, double row) {
    std::vector<std::pair<double, double>> frames;
    for (const auto& box : surface.Boxes()) {
        if (box.row == row) {
            frames.emplace_back(box.column, box.widthCells);
        }
    }
    return frames;
}

TEST_F(InputPagesTest, DesignConditionsPrintTheChosenRowsAndTheWaterDepth) {
    project.GroundType = kGroundUserInput;
    project.RegionArea = 3;
    project.StdSeismicCoefs[2] = 0.45;
    project.RegionFactors[1] = 0.85;
    project.WaterDepth = 12.5;
    DrawDesignConditionsPage(surface, input);

    EXPECT_EQ(surface.TextsAt(3, 3), Strings{"地盤種別\u3000\u3000："});
    EXPECT_EQ(surface.TextsAt(10, 3), Strings{"ユーザー設定"});
    EXPECT_EQ(surface.TextsAt(26, 3), Strings{" 0.450"});
    EXPECT_EQ(surface.TextsAt(10, 4), Strings{"B1地区"});
    EXPECT_EQ(surface.TextsAt(19, 4), Strings{" 0.850"});
    EXPECT_EQ(surface.TextsAt(23, 4), Strings{"CⅠz"});
    EXPECT_EQ(surface.TextsAt(10, 5), Strings{"hw\u3000="});
    EXPECT_EQ(surface.TextsAt(13, 5), Strings{"12.500"});
}

TEST_F(InputPagesTest, LayerTableHasThirtyFramedRowsWhateverTheLayerCount) {
    DrawDesignConditionsPage(surface, input);
    const std::vector<std::pair<double, double>> body = {{3, 3},  {6, 4},  {10, 4}, {14, 4},
                                                         {18, 5}, {23, 5}, {28, 5}, {33, 4},
                                                         {37, 4}, {41, 4}, {45, 4}};
    for (int k = 1; k <= 30; ++k) {
        EXPECT_EQ(FramesAtRow(surface, 14 + 2 * (k - 1)), body) << k;
    }
    EXPECT_TRUE(FramesAtRow(surface, 74).empty());
    EXPECT_EQ(surface.Boxes().size(), 12u + 30u * 11u);
    EXPECT_TRUE(surface.TextsAt(4, 15).empty());
}

TEST_F(InputPagesTest, LayerThirtyPrintsInTheLastFrameRow) {
    project.LayerCount = 30;
    for (int i = 1; i <= 30; ++i) {
        project.SoilLayers[i].Depth = i;
        project.SoilLayers[i].Thickness = 1;
    }
    project.SoilLayers[1].SoilClass = kGravelly;
    project.SoilLayers[30] = {.Depth = 60,
                              .Thickness = 2.5,
                              .SoilClass = 0,
                              .GammaT1 = 17.5,
                              .GammaE2 = 8,
                              .FinesContent = 100,
                              .D10 = 0.075};
    DrawDesignConditionsPage(surface, input);

    EXPECT_EQ(surface.TextsAt(15, 15), Strings{"礫質土"});
    EXPECT_EQ(surface.TextsAt(7, 15), Strings{" 1.000"});
    EXPECT_EQ(FramesAtRow(surface, 72).size(), 11u);
    EXPECT_EQ(surface.TextsAt(4, 73), Strings{"  30"});
    EXPECT_EQ(surface.TextsAt(7, 73), Strings{"60.000"});
    EXPECT_EQ(surface.TextsAt(11, 73), Strings{" 2.500"});
    EXPECT_EQ(surface.TextsAt(15, 73), Strings{""});  // an unknown class prints nothing
    EXPECT_EQ(surface.TextsAt(20, 73), Strings{"17.500"});
    EXPECT_EQ(surface.TextsAt(30, 73), Strings{" 8.000"});
    // A fines content of 100 keeps its digits and ends where its field ends.
    EXPECT_EQ(surface.TextsAt(33.5, 73), Strings{"100.000"});
    EXPECT_EQ(surface.TextsAt(46, 73), Strings{" 0.075"});
}

TEST_F(InputPagesTest, NValuesRunDownThreeBlocksOfSeventeen) {
    project.NValueCount = 50;
    for (int i = 1; i <= 50; ++i) {
        project.NValues[i] = {i + 0.5, static_cast<std::int16_t>(i)};
    }
    DrawNValueConditionsPage(surface, input);

    EXPECT_EQ(surface.TextsAt(2, 2), Strings{"(5)Ｎ値条件"});
    for (const double c : {3.0, 14.0, 25.0}) {
        EXPECT_EQ(surface.TextsAt(c + 1.5, 4), Strings{"No"});
        EXPECT_EQ(surface.TextsAt(c + 4.5, 4), Strings{"深度"});
        EXPECT_EQ(surface.TextsAt(c + 5, 5), Strings{"(m)"});
        EXPECT_EQ(surface.TextsAt(c + 8, 4), Strings{"Ｎ値"});
    }
    const std::vector<std::pair<double, double>> header = {
        {3, 3}, {6, 4}, {10, 3}, {14, 3}, {17, 4}, {21, 3}, {25, 3}, {28, 4}, {32, 3}};
    EXPECT_EQ(FramesAtRow(surface, 3), header);
    EXPECT_EQ(FramesAtRow(surface, 6), header);
    EXPECT_EQ(FramesAtRow(surface, 38), header);
    EXPECT_TRUE(FramesAtRow(surface, 40).empty());

    EXPECT_EQ(surface.TextsAt(4, 7), Strings{"   1"});
    EXPECT_EQ(surface.TextsAt(15, 7), Strings{"  18"});
    EXPECT_EQ(surface.TextsAt(18, 7), Strings{"18.500"});
    EXPECT_EQ(surface.TextsAt(22, 7), Strings{"  18"});
    EXPECT_EQ(surface.TextsAt(15, 39), Strings{"  34"});
    EXPECT_EQ(surface.TextsAt(26, 37), Strings{"  50"});
    EXPECT_EQ(surface.TextsAt(33, 37), Strings{"  50"});
    EXPECT_TRUE(surface.TextsAt(26, 39).empty());  // the third block's last row stays empty
}

}  // namespace
}  // namespace fljudge
