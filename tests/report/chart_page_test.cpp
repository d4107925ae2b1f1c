#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "report/recording_surface.h"
#include "report/report_pages.h"

namespace fljudge {
namespace {

using Kind = RecordingSurface::Kind;
using Call = RecordingSurface::Call;

// Cells of 200 by 180 twips, so that a mix-up of w and h shows.
constexpr double kW = 200;
constexpr double kH = 180;

double DepthY(double depth) {
    return (depth + 7.5) * kH + 2 * kW;
}

struct ChartPageTest : ::testing::Test {
    ChartPageTest() { NewProject(project, DefaultBasicInfo()); }

    void AddLayer(double depth, double thickness, std::int16_t soilClass) {
        SoilLayer& layer = project.SoilLayers[++project.LayerCount];
        layer.Depth = depth;
        layer.Thickness = thickness;
        layer.SoilClass = soilClass;
    }

    void Draw() { DrawChartPage(surface, input); }

    std::vector<Call> CallsOf(Kind kind) const {
        std::vector<Call> found;
        std::copy_if(surface.Calls().begin(), surface.Calls().end(), std::back_inserter(found),
                     [kind](const Call& call) { return call.kind == kind; });
        return found;
    }

    bool HasLine(double x1, double y1, double x2, double y2) const {
        const auto lines = CallsOf(Kind::Line);
        return std::any_of(lines.begin(), lines.end(), [&](const Call& c) {
            return std::abs(c.x1 - x1) < 1e-6 && std::abs(c.y1 - y1) < 1e-6 &&
                   std::abs(c.x2 - x2) < 1e-6 && std::abs(c.y2 - y2) < 1e-6;
        });
    }

    // Lines that begin or end at a point.
    int LinesAt(double x, double y) const {
        const auto lines = CallsOf(Kind::Line);
        return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const Call& c) {
            return (std::abs(c.x1 - x) < 1e-6 && std::abs(c.y1 - y) < 1e-6) ||
                   (std::abs(c.x2 - x) < 1e-6 && std::abs(c.y2 - y) < 1e-6);
        }));
    }

    // The soil column's boxes: every rectangle after the twelve chart frames.
    std::vector<RecordingSurface::GridBoxCall> SoilBoxes() const {
        const auto boxes = surface.Boxes();
        return {boxes.begin() + 12, boxes.end()};
    }

    ProjectData project;
    CalcResults results;
    ReportInput input{project, results};
    RecordingSurface surface{kW, kH};
};

TEST_F(ChartPageTest, FramesScaleAndDashedGridLines) {
    Draw();
    const auto boxes = surface.Boxes();
    ASSERT_EQ(boxes.size(), 12u);
    EXPECT_EQ(boxes[4].column, 16);
    EXPECT_EQ(boxes[4].widthCells, 14);
    EXPECT_EQ(boxes[11].row, 8);
    EXPECT_EQ(boxes[11].heightCells, 65);

    EXPECT_EQ(surface.TextsAt(3, 13), std::vector<std::string>{" 5"});
    EXPECT_EQ(surface.TextsAt(2.5, 68), std::vector<std::string>{"60"});
    EXPECT_TRUE(HasLine(5.5 * kW, DepthY(5), 5 * kW, DepthY(5)));
    EXPECT_TRUE(HasLine(5.5 * kW, DepthY(60), 4.5 * kW, DepthY(60)));

    // Exactly the ten grid lines are dashed, each down the whole body.
    const auto& calls = surface.Calls();
    const auto dashed = std::find_if(calls.begin(), calls.end(), [](const Call& c) {
        return c.kind == Kind::Style && c.style == LineStyle::Dashed;
    });
    ASSERT_NE(dashed, calls.end());
    ASSERT_GT(calls.end() - dashed, 11);
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(dashed[k].kind, Kind::Line);
        EXPECT_DOUBLE_EQ(dashed[k].y2 - dashed[k].y1, 65 * kH);
    }
    EXPECT_DOUBLE_EQ(dashed[1].x1, 19.5 * kW);
    EXPECT_DOUBLE_EQ(dashed[10].x1, 42.5 * kW);
    EXPECT_EQ(dashed[11].kind, Kind::Style);
    EXPECT_EQ(dashed[11].style, LineStyle::Solid);
}

