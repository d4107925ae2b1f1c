#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "report/grid.h"
#include "report/report_pages.h"
#include "report/soil_class_text.h"
#include "report/table_layout.h"

// The results list "計算結果一覧": one line of 35 columns per calculation
// point, 40 points on page 1 and the rest on page 2.
namespace fljudge {
namespace {

constexpr int kLinesOnPage1 = 40;
constexpr int kLinesOnPage2 = 41;
constexpr double kFirstLineRow = 9;  // the line frames; their texts one row lower

// clang-format off
constexpr auto kHeader = HeaderFrames(
    HeaderFrame{2, 3, 3, 6, {{3.5, 5, "No"}}},
    HeaderFrame{5, 3, 4, 6, {{6.5, 4, "深度"}, {7, 6, "x"}, {7, 7, "(m)"}}},
    HeaderFrame{9, 3, 4, 6, {{10.5, 4, "層厚"}, {11, 6, "hi"}, {11, 7, "(m)"}}},
    HeaderFrame{13, 3, 3, 6, {{14, 5, "Ｎ値"}}},
    HeaderFrame{16, 3, 4, 6, {{17.5, 5, "土質"}}},
    HeaderFrame{20, 3, 15, 2, {{25, 4, "単位体積重量"}}},
    HeaderFrame{20, 5, 5, 4, {{21.5, 6, "水位上"}, {22, 7, "γt1"}, {21.5, 8, "(kN/m3)"}}},
    HeaderFrame{25, 5, 5, 4, {{26.5, 6, "水位下"}, {27, 7, "γt2"}, {26.5, 8, "(kN/m3)"}}},
    HeaderFrame{30, 5, 5, 4, {{32, 6, "有効"}, {31.5, 7, "γ't2"}, {31.5, 8, "(kN/m3)"}}},
    HeaderFrame{35, 3, 4, 6, {{36, 4, "細粒分"}, {36, 5, "含有率"}, {37, 7, "FC"}, {37, 8, "(%)"}}},
    HeaderFrame{39, 3, 4, 6, {{41, 4, "10%"}, {40.5, 5, "粒径"}, {41, 7, "D10"}, {41, 8, "(mm)"}}},
    HeaderFrame{43, 3, 4, 6, {{45, 4, "50%"}, {44.5, 5, "粒径"}, {45, 7, "D50"}, {45, 8, "(mm)"}}},
    HeaderFrame{47, 3, 5, 6, {{49.5, 4, "全"}, {48.5, 5, "上載圧"}, {49, 7, "σv"}, {48.5, 8, "(kN/m2)"}}},
    HeaderFrame{52, 3, 5, 6, {{54, 4, "有効"}, {53.5, 5, "上載圧"}, {54, 7, "σ'v"}, {53.5, 8, "(kN/m2)"}}},
    HeaderFrame{57, 3, 4, 6, {{58.5, 4, "低減"}, {58.5, 5, "係数"}, {59, 7, "rd"}}},
    MotionHeaderGroup(61, 3, 64, "せん断応力度 L"),
    HeaderFrame{73, 3, 8, 4, {{76, 4, "Ｎ値の"}, {75.5, 5, "補正係数"}}},
    HeaderFrame{73, 7, 4, 2, {{75, 8, "C1"}}},
    HeaderFrame{77, 7, 4, 2, {{79, 8, "C2"}}},
    HeaderFrame{81, 3, 4, 6, {{82.5, 4, "換算"}, {82.5, 5, "Ｎ値"}, {83, 7, "N1"}}},
    HeaderFrame{85, 3, 4, 6, {{86.5, 4, "補正"}, {86.5, 5, "Ｎ値"}, {87, 7, "Na"}}},
    HeaderFrame{89, 3, 4, 6, {{90.5, 4, "三軸"}, {90, 5, "強度比"}, {91, 7, "RL"}}},
    MotionHeaderGroup(93, 3, 96.5, "補正係数 Cw"),
    MotionHeaderGroup(105, 3, 108, "せん断応力比 R"),
    MotionHeaderGroup(117, 3, 120, "液状化抵抗率 FL"),
    HeaderFrame{129, 3, 12, 2, {{132.5, 4, "低減係数 DE"}}},
    HeaderFrame{129, 5, 3, 4, {{130, 7, "LV1"}}},
    HeaderFrame{132, 5, 6, 2, {{133, 6, "LV2 Type"}}},
    HeaderFrame{132, 7, 3, 2, {{133.5, 8, "Ⅰ"}}},
    HeaderFrame{135, 7, 3, 2, {{136.5, 8, "Ⅱ"}}},
    HeaderFrame{138, 5, 3, 4, {{139.5, 6, "採"}, {139.5, 7, "用"}}});
// clang-format on

// What a column shows of point number `Number`.
struct ListLine {
    int Number;
    const CalcPoint& Point;
};

using ValueOf = MaybeReal (*)(const ListLine&);
using TextOf = std::string_view (*)(const ListLine&);

// One of the 35 columns, under the header frames that reach the header's
// bottom edge, in their order: the field printed at Column. A column shows a
// number through FormatField, or a text: the soil class as it stands, a DE text
// right-aligned in Width characters. Gated columns are filled only on lines of
// liquefaction targets with an N value.
struct ListColumn {
    double Column;
    ValueOf Value;
    TextOf Text;
    std::string_view Pattern;
    int Width;
    bool Gated;
};

constexpr bool kGated = true;

// clang-format off
constexpr auto kColumns = std::to_array<ListColumn>({
    {3, [](const ListLine& l) -> MaybeReal { return l.Number; }, nullptr, "0", 4, false},
    {6, [](const ListLine& l) -> MaybeReal { return l.Point.Depth; }, nullptr, "0.000", 6, false},
    {10, [](const ListLine& l) -> MaybeReal { return l.Point.Thickness; }, nullptr, "0.000", 6, false},
    {14.5, [](const ListLine& l) -> MaybeReal { return l.Point.N; }, nullptr, "0", 2, false},
    {17, nullptr, [](const ListLine& l) { return SoilClassText(l.Point.SoilClass); }, {}, 0, false},
    {22, [](const ListLine& l) -> MaybeReal { return l.Point.GammaT1; }, nullptr, "0.000", 6, false},
    {27, [](const ListLine& l) -> MaybeReal { return l.Point.GammaT2; }, nullptr, "0.000", 6, false},
    {32, [](const ListLine& l) -> MaybeReal { return l.Point.GammaE2; }, nullptr, "0.000", 6, false},
    {36, [](const ListLine& l) -> MaybeReal { return l.Point.FinesContent; }, nullptr, "0.000", 6, false},
    {40, [](const ListLine& l) -> MaybeReal { return l.Point.D10; }, nullptr, "0.000", 6, false},
    {44, [](const ListLine& l) -> MaybeReal { return l.Point.D50; }, nullptr, "0.000", 6, false},
    {48, [](const ListLine& l) -> MaybeReal { return l.Point.SigmaV; }, nullptr, "0.000", 8, false},
    {53, [](const ListLine& l) -> MaybeReal { return l.Point.SigmaVE; }, nullptr, "0.000", 8, false},
    {58, [](const ListLine& l) -> MaybeReal { return l.Point.Rd; }, nullptr, "0.000", 6, false},
    {62, [](const ListLine& l) { return l.Point.L[kLv1]; }, nullptr, "0.000", 6, false},
    {66, [](const ListLine& l) { return l.Point.L[kLv2T1]; }, nullptr, "0.000", 6, false},
    {70, [](const ListLine& l) { return l.Point.L[kLv2T2]; }, nullptr, "0.000", 6, false},
    {74, [](const ListLine& l) -> MaybeReal { return l.Point.C1; }, nullptr, "0.000", 6, kGated},
    {78, [](const ListLine& l) -> MaybeReal { return l.Point.C2; }, nullptr, "0.000", 6, kGated},
    {82, [](const ListLine& l) { return l.Point.N1; }, nullptr, "0.000", 6, kGated},
    {86, [](const ListLine& l) { return l.Point.Na; }, nullptr, "0.000", 6, kGated},
    {90, [](const ListLine& l) { return l.Point.RL; }, nullptr, "0.000", 6, kGated},
    {94, [](const ListLine& l) { return l.Point.Cw[kLv1]; }, nullptr, "0.000", 6, kGated},
    {98, [](const ListLine& l) { return l.Point.Cw[kLv2T1]; }, nullptr, "0.000", 6, kGated},
    {102, [](const ListLine& l) { return l.Point.Cw[kLv2T2]; }, nullptr, "0.000", 6, kGated},
    {106, [](const ListLine& l) { return l.Point.R[kLv1]; }, nullptr, "0.000", 6, kGated},
    {110, [](const ListLine& l) { return l.Point.R[kLv2T1]; }, nullptr, "0.000", 6, kGated},
    {114, [](const ListLine& l) { return l.Point.R[kLv2T2]; }, nullptr, "0.000", 6, kGated},
    {118, [](const ListLine& l) { return l.Point.FL[kLv1]; }, nullptr, "0.000", 6, kGated},
    {122, [](const ListLine& l) { return l.Point.FL[kLv2T1]; }, nullptr, "0.000", 6, kGated},
    {126, [](const ListLine& l) { return l.Point.FL[kLv2T2]; }, nullptr, "0.000", 6, kGated},
    {130.5, nullptr, [](const ListLine& l) { return l.Point.DEText[kLv1]; }, {}, 3, kGated},
    {133.5, nullptr, [](const ListLine& l) { return l.Point.DEText[kLv2T1]; }, {}, 3, kGated},
    {136.5, nullptr, [](const ListLine& l) { return l.Point.DEText[kLv2T2]; }, {}, 3, kGated},
    {139.5, nullptr, [](const ListLine& l) { return l.Point.AdoptedDEText; }, {}, 3, kGated},
});
// clang-format on
static_assert(kColumns.size() == 35 && GridColumnCount(kHeader) == kColumns.size());

// Blanks in front, then the last `width` characters (the DE texts are ASCII).
std::string RightAligned(std::string_view text, int width) {
    std::string padded = std::string(static_cast<std::size_t>(width), ' ');
    padded += TrimBlanks(text);
    return padded.substr(padded.size() - static_cast<std::size_t>(width));
}

void DrawTitleAndLiquefactionIndex(DrawingSurface& surface, const PerMotion& pl) {
    GridText(surface, 1, 1, "計算結果一覧");
    GridText(surface, 101, 2, "液状化指数（レベル１：");
    GridField(surface, 112, 2, pl[kLv1], "0.000", 6);
    GridText(surface, 116, 2, "レベル２タイプⅠ：");
    GridField(surface, 125, 2, pl[kLv2T1], "0.000", 6);
    GridText(surface, 129, 2, "レベル２タイプⅡ：");
    GridField(surface, 138, 2, pl[kLv2T2], "0.000", 6);
    GridText(surface, 141, 2, "）");
}

void DrawLine(DrawingSurface& surface, double row, const ListLine& line) {
    const bool gateOpen = line.Point.Target == 1 && line.Point.N > 0;
    for (const ListColumn& column : kColumns) {
        if (column.Gated && !gateOpen) {
            continue;
        }
        if (column.Value != nullptr) {
            GridField(surface, column.Column, row, column.Value(line), column.Pattern,
                      column.Width);
        } else if (column.Width > 0) {
            GridText(surface, column.Column, row, RightAligned(column.Text(line), column.Width));
        } else {
            const std::string_view text = column.Text(line);
            if (!text.empty()) {
                GridText(surface, column.Column, row, text);
            }
        }
    }
}

}  // namespace

void DrawListPage(std::int16_t page, DrawingSurface& surface, const ReportInput& input) {
    if (page != 1 && page != 2) {
        return;
    }
    const CalcResults& results = input.results;
    if (page == 1) {
        DrawTitleAndLiquefactionIndex(surface, results.PL);
    }
    DrawHeader(surface, kHeader);
    DrawGridLines(surface, kHeader, kFirstLineRow, page == 1 ? kLinesOnPage1 : kLinesOnPage2);

    const int first = page == 1 ? 1 : kLinesOnPage1 + 1;
    const int last = page == 1 ? std::min<int>(results.CalcPointCount, kLinesOnPage1)
                               : std::min<int>(results.CalcPointCount, kMaxCalcPoints);
    for (int i = first; i <= last; ++i) {
        const double row = TextRowOfLine(kFirstLineRow, i - first + 1);
        DrawLine(surface, row, ListLine{i, results.CalcPoints[i]});
    }
}

}  // namespace fljudge
