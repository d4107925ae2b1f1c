#include <gtest/gtest.h>

#include "calc/check_before_calc.h"
#include "project/project_file.h"
#include "support/temp_folder.h"

namespace fljudge {
namespace {

const std::filesystem::path kExample = FLJUDGE_SOURCE_DIR "/examples/example.KORV";

TEST(ExampleProject, IsARealisticBoringInTheExactFileFormat) {
    ProjectData project;
    ASSERT_TRUE(LoadProject(kExample, DefaultBasicInfo(), project));
    EXPECT_EQ(testing::ReadBytes(kExample), ProjectFileBytes(project).value());

    EXPECT_GT(project.WaterDepth, 2);
    EXPECT_LT(project.WaterDepth, 3);
    ASSERT_GE(project.LayerCount, 5);
    bool classes[4] = {};
    for (int i = 1; i <= project.LayerCount; ++i) {
        const SoilLayer& layer = project.SoilLayers[i];
        classes[layer.SoilClass] = true;
        if (layer.SoilClass == kGravelly) {
            EXPECT_GE(layer.D50, 2) << i;
        }
        if (i > 1) {
            EXPECT_GT(layer.Depth, project.SoilLayers[i - 1].Depth);
        }
    }
    EXPECT_TRUE(classes[kSandy] && classes[kClayey] && classes[kGravelly]);
    EXPECT_GE(project.SoilLayers[project.LayerCount].Depth, 20);
    ASSERT_EQ(project.NValueCount, 20);
    for (int i = 1; i <= 20; ++i) {
        EXPECT_EQ(project.NValues[i].Depth, i);
        EXPECT_GT(project.NValues[i].N, 0);
    }
    EXPECT_EQ(CheckBeforeCalc(project).outcome, CheckOutcome::Pass);
}

}  // namespace
}  // namespace fljudge