TEST_F(ChartPageTest, LayersOfOneClassFormOneBoxStackedByThickness) {
    AddLayer(2, 2, kSandy);
    AddLayer(5, 3, kSandy);
    AddLayer(9, 4, kSandy);
    Draw();
    auto boxes = SoilBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].row, 8);
    EXPECT_EQ(boxes[0].heightCells, 9);
    EXPECT_EQ(surface.TextsAt(5, 9.5), std::vector<std::string>{" 2.000"});
    EXPECT_TRUE(HasLine(5.5 * kW, DepthY(2), 9.5 * kW, DepthY(2)));

    // A change of class starts a new box; the boxes follow the thicknesses
    // even where they disagree with the depths.
    project.LayerCount = 0;
    AddLayer(2, 2, kSandy);
    AddLayer(5, 1, kClayey);
    AddLayer(7, 2, kClayey);
    AddLayer(8, 1, kSandy);
    surface = RecordingSurface(kW, kH);
    Draw();
    boxes = SoilBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[1].column, 8);
    EXPECT_EQ(boxes[1].widthCells, 4);
    EXPECT_EQ(boxes[1].row, 10);
    EXPECT_EQ(boxes[1].heightCells, 3);
    EXPECT_EQ(boxes[2].row, 13);
    EXPECT_EQ(boxes[2].heightCells, 1);
}

TEST_F(ChartPageTest, HatchRowsAreSpacedByATenthOfTheBoxWidth) {
    // The box is 4 cells wide, so rows lie 0.8·w, 2·w, 3.2·w ... below its top.
    const double top = DepthY(0);
    const double s = 0.4 * kW;
    AddLayer(1, 0.79 * kW / kH, kSandy);
    Draw();
    EXPECT_TRUE(CallsOf(Kind::Circle).empty());

    project.LayerCount = 0;
    AddLayer(1, 0.81 * kW / kH, kSandy);
    surface = RecordingSurface(kW, kH);
    Draw();
    const auto dots = CallsOf(Kind::Circle);
    ASSERT_EQ(dots.size(), 3u);
    for (int k = 0; k < 3; ++k) {
        EXPECT_DOUBLE_EQ(dots[k].x1, 9.5 * kW + (2 + 3 * k) * s);
        EXPECT_DOUBLE_EQ(dots[k].y1, top + 2 * s);
        EXPECT_DOUBLE_EQ(dots[k].x2, 4 * kW / 50);
    }

    struct Case {
        std::int16_t soilClass;
        std::size_t circles;
        double radius;
        bool line;
    };
    for (const Case& c :
         {Case{kClayey, 0, 0, true}, Case{kGravelly, 3, s, false}, Case{0, 0, 0, false}}) {
        project.LayerCount = 0;
        AddLayer(2, 2, c.soilClass);  // 360 twips high: one row at 160
        surface = RecordingSurface(kW, kH);
        Draw();
        const auto circles = CallsOf(Kind::Circle);
        EXPECT_EQ(circles.size(), c.circles) << c.soilClass;
        if (!circles.empty()) {
            EXPECT_DOUBLE_EQ(circles[0].x2, c.radius);
        }
        EXPECT_EQ(HasLine(9.5 * kW, top + 2 * s, 13.5 * kW, top + 2 * s), c.line) << c.soilClass;
        EXPECT_FALSE(HasLine(9.5 * kW, top + 5 * s, 13.5 * kW, top + 5 * s));
    }
}

TEST_F(ChartPageTest, WaterLevelAtTheSurfaceHasItsSignAboveTheBody) {
    project.WaterDepth = 0;
    Draw();
    const double y = DepthY(0);
    EXPECT_TRUE(HasLine(13.5 * kW, y, 17.5 * kW, y));
    EXPECT_TRUE(HasLine(15.5 * kW, y, 15 * kW, y - 0.5 * kH));
    EXPECT_TRUE(HasLine(15.5 * kW, y, 16 * kW, y - 0.5 * kH));
    EXPECT_TRUE(HasLine(15 * kW, y - 0.5 * kH, 16 * kW, y - 0.5 * kH));
    EXPECT_TRUE(HasLine(14.5 * kW, y + 0.2 * kH, 16.5 * kW, y + 0.2 * kH));
    EXPECT_TRUE(HasLine(15 * kW, y + 0.6 * kH, 16 * kW, y + 0.6 * kH));
    EXPECT_EQ(surface.TextsAt(13, 9.3), std::vector<std::string>{" 0.000"});
}

TEST_F(ChartPageTest, NValueProfileJoinsItsCircles) {
    project.NValueCount = 1;
    project.NValues[1] = {3, 10};
    Draw();
    auto circles = CallsOf(Kind::Circle);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_DOUBLE_EQ(circles[0].x1, 21.5 * kW);  // N = 10 on its grid line
    EXPECT_DOUBLE_EQ(circles[0].y1, DepthY(3));
    EXPECT_DOUBLE_EQ(circles[0].x2, kW / 5);
    EXPECT_EQ(LinesAt(21.5 * kW, DepthY(3)), 0);

    project.NValueCount = 2;
    project.NValues[2] = {4, 0};
    surface = RecordingSurface(kW, kH);
    Draw();
    EXPECT_EQ(CallsOf(Kind::Circle).size(), 2u);
    EXPECT_TRUE(HasLine(21.5 * kW, DepthY(3), 19.5 * kW, DepthY(4)));
}

