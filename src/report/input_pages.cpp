#include <span>
#include <string_view>

#include "report/grid.h"
#include "report/report_pages.h"
#include "report/soil_class_text.h"
#include "report/table_layout.h"

namespace fljudge {
namespace {

std::string_view GroundTypeText(std::int16_t groundType) {
    switch (groundType) {
        case 1:
            return "Ⅰ種地盤";
        case 2:
            return "Ⅱ種地盤";
        case 3:
            return "Ⅲ種地盤";
        case kGroundUserInput:
            return "ユーザー設定";
        default:
            return {};
    }
}

std::string_view RegionAreaText(std::int16_t regionArea) {
    switch (regionArea) {
        case 1:
            return "A1地区";
        case 2:
            return "A2地区";
        case 3:
            return "B1地区";
        case 4:
            return "B2地区";
        case 5:
            return "C地区";
        case kRegionUserInput:
            return "ユーザー設定";
        default:
            return {};
    }
}

// Section (4).
constexpr double kLayerTitleRow = 7;
constexpr HeaderFrame kLayerHeader[] = {
    {3, 8, 3, 6, {{4.5, 9, "No"}}},
    {6, 8, 4, 6, {{7.5, 9, "深度"}, {8, 12, "x"}, {8.5, 13, "(m)"}}},
    {10, 8, 4, 6, {{11.5, 9, "層厚"}, {12, 12, "hi"}, {12.5, 13, "(m)"}}},
    {14, 8, 4, 6, {{15.5, 11, "土質"}}},
    {18, 8, 15, 2, {{23, 9, "単位体積重量"}}},
    {18, 10, 5, 4, {{19.5, 11, "水位上"}, {20, 12, "γt1"}, {19.5, 13, "(kN/m3)"}}},
    {23, 10, 5, 4, {{24.5, 11, "水位下"}, {25, 12, "γt2"}, {24.5, 13, "(kN/m3)"}}},
    {28, 10, 5, 4, {{30, 11, "有効"}, {29.5, 12, "γ't2"}, {29.5, 13, "(kN/m3)"}}},
    {33, 8, 4, 6, {{34, 9, "細粒分"}, {34, 10, "含有率"}, {35, 12, "FC"}, {35.5, 13, "(%)"}}},
    {37, 8, 4, 6, {{38.5, 9, "塑性"}, {38.5, 10, "指数"}, {39, 12, "Ip"}}},
    {41, 8, 4, 6, {{42.5, 9, "50%"}, {42.5, 10, "粒径"}, {43, 12, "D50"}, {43, 13, "(mm)"}}},
    {45, 8, 4, 6, {{46.5, 9, "10%"}, {46.5, 10, "粒径"}, {47, 12, "D10"}, {47, 13, "(mm)"}}},
};
constexpr double kLayerFirstRow = 14;
constexpr int kLayerLines = kMaxLayers;

struct LayerValueColumn {
    double column;
    double SoilLayer::*field;
};
// The values after the soil class; the unit weights are the layer's own.
constexpr LayerValueColumn kLayerValues[] = {
    {20, &SoilLayer::GammaT1},      {25, &SoilLayer::GammaT2},         {30, &SoilLayer::GammaE2},
    {34, &SoilLayer::FinesContent}, {38, &SoilLayer::PlasticityIndex}, {42, &SoilLayer::D50},
    {46, &SoilLayer::D10},
};

// Section (5): three blocks side by side, each 17 lines.
constexpr double kNBlockColumns[] = {3, 14, 25};
constexpr int kNBlockLines = 17;
constexpr double kNFirstRow = 6;
constexpr GridColumn kNGrid[] = {{3, 3},  {6, 4},  {10, 3}, {14, 3}, {17, 4},
                                 {21, 3}, {25, 3}, {28, 4}, {32, 3}};

// A line of section (3): its label, the chosen table row and its three
// values, each after its name.
void DrawTripleLine(DrawingSurface& surface, double row, std::string_view label,
                    std::string_view choice, const std::string_view (&names)[3],
                    const Triple& values) {
    constexpr double kNameColumns[] = {17, 23, 30};
    constexpr double kValueColumns[] = {19, 26, 33};
    GridText(surface, 3, row, label);
    GridText(surface, 10, row, choice);
    for (int k = 0; k < 3; ++k) {
        GridText(surface, kNameColumns[k], row, names[k]);
        GridField(surface, kValueColumns[k], row, values[k + 1], "0.000", 6);
    }
}

void DrawDesignConditions(DrawingSurface& surface, const ProjectData& project) {
    static constexpr std::string_view kMotionNames[] = {"Lv1", "Lv2-1", "Lv2-2"};
    static constexpr std::string_view kFactorNames[] = {"Cz", "CⅠz", "CⅡz"};
    GridText(surface, 2, 2, "(3)設計条件");
    DrawTripleLine(surface, 3, "地盤種別　　：", GroundTypeText(project.GroundType), kMotionNames,
                   project.StdSeismicCoefs);
    DrawTripleLine(surface, 4, "地域補正係数：", RegionAreaText(project.RegionArea), kFactorNames,
                   project.RegionFactors);
    GridText(surface, 3, 5, "地下水位　　：");
    GridText(surface, 10, 5, "hw　=");
    GridField(surface, 13, 5, project.WaterDepth, "0.000", 6);
}

void DrawLayerConditions(DrawingSurface& surface, const ProjectData& project) {
    GridText(surface, 2, kLayerTitleRow, "(4)土層条件");
    DrawHeader(surface, kLayerHeader);
    DrawGridLines(surface, kLayerHeader, kLayerFirstRow, kLayerLines);
    for (int i = 1; i <= project.LayerCount && i <= kLayerLines; ++i) {
        const SoilLayer& layer = project.SoilLayers[i];
        const double row = TextRowOfLine(kLayerFirstRow, i);
        GridField(surface, 4, row, i, "0", 4);
        GridField(surface, 7, row, layer.Depth, "0.000", 6);
        GridField(surface, 11, row, layer.Thickness, "0.000", 6);
        GridText(surface, 15, row, SoilClassText(layer.SoilClass));
        for (const LayerValueColumn& value : kLayerValues) {
            GridField(surface, value.column, row, layer.*value.field, "0.000", 6);
        }
    }
}

}  // namespace

void DrawDesignConditionsPage(DrawingSurface& surface, const ReportInput& input) {
    DrawDesignConditions(surface, input.project);
    DrawLayerConditions(surface, input.project);
}

void DrawNValueConditionsPage(DrawingSurface& surface, const ReportInput& input) {
    GridText(surface, 2, 2, "(5)Ｎ値条件");
    for (const double c : kNBlockColumns) {
        const HeaderFrame header[] = {
            {c, 3, 3, 3, {{c + 1.5, 4, "No"}}},
            {c + 3, 3, 4, 3, {{c + 4.5, 4, "深度"}, {c + 5, 5, "(m)"}}},
            {c + 7, 3, 3, 3, {{c + 8, 4, "Ｎ値"}}},
        };
        DrawHeader(surface, header);
    }
    DrawGridLines(surface, kNGrid, kNFirstRow, kNBlockLines);
    const ProjectData& project = input.project;
    for (int i = 1; i <= project.NValueCount && i <= kMaxNValues; ++i) {
        const int block = (i - 1) / kNBlockLines;
        const int line = i - block * kNBlockLines;
        const double t = kNBlockColumns[block] + 1;
        const double row = TextRowOfLine(kNFirstRow, line);
        GridField(surface, t, row, i, "0", 4);
        GridField(surface, t + 3, row, project.NValues[i].Depth, "0.000", 6);
        GridField(surface, t + 7, row, project.NValues[i].N, "0", 4);
    }
}

}  // namespace fljudge
