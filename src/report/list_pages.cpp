#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "report/grid.h"
#include "report/report_pages.h"
#include "report/soil_class_text.h"

// The results list "計算結果一覧": one line of 35 columns per calculation
// point, 40 points on page 1 and the rest on page 2.
namespace fljudge {
namespace {

constexpr int kLinesOnPage1 = 40;
constexpr int kLinesOnPage2 = 41;
constexpr double kFirstLineRow = 9;  // the line frames; their texts one row lower
constexpr double kLineHeight = 2;

struct HeaderText {
    double Column = 0;
    double Row = 0;
    std::string_view Text;
};

// A header frame with the texts inside it; the texts are drawn first.
struct HeaderFrame {
    double Column;
    double Row;
    double Width;
    double Height;
    std::array<HeaderText, 4> Texts;  // unused entries have no text
};

// clang-format off
constexpr auto kHeader = std::to_array<HeaderFrame>({
    {2, 3, 3, 6, {{{3.5, 5, "No"}}}},
    {5, 3, 4, 6, {{{6.5, 4, "深度"}, {7, 6, "x"}, {7, 7, "(m)"}}}},
    {9, 3, 4, 6, {{{10.5, 4, "層厚"}, {11, 6, "hi"}, {11, 7, "(m)"}}}},
    {13, 3, 3, 6, {{{14, 5, "Ｎ値"}}}},
    {16, 3, 4, 6, {{{17.5, 5, "土質"}}}},
    {20, 3, 15, 2, {{{25, 4, "単位体積重量"}}}},
    {20, 5, 5, 4, {{{21.5, 6, "水位上"}, {22, 7, "γt1"}, {21.5, 8, "(kN/m3)"}}}},
    {25, 5, 5, 4, {{{26.5, 6, "水位下"}, {27, 7, "γt2"}, {26.5, 8, "(kN/m3)"}}}},
    {30, 5, 5, 4, {{{32, 6, "有効"}, {31.5, 7, "γ't2"}, {31.5, 8, "(kN/m3)"}}}},
    {35, 3, 4, 6, {{{36, 4, "細粒分"}, {36, 5, "含有率"}, {37, 7, "FC"}, {37, 8, "(%)"}}}},
    {39, 3, 4, 6, {{{41, 4, "10%"}, {40.5, 5, "粒径"}, {41, 7, "D10"}, {41, 8, "(mm)"}}}},
    {43, 3, 4, 6, {{{45, 4, "50%"}, {44.5, 5, "粒径"}, {45, 7, "D50"}, {45, 8, "(mm)"}}}},
    {47, 3, 5, 6, {{{49.5, 4, "全"}, {48.5, 5, "上載圧"}, {49, 7, "σv"}, {48.5, 8, "(kN/m2)"}}}},
    {52, 3, 5, 6, {{{54, 4, "有効"}, {53.5, 5, "上載圧"}, {54, 7, "σ'v"}, {53.5, 8, "(kN/m2)"}}}},
    {57, 3, 4, 6, {{{58.5, 4, "低減"}, {58.5, 5, "係数"}, {59, 7, "rd"}}}},
    {61, 3, 12, 2, {{{64, 4, "せん断応力度 L"}}}},
    {61, 5, 4, 4, {{{62, 7, "ＬＶ１"}}}},
    {65, 5, 8, 2, {{{68, 6, "ＬＶ２"}}}},
    {65, 7, 4, 2, {{{66, 8, "TypeⅠ"}}}},
    {69, 7, 4, 2, {{{70, 8, "TypeⅡ"}}}},
    {73, 3, 8, 4, {{{76, 4, "Ｎ値の"}, {75.5, 5, "補正係数"}}}},
    {73, 7, 4, 2, {{{75, 8, "C1"}}}},
    {77, 7, 4, 2, {{{79, 8, "C2"}}}},
    {81, 3, 4, 6, {{{82.5, 4, "換算"}, {82.5, 5, "Ｎ値"}, {83, 7, "N1"}}}},
    {85, 3, 4, 6, {{{86.5, 4, "補正"}, {86.5, 5, "Ｎ値"}, {87, 7, "Na"}}}},
    {89, 3, 4, 6, {{{90.5, 4, "三軸"}, {90, 5, "強度比"}, {91, 7, "RL"}}}},
    {93, 3, 12, 2, {{{96.5, 4, "補正係数 Cw"}}}},
    {93, 5, 4, 4, {{{94, 7, "ＬＶ１"}}}},
    {97, 5, 8, 2, {{{100, 6, "ＬＶ２"}}}},
    {97, 7, 4, 2, {{{98, 8, "TypeⅠ"}}}},
    {101, 7, 4, 2, {{{102, 8, "TypeⅡ"}}}},
    {105, 3, 12, 2, {{{108, 4, "せん断応力比 R"}}}},
    {105, 5, 4, 4, {{{106, 7, "ＬＶ１"}}}},
    {109, 5, 8, 2, {{{112, 6, "ＬＶ２"}}}},
    {109, 7, 4, 2, {{{110, 8, "TypeⅠ"}}}},
    {113, 7, 4, 2, {{{114, 8, "TypeⅡ"}}}},
    {117, 3, 12, 2, {{{120, 4, "液状化抵抗率 FL"}}}},
    {117, 5, 4, 4, {{{118, 7, "ＬＶ１"}}}},
    {121, 5, 8, 2, {{{124, 6, "ＬＶ２"}}}},
    {121, 7, 4, 2, {{{122, 8, "TypeⅠ"}}}},
    {125, 7, 4, 2, {{{126, 8, "TypeⅡ"}}}},
    {129, 3, 12, 2, {{{132.5, 4, "低減係数 DE"}}}},
    {129, 5, 3, 4, {{{130, 7, "LV1"}}}},
    {132, 5, 6, 2, {{{133, 6, "LV2 Type"}}}},
    {132, 7, 3, 2, {{{133.5, 8, "Ⅰ"}}}},
    {135, 7, 3, 2, {{{136.5, 8, "Ⅱ"}}}},
    {138, 5, 3, 4, {{{139.5, 6, "採"}, {139.5, 7, "用"}}}},
});
// clang-format on

// What a column shows of point number `Number`.
struct ListLine {
    int Number;
    const CalcPoint& Point;
};

using ValueOf = MaybeReal (*)(const ListLine&);
using TextOf = std::string_view (*)(const ListLine&);

// One of the 35 columns: its frame on every line (FrameColumn, FrameWidth)
// and the field printed in it at Column. A column shows a number through
// FormatField, or a text: the soil class as it stands, a DE text right-aligned
// in Width characters. Gated columns are filled only on lines of liquefaction
// targets with an N value.
struct ListColumn {
    double FrameColumn;
    double FrameWidth;
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
    {2, 3, 3, [](const ListLine& l) -> MaybeReal { return l.Number; }, nullptr, "0", 4, false},
    {5, 4, 6, [](const ListLine& l) -> MaybeReal { return l.Point.Depth; }, nullptr, "0.000", 6, false},
    {9, 4, 10, [](const ListLine& l) -> MaybeReal { return l.Point.Thickness; }, nullptr, "0.000", 6, false},
    {13, 3, 14.5, [](const ListLine& l) -> MaybeReal { return l.Point.N; }, nullptr, "0", 2, false},
    {16, 4, 17, nullptr, [](const ListLine& l) { return SoilClassText(l.Point.SoilClass); }, {}, 0, false},
    {20, 5, 22, [](const ListLine& l) -> MaybeReal { return l.Point.GammaT1; }, nullptr, "0.000", 6, false},
    {25, 5, 27, [](const ListLine& l) -> MaybeReal { return l.Point.GammaT2; }, nullptr, "0.000", 6, false},
    {30, 5, 32, [](const ListLine& l) -> MaybeReal { return l.Point.GammaE2; }, nullptr, "0.000", 6, false},
    {35, 4, 36, [](const ListLine& l) -> MaybeReal { return l.Point.FinesContent; }, nullptr, "0.000", 6, false},
    {39, 4, 40, [](const ListLine& l) -> MaybeReal { return l.Point.D10; }, nullptr, "0.000", 6, false},
    {43, 4, 44, [](const ListLine& l) -> MaybeReal { return l.Point.D50; }, nullptr, "0.000", 6, false},
    {47, 5, 48, [](const ListLine& l) -> MaybeReal { return l.Point.SigmaV; }, nullptr, "0.000", 8, false},
    {52, 5, 53, [](const ListLine& l) -> MaybeReal { return l.Point.SigmaVE; }, nullptr, "0.000", 8, false},
    {57, 4, 58, [](const ListLine& l) -> MaybeReal { return l.Point.Rd; }, nullptr, "0.000", 6, false},
    {61, 4, 62, [](const ListLine& l) { return l.Point.L[kLv1]; }, nullptr, "0.000", 6, false},
    {65, 4, 66, [](const ListLine& l) { return l.Point.L[kLv2T1]; }, nullptr, "0.000", 6, false},
    {69, 4, 70, [](const ListLine& l) { return l.Point.L[kLv2T2]; }, nullptr, "0.000", 6, false},
    {73, 4, 74, [](const ListLine& l) -> MaybeReal { return l.Point.C1; }, nullptr, "0.000", 6, kGated},
    {77, 4, 78, [](const ListLine& l) -> MaybeReal { return l.Point.C2; }, nullptr, "0.000", 6, kGated},
    {81, 4, 82, [](const ListLine& l) { return l.Point.N1; }, nullptr, "0.000", 6, kGated},
    {85, 4, 86, [](const ListLine& l) { return l.Point.Na; }, nullptr, "0.000", 6, kGated},
    {89, 4, 90, [](const ListLine& l) { return l.Point.RL; }, nullptr, "0.000", 6, kGated},
    {93, 4, 94, [](const ListLine& l) { return l.Point.Cw[kLv1]; }, nullptr, "0.000", 6, kGated},
    {97, 4, 98, [](const ListLine& l) { return l.Point.Cw[kLv2T1]; }, nullptr, "0.000", 6, kGated},
    {101, 4, 102, [](const ListLine& l) { return l.Point.Cw[kLv2T2]; }, nullptr, "0.000", 6, kGated},
    {105, 4, 106, [](const ListLine& l) { return l.Point.R[kLv1]; }, nullptr, "0.000", 6, kGated},
    {109, 4, 110, [](const ListLine& l) { return l.Point.R[kLv2T1]; }, nullptr, "0.000", 6, kGated},
    {113, 4, 114, [](const ListLine& l) { return l.Point.R[kLv2T2]; }, nullptr, "0.000", 6, kGated},
    {117, 4, 118, [](const ListLine& l) { return l.Point.FL[kLv1]; }, nullptr, "0.000", 6, kGated},
    {121, 4, 122, [](const ListLine& l) { return l.Point.FL[kLv2T1]; }, nullptr, "0.000", 6, kGated},
    {125, 4, 126, [](const ListLine& l) { return l.Point.FL[kLv2T2]; }, nullptr, "0.000", 6, kGated},
    {129, 3, 130.5, nullptr, [](const ListLine& l) { return l.Point.DEText[kLv1]; }, {}, 3, kGated},
    {132, 3, 133.5, nullptr, [](const ListLine& l) { return l.Point.DEText[kLv2T1]; }, {}, 3, kGated},
    {135, 3, 136.5, nullptr, [](const ListLine& l) { return l.Point.DEText[kLv2T2]; }, {}, 3, kGated},
    {138, 3, 139.5, nullptr, [](const ListLine& l) { return l.Point.AdoptedDEText; }, {}, 3, kGated},
});
// clang-format on
static_assert(kColumns.size() == 35);

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Blanks in front, then the last `width` characters (the DE texts are ASCII).
std::string RightAligned(std::string_view text, int width) {
    std::string padded = std::string(static_cast<std::size_t>(width), ' ');
    padded += Trimmed(text);
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

void DrawHeader(DrawingSurface& surface) {
    for (const HeaderFrame& frame : kHeader) {
        for (const HeaderText& text : frame.Texts) {
            if (!text.Text.empty()) {
                GridText(surface, text.Column, text.Row, text.Text);
            }
        }
        GridBox(surface, frame.Column, frame.Row, frame.Width, frame.Height);
    }
}

void DrawLineFrames(DrawingSurface& surface, int lineCount) {
    for (int k = 1; k <= lineCount; ++k) {
        const double row = kFirstLineRow + kLineHeight * (k - 1);
        for (const ListColumn& column : kColumns) {
            GridBox(surface, column.FrameColumn, row, column.FrameWidth, kLineHeight);
        }
    }
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
    DrawHeader(surface);
    DrawLineFrames(surface, page == 1 ? kLinesOnPage1 : kLinesOnPage2);

    const int first = page == 1 ? 1 : kLinesOnPage1 + 1;
    const int last = page == 1 ? std::min<int>(results.CalcPointCount, kLinesOnPage1)
                               : std::min<int>(results.CalcPointCount, kMaxCalcPoints);
    for (int i = first; i <= last; ++i) {
        const double row = kFirstLineRow + 1 + kLineHeight * (i - first);
        DrawLine(surface, row, ListLine{i, results.CalcPoints[i]});
    }
}

}  // namespace fljudge
