#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>

#include "report/clipping_surface.h"
#include "report/grid.h"
#include "report/report_pages.h"
#include "report/table_layout.h"

namespace fljudge {
namespace {

constexpr std::int16_t kCircleMarker = 1;    // ○
constexpr std::int16_t kTriangleMarker = 2;  // △
constexpr std::int16_t kSquareMarker = 3;    // □

// The chart's columns: depth scale, layer depths, soil column, water level,
// N value and FL distribution. Headings from row 3, the body from row 8.
constexpr GridColumn kChartColumns[] = {{1, 3}, {4, 4}, {8, 4}, {12, 4}, {16, 14}, {30, 13}};
constexpr double kHeadingRow = 3;
constexpr double kHeadingHeight = 5;
constexpr double kBodyRow = 8;
constexpr double kBodyHeight = 65;  // metres, one row each
// Nothing is drawn farther than this many cells from the page's corner: far
// beyond any page, well within what every device takes.
constexpr double kReachCells = 1000;

constexpr GridLabel kHeadingTexts[] = {
    {2.5, 4, "標"},    {2.5, 5, "尺"},         {2.5, 6, "(m)"},        {6, 4, "深"},
    {6, 5, "度"},      {6, 6, "(m)"},          {10, 4, "柱"},          {10, 5, "状"},
    {10, 6, "図"},     {14, 4, "水"},          {14, 5, "位"},          {14, 6, "(m)"},
    {22.5, 4, "Ｎ値"}, {18.5, 7, "0"},         {20, 7, "10"},          {22, 7, "20"},
    {24, 7, "30"},     {26, 7, "40"},          {28, 7, "50"},          {35, 4, "ＦＬ分布"},
    {32, 5, "△Lv1"},   {37.5, 5, "□Lv2TypeⅠ"}, {37.5, 6, "○Lv2TypeⅡ"}, {32, 7, "０"},
    {35, 7, "１"},     {38, 7, "２"},          {41, 7, "３"},
};

// Dashed lines down the body at N = 0, 10, ..., 50 and FL = 0, 1, 2, 3.
constexpr double kGridLineXs[] = {19.5, 21.5, 23.5, 25.5, 27.5, 29.5, 33.5, 36.5, 39.5, 42.5};

// Positions in surface units: x = a·w, and depth z at y = (z + 7.5)·h + 2·w,
// so depth 0 is the top edge of the body.
struct ChartScale {
    GridCell cell;

    double X(double a) const { return a * cell.w; }
    double DepthY(double depth) const { return (depth + 7.5) * cell.h + 2 * cell.w; }

