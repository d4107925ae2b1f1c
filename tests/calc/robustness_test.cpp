// Values the calculation cannot define, absurd inputs, and random columns.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "calc/check_before_calc.h"
#include "calc/form_points.h"
#include "calc/round3.h"
#include "calc/run_calculation.h"
#include "column_builder.h"

namespace fljudge {
namespace {

using column::AddNEveryMetre;
using column::Calculate;
using column::Column;
using column::PointAt;

bool Finite(double v) {
    return std::isfinite(v);
}
bool Finite(const MaybeReal& v) {
    return !v || std::isfinite(*v);
}
template <class T, int N>
bool Finite(const OneBased<T, N>& values) {
    return std::all_of(values.begin(), values.end(), [](const T& v) { return Finite(v); });
}

bool Finite(const CalcPoint& p) {
    return Finite(p.Depth) && Finite(p.Thickness) && Finite(p.FinesContent) &&
           Finite(p.PlasticityIndex) && Finite(p.D50) && Finite(p.D10) && Finite(p.GammaT1) &&
           Finite(p.GammaT2) && Finite(p.GammaE2) && Finite(p.Khg) && Finite(p.SigmaV) &&
           Finite(p.SigmaVE) && Finite(p.Rd) && Finite(p.L) && Finite(p.N1) && Finite(p.Na) &&
           Finite(p.C1) && Finite(p.C2) && Finite(p.RL) && Finite(p.Cw) && Finite(p.R) &&
           Finite(p.FL) && Finite(p.Pli) && Finite(p.DE) && Finite(p.AdoptedDE);
}

bool Finite(const PlPoint& p) {
    return Finite(p.Depth) && Finite(p.Thickness) && Finite(p.FL) && Finite(p.Pli) &&
           Finite(p.PLSeg);
}

// Every number of every table, rows beyond the counts included.
void ExpectAllFinite(const CalcResults& r) {
    for (int c = 1; c <= kMaxCalcPoints; ++c) {
        ASSERT_TRUE(Finite(r.CalcPoints[c])) << "CalcPoints " << c;
        ASSERT_TRUE(Finite(r.NPoints[c])) << "NPoints " << c;
        ASSERT_TRUE(Finite(r.PlPoints[c])) << "PlPoints " << c;
    }
    ASSERT_TRUE(Finite(r.PL));
}

TEST(UndefinedValues, ZeroEffectivePressureAtTheSurface) {
    // hw = 0 and an N value at 0 m: two points at depth 0, sigma'v = 0.
    const CalcResults results = Calculate(Column({{5}}, {{0, 4}, {1, 4}}, 0));
    ExpectAllFinite(results);
    for (int n = 1; n <= 2; ++n) {
        const CalcPoint p = PointAt(results, 0, n);
        EXPECT_EQ(p.SigmaVE, 0);
        for (int k = 1; k <= kMotionCount; ++k) {
            EXPECT_FALSE(p.L[k].has_value());
            if (p.N >= 1) {
                EXPECT_FALSE(p.FL[k].has_value());
                EXPECT_EQ(p.Pli[k], 0);
                EXPECT_EQ(p.DEText[k], "2/3");
            }
        }
    }
    EXPECT_EQ(PointAt(results, 0).N1, Round3(170.0 * 4 / 70));
    EXPECT_TRUE(PointAt(results, 1).L[1].has_value());
}

TEST(UndefinedValues, ZeroWeightsAboveTheWaterGiveNoStressRatio) {
    BasicInfo info = DefaultBasicInfo();
    info.UnitWeightTable[1] = Triple{};
    const CalcResults results = Calculate(Column({{5}}, {{1, 4}, {3, 4}}, 2), info);
    ExpectAllFinite(results);
    EXPECT_FALSE(PointAt(results, 1).L[2].has_value());
    EXPECT_FALSE(PointAt(results, 1).FL[2].has_value());
}

TEST(UndefinedValues, StressRatioRoundedToZeroGivesNoFL) {
    ProjectData project = Column({{10}}, {}, 2.5);
    AddNEveryMetre(project, 1, 10, 5);
    project.DesignKhLv1 = 0.0002;
    const CalcResults results = Calculate(project);
    ExpectAllFinite(results);
    const CalcPoint p = PointAt(results, 10);
    EXPECT_EQ(p.L[1], 0.0);
    EXPECT_FALSE(p.FL[1].has_value());
    EXPECT_EQ(p.DEText[1], "2/3");
    EXPECT_EQ(results.PL[1], 0);
}

TEST(UndefinedValues, CoarseGravelGivesNoStrengthRatio) {
    const CalcResults results = Calculate(Column({{5, kGravelly, 5, 0, 1500, 0.5}}, {{3, 10}}, 1));
    ExpectAllFinite(results);
    const CalcPoint p = PointAt(results, 3);
    ASSERT_LT(*p.Na, 0);
    EXPECT_FALSE(p.RL.has_value());
    EXPECT_FALSE(p.R[3].has_value());
    EXPECT_FALSE(p.FL[3].has_value());
    EXPECT_EQ(p.AdoptedDEText, "2/3");
}

TEST(UndefinedValues, AbsurdUnitWeightsProduceNoInfinityOrNaN) {
    const double huge = std::numeric_limits<double>::max();
    struct Case {
        Triple weights;
        const char* what;
    };
    const std::vector<Case> cases = {
        {{{huge, huge, huge}}, "largest"},
        {{{-huge, huge, -huge}}, "opposite signs"},
        {{{1e299, 1e299, 1e299}}, "just below the limit"},
        {{{-70, 18, 8}}, "sigma'v + 70 = 0 at 1 m"},
        {{{-18, -18, -8}}, "negative"},
    };
    for (const Case& c : cases) {
        BasicInfo info = DefaultBasicInfo();
        info.UnitWeightTable[1] = c.weights;
        ProjectData project = Column({{10}}, {}, 2);
        AddNEveryMetre(project, 1, 10, 5);
        const CalcResults results = Calculate(project, info);
        SCOPED_TRACE(c.what);
        ExpectAllFinite(results);
    }
    BasicInfo info = DefaultBasicInfo();
    info.UnitWeightTable[1] = Triple{{{-70, 18, 8}}};
    const CalcPoint p = PointAt(Calculate(Column({{10}}, {{1, 5}}, 2), info), 1);
    EXPECT_EQ(p.SigmaVE, -70);
    EXPECT_FALSE(p.N1.has_value());
    EXPECT_FALSE(p.FL[1].has_value());
}

TEST(UndefinedValues, OverflowingPressuresStayUndefinedDownTheColumn) {
    BasicInfo info = DefaultBasicInfo();
    info.UnitWeightTable[1] = Triple{{{1e300, 1e300, 1e300}}};
    const CalcResults results = Calculate(Column({{5}}, {{1, 5}, {2, 5}, {3, 5}}, 4), info);
    ExpectAllFinite(results);
    EXPECT_EQ(PointAt(results, 1).SigmaV, 1e300);
    for (const double depth : {2.0, 3.0, 5.0}) {
        const CalcPoint p = PointAt(results, depth);
        EXPECT_EQ(p.SigmaV, 0) << depth;
        EXPECT_FALSE(p.L[1].has_value()) << depth;
    }
    EXPECT_FALSE(PointAt(results, 2).N1.has_value());
}

// ---- random columns ---------------------------------------------------------

class RandomColumns {
  public:
    explicit RandomColumns(unsigned seed) : random_(seed) {}

