#include "calc/form_points.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "calc/round3.h"
#include "column_builder.h"

namespace fljudge {
namespace {

using column::AddNEveryMetre;
using column::Calculate;
using column::Column;

struct Formed {
    double depth;
    int n;
    double fc;  // tells the layers apart; 0 for N and groundwater points
};

std::vector<Formed> Listed(const PointSeeds& seeds) {
    std::vector<Formed> out;
    for (int c = 1; c <= seeds.Count; ++c) {
        out.push_back({seeds.Points[c].Depth, seeds.Points[c].N, seeds.Points[c].FinesContent});
    }
    return out;
}

void ExpectFormed(const ProjectData& project, const std::vector<Formed>& expected) {
    PointSeeds seeds;
    FormPoints(project, seeds);
    const std::vector<Formed> got = Listed(seeds);
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t c = 0; c < got.size(); ++c) {
        EXPECT_EQ(got[c].depth, expected[c].depth) << "point " << c + 1;
        EXPECT_EQ(got[c].n, expected[c].n) << "point " << c + 1;
        EXPECT_EQ(got[c].fc, expected[c].fc) << "point " << c + 1;
    }
}

// Layers at 2 m (FC 5), 5 m (FC 12) and 10 m (clayey, FC 30), N = 10 at every
// metre, groundwater at 2 m.
ProjectData ElevenPointColumn() {
    ProjectData project = Column({{2, kSandy, 5}, {5, kSandy, 12}, {10, kClayey, 30}}, {}, 2);
    AddNEveryMetre(project, 1, 10, 10);
    return project;
}

TEST(FormPoints, MergeWalkPlacesTheGroundwaterPointBeforeTheRowAtItsDepth) {
    PointSeeds seeds;
    MergeRows(ElevenPointColumn(), seeds);
    const std::vector<Formed> got = Listed(seeds);
    ASSERT_EQ(got.size(), 11u);
    EXPECT_EQ(got[0].depth, 1);
    EXPECT_EQ(got[1].depth, 2);
    EXPECT_EQ(got[1].n, 0);  // groundwater
    EXPECT_EQ(got[2].depth, 2);
    EXPECT_EQ(got[2].n, 10);  // combined
    EXPECT_EQ(got[2].fc, 5);
}

TEST(FormPoints, SortingPutsTheDataPointAtTheGroundwaterDepthFirst) {
    ExpectFormed(ElevenPointColumn(), {{1, 10, 0},
                                       {2, 10, 5},
                                       {2, 0, 0},
                                       {3, 10, 0},
                                       {4, 10, 0},
                                       {5, 10, 12},
                                       {6, 10, 0},
                                       {7, 10, 0},
                                       {8, 10, 0},
                                       {9, 10, 0},
                                       {10, 10, 30}});
}

TEST(FormPoints, ElevenPointColumnThicknessesAndSoilDataFromBelow) {
    const CalcResults results = Calculate(ElevenPointColumn());
    ASSERT_EQ(results.CalcPointCount, 11);
    const std::vector<double> thickness = {1, 1, 0, 1, 1, 1, 1, 1, 1, 1, 1};
    for (int c = 1; c <= 11; ++c) {
        EXPECT_EQ(results.CalcPoints[c].Thickness, thickness[static_cast<std::size_t>(c - 1)])
            << "point " << c;
    }
    const CalcPoint& water = results.CalcPoints[3];
    EXPECT_EQ(water.N, 0);
    EXPECT_EQ(water.SoilClass, kSandy);
    EXPECT_EQ(water.FinesContent, 12);  // the layer with its bottom at 5 m
    EXPECT_EQ(water.GammaT1, 18);
    EXPECT_EQ(results.CalcPoints[1].FinesContent, 5);
    for (int c = 7; c <= 10; ++c) {  // 6 .. 9 m
        EXPECT_EQ(results.CalcPoints[c].SoilClass, kClayey) << "point " << c;
        EXPECT_EQ(results.CalcPoints[c].FinesContent, 30) << "point " << c;
        EXPECT_EQ(results.CalcPoints[c].GammaT2, 19) << "point " << c;
    }
}

TEST(FormPoints, GroundwaterAtTheDeepestLayerBottomStaysFirst) {
    ExpectFormed(Column({{3, kSandy, 7}, {6, kSandy, 8}}, {{2, 4}, {6, 5}}, 6),
                 {{2, 4, 0}, {3, 0, 7}, {6, 0, 0}, {6, 5, 8}});
    const CalcResults results =
        Calculate(Column({{3, kSandy, 7}, {6, kSandy, 8}}, {{2, 4}, {6, 5}}, 6));
    EXPECT_EQ(results.CalcPoints[3].Thickness, 3);
    EXPECT_EQ(results.CalcPoints[4].Thickness, 0);
}

TEST(FormPoints, GroundwaterAtTheSurfaceIsTheFirstPoint) {
    ExpectFormed(Column({{3, kSandy, 7}}, {{1, 4}, {3, 5}}, 0), {{0, 0, 0}, {1, 4, 0}, {3, 5, 7}});
    const CalcResults results = Calculate(Column({{3, kSandy, 7}}, {{1, 4}, {3, 5}}, 0));
    EXPECT_EQ(results.CalcPoints[1].Thickness, 0);
    EXPECT_EQ(results.CalcPoints[2].Thickness, 1);
}

TEST(FormPoints, TablesOutOfOrderStillPlaceEveryRowOnce) {
    // Layers typed 5, 3, 10 m.
    ProjectData project = Column({{5, kSandy, 15}, {3, kSandy, 13}, {10, kSandy, 20}}, {}, 2);
    AddNEveryMetre(project, 1, 10, 10);
    PointSeeds seeds;
    FormPoints(project, seeds);
    ASSERT_EQ(seeds.Count, 12);  // 3 layers + 10 N values + groundwater; 5 m and 10 m combined
    for (int c = 2; c <= seeds.Count; ++c) {
        EXPECT_LE(seeds.Points[c - 1].Depth, seeds.Points[c].Depth);
    }
    const CalcResults results = Calculate(project);
    for (int c = 2; c <= results.CalcPointCount; ++c) {
        EXPECT_EQ(results.CalcPoints[c].Thickness,
                  Round3(results.CalcPoints[c].Depth - results.CalcPoints[c - 1].Depth));
    }
}

TEST(FormPoints, EqualDepthsTheWalkDoesNotMeetGiveTwoPoints) {
    // Layers 10, 5 and N values 5, 10: only the 10 m rows meet.
    PointSeeds seeds;
    FormPoints(Column({{10, kSandy, 20}, {5, kSandy, 15}}, {{5, 3}, {10, 4}}, 1), seeds);
    EXPECT_EQ(seeds.Count, 4);
    EXPECT_EQ(seeds.Points[2].Depth, 5);
    EXPECT_EQ(seeds.Points[3].Depth, 5);
    EXPECT_EQ(seeds.Points[4].N, 4);
    EXPECT_EQ(seeds.Points[4].FinesContent, 20);
}

// The walk used to run the layer cursor past LayerCount when the layers ran
// out first and read rows beyond the count.
TEST(FormPoints, NValuesLeftAfterTheLastLayerArePlacedOnce) {
    struct Case {
        double waterDepth;
        std::vector<Formed> expected;
    };
    const std::vector<Case> cases = {
        // Layers 5, 10 m; N values typed 10 m, then 3 m.
        {4, {{3, 2, 0}, {4, 0, 0}, {5, 0, 15}, {10, 1, 20}}},
        {0, {{0, 0, 0}, {3, 2, 0}, {5, 0, 15}, {10, 1, 20}}},
        {10, {{3, 2, 0}, {5, 0, 15}, {10, 1, 20}, {10, 0, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.waterDepth);
        ExpectFormed(Column({{5, kSandy, 15}, {10, kSandy, 20}}, {{10, 1}, {3, 2}}, c.waterDepth),
                     c.expected);
    }
    // Unchecked data with the water below the last layer: the groundwater
    // point comes before the first remaining N value at or below it.
    PointSeeds seeds;
    MergeRows(Column({{5, kSandy, 15}}, {{30, 1}, {25, 2}}, 28), seeds);
    const std::vector<Formed> walked = Listed(seeds);
    ASSERT_EQ(walked.size(), 4u);
    EXPECT_EQ(walked[1].depth, 28);
    EXPECT_EQ(walked[1].n, 0);
    EXPECT_EQ(walked[2].depth, 30);
    EXPECT_EQ(walked[3].depth, 25);
}

// The sort moves depths and row numbers; it must leave equal depths in the
// order of the plain double loop that swaps whole points.
TEST(FormPoints, SortGivesTheOrderOfTheExactDoubleLoop) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        PointSeeds seeds;
        seeds.Count = std::uniform_int_distribution<int>(0, kMaxCalcPoints)(random);
        for (int c = 1; c <= seeds.Count; ++c) {
            // Few distinct depths, so that many points share one; every
            // other round nearly in order, as the merge walk leaves them.
            seeds.Points[c].Depth = round % 2 == 0
                                        ? std::uniform_int_distribution<int>(0, 6)(random) * 0.5
                                        : c / 3 + std::uniform_int_distribution<int>(0, 1)(random);
            seeds.Points[c].N = static_cast<std::int16_t>(c);
        }
        PointSeeds expected = seeds;
        for (int a = 1; a <= expected.Count; ++a) {
            for (int b = 1; b <= expected.Count; ++b) {
                if (expected.Points[a].Depth < expected.Points[b].Depth) {
                    std::swap(expected.Points[a], expected.Points[b]);
                }
            }
        }
        SortByDepth(seeds);
        for (int c = 1; c <= seeds.Count; ++c) {
            ASSERT_EQ(seeds.Points[c], expected.Points[c]) << "round " << round << " point " << c;
        }
    }
}

}  // namespace
}  // namespace fljudge