TEST_F(ChartPageTest, FlPolylinesBreakAtPointsThatAreNotPlotted) {
    // Points at 1..4 m; the third is no target; the second has no Lv2-1 FL.
    results.NPointCount = 4;
    for (int i = 1; i <= 4; ++i) {
        CalcPoint& point = results.NPoints[i];
        point.Depth = i;
        point.N = 10;
        point.Target = i == 3 ? 0 : 1;
        point.FL[1] = 0.5;
        point.FL[2] = 1;
        point.FL[3] = 2;
    }
    results.NPoints[2].FL[2] = std::nullopt;
    Draw();

    const auto centre = [](double fl, double depth) {
        return std::pair{(fl * 3 + 33.5) * kW, DepthY(depth)};
    };
    for (const double fl : {0.5, 1.0, 2.0}) {
        const auto [x1, y1] = centre(fl, 1);
        const auto [x2, y2] = centre(fl, 2);
        const auto [x4, y4] = centre(fl, 4);
        EXPECT_EQ(HasLine(x1, y1, x2, y2), fl != 1.0) << fl;
        EXPECT_EQ(LinesAt(x4, y4), 0) << fl;
        EXPECT_EQ(LinesAt(centre(fl, 3).first, centre(fl, 3).second), 0) << fl;
    }
    // Markers: △ three lines about (x, y), □ four, ○ one circle.
    const double d = kW / 5;
    const auto [tx, ty] = centre(0.5, 4);
    EXPECT_TRUE(HasLine(tx - d, ty + d, tx + d, ty + d));
    EXPECT_TRUE(HasLine(tx - d, ty + d, tx, ty - d));
    const auto [sx, sy] = centre(1, 4);
    EXPECT_TRUE(HasLine(sx - d, sy - d, sx + d, sy - d));
    EXPECT_TRUE(HasLine(sx - d, sy + d, sx - d, sy - d));
    EXPECT_FALSE(HasLine(sx - d, sy - d + 2 * kH, sx + d, sy - d + 2 * kH));  // none at 2 m
    const auto circles = CallsOf(Kind::Circle);
    EXPECT_EQ(circles.size(), 3u);  // Lv2-2 at 1, 2 and 4 m
    EXPECT_DOUBLE_EQ(circles.back().x1, centre(2, 4).first);
}

TEST_F(ChartPageTest, AColumnDeeperThanTheBodyIsCutAtItsBottom) {
    // The thickness is a stored field the calculation does not read, so any
    // value reaches the chart; the hatch ends with the body.
    AddLayer(5, 1e7, kSandy);
    AddLayer(6, 1e300, kClayey);
    AddLayer(7, 1, kGravelly);
    Draw();
    const auto boxes = SoilBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].row, 8);
    EXPECT_DOUBLE_EQ(boxes[0].heightCells, 65);
    const double s = 0.4 * kW;
    std::size_t rows = 0;
    for (int e = 2; e * s <= 65 * kH; e += 3) {
        ++rows;
    }
    EXPECT_EQ(CallsOf(Kind::Circle).size(), 3 * rows);
    for (const Call& dot : CallsOf(Kind::Circle)) {
        EXPECT_LE(dot.y1, DepthY(65));
    }
}

TEST_F(ChartPageTest, ValuesFarOutOfScaleAreCutAtTheBodyAndNearThePage) {
    AddLayer(1e300, 1, kSandy);
    project.WaterDepth = -1e300;
    project.NValueCount = 3;
    project.NValues[1] = {60, 10};
    project.NValues[2] = {70, 10};
    project.NValues[3] = {3, 32767};
    results.NPointCount = 2;
    for (int i = 1; i <= 2; ++i) {
        CalcPoint& point = results.NPoints[i];
        point.Depth = i;
        point.Target = 1;
        point.FL = {i == 1 ? 1 : 8.3e6, 1, 1};
    }
    Draw();
    for (const Call& call : surface.Calls()) {
        for (const double v : {call.x1, call.y1, call.x2, call.y2}) {
            EXPECT_TRUE(std::isfinite(v));
            EXPECT_LE(std::abs(v), 1000 * std::max(kW, kH));
        }
    }
    // The N polyline from 60 m to 70 m ends on the bottom of the body, with
    // no circle at 70 m; the Lv1 line to FL 8.3e6 runs on to the page's reach.
    EXPECT_TRUE(HasLine(21.5 * kW, DepthY(60), 21.5 * kW, DepthY(65)));
    EXPECT_EQ(LinesAt(21.5 * kW, DepthY(70)), 0);
    const double x1 = 36.5 * kW;
    const double x2 = (8.3e6 * 3 + 33.5) * kW;
    const double yAtReach = DepthY(1) + (1000 * kW - x1) / (x2 - x1) * kH;
    EXPECT_TRUE(HasLine(x1, DepthY(1), 1000 * kW, yAtReach));
    EXPECT_TRUE(surface.TextsAt(5, 1e300 + 7.5).empty());
}

}  // namespace
}  // namespace fljudge
