#include <string_view>

#include "report/grid.h"
#include "report/soil_class_text.h"
#include "report/table_scheme.h"
#include "report/table_sections.h"

namespace fljudge {
namespace {

// Columns written only for liquefaction targets with an N value.
constexpr bool kGated = true;

// The contents of the item columns.

Cell Index(const TableItem& item) {
    return Cell::Number(item.index, "0", 4);
}

Cell NValue(const TableItem& item) {
    return Cell::Number(item.point.N, "0", 2);
}

template <auto Field, int Width = 6>
Cell Fixed(const TableItem& item) {
    return Cell::Number(item.point.*Field, "0.000", Width);
}

template <auto Field, int Motion>
Cell FixedOfMotion(const TableItem& item) {
    return Cell::Number((item.point.*Field)[Motion], "0.000", 6);
}

Cell SoilClass(const TableItem& item) {
    return Cell::Text(SoilClassText(item.point.SoilClass));
}

// "×" marks a condition that is met.
template <auto Condition>
Cell ConditionMark(const TableItem& item) {
    return Cell::Text(item.point.*Condition == 1 ? "×" : "○");
}

Cell Judgement(const TableItem& item) {
    return Cell::Text(item.point.Target == 1 ? "検討" : "なし");
}

template <int Motion>
Cell DEOfMotion(const TableItem& item) {
    return Cell::Text(TrimBlanks(item.point.DEText[Motion]));
}

Cell AdoptedDE(const TableItem& item) {
    return Cell::Text(TrimBlanks(item.point.AdoptedDEText));
}

// (6) liquefaction judgement, over the N-value points.
constexpr TitleEntry kSection6Title[] = {
    {2, 2, "(6)液状化の判定"},
    {3, 3,
     "以下の３つの条件すべてに該当する場合には、地震時に液状化が生じる可能性が"
     "ある"},
    {4, 4,
     "①地下水位が地表表面から10m以内にあり、かつ、地表面から20m以内の深さに存在"
     "する"},
    {5, 5, "飽和土層"},
    {4, 6,
     "②細粒分含有率FCが35%以下の土層、又は、FCが35%"
     "を超えても塑性指数Ipが15以下の土層"},
    {4, 7, "③50%粒径D50が10mm以下で、かつ、10%粒径D10が 1mm以下である土層"},
};
constexpr auto kSection6Header = HeaderFrames(
    HeaderFrame{3, 8, 3, 5, {{4.5, 9, "No"}}},
    HeaderFrame{6, 8, 4, 5, {{7.5, 9, "深度"}, {8, 11, "x"}, {8, 12, "(m)"}}},
    HeaderFrame{10, 8, 3, 5, {{11, 9, "Ｎ値"}}}, HeaderFrame{13, 8, 4, 5, {{14.5, 9, "土質"}}},
    HeaderFrame{
        17, 8, 4, 5, {{18, 9, "細粒分"}, {18, 10, "含有率"}, {19, 11, "FC"}, {19, 12, "(%)"}}},
    HeaderFrame{21, 8, 4, 5, {{22.5, 9, "塑性"}, {22.5, 10, "指数"}, {23, 11, "lp"}}},
    HeaderFrame{
        25, 8, 4, 5, {{26.5, 9, "50%"}, {26.5, 10, "粒径"}, {26.5, 11, "D50"}, {26.5, 12, "(mm)"}}},
    HeaderFrame{
        29, 8, 4, 5, {{30.5, 9, "10%"}, {30.5, 10, "粒径"}, {30.5, 11, "D10"}, {30.5, 12, "(mm)"}}},
    HeaderFrame{33, 8, 12, 2, {{37, 9, "液状化判定"}}},
    HeaderFrame{33, 10, 3, 3, {{34, 11, "条件"}, {34.5, 12, "①"}}},
    HeaderFrame{36, 10, 3, 3, {{37, 11, "条件"}, {37.5, 12, "②"}}},
    HeaderFrame{39, 10, 3, 3, {{40, 11, "条件"}, {40.5, 12, "③"}}},
    HeaderFrame{42, 10, 3, 3, {{43, 11, "結果"}}});
constexpr ItemColumn kSection6Columns[] = {
    {4, Index},
    {7, Fixed<&CalcPoint::Depth>},
    {11.5, NValue},
    {14, SoilClass},
    {18, Fixed<&CalcPoint::FinesContent>},
    {22, Fixed<&CalcPoint::PlasticityIndex>},
    {26, Fixed<&CalcPoint::D50>},
    {30, Fixed<&CalcPoint::D10>},
    {34.5, ConditionMark<&CalcPoint::Cond1>},
    {37.5, ConditionMark<&CalcPoint::Cond2>},
    {40.5, ConditionMark<&CalcPoint::Cond3>},
    {43, Judgement},
};

// (7) overburden pressures, over all calculation points.
constexpr TitleEntry kSection7Title[] = {{2, 2, "(7)深度毎の全上載圧、有効上載圧"}};
constexpr auto kSection7Header = HeaderFrames(
    HeaderFrame{3, 3, 3, 6, {{4.5, 4, "No"}}},
    HeaderFrame{6, 3, 4, 6, {{7.5, 4, "深度"}, {8, 7, "x"}, {8, 8, "(m)"}}},
    HeaderFrame{10, 3, 4, 6, {{11.5, 4, "層厚"}, {12, 7, "hi"}, {12, 8, "(m)"}}},
    HeaderFrame{14, 3, 15, 2, {{19, 4, "単位体積重量"}}},
    HeaderFrame{14, 5, 5, 4, {{15.5, 6, "水位上"}, {16, 7, "γt1"}, {15.5, 8, "(kN/m3)"}}},
    HeaderFrame{19, 5, 5, 4, {{20.5, 6, "水位下"}, {21, 7, "γt2"}, {20.5, 8, "(kN/m3)"}}},
    HeaderFrame{24, 5, 5, 4, {{26, 6, "有効"}, {25.5, 7, "γ't2"}, {25.5, 8, "(kN/m3)"}}},
    HeaderFrame{
        29, 3, 5, 6, {{31.5, 4, "全"}, {30.5, 5, "上載圧"}, {31, 7, "σv"}, {30.5, 8, "(kN/m2)"}}},
    HeaderFrame{
        34, 3, 5, 6, {{36, 4, "有効"}, {35.5, 5, "上載圧"}, {36, 7, "σ'v"}, {35.5, 8, "(kN/m2)"}}});
constexpr ItemColumn kSection7Columns[] = {
    {4, Index},
    {7, Fixed<&CalcPoint::Depth>},
    {11, Fixed<&CalcPoint::Thickness>},
    {16, Fixed<&CalcPoint::GammaT1>},
    {21, Fixed<&CalcPoint::GammaT2>},
    {26, Fixed<&CalcPoint::GammaE2>},
    {30, Fixed<&CalcPoint::SigmaV, 8>},
    {35, Fixed<&CalcPoint::SigmaVE, 8>},
};

// (8) seismic shear stress ratio, over the N-value points.
constexpr TitleEntry kSection8Title[] = {{2, 2, "(8)地震時せん断応力比"}};
constexpr auto kSection8Header = HeaderFrames(
    HeaderFrame{3, 3, 3, 6, {{4.5, 4, "No"}}},
    HeaderFrame{6, 3, 4, 6, {{7.5, 4, "深度"}, {8, 7, "x"}, {8, 8, "(m)"}}},
    HeaderFrame{10, 3, 3, 6, {{11, 4, "Ｎ値"}}},
    HeaderFrame{
        13, 3, 5, 6, {{15.5, 4, "全"}, {14.5, 5, "上載圧"}, {15, 7, "σv"}, {14.5, 8, "(kN/m2)"}}},
    HeaderFrame{
        18, 3, 5, 6, {{20, 4, "有効"}, {19.5, 5, "上載圧"}, {20, 7, "σ'v"}, {19.5, 8, "(kN/m2)"}}},
    HeaderFrame{23, 3, 4, 6, {{24.5, 4, "低減"}, {24.5, 5, "係数"}, {25, 7, "rd"}}},
    MotionHeaderGroup(27, 3, 30, "せん断応力比 L"));
constexpr ItemColumn kSection8Columns[] = {
    {4, Index},
    {7, Fixed<&CalcPoint::Depth>},
    {11.5, NValue},
    {14, Fixed<&CalcPoint::SigmaV, 8>},
    {19, Fixed<&CalcPoint::SigmaVE, 8>},
    {24, Fixed<&CalcPoint::Rd>},
    {28, FixedOfMotion<&CalcPoint::L, kLv1>},
    {32, FixedOfMotion<&CalcPoint::L, kLv2T1>},
    {36, FixedOfMotion<&CalcPoint::L, kLv2T2>},
};

// (9) triaxial strength ratio, over the N-value points.
constexpr TitleEntry kSection9Title[] = {{2, 2, "(9)三軸強度比"}};
constexpr auto kSection9Header = HeaderFrames(
    HeaderFrame{3, 3, 3, 6, {{4.5, 4, "No"}}},
    HeaderFrame{6, 3, 4, 6, {{7.5, 4, "深度"}, {8, 7, "x"}, {8, 8, "(m)"}}},
    HeaderFrame{10, 3, 3, 6, {{11, 4, "Ｎ値"}}},
    HeaderFrame{
        13, 3, 5, 6, {{15, 4, "有効"}, {14.5, 5, "上載圧"}, {15, 7, "σ'v"}, {14.5, 8, "(kN/m2)"}}},
    HeaderFrame{18, 3, 4, 6, {{19, 4, "細粒分"}, {19, 5, "含有率"}, {20, 7, "FC"}, {20, 8, "(%)"}}},
    HeaderFrame{
        22, 3, 4, 6, {{23.5, 4, "50%"}, {23.5, 5, "粒径"}, {24, 7, "D50"}, {24, 8, "(mm)"}}},
    HeaderFrame{26, 3, 8, 3, {{29.5, 4, "Ｎ値"}, {28.5, 5, "補正係数"}}},
    HeaderFrame{26, 6, 4, 3, {{28, 7, "C1"}}}, HeaderFrame{30, 6, 4, 3, {{32, 7, "C2"}}},
    HeaderFrame{34, 3, 4, 6, {{35.5, 4, "換算"}, {35.5, 5, "Ｎ値"}, {36, 7, "N1"}}},
    HeaderFrame{38, 3, 4, 6, {{39.5, 4, "補正"}, {39.5, 5, "Ｎ値"}, {40, 7, "Na"}}},
    HeaderFrame{42, 3, 4, 6, {{43.5, 4, "三軸"}, {43, 5, "強度比"}, {44, 7, "RL"}}});
constexpr ItemColumn kSection9Columns[] = {
    {4, Index},
    {7, Fixed<&CalcPoint::Depth>},
    {11.5, NValue},
    {14, Fixed<&CalcPoint::SigmaVE, 8>},
    {19, Fixed<&CalcPoint::FinesContent>},
    {23, Fixed<&CalcPoint::D50>},
    {27, Fixed<&CalcPoint::C1>, kGated},
    {31, Fixed<&CalcPoint::C2>, kGated},
    {35, Fixed<&CalcPoint::N1>, kGated},
    {39, Fixed<&CalcPoint::Na>, kGated},
    {43, Fixed<&CalcPoint::RL>, kGated},
};

// (10) dynamic shear strength ratio, over the N-value points.
constexpr TitleEntry kSection10Title[] = {{2, 2, "(10)動的せん断強度比"}};
constexpr auto kSection10Header = HeaderFrames(
    HeaderFrame{3, 3, 3, 6, {{4.5, 4, "No"}}},
    HeaderFrame{6, 3, 4, 6, {{7.5, 4, "深度"}, {8, 7, "x"}, {8, 8, "(m)"}}},
    HeaderFrame{10, 3, 3, 6, {{11, 4, "Ｎ値"}}},
    HeaderFrame{13, 3, 4, 6, {{14.5, 4, "三軸"}, {14, 5, "強度比"}, {15, 7, "RL"}}},
    MotionHeaderGroup(17, 3, 21, "補正係数 Cw"), MotionHeaderGroup(29, 3, 32, "せん断強度比 R"));
constexpr ItemColumn kSection10Columns[] = {
    {4, Index},
    {7, Fixed<&CalcPoint::Depth>},
    {11.5, NValue},
    {14, Fixed<&CalcPoint::RL>, kGated},
    {18, FixedOfMotion<&CalcPoint::Cw, kLv1>, kGated},
    {22, FixedOfMotion<&CalcPoint::Cw, kLv2T1>, kGated},
    {26, FixedOfMotion<&CalcPoint::Cw, kLv2T2>, kGated},
    {30, FixedOfMotion<&CalcPoint::R, kLv1>, kGated},
    {34, FixedOfMotion<&CalcPoint::R, kLv2T1>, kGated},
    {38, FixedOfMotion<&CalcPoint::R, kLv2T2>, kGated},
};

// (11) liquefaction resistance factor, over all calculation points.
constexpr TitleEntry kSection11Title[] = {{2, 2, "(11)液状化抵抗率"}};
constexpr auto kSection11Header = HeaderFrames(
    HeaderFrame{3, 3, 3, 6, {{4.5, 4, "No"}}},
    HeaderFrame{6, 3, 4, 6, {{7.5, 4, "深度"}, {8, 7, "x"}, {8, 8, "(m)"}}},
    MotionHeaderGroup(10, 3, 13, "せん断応力比 L"), MotionHeaderGroup(22, 3, 25, "せん断強度比 R"),
    MotionHeaderGroup(34, 3, 37, "液状化抵抗率 FL"));
constexpr ItemColumn kSection11Columns[] = {
    {4, Index},
    {7, Fixed<&CalcPoint::Depth>},
    {11, FixedOfMotion<&CalcPoint::L, kLv1>},
    {15, FixedOfMotion<&CalcPoint::L, kLv2T1>},
    {19, FixedOfMotion<&CalcPoint::L, kLv2T2>},
    {23, FixedOfMotion<&CalcPoint::R, kLv1>, kGated},
    {27, FixedOfMotion<&CalcPoint::R, kLv2T1>, kGated},
    {31, FixedOfMotion<&CalcPoint::R, kLv2T2>, kGated},
    {35, FixedOfMotion<&CalcPoint::FL, kLv1>, kGated},
    {39, FixedOfMotion<&CalcPoint::FL, kLv2T1>, kGated},
    {43, FixedOfMotion<&CalcPoint::FL, kLv2T2>, kGated},
};

// (12) reduction factor DE, over all calculation points; PL in the title line.
constexpr TitleEntry kSection12Title[] = {
    {2, 2, "(12)低減係数"}, {11, 2, "液状化指数（ＬＶ１："},
    {21, 2, {}, kLv1},      {25, 2, "ＬＶ２TypeⅠ："},
    {32, 2, {}, kLv2T1},    {36, 2, "ＬＶ２TypeⅡ："},
    {43, 2, {}, kLv2T2},
};
constexpr auto kSection12Header = HeaderFrames(
    HeaderFrame{3, 3, 3, 6, {{4.5, 4, "No"}}},
    HeaderFrame{6, 3, 4, 6, {{7.5, 4, "深度"}, {8, 7, "x"}, {8, 8, "(m)"}}},
    MotionHeaderGroup(10, 3, 13, "液状化抵抗率 FL"), MotionHeaderGroup(22, 3, 25, "せん断強度比 R"),
    HeaderFrame{34, 3, 12, 2, {{38, 4, "低減係数 DE"}}}, HeaderFrame{34, 5, 3, 4, {{35, 7, "LV1"}}},
    HeaderFrame{37, 5, 6, 2, {{38.5, 6, "LV2 Type"}}}, HeaderFrame{37, 7, 3, 2, {{38.5, 8, "Ⅰ"}}},
    HeaderFrame{40, 7, 3, 2, {{41.5, 8, "Ⅱ"}}},
    HeaderFrame{43, 5, 3, 4, {{44.5, 6, "採"}, {44.5, 7, "用"}}});
constexpr ItemColumn kSection12Columns[] = {
    {4, Index},
    {7, Fixed<&CalcPoint::Depth>},
    {11, FixedOfMotion<&CalcPoint::FL, kLv1>, kGated},
    {15, FixedOfMotion<&CalcPoint::FL, kLv2T1>, kGated},
    {19, FixedOfMotion<&CalcPoint::FL, kLv2T2>, kGated},
    {23, FixedOfMotion<&CalcPoint::R, kLv1>, kGated},
    {27, FixedOfMotion<&CalcPoint::R, kLv2T1>, kGated},
    {31, FixedOfMotion<&CalcPoint::R, kLv2T2>, kGated},
    {35.5, DEOfMotion<kLv1>, kGated},
    {38.5, DEOfMotion<kLv2T1>, kGated},
    {41.5, DEOfMotion<kLv2T2>, kGated},
    {44.5, AdoptedDE, kGated},
};

}  // namespace

constexpr TableSection kSection6 = {.list = ItemList::NPoints,
                                    .title = kSection6Title,
                                    .header = kSection6Header,
                                    .columns = kSection6Columns,
                                    .footer = {33, "×：該当する　○該当しない"}};

constexpr TableSection kSection7 = {.list = ItemList::CalcPoints,
                                    .title = kSection7Title,
                                    .header = kSection7Header,
                                    .columns = kSection7Columns,
                                    .footer = {}};

constexpr TableSection kSection8 = {.list = ItemList::NPoints,
                                    .title = kSection8Title,
                                    .header = kSection8Header,
                                    .columns = kSection8Columns,
                                    .footer = {}};

constexpr TableSection kSection9 = {.list = ItemList::NPoints,
                                    .title = kSection9Title,
                                    .header = kSection9Header,
                                    .columns = kSection9Columns,
                                    .footer = {}};

constexpr TableSection kSection10 = {.list = ItemList::NPoints,
                                     .title = kSection10Title,
                                     .header = kSection10Header,
                                     .columns = kSection10Columns,
                                     .footer = {}};

constexpr TableSection kSection11 = {.list = ItemList::CalcPoints,
                                     .title = kSection11Title,
                                     .header = kSection11Header,
                                     .columns = kSection11Columns,
                                     .footer = {}};

constexpr TableSection kSection12 = {.list = ItemList::CalcPoints,
                                     .title = kSection12Title,
                                     .header = kSection12Header,
                                     .columns = kSection12Columns,
                                     .footer = {}};

}  // namespace fljudge
