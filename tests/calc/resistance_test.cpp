#include "calc/resistance.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace fljudge {
namespace {

constexpr std::int16_t kBigN = 10000;

// A sandy point (FC 5, so Na = N1) with L = 0.2 in every motion whose
// effective overburden pressure makes N1 come out as `na`.
CalcPoint PointWithNa(double na, double depth = 5) {
    CalcPoint p;
    p.N = kBigN;
    p.Depth = depth;
    p.FinesContent = 5;
    p.D50 = 0.2;
    p.SigmaVE = 170.0 * kBigN / na - 70;
    for (int k = 1; k <= kMotionCount; ++k) {
        p.L[k] = 0.2;
    }
    return p;
}

CalcPoint Resisted(CalcPoint p) {
    SetResistance(p, p.SigmaVE);
    return p;
}

TEST(SetResistance, CorrectedNValueAndFinesCorrections) {
    struct Case {
        double fc;
        double c1, c2, na;
    };
    // N = 10 at sigma'v = 100 gives N1 = 10.
    for (const Case& c : std::vector<Case>{{9.99, 1, 0, 10},
                                           {10, 1, 0, 10},
                                           {35, 1.5, 1.389, 16.389},
                                           {60, 2, 2.778, 22.778},
                                           {80, 3, 3.889, 33.889}}) {
        CalcPoint p;
        p.N = 10;
        p.SigmaVE = 100;
        p.FinesContent = c.fc;
        p.D50 = 0.2;
        p = Resisted(p);
        SCOPED_TRACE(c.fc);
        EXPECT_EQ(p.N1, 10);
        EXPECT_EQ(p.C1, c.c1);
        EXPECT_EQ(p.C2, c.c2);
        EXPECT_EQ(p.Na, c.na);
    }
}

TEST(SetResistance, TriaxialStrengthRatioSwitchesFormulaAtFourteen) {
    struct Case {
        double na, rl;
    };
    for (const Case& c : std::vector<Case>{{13.999, 0.253},
                                           {14, 0.253},
                                           {16.389, 0.274},
                                           {20, 0.308},
                                           {30, 0.790},
                                           {0.5, 0.048}}) {
        const CalcPoint p = Resisted(PointWithNa(c.na));
        EXPECT_EQ(p.Na, c.na);
        EXPECT_EQ(p.RL, c.rl) << "Na " << c.na;
    }
}

TEST(SetResistance, MotionCorrectionOfLevelTwoTypeTwoByRoundedRL) {
    struct Case {
        double na, rl, cw3, r3;
    };
    for (const Case& c : std::vector<Case>{{2.164, 0.1, 1, 0.1},
                                           {2.208, 0.101, 1.003, 0.101},
                                           {24.549, 0.4, 1.99, 0.796},
                                           {24.578, 0.401, 2, 0.802}}) {
        const CalcPoint p = Resisted(PointWithNa(c.na));
        SCOPED_TRACE(c.na);
        EXPECT_EQ(p.RL, c.rl);
        EXPECT_EQ(p.Cw[1], 1);
        EXPECT_EQ(p.Cw[2], 1);
        EXPECT_EQ(p.Cw[3], c.cw3);
        EXPECT_EQ(p.R[1], c.rl);
        EXPECT_EQ(p.R[3], c.r3);
    }
}

TEST(SetResistance, GrainSizeBranchFollowsD50Alone) {
    struct Case {
        std::int16_t soilClass;
        double d50;
        double na, c1, c2;
    };
    for (const Case& c : std::vector<Case>{{kGravelly, 2, 10, 0, 0},
                                           {kSandy, 20, 6.4, 0, 0},
                                           {kGravelly, 1.999, 16.389, 1.5, 1.389}}) {
        CalcPoint p;
        p.N = 10;
        p.SigmaVE = 100;
        p.SoilClass = c.soilClass;
        p.FinesContent = 35;
        p.D50 = c.d50;
        p = Resisted(p);
        SCOPED_TRACE(c.d50);
        EXPECT_EQ(p.Na, c.na);
        EXPECT_EQ(p.C1, c.c1);
        EXPECT_EQ(p.C2, c.c2);
    }
}

// R = 0.2 (RL 0.2) or 0.35 (RL 0.35); L set so that FL comes out as given.
CalcPoint PointWithFL(double fl, double r, double depth) {
    CalcPoint p = PointWithNa(r == 0.2 ? 8.698 : (r == 0.3 ? 19.242 : 22.708), depth);
    p.L[1] = r / fl;
    return Resisted(p);
}

TEST(SetResistance, ReductionFactorByFLStrengthAndDepth) {
    struct Case {
        double fl, r, depth;
        std::string_view text;
        double de;
    };
    const std::vector<Case> cases = {
        {0.333, 0.2, 5, "0", 0},          {0.333, 0.35, 5, "1/6", 0.167},
        {0.333, 0.3, 5, "0", 0},          {0.333, 0.2, 10, "0", 0},
        {0.333, 0.2, 10.5, "1/3", 0.333}, {0.334, 0.2, 5, "1/3", 0.333},
        {0.334, 0.35, 5, "2/3", 0.667},   {0.666, 0.2, 5, "1/3", 0.333},
        {0.666, 0.2, 10.5, "2/3", 0.667}, {0.667, 0.2, 5, "2/3", 0.667},
        {0.667, 0.35, 5, "1", 1},         {0.667, 0.2, 10.5, "1", 1},
        {1.5, 0.2, 5, "2/3", 0.667},      {1.5, 0.35, 12, "1", 1},
    };
    for (const Case& c : cases) {
        const CalcPoint p = PointWithFL(c.fl, c.r, c.depth);
        SCOPED_TRACE(::testing::Message() << "FL " << c.fl << " R " << c.r << " x " << c.depth);
        ASSERT_EQ(p.FL[1], c.fl);
        ASSERT_EQ(p.R[1], c.r);
        EXPECT_EQ(p.DEText[1], c.text);
        EXPECT_EQ(p.DE[1], c.de);
    }
}

TEST(SetResistance, IntegrandIsZeroFromFLOfOne) {
    struct Case {
        double fl, depth, pli;
    };
    for (const Case& c : std::vector<Case>{
             {1.0, 4, 0}, {0.999, 4, 0.008}, {1.001, 4, 0}, {0.5, 10, 2.5}, {0.5, 19, 0.25}}) {
        const CalcPoint p = PointWithFL(c.fl, 0.2, c.depth);
        ASSERT_EQ(p.FL[1], c.fl);
        EXPECT_EQ(p.Pli[1], c.pli) << "FL " << c.fl << " at " << c.depth;
    }
}

TEST(SetResistance, AdoptedFactorIsTheSmallestOverTheMotions) {
    struct Case {
        double fl1, fl2, fl3;  // with R = 0.2 at 5 m: FL 0.3 -> "0", 0.5 -> "1/3", 0.9 -> "2/3"
        std::string_view text;
        double de;
    };
    for (const Case& c : std::vector<Case>{{0.9, 0.5, 0.3, "0", 0},
                                           {0.3, 0.5, 0.9, "0", 0},
                                           {0.9, 0.3, 0.9, "0", 0},
                                           {0.5, 0.5, 0.9, "1/3", 0.333},
                                           {0.9, 0.9, 0.9, "2/3", 0.667}}) {
        CalcPoint p = PointWithNa(8.698);  // RL 0.2: R 0.2, 0.2, 0.266 (Cw 1.33)
        p.L[1] = 0.2 / c.fl1;
        p.L[2] = 0.2 / c.fl2;
        p.L[3] = 0.266 / c.fl3;
        p = Resisted(p);
        EXPECT_EQ(p.AdoptedDEText, c.text) << c.fl1 << " " << c.fl2 << " " << c.fl3;
        EXPECT_EQ(p.AdoptedDE, c.de);
    }
}

TEST(SetResistance, UndefinedFLCountsAsNotLiquefying) {
    // L = 0 in motion 1 (Khg 0), no L in motion 2 (zero effective pressure).
    CalcPoint p = PointWithNa(8.698);
    p.L[1] = 0.0;
    p.L[2] = std::nullopt;
    p = Resisted(p);
    EXPECT_EQ(p.R[1], 0.2);
    EXPECT_FALSE(p.FL[1].has_value());
    EXPECT_FALSE(p.FL[2].has_value());
    EXPECT_EQ(p.FL[3], 1.33);
    for (int k = 1; k <= 2; ++k) {
        EXPECT_EQ(p.Pli[k], 0);
        EXPECT_EQ(p.DEText[k], "2/3");  // FL > 2/3 row, R 0.2 at 5 m
    }
    EXPECT_EQ(p.AdoptedDEText, "2/3");
}

TEST(SetResistance, NegativeNaLeavesStrengthUndefined) {
    // Gravelly branch: D50 = 2000 mm gives 1 - 0.36 * 3 < 0.
    for (const double depth : {5.0, 12.0}) {
        CalcPoint p;
        p.N = 10;
        p.SigmaVE = 100;
        p.Depth = depth;
        p.D50 = 2000;
        p.L[1] = p.L[2] = p.L[3] = 0.2;
        p = Resisted(p);
        EXPECT_EQ(p.N1, 10);
        EXPECT_EQ(p.Na, -0.8);
        EXPECT_FALSE(p.RL.has_value());
        for (int k = 1; k <= kMotionCount; ++k) {
            EXPECT_FALSE(p.Cw[k].has_value());
            EXPECT_FALSE(p.R[k].has_value());
            EXPECT_FALSE(p.FL[k].has_value());
            EXPECT_EQ(p.Pli[k], 0);
            EXPECT_EQ(p.DEText[k], depth > 10 ? "1" : "2/3");  // R counts as not above 0.3
        }
    }
}

TEST(SetResistance, NoEffectivePressureValueOrMinusSeventyLeavesN1Undefined) {
    CalcPoint p = PointWithNa(8.698);
    SetResistance(p, std::nullopt);
    EXPECT_FALSE(p.N1.has_value());
    EXPECT_FALSE(p.Na.has_value());
    EXPECT_FALSE(p.FL[1].has_value());

    CalcPoint q = PointWithNa(8.698);
    SetResistance(q, -70.0);
    EXPECT_FALSE(q.N1.has_value());
    EXPECT_FALSE(q.RL.has_value());
    EXPECT_EQ(q.DEText[3], "2/3");
}

}  // namespace
}  // namespace fljudge
