#include "report/summary_pages.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "calc/liquefaction_risk.h"
#include "project/number_text.h"
#include "report/grid.h"

namespace fljudge {
namespace {

constexpr std::string_view kTitle = "液状化判定結果一覧表";
constexpr double kTitleRow = 2;
constexpr double kFootRow = 70;
constexpr double kFootColumn = 25;

// Table pages: a header of two rows, then one row per boring.
constexpr double kHeaderRow = 4;
constexpr double kFirstLineRow = 6;
constexpr int kLinesPerRule = 5;  // a dashed rule under every fifth line

enum class Content { Index, Name, Status, WaterDepth, PL, Risk };

struct SummaryColumn {
    double column = 0;      // the text column; the frame begins half a cell before it
    double widthCells = 0;  // of the frame
    std::string_view heading;
    std::string_view subheading;  // second header row; a motion's name under a group
    Content content = Content::Index;
    int motion = 0;  // 1..3 for PL and Risk
};

constexpr SummaryColumn kColumns[] = {
    {1, 3, "No", "", Content::Index},       {4, 10, "ボーリング名", "", Content::Name},
    {14, 3, "状態", "", Content::Status},   {17, 4, "水位", "(m)", Content::WaterDepth},
    {21, 4, "", "Lv1", Content::PL, 1},     {25, 4, "", "Lv2-1", Content::PL, 2},
    {29, 4, "", "Lv2-2", Content::PL, 3},   {33, 6, "", "Lv1", Content::Risk, 1},
    {39, 6, "", "Lv2-1", Content::Risk, 2}, {45, 6, "", "Lv2-2", Content::Risk, 3},
};

// Headings over the three motion columns of a group.
struct GroupHeading {
    double column = 0;
    double widthCells = 0;
    std::string_view text;
};
constexpr GroupHeading kGroups[] = {
    {21, 12, "液状化指数 PL"},
    {33, 18, "液状化の危険度"},
};

// Chart pages: a band of two rows per boring, three bars in it.
constexpr double kLegendRow = 4;
constexpr double kScaleRow = 5;
constexpr double kBandRow = 6;
constexpr double kBandRows = 2;
constexpr double kBodyLeftColumn = 14;  // the bars start at the left edge of this column
constexpr double kBodyRightColumn = 51;
constexpr double kBarRows = 0.5;
constexpr double kBarOffsets[] = {0.2, 0.75, 1.3};  // from the band's top, per motion
constexpr double kMinAxisPL = 20;
// PL cannot exceed 100 ((1 - FL)(10 - 0.5x) <= 10 - 0.5x over 20 m); larger
// values are cut at the body's edge.
constexpr double kMaxAxisPL = 100;
constexpr double kHatchSpacing = 60;  // of the Lv2-1 bars

constexpr std::string_view kMotionNames[] = {"Lv1", "Lv2-1", "Lv2-2"};

int PagesFor(int count, int perPage) {
    return std::max(1, (count + perPage - 1) / perPage);
}

// The text cut to at most `width` half-width columns, "…" marking a cut.
std::string FitText(std::string_view text, int width) {
    if (DisplayWidth(text) <= width) {
        return std::string(text);
    }
    std::string fitted;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t length = 1;
        const auto lead = static_cast<unsigned char>(text[i]);
        length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        const std::string_view next = text.substr(i, length);
        if (DisplayWidth(fitted) + DisplayWidth(next) > width - 2) {
            break;
        }
        fitted += next;
        i += length;
    }
    return fitted + "…";
}

// Half-width columns of text a frame holds (half a cell of margin each side).
int TextWidthOf(double widthCells) {
    return static_cast<int>(2 * (widthCells - 1));
}

void DrawTitleAndFoot(DrawingSurface& surface, int page, int pageCount, int boringCount) {
    GridText(surface, 2, kTitleRow, kTitle);
    GridText(surface, 38, kTitleRow, "ボーリング数 " + FormatFixed(boringCount, 0));
    GridText(surface, kFootColumn, kFootRow,
             FormatFixed(page, 0) + "/" + FormatFixed(pageCount, 0));
}

std::string CellText(const SummaryColumn& column, int index, const BoringSummary& boring) {
    const int width = TextWidthOf(column.widthCells);
    switch (column.content) {
        case Content::Index:
            return FormatField(index, "0", width);
        case Content::Name:
            return FitText(boring.Name, width);
        case Content::Status:
            return boring.Ok ? "OK" : "失敗";
        case Content::WaterDepth:
            return boring.Ok ? FormatField(boring.WaterDepth, "0.000", width) : "";
        case Content::PL:
            return boring.Ok ? FormatField(boring.PL[column.motion], "0.000", width) : "";
        case Content::Risk:
            return boring.Ok ? std::string(RiskText(RiskOfPL(boring.PL[column.motion]))) : "";
    }
    return {};
}

// Rows of the summary are one em high and framed at the edges of their cells:
// the frame of text column c begins half a cell before it, at the top of row r.
void Frame(DrawingSurface& surface, double column, double row, double widthCells, double rows) {
    const GridCell cell = MeasureCell(surface);
    const double x1 = (column + 0.5) * cell.w;
    const double y1 = (row - 1) * cell.h + 2 * cell.w;
    surface.DrawRectangle(x1, y1, x1 + widthCells * cell.w, y1 + rows * cell.h);
}

void DrawTablePage(DrawingSurface& surface, int page, std::span<const BoringSummary> borings) {
    const int first = (page - 1) * kSummaryLinesPerPage;
    const int lines = std::clamp(static_cast<int>(borings.size()) - first, 0, kSummaryLinesPerPage);
    for (const GroupHeading& group : kGroups) {
        const double centre = group.column - 0.5 + group.widthCells / 2;
        GridText(surface, centre - DisplayWidth(group.text) / 4.0, kHeaderRow, group.text);
        Frame(surface, group.column, kHeaderRow, group.widthCells, 1);
    }
    for (const SummaryColumn& column : kColumns) {
        const bool grouped = column.heading.empty();
        if (!grouped) {
            GridText(surface, column.column, kHeaderRow, column.heading);
        }
        if (!column.subheading.empty()) {
            GridText(surface, column.column, kHeaderRow + 1, column.subheading);
        }
        Frame(surface, column.column, grouped ? kHeaderRow + 1 : kHeaderRow, column.widthCells,
              grouped ? 1 : 2);
        Frame(surface, column.column, kFirstLineRow, column.widthCells, std::max(lines, 1));
    }
    const GridCell cell = MeasureCell(surface);
    const SummaryColumn& last = kColumns[std::size(kColumns) - 1];
    const double left = (kColumns[0].column + 0.5) * cell.w;
    const double right = (last.column + 0.5 + last.widthCells) * cell.w;
    surface.SetLineStyle(LineStyle::Dashed);
    for (int line = kLinesPerRule; line < lines; line += kLinesPerRule) {
        const double y = (kFirstLineRow - 1 + line) * cell.h + 2 * cell.w;
        surface.DrawLine(left, y, right, y);
    }
    surface.SetLineStyle(LineStyle::Solid);
    for (int k = 0; k < lines; ++k) {
        const int index = first + k + 1;
        const BoringSummary& boring = borings[static_cast<std::size_t>(index - 1)];
        for (const SummaryColumn& column : kColumns) {
            GridText(surface, column.column, kFirstLineRow + k, CellText(column, index, boring));
        }
    }
}

// The scale of the bars: PL 0 at the body's left edge, `axisPL` at its right.
struct BarScale {
    GridCell cell;
    double axisPL = kMinAxisPL;

