#include "report/clipping_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "report/recording_surface.h"

namespace fljudge {
namespace {

using Kind = RecordingSurface::Kind;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr ClipRect kClip{100, 200, 1100, 700};

struct LineCase {
    double x1, y1, x2, y2;
    bool drawn;
    double cx1, cy1, cx2, cy2;  // what reaches the surface when drawn
};

TEST(ClippingSurface, CutsLinesAtTheEdgesAndPassesInnerOnesUnchanged) {
    const LineCase cases[] = {
        {100.1, 200.3, 1099.7, 699.9, true, 100.1, 200.3, 1099.7, 699.9},  // inside
        {100, 200, 1100, 700, true, 100, 200, 1100, 700},                  // on the edges
        {600, 400, 600, 10000, true, 600, 400, 600, 700},   // down through the bottom
        {0, 300, 2200, 300, true, 100, 300, 1100, 300},     // across both sides
        {600, 450, 1e300, 450, true, 600, 450, 1100, 450},  // far out of scale
        {100, 100, 1100, 300, true, 600, 200, 1100, 300},   // in through the top
        {0, 0, 50, 1000, false, 0, 0, 0, 0},                // left of it
        {1200, 100, 1300, 800, false, 0, 0, 0, 0},          // right of it
        {0, 0, 1200, 100, false, 0, 0, 0, 0},               // above it
        {600, 400, kNaN, 450, false, 0, 0, 0, 0},
        {600, 400, kInf, 450, false, 0, 0, 0, 0},
    };
    for (const LineCase& c : cases) {
        RecordingSurface recording;
        ClippingSurface clipped(recording, kClip);
        clipped.DrawLine(c.x1, c.y1, c.x2, c.y2);
        ASSERT_EQ(recording.Calls().size(), c.drawn ? 1u : 0u) << c.x1 << "," << c.y1;
        if (c.drawn) {
            const auto& call = recording.Calls()[0];
            EXPECT_DOUBLE_EQ(call.x1, c.cx1);
            EXPECT_DOUBLE_EQ(call.y1, c.cy1);
            EXPECT_DOUBLE_EQ(call.x2, c.cx2);
            EXPECT_DOUBLE_EQ(call.y2, c.cy2);
        }
    }
}

TEST(ClippingSurface, CutsRectanglesAndDropsCirclesAndTextsThatStartOutside) {
    RecordingSurface recording;
    ClippingSurface clipped(recording, kClip);
    clipped.DrawRectangle(200, 300, 400, 500);    // inside: unchanged
    clipped.DrawRectangle(200, 300, 400, 1e300);  // cut at the bottom
    clipped.DrawRectangle(200, 300, 400, -kInf);  // upwards without end: cut at the top
    clipped.DrawRectangle(200, 800, 400, 900);    // below: dropped
    clipped.DrawRectangle(200, kNaN, 400, 900);   // dropped
    clipped.DrawCircle(100, 700, 50);             // centre on the corner: whole
    clipped.DrawCircle(99, 400, 5);               // centre outside: dropped
    clipped.DrawText(1100, 200, "a");             // corner inside
    clipped.DrawText(1101, 200, "b");             // dropped
    clipped.SetLineStyle(LineStyle::Dashed);      // always passes
    const auto& calls = recording.Calls();
    ASSERT_EQ(calls.size(), 6u);
    const double rectangles[][4] = {
        {200, 300, 400, 500}, {200, 300, 400, 700}, {200, 300, 400, 200}};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(calls[k].kind, Kind::Rectangle);
        EXPECT_EQ(calls[k].x1, rectangles[k][0]);
        EXPECT_EQ(calls[k].y1, rectangles[k][1]);
        EXPECT_EQ(calls[k].x2, rectangles[k][2]);
        EXPECT_EQ(calls[k].y2, rectangles[k][3]);
    }
    EXPECT_EQ(calls[3].kind, Kind::Circle);
    EXPECT_EQ(calls[3].x2, 50);
    EXPECT_EQ(calls[4].text, "a");
    EXPECT_EQ(calls[5].kind, Kind::Style);
}

}  // namespace
}  // namespace fljudge