    double Uniform(double lo, double hi) {
        return std::uniform_real_distribution<>(lo, hi)(random_);
    }
    int Int(int lo, int hi) { return std::uniform_int_distribution<>(lo, hi)(random_); }
    bool OneIn(int n) { return Int(1, n) == 1; }

    // A project the checks let through (perhaps with a notice).
    ProjectData ValidProject() {
        ProjectData project;
        NewProject(project, DefaultBasicInfo());
        const int layers = Int(1, kMaxLayers);
        std::vector<double> depths = DistinctDepths(layers, 0.5, Round3(Uniform(1, 60)), true);
        for (int i = 1; i <= layers; ++i) {
            SoilLayer& layer = project.SoilLayers[i];
            layer.Depth = depths[static_cast<std::size_t>(i - 1)];
            layer.SoilClass = static_cast<std::int16_t>(Int(1, 3));
            layer.FinesContent = OneIn(4) ? 0 : Uniform(0, 100);
            layer.PlasticityIndex = OneIn(2) ? 0 : Uniform(0, 40);
            layer.D50 = OneIn(20) ? Uniform(1000, 5000) : Uniform(0, 30);
            layer.D10 = Uniform(0, 2);
        }
        project.LayerCount = static_cast<std::int16_t>(layers);
        const double deepest = *std::max_element(depths.begin(), depths.end());

        const int nValues = Int(1, kMaxNValues);
        std::vector<double> nDepths = DistinctDepths(nValues, 0, deepest, OneIn(2));
        if (OneIn(3)) {  // share depths with layers
            for (int j = 0; j < nValues && j < layers; j += 2) {
                nDepths[static_cast<std::size_t>(j)] = depths[static_cast<std::size_t>(j)];
            }
            std::sort(nDepths.begin(), nDepths.end());
            nDepths.erase(std::unique(nDepths.begin(), nDepths.end()), nDepths.end());
        }
        for (std::size_t j = 0; j < nDepths.size(); ++j) {
            project.NValues[static_cast<int>(j) + 1] = NValuePoint{
                nDepths[j], static_cast<std::int16_t>(OneIn(8) ? -Int(0, 3) : Int(0, 60))};
        }
        project.NValueCount = static_cast<std::int16_t>(nDepths.size());
        project.NValues[Int(1, project.NValueCount)].N = static_cast<std::int16_t>(Int(1, 50));
        if (OneIn(2)) {
            Shuffle(project.SoilLayers, project.LayerCount);
        }
        if (OneIn(2)) {
            Shuffle(project.NValues, project.NValueCount);
        }

        switch (Int(1, 4)) {
            case 1:
                project.WaterDepth = depths[static_cast<std::size_t>(Int(0, layers - 1))];
                break;
            case 2:
                project.WaterDepth =
                    nDepths[static_cast<std::size_t>(Int(0, project.NValueCount - 1))];
                break;
            case 3:
                project.WaterDepth = 0;
                break;
            default:
                project.WaterDepth = Uniform(0, deepest);
                break;
        }
        project.DesignKhLv1 = Coefficient();
        project.DesignKhLv2T1 = Coefficient();
        project.DesignKhLv2T2 = Coefficient();
        return project;
    }

