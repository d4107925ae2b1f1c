#include "calc/run_calculation.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "column_builder.h"

namespace fljudge {
namespace {

using column::AddNEveryMetre;
using column::Calculate;
using column::Column;
using column::PointAt;

// One sandy layer to 10 m, N = 5 at every metre, groundwater at 2.5 m.
ProjectData WorkedColumn() {
    ProjectData project = Column({{10, kSandy, 5, 0, 0.2, 0.05}}, {}, 2.5);
    AddNEveryMetre(project, 1, 10, 5);
    return project;
}

TEST(RunCalculation, WorkedColumnGivesEveryValueAtThreeMetres) {
    const CalcResults results = Calculate(WorkedColumn());
    const CalcPoint p = PointAt(results, 3);
    EXPECT_EQ(p.SigmaV, 54);
    EXPECT_EQ(p.SigmaVE, 49);
    EXPECT_EQ(p.Rd, 0.955);
    EXPECT_EQ(p.L[1], 0.158);
    EXPECT_EQ(p.L[2], 0.474);
    EXPECT_EQ(p.L[3], 0.737);
    EXPECT_EQ(p.N1, 7.143);
    EXPECT_EQ(p.C1, 1);
    EXPECT_EQ(p.C2, 0);
    EXPECT_EQ(p.Na, 7.143);
    EXPECT_EQ(p.RL, 0.181);
    EXPECT_EQ(p.Cw[1], 1);
    EXPECT_EQ(p.Cw[2], 1);
    EXPECT_EQ(p.Cw[3], 1.267);
    EXPECT_EQ(p.R[1], 0.181);
    EXPECT_EQ(p.R[3], 0.229);
    EXPECT_EQ(p.FL[1], 1.146);
    EXPECT_EQ(p.FL[2], 0.382);
    EXPECT_EQ(p.FL[3], 0.311);
    EXPECT_EQ(p.Pli[1], 0);
    EXPECT_EQ(p.Pli[2], 5.253);  // (1 - 0.382) * 8.5
    EXPECT_EQ(p.DEText[1], "2/3");
    EXPECT_EQ(p.DEText[2], "1/3");
    EXPECT_EQ(p.DEText[3], "0");
    EXPECT_EQ(p.DE[1], 0.667);
    EXPECT_EQ(p.DE[2], 0.333);
    EXPECT_EQ(p.DE[3], 0);
    EXPECT_EQ(p.AdoptedDEText, "0");
    EXPECT_EQ(p.AdoptedDE, 0);
    EXPECT_EQ(p.Target, 1);
}

TEST(RunCalculation, WorkedColumnGivesPLAndTheGroundwaterNode) {
    const CalcResults results = Calculate(WorkedColumn());
    EXPECT_EQ(results.PL[1], 7.852);
    EXPECT_EQ(results.PL[2], 36.579);
    EXPECT_EQ(results.PL[3], 39.776);

    ASSERT_GE(results.PlPointCount, 1);
    const PlPoint& water = results.PlPoints[1];
    EXPECT_EQ(water.Depth, 2.5);
    EXPECT_EQ(water.FL[1], 1.146);
    EXPECT_EQ(water.FL[2], 0.382);
    EXPECT_EQ(water.FL[3], 0.311);
    EXPECT_EQ(water.Pli[1], 0);
    EXPECT_EQ(water.Pli[2], 5.408);
    EXPECT_EQ(water.Pli[3], 6.029);
    EXPECT_EQ(results.PlPointCount, 9);  // 2.5 m, then 3 .. 10 m
    EXPECT_EQ(results.PlPoints[2].Thickness, 0.5);
}

TEST(RunCalculation, ASecondRunGivesTheSameResults) {
    const ProjectData project = WorkedColumn();
    CalcResults results;
    RunCalculation(project, DefaultBasicInfo(), results);
    const CalcResults first = results;
    RunCalculation(project, DefaultBasicInfo(), results);
    EXPECT_EQ(results, first);
    EXPECT_EQ(results.PL[3], 39.776);
}

TEST(RunCalculation, AShorterColumnLeavesNoRowsOfTheLongerOneBehind) {
    CalcResults results;
    RunCalculation(WorkedColumn(), DefaultBasicInfo(), results);
    const ProjectData shorter = Column({{2}}, {{1, 5}}, 0.5);
    RunCalculation(shorter, DefaultBasicInfo(), results);
    EXPECT_EQ(results, Calculate(shorter));
}

// Single sandy layer to 10 m, (18, 18, 8), hw = 2, N values every metre.
TEST(RunCalculation, OverburdenPressuresAddRoundedSlicesDownTheColumn) {
    ProjectData project = Column({{10}}, {}, 2);
    AddNEveryMetre(project, 1, 10, 10);
    const CalcResults results = Calculate(project);
    struct Case {
        double depth;
        int nth;
        double sigmaV;
        double sigmaVE;
    };
    for (const Case& c : std::vector<Case>{
             {1, 1, 18, 18}, {2, 1, 36, 36}, {2, 2, 36, 36}, {3, 1, 54, 44}, {10, 1, 180, 100}}) {
        const CalcPoint p = PointAt(results, c.depth, c.nth);
        EXPECT_EQ(p.SigmaV, c.sigmaV) << c.depth;
        EXPECT_EQ(p.SigmaVE, c.sigmaVE) << c.depth;
    }
    EXPECT_EQ(PointAt(results, 10).Rd, 0.85);
    // N = 10 at sigma'v = 100 gives N1 = 1700 / 170.
    EXPECT_EQ(PointAt(results, 10).N1, 10);
}

TEST(RunCalculation, StressRatioMultipliesRoundedValuesThenDivides) {
    // 3 m in the column above, Khg (0.15, 0.45, 0.70): sigma 54 / 44, rd 0.955.
    ProjectData project = Column({{10}}, {}, 2);
    AddNEveryMetre(project, 1, 10, 10);
    const CalcPoint p = PointAt(Calculate(project), 3);
    EXPECT_EQ(p.Rd, 0.955);
    EXPECT_EQ(p.L[1], 0.176);
    EXPECT_EQ(p.L[2], 0.527);
    EXPECT_EQ(p.L[3], 0.820);
}

TEST(RunCalculation, ReductionFactorAtTwentyMetres) {
    const CalcResults results = Calculate(Column({{20}}, {{20, 10}}, 1));
    EXPECT_EQ(PointAt(results, 20).Rd, 0.7);
}

TEST(RunCalculation, UnitWeightsComeFromTheBasicInformationBySoilClass) {
    ProjectData project = Column({{2, kClayey}, {4, kGravelly}}, {{4, 10}}, 4);
    project.SoilLayers[1].GammaT1 = 99;  // the layer's own weights are not read
    BasicInfo info = DefaultBasicInfo();
    info.UnitWeightTable[2][1] = 17.5;
    const CalcResults results = Calculate(project, info);
    const CalcPoint clay = PointAt(results, 2);
    EXPECT_EQ(clay.GammaT1, 17.5);
    EXPECT_EQ(clay.GammaT2, 19);
    EXPECT_EQ(clay.GammaE2, 9);
    EXPECT_EQ(clay.SigmaV, 35);
    const CalcPoint gravel = PointAt(results, 4, 2);
    EXPECT_EQ(gravel.GammaT1, 20);
    EXPECT_EQ(gravel.SigmaV, 75);
    EXPECT_EQ(gravel.Khg[1], 0.15);
    EXPECT_EQ(gravel.Khg[2], 0.45);
    EXPECT_EQ(gravel.Khg[3], 0.70);
}

TEST(RunCalculation, JudgementConditionBoundaries) {
    struct Case {
        double waterDepth;
        std::int16_t soilClass;
        double fc, ip, d50, d10;
        int cond1, cond2, cond3;
    };
    const std::vector<Case> cases = {
        {10, kSandy, 35, 0, 0.2, 0.05, 1, 1, 1}, {10.001, kSandy, 35, 0, 0.2, 0.05, 0, 1, 1},
        {5, kClayey, 5, 0, 0.2, 0.05, 0, 1, 1},  {5, kGravelly, 5, 0, 0.2, 0.05, 0, 1, 1},
        {5, kSandy, 40, 15, 0.2, 0.05, 1, 1, 1}, {5, kSandy, 35, 16, 0.2, 0.05, 1, 1, 1},
        {5, kSandy, 40, 16, 0.2, 0.05, 1, 0, 1}, {5, kSandy, 5, 0, 10, 1, 1, 1, 1},
        {5, kSandy, 5, 0, 10, 1.001, 1, 1, 0},   {5, kSandy, 5, 0, 10.001, 1, 1, 1, 0},
    };
    for (const Case& c : cases) {
        const ProjectData project =
            Column({{20, c.soilClass, c.fc, c.ip, c.d50, c.d10}, {25}}, {{20, 10}}, c.waterDepth);
        const CalcPoint p = PointAt(Calculate(project), 20);
        SCOPED_TRACE(::testing::Message() << "hw " << c.waterDepth << " FC " << c.fc << " Ip "
                                          << c.ip << " D50 " << c.d50 << " D10 " << c.d10);
        EXPECT_EQ(p.Cond1, c.cond1);
        EXPECT_EQ(p.Cond2, c.cond2);
        EXPECT_EQ(p.Cond3, c.cond3);
        EXPECT_EQ(p.Target, c.cond1 & c.cond2 & c.cond3);
    }
}

TEST(RunCalculation, ConditionOneHoldsAboveTheWaterAndEndsBelowTwentyMetres) {
    const CalcResults results = Calculate(Column({{25}}, {{1, 10}, {20, 10}, {20.5, 10}}, 5));
    EXPECT_EQ(PointAt(results, 1).Cond1, 1);
    EXPECT_EQ(PointAt(results, 20).Cond1, 1);
    EXPECT_EQ(PointAt(results, 20.5).Cond1, 0);
}

TEST(RunCalculation, NPointsCarryTheSpanEachNValueRepresents) {
    const CalcResults results =
        Calculate(Column({{3}, {5}}, {{1, 4}, {2, 0}, {2.5, 6}, {4.5, 7}}, 1));
    ASSERT_EQ(results.NPointCount, 3);
    EXPECT_EQ(results.NPoints[1].Depth, 1);
    EXPECT_EQ(results.NPoints[1].Thickness, 1);
    EXPECT_EQ(results.NPoints[2].Depth, 2.5);
    EXPECT_EQ(results.NPoints[2].Thickness, 1.5);
    EXPECT_EQ(results.NPoints[3].Thickness, 2);
    // Everything else is the point's own.
    CalcPoint copy = results.NPoints[3];
    copy.Thickness = PointAt(results, 4.5).Thickness;
    EXPECT_EQ(copy, PointAt(results, 4.5));
}

TEST(RunCalculation, NPointThicknessesOneOneTwo) {
    const CalcResults results = Calculate(Column({{5}}, {{1, 3}, {2, 3}, {4, 3}}, 0.5));
    ASSERT_EQ(results.NPointCount, 3);
    EXPECT_EQ(results.NPoints[1].Thickness, 1);
    EXPECT_EQ(results.NPoints[2].Thickness, 1);
    EXPECT_EQ(results.NPoints[3].Thickness, 2);
}

TEST(RunCalculation, PointsWithoutAnNValueKeepZerosAndEmptyTexts) {
    const CalcResults results = Calculate(Column({{4}}, {{2, 0}, {3, 8}}, 1));
    for (const double depth : {1.0, 2.0, 4.0}) {
        const CalcPoint p = PointAt(results, depth);
        EXPECT_EQ(p.N1, 0.0);
        EXPECT_EQ(p.FL[1], 0.0);
        EXPECT_EQ(p.FL[3], 0.0);
        EXPECT_EQ(p.Pli[2], 0);
        EXPECT_EQ(p.DEText[1], "");
        EXPECT_EQ(p.AdoptedDEText, "");
    }
    EXPECT_NE(PointAt(results, 3).AdoptedDEText, "");
}

}  // namespace
}  // namespace fljudge