    double Left() const { return (kBodyLeftColumn + 1) * cell.w; }
    double Right() const { return (kBodyRightColumn + 1) * cell.w; }
    // Clamped to the body, whatever the value.
    double X(double pl) const {
        const double share = pl > 0 ? std::min(pl / axisPL, 1.0) : 0.0;
        return Left() + share * (Right() - Left());
    }
    double Y(double row) const { return (row - 1) * cell.h + 2 * cell.w; }
};

// The largest PL of the site rounded up to a multiple of 5, within 20..100.
double AxisPL(std::span<const BoringSummary> borings) {
    double largest = 0;
    for (const BoringSummary& boring : borings) {
        if (boring.Ok) {
            for (int k = 1; k <= kMotionCount; ++k) {
                if (std::isfinite(boring.PL[k])) {
                    largest = std::max(largest, boring.PL[k]);
                }
            }
        }
    }
    return std::clamp(std::ceil(largest / 5) * 5, kMinAxisPL, kMaxAxisPL);
}

// Lv1 an outline, Lv2-1 hatched, Lv2-2 filled with lines, so that the three
// motions tell apart in black and white.
void DrawBar(DrawingSurface& surface, int motion, double x1, double y1, double x2, double y2) {
    surface.DrawRectangle(x1, y1, x2, y2);
    if (motion == kLv2T1) {
        for (double x = x1 + kHatchSpacing; x < x2; x += kHatchSpacing) {
            surface.DrawLine(x, y1, x, y2);
        }
    } else if (motion == kLv2T2) {
        const double step = (y2 - y1) / 6;
        for (int k = 1; k < 6; ++k) {
            surface.DrawLine(x1, y1 + k * step, x2, y1 + k * step);
        }
    }
}

void DrawLegend(DrawingSurface& surface, const BarScale& scale) {
    for (int k = 1; k <= kMotionCount; ++k) {
        const double column = kBodyLeftColumn + 8 * (k - 1);
        const double x = (column + 1) * scale.cell.w;
        const double y = scale.Y(kLegendRow) + 0.25 * scale.cell.h;
        DrawBar(surface, k, x, y, x + 2 * scale.cell.w, y + kBarRows * scale.cell.h);
        GridText(surface, column + 2.5, kLegendRow, kMotionNames[k - 1]);
    }
}

void DrawScale(DrawingSurface& surface, const BarScale& scale, double bodyBottom) {
    const double step = scale.axisPL <= 40 ? 5 : 10;
    const double top = scale.Y(kBandRow);
    for (double pl = 0; pl <= scale.axisPL + 1e-9; pl += step) {
        const double x = scale.X(pl);
        const std::string label = FormatFixed(pl, 0);
        surface.DrawText(x - surface.TextWidth(label) / 2, scale.Y(kScaleRow), label);
        surface.DrawLine(x, top, x, top + 0.2 * scale.cell.h);
        surface.DrawLine(x, bodyBottom, x, bodyBottom - 0.2 * scale.cell.h);
    }
    surface.SetLineStyle(LineStyle::Dashed);
    for (const double limit : {kLowRiskLimitPL, kHighRiskLimitPL}) {
        surface.DrawLine(scale.X(limit), top, scale.X(limit), bodyBottom);
    }
    surface.SetLineStyle(LineStyle::Solid);
}

void DrawChartPage(DrawingSurface& surface, int chartPage, std::span<const BoringSummary> borings) {
    BarScale scale{MeasureCell(surface), AxisPL(borings)};
    const int first = (chartPage - 1) * kSummaryBoringsPerChartPage;
    const int count =
        std::clamp(static_cast<int>(borings.size()) - first, 0, kSummaryBoringsPerChartPage);
    GridText(surface, 2, kLegendRow, "液状化指数 PL");
    DrawLegend(surface, scale);
    const double bodyTop = scale.Y(kBandRow);
    // The body ends under the last boring of the page.
    const double bandsEnd = kBandRow + kBandRows * std::max(count, 1);
    const double bodyBottom = scale.Y(bandsEnd);
    surface.DrawRectangle(scale.Left(), bodyTop, scale.Right(), bodyBottom);
    DrawScale(surface, scale, bodyBottom);
    const int nameWidth = static_cast<int>(2 * (kBodyLeftColumn - 1)) - 6;
    for (int k = 0; k < count; ++k) {
        const int index = first + k + 1;
        const BoringSummary& boring = borings[static_cast<std::size_t>(index - 1)];
        const double row = kBandRow + kBandRows * k;
        GridText(surface, 1, row + 0.5,
                 FormatField(index, "0", 4) + " " + FitText(boring.Name, nameWidth));
        if (!boring.Ok) {
            GridText(surface, kBodyLeftColumn + 0.5, row + 0.5, "失敗");
            continue;
        }
        for (int motion = 1; motion <= kMotionCount; ++motion) {
            const double pl = boring.PL[motion];
            if (!(pl > 0)) {
                continue;
            }
            const double y1 = scale.Y(row + kBarOffsets[motion - 1]);
            DrawBar(surface, motion, scale.Left(), y1, scale.X(pl), y1 + kBarRows * scale.cell.h);
        }
    }
    GridText(surface, kBodyLeftColumn, bandsEnd + 1,
             "破線：危険度の区分 PL＝5（低い／高い）、PL＝15（高い／極めて高い）");
}

}  // namespace

int SummaryTablePageCount(int boringCount) {
    return PagesFor(boringCount, kSummaryLinesPerPage);
}

int SummaryPageCount(int boringCount) {
    return SummaryTablePageCount(boringCount) + PagesFor(boringCount, kSummaryBoringsPerChartPage);
}

void DrawSummaryPage(int page, DrawingSurface& surface, std::span<const BoringSummary> borings) {
    const int boringCount = static_cast<int>(borings.size());
    const int pageCount = SummaryPageCount(boringCount);
    if (page < 1 || page > pageCount) {
        return;
    }
    DrawTitleAndFoot(surface, page, pageCount, boringCount);
    const int tablePages = SummaryTablePageCount(boringCount);
    if (page <= tablePages) {
        DrawTablePage(surface, page, borings);
    } else {
        DrawChartPage(surface, page - tablePages, borings);
    }
}

}  // namespace fljudge