    BasicInfo Info() {
        BasicInfo info = DefaultBasicInfo();
        for (Triple& row : info.UnitWeightTable) {
            for (double& w : row) {
                w = Weight();
            }
        }
        return info;
    }

  private:
    // Sorted; the last one at `hi` when `reachHi`.
    std::vector<double> DistinctDepths(int count, double lo, double hi, bool reachHi) {
        std::vector<double> out;
        while (static_cast<int>(out.size()) < count) {
            const double d = OneIn(3) ? std::round(Uniform(lo, hi)) : Round3(Uniform(lo, hi));
            if (d >= lo && d <= hi && std::find(out.begin(), out.end(), d) == out.end()) {
                out.push_back(d);
            }
        }
        std::sort(out.begin(), out.end());
        if (reachHi) {
            out.back() = hi;
        }
        return out;
    }

    template <class Table>
    void Shuffle(Table& table, int count) {
        std::shuffle(table.begin(), table.begin() + count, random_);
    }

    double Coefficient() {
        switch (Int(1, 8)) {
            case 1:
                return 0;
            case 2:
                return -Uniform(0, 1);
            case 3:
                return 1e300;
            default:
                return Round3(Uniform(0, 2));
        }
    }

    double Weight() {
        switch (Int(1, 10)) {
            case 1:
                return 0;
            case 2:
                return -Uniform(0, 100);
            case 3:
                return std::numeric_limits<double>::max();
            case 4:
                return -1e308;
            default:
                return Uniform(5, 25);
        }
    }

