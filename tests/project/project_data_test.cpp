#include "project/project_data.h"

#include <gtest/gtest.h>

namespace fljudge {
namespace {

TEST(NewProject, EmptiesTheTablesAndTakesTheFirstRows) {
    const BasicInfo info = DefaultBasicInfo();
    ProjectData project;
    project.LayerCount = 3;
    project.SoilLayers[2].SoilClass = kClayey;
    project.SoilLayers[2].D50 = 4;
    project.NValueCount = 2;
    project.NValues[50].N = 9;
    NewProject(project, info);

    EXPECT_EQ(project.RegionArea, 1);
    EXPECT_EQ(project.GroundType, 1);
    EXPECT_EQ(project.RegionFactors[2], 1.2);
    EXPECT_EQ(project.StdSeismicCoefs[3], 0.8);
    EXPECT_EQ(project.DesignKhLv1, 1.0 * 0.12);
    EXPECT_EQ(project.DesignKhLv2T1, 1.2 * 0.50);
    EXPECT_EQ(project.DesignKhLv2T2, 1.0 * 0.80);
    EXPECT_EQ(project.LayerCount, 0);
    EXPECT_EQ(project.NValueCount, 0);
    for (const SoilLayer& layer : project.SoilLayers) {
        EXPECT_EQ(layer, SoilLayer{});
        EXPECT_EQ(layer.SoilClass, kSandy);
        EXPECT_EQ(layer.WeightSource, kWeightBasic);
    }
    EXPECT_EQ(project.NValues[50], NValuePoint{});
}

TEST(NewProject, TakesTheCurrentBasicInformationNotTheDefaults) {
    BasicInfo info = DefaultBasicInfo();
    info.RegionFactorTable[1][1] = 2;
    ProjectData project;
    NewProject(project, info);
    EXPECT_EQ(project.RegionFactors[1], 2);
    EXPECT_EQ(project.DesignKhLv1, 2 * 0.12);
}

}  // namespace
}  // namespace fljudge
