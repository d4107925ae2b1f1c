#include "calc/liquefaction_index.h"

#include <gtest/gtest.h>

#include <vector>

#include "calc/round3.h"
#include "column_builder.h"

namespace fljudge {
namespace {

using column::AddNEveryMetre;
using column::Calculate;
using column::Column;
using column::PointAt;

TEST(LiquefactionIndex, NoNValueBelowTheWaterLeavesOnlyTheGroundwaterNode) {
    const CalcResults results = Calculate(Column({{10}}, {{1, 5}, {2, 5}}, 4));
    ASSERT_EQ(results.PlPointCount, 1);
    EXPECT_EQ(results.PlPoints[1].Depth, 4);
    EXPECT_EQ(results.PlPoints[1].Pli[1], 8);  // FL 0 of the groundwater point
    for (int k = 1; k <= kMotionCount; ++k) {
        EXPECT_EQ(results.PL[k], 0);
    }
}

// The groundwater node used to hand its FL of 0 to a data point at the
// groundwater depth, so that both counted as fully liquefying.
TEST(LiquefactionIndex, NValueAtTheGroundwaterDepthKeepsItsOwnFL) {
    ProjectData project = Column({{10}}, {}, 3);
    AddNEveryMetre(project, 1, 10, 5);
    const CalcResults results = Calculate(project);
    const CalcPoint atWater = PointAt(results, 3);
    ASSERT_EQ(atWater.N, 5);
    ASSERT_EQ(results.PlPoints[1].N, 5);
    ASSERT_EQ(results.PlPoints[2].N, 0);
    EXPECT_EQ(results.PlPoints[1].FL, atWater.FL);
    EXPECT_EQ(results.PlPoints[2].FL, atWater.FL);
    ASSERT_GT(*atWater.FL[1], 1);
    EXPECT_EQ(results.PlPoints[1].Pli[1], 0);
    EXPECT_EQ(results.PlPoints[2].Pli[1], 0);
    EXPECT_EQ(results.PlPoints[2].Pli[3], atWater.Pli[3]);
}

TEST(LiquefactionIndex, LayerBottomAtTheGroundwaterDepthTakesTheFLBelow) {
    ProjectData project = Column({{3}, {10}}, {{1, 5}, {2, 5}}, 3);
    AddNEveryMetre(project, 4, 10, 5);
    const CalcResults results = Calculate(project);
    const CalcPoint below = PointAt(results, 4);
    ASSERT_EQ(results.PlPoints[1].Depth, 3);
    ASSERT_EQ(results.PlPoints[2].Depth, 3);
    ASSERT_EQ(results.PlPoints[3].Depth, 4);
    for (int c = 1; c <= 2; ++c) {
        EXPECT_EQ(results.PlPoints[c].FL, below.FL) << "node " << c;
        EXPECT_EQ(results.PlPoints[c].Pli[1], 0) << "node " << c;  // not 10 - 0.5 * 3
    }
    ASSERT_GT(*below.FL[1], 1);
}

// With the water table deeper than 10 m no point is a target; the
// groundwater node alone used to give PL > 0, or PL < 0 below 20 m.
TEST(LiquefactionIndex, GroundwaterBelowTenMetresGivesNoIndex) {
    struct Case {
        double waterDepth;
        bool liquefies;
    };
    for (const Case& c : std::vector<Case>{{10, true}, {10.001, false}, {15, false}, {22, false}}) {
        ProjectData project = Column({{25}}, {}, c.waterDepth);
        AddNEveryMetre(project, 1, 25, 2);
        const CalcResults results = Calculate(project);
        for (int k = 1; k <= kMotionCount; ++k) {
            if (c.liquefies) {
                EXPECT_GT(results.PL[k], 0) << c.waterDepth;
            } else {
                EXPECT_EQ(results.PL[k], 0) << c.waterDepth;
            }
        }
    }
}

TEST(LiquefactionIndex, NonTargetNodeHalvesTheSlicesAroundIt) {
    // Clayey layer 4 .. 6 m between sandy layers: the 5 m node is no target.
    ProjectData project = Column({{4}, {6, kClayey}, {8}}, {}, 3);
    AddNEveryMetre(project, 4, 6, 3);
    const CalcResults results = Calculate(project);
    ASSERT_EQ(results.PlPointCount, 4);  // 3 (water), 4, 5, 6
    const PlPoint& clay = results.PlPoints[3];
    EXPECT_EQ(clay.Depth, 5);
    EXPECT_EQ(clay.Target, 0);
    EXPECT_EQ(clay.Pli[3], 0);
    const PlPoint& sand = results.PlPoints[2];
    ASSERT_GT(sand.Pli[3], 0);
    EXPECT_EQ(clay.PLSeg[3], Round3(sand.Pli[3] / 2 * 1));
    // The 6 m point is the bottom of the clayey layer.
    EXPECT_EQ(results.PlPoints[4].Pli[3], 0);
    EXPECT_EQ(results.PlPoints[4].PLSeg[3], 0);
}

TEST(LiquefactionIndex, UndefinedFLContributesNothing) {
    ProjectData project = Column({{10}}, {}, 2.5);
    AddNEveryMetre(project, 1, 10, 5);
    project.DesignKhLv1 = 0;  // L = 0, no FL in Lv1
    const CalcResults results = Calculate(project);
    EXPECT_FALSE(PointAt(results, 3).FL[1].has_value());
    EXPECT_EQ(results.PlPoints[1].Pli[1], 0);
    EXPECT_EQ(results.PL[1], 0);
    EXPECT_EQ(results.PL[2], 36.579);
}

}  // namespace
}  // namespace fljudge