    std::mt19937 random_;
};

TEST(RandomColumns, EveryRowPlacedOnceInAscendingDepthWithFiniteResults) {
    RandomColumns gen(20240521);
    CalcResults results;  // reused, as the program reuses its tables
    for (int round = 0; round < 3000; ++round) {
        const ProjectData project = gen.ValidProject();
        ASSERT_NE(CheckBeforeCalc(project).outcome, CheckOutcome::Stop) << round;
        const BasicInfo info = gen.Info();
        RunCalculation(project, info, results);
        SCOPED_TRACE(::testing::Message() << "round " << round);
        ExpectAllFinite(results);

        // Mark every row; the walk reads depths and the water depth only.
        ProjectData marked = project;
        for (int i = 1; i <= marked.LayerCount; ++i) {
            marked.SoilLayers[i].FinesContent = 1000 + i;
        }
        for (int j = 1; j <= marked.NValueCount; ++j) {
            marked.NValues[j].N = static_cast<std::int16_t>(1000 + j);
        }
        PointSeeds seeds;
        FormPoints(marked, seeds);
        ASSERT_EQ(seeds.Count, results.CalcPointCount);
        int waterPoints = 0;
        int combined = 0;
        for (int c = 1; c <= seeds.Count; ++c) {
            const PointSeed& s = seeds.Points[c];
            waterPoints += s.N == 0 && s.FinesContent == 0 ? 1 : 0;
            combined += s.N != 0 && s.FinesContent != 0 ? 1 : 0;
            ASSERT_EQ(s.Depth, results.CalcPoints[c].Depth);
        }
        ASSERT_EQ(waterPoints, 1);
        ASSERT_EQ(seeds.Count, project.LayerCount + project.NValueCount + 1 - combined);
        for (int i = 1; i <= project.LayerCount; ++i) {
            const auto hits = std::count_if(
                seeds.Points.begin(), seeds.Points.begin() + seeds.Count, [&](const PointSeed& s) {
                    return s.FinesContent == 1000 + i && s.Depth == project.SoilLayers[i].Depth;
                });
            ASSERT_EQ(hits, 1) << "layer " << i;
        }
        for (int j = 1; j <= project.NValueCount; ++j) {
            const auto hits = std::count_if(
                seeds.Points.begin(), seeds.Points.begin() + seeds.Count, [&](const PointSeed& s) {
                    return s.N == 1000 + j && s.Depth == project.NValues[j].Depth;
                });
            ASSERT_EQ(hits, 1) << "N value " << j;
        }

        int nPoints = 0;
        for (int c = 1; c <= results.CalcPointCount; ++c) {
            const CalcPoint& p = results.CalcPoints[c];
            if (c > 1) {
                ASSERT_LE(results.CalcPoints[c - 1].Depth, p.Depth);
            }
            if (p.N >= 1) {
                ++nPoints;
                ASSERT_EQ(results.NPoints[nPoints].Depth, p.Depth);
                ASSERT_FALSE(p.DEText[1].empty());
            }
        }
        ASSERT_EQ(results.NPointCount, nPoints);
    }
}

// Data the checks would stop, and values no editor lets through: the
// calculation must still read and write only within its tables.
TEST(RandomColumns, UncheckedDataStaysWithinTheTables) {
    std::mt19937 random(99);
    const double values[] = {0,
                             1,
                             -1,
                             0.5,
                             10,
                             60,
                             61,
                             999,
                             1000,
                             -60,
                             1e10,
                             1e300,
                             -1e308,
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::lowest(),
                             std::numeric_limits<double>::denorm_min()};
    auto pick = [&] {
        return values[std::uniform_int_distribution<std::size_t>(0, std::size(values) - 1)(random)];
    };
    auto count = [&](int cap) { return std::uniform_int_distribution<int>(0, cap)(random); };
    CalcResults results;
    for (int round = 0; round < 3000; ++round) {
        ProjectData project;
        project.LayerCount = static_cast<std::int16_t>(count(kMaxLayers));
        project.NValueCount = static_cast<std::int16_t>(count(kMaxNValues));
        project.WaterDepth = pick();
        project.DesignKhLv1 = pick();
        project.DesignKhLv2T1 = pick();
        project.DesignKhLv2T2 = pick();
        for (SoilLayer& layer : project.SoilLayers) {
            layer.Depth = pick();
            layer.SoilClass = static_cast<std::int16_t>(count(5) - 1);
            layer.FinesContent = pick();
            layer.PlasticityIndex = pick();
            layer.D50 = pick();
            layer.D10 = pick();
        }
        for (NValuePoint& row : project.NValues) {
            row.Depth = pick();
            row.N = static_cast<std::int16_t>(count(70000) - 35000);
        }
        BasicInfo info;
        for (Triple& row : info.UnitWeightTable) {
            for (double& w : row) {
                w = pick();
            }
        }
        RunCalculation(project, info, results);
        SCOPED_TRACE(::testing::Message() << "round " << round);
        ASSERT_LE(results.CalcPointCount, project.LayerCount + project.NValueCount + 1);
        ExpectAllFinite(results);
    }
    // Not-a-number and infinite inputs: no crash, whatever comes out.
    ProjectData project = Column({{5}, {std::nan("")}}, {{std::nan(""), 5}, {3, 5}}, INFINITY);
    project.DesignKhLv1 = std::nan("");
    RunCalculation(project, DefaultBasicInfo(), results);
    EXPECT_GE(results.CalcPointCount, 1);
    EXPECT_LE(results.CalcPointCount, 5);
}

}  // namespace
}  // namespace fljudge