    ClipRect Reach() const {
        return {-kReachCells * cell.w, -kReachCells * cell.h, kReachCells * cell.w,
                kReachCells * cell.h};
    }
    // The rows of the body, from depth 0 to its bottom; sideways as far as
    // the page reaches, since an N above 50 or an FL above 3 is drawn
    // beside its frame.
    ClipRect Body() const {
        ClipRect body = Reach();
        body.top = DepthY(0);
        body.bottom = DepthY(kBodyHeight);
        return body;
    }
};

struct Point {
    double x;
    double y;
};

// The centre of a marker drawn at (column, row).
Point MarkerCentre(const GridCell& cell, double column, double row) {
    return {(column + 2) * cell.w, row * cell.h + 2 * cell.w};
}

// A marker is drawn whole when its centre lies in `within`, else not at all.
void DrawMarker(DrawingSurface& surface, const ClipRect& within, std::int16_t kind, double column,
                double row) {
    const GridCell cell = MeasureCell(surface);
    const auto [x, y] = MarkerCentre(cell, column, row);
    if (!within.Contains(x, y)) {
        return;
    }
    const double d = cell.w / 5;
    switch (kind) {
        case kCircleMarker:
            surface.DrawCircle(x, y, d);
            break;
        case kTriangleMarker:
            surface.DrawLine(x - d, y + d, x + d, y + d);
            surface.DrawLine(x - d, y + d, x, y - d);
            surface.DrawLine(x + d, y + d, x, y - d);
            break;
        case kSquareMarker:
            surface.DrawLine(x - d, y - d, x + d, y - d);
            surface.DrawLine(x + d, y - d, x + d, y + d);
            surface.DrawLine(x + d, y + d, x - d, y + d);
            surface.DrawLine(x - d, y + d, x - d, y - d);
            break;
        default:
            break;
    }
}

// The outline of a box of the soil column and its hatch by soil class: rows
// of dots (sand), lines (clay) or circles (gravel), spaced by a tenth of the
// width, so a box lower than two tenths of its width has no hatch. Only the
// rows within the surface's clip are visited, so however high the box, the
// work is bounded by the clip.
void DrawSoilBox(ClippingSurface& surface, std::int16_t soilClass, double column, double row,
                 double widthCells, double heightCells) {
    const GridCell cell = MeasureCell(surface);
    const double x0 = (column - 0.5) * cell.w + 2 * cell.w;
    const double y0 = (row - 0.5) * cell.h + 2 * cell.w;
    const double width = widthCells * cell.w;
    const double height = heightCells * cell.h;
    surface.DrawRectangle(x0, y0, x0 + width, y0 + height);
    const double s = width / 10;
    if (!(s > 0)) {
        return;
    }
    const ClipRect& clip = surface.Clip();
    const double last = y0 + height <= clip.bottom ? height : clip.bottom - y0;
    // Rows above the clip are skipped by arithmetic, not visited.
    double e = 2;
    if (y0 + e * s < clip.top) {
        e += 3 * std::ceil((clip.top - y0 - e * s) / (3 * s));
    }
    const double clipRows = std::min((clip.bottom - clip.top) / (3 * s) + 2, 1e6);
    for (double rowsDone = 0; rowsDone < clipRows && e * s <= last; ++rowsDone, e += 3) {
        const double y = y0 + e * s;
        switch (soilClass) {
            case kSandy:
                for (const int k : {2, 5, 8}) {
                    surface.DrawCircle(x0 + k * s, y, width / 50);
                }
                break;
            case kClayey:
                surface.DrawLine(x0, y, x0 + width, y);
                break;
            case kGravelly:
                for (const int k : {2, 5, 8}) {
                    surface.DrawCircle(x0 + k * s, y, s);
                }
                break;
            default:
                return;
        }
    }
}

void DrawFrames(DrawingSurface& surface) {
    GridText(surface, 2, 2, "柱状図");
    for (const GridColumn& column : kChartColumns) {
        GridBox(surface, column.column, kHeadingRow, column.widthCells, kHeadingHeight);
    }
    for (const GridLabel& text : kHeadingTexts) {
        GridText(surface, text.column, text.row, text.text);
    }
    for (const GridColumn& column : kChartColumns) {
        GridBox(surface, column.column, kBodyRow, column.widthCells, kBodyHeight);
    }
}

void DrawDepthScale(DrawingSurface& surface, const ChartScale& scale) {
    for (int z = 5; z <= 60; z += 5) {
        const bool tens = z % 10 == 0;
        GridField(surface, tens ? 2.5 : 3, z + 8, z, "0", 2);
        const double y = scale.DepthY(z);
        surface.DrawLine(scale.X(5.5), y, scale.X(tens ? 4.5 : 5), y);
    }
}

void DrawDashedGridLines(DrawingSurface& surface, const ChartScale& scale) {
    surface.SetLineStyle(LineStyle::Dashed);
    for (const double x : kGridLineXs) {
        surface.DrawLine(scale.X(x), scale.DepthY(0), scale.X(x),
                         scale.DepthY(0) + kBodyHeight * scale.cell.h);
    }
    surface.SetLineStyle(LineStyle::Solid);
}

void DrawLayerBoundaries(DrawingSurface& surface, const ChartScale& scale,
                         const ProjectData& project) {
    const int layerCount = std::min<int>(project.LayerCount, kMaxLayers);
    for (int i = 1; i <= layerCount; ++i) {
        const double depth = project.SoilLayers[i].Depth;
        GridField(surface, 5, depth + 7.5, depth, "0.000", 6);
        surface.DrawLine(scale.X(5.5), scale.DepthY(depth), scale.X(9.5), scale.DepthY(depth));
    }
}

// Drawn on a surface clipped to the body.
void DrawSoilColumn(ClippingSurface& surface, const ProjectData& project) {
    const int layerCount = std::min<int>(project.LayerCount, kMaxLayers);
    // Consecutive layers of one class form one box, stacked by thickness.
    double row = kBodyRow;
    for (int first = 1; first <= layerCount;) {
        const std::int16_t soilClass = project.SoilLayers[first].SoilClass;
        double height = 0;
        int next = first;
        for (; next <= layerCount && project.SoilLayers[next].SoilClass == soilClass; ++next) {
            height += project.SoilLayers[next].Thickness;
        }
        DrawSoilBox(surface, soilClass, 8, row, 4, height);
        row += height;
        first = next;
    }
}

void DrawWaterLevel(DrawingSurface& surface, const ChartScale& scale, double waterDepth) {
    const double y = scale.DepthY(waterDepth);
    const double h = scale.cell.h;
    surface.DrawLine(scale.X(13.5), y, scale.X(17.5), y);
    // ▽ with its point on the level.
    surface.DrawLine(scale.X(15.5), y, scale.X(15), y - 0.5 * h);
    surface.DrawLine(scale.X(15.5), y, scale.X(16), y - 0.5 * h);
    surface.DrawLine(scale.X(15), y - 0.5 * h, scale.X(16), y - 0.5 * h);
    surface.DrawLine(scale.X(14.5), y + 0.2 * h, scale.X(16.5), y + 0.2 * h);
    surface.DrawLine(scale.X(14.8), y + 0.4 * h, scale.X(16.2), y + 0.4 * h);
    surface.DrawLine(scale.X(15), y + 0.6 * h, scale.X(16), y + 0.6 * h);
    GridField(surface, 13, waterDepth + 9.3, waterDepth, "0.000", 6);
}

// The markers whose centre lies in the body, on `page`; the polylines cut at
// the body's edges, on `body`.
void DrawNValueProfile(DrawingSurface& page, ClippingSurface& body, const ChartScale& scale,
                       const ProjectData& project) {
    const int count = std::min<int>(project.NValueCount, kMaxNValues);
    Point previous{};
    for (int i = 1; i <= count; ++i) {
        const double column = project.NValues[i].N / 10.0 * 2 + 17.5;
        const double row = project.NValues[i].Depth + 7.5;
        DrawMarker(page, body.Clip(), kCircleMarker, column, row);
        const Point centre = MarkerCentre(scale.cell, column, row);
        if (i > 1) {
            body.DrawLine(previous.x, previous.y, centre.x, centre.y);
        }
        previous = centre;
    }
}

// One polyline per motion over the N-value points; a point that is not a
// judgement target, or whose FL is undefined, is left out and breaks it.
void DrawFLDistribution(DrawingSurface& page, ClippingSurface& body, const ChartScale& scale,
                        const CalcResults& results) {
    struct Pass {
        int motion;
        std::int16_t marker;
    };
    constexpr Pass kPasses[] = {
        {kLv1, kTriangleMarker}, {kLv2T1, kSquareMarker}, {kLv2T2, kCircleMarker}};
    const int count = std::min<int>(results.NPointCount, kMaxCalcPoints);
    for (const Pass& pass : kPasses) {
        bool previousPlotted = false;
        Point previous{};
        for (int i = 1; i <= count; ++i) {
            const CalcPoint& point = results.NPoints[i];
            const MaybeReal fl = point.FL[pass.motion];
            if (point.Target != 1 || !fl) {
                previousPlotted = false;
                continue;
            }
            const double column = *fl * 3 + 31.5;
            const double row = point.Depth + 7.5;
            DrawMarker(page, body.Clip(), pass.marker, column, row);
            const Point centre = MarkerCentre(scale.cell, column, row);
            if (previousPlotted) {
                body.DrawLine(previous.x, previous.y, centre.x, centre.y);
            }
            previous = centre;
            previousPlotted = true;
        }
    }
}

}  // namespace

void DrawChartPage(DrawingSurface& surface, const ReportInput& input) {
    const ChartScale scale{MeasureCell(surface)};
    // Depths, N values and FL put things anywhere; what lies beyond the page
    // is cut off here, and the soil column, the markers and the polylines at
    // the body's edges: a value far out of scale then costs nothing.
    ClippingSurface page(surface, scale.Reach());
    ClippingSurface body(page, scale.Body());
    DrawFrames(page);
    DrawDepthScale(page, scale);
    DrawDashedGridLines(page, scale);
    DrawLayerBoundaries(page, scale, input.project);
    DrawSoilColumn(body, input.project);
    DrawWaterLevel(page, scale, input.project.WaterDepth);
    DrawNValueProfile(page, body, scale, input.project);
    DrawFLDistribution(page, body, scale, input.results);
}

}  // namespace fljudge
