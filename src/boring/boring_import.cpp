#include "boring/boring_import.h"

#include <algorithm>

#include "boring/boring_text.h"
#include "boring/soil_class_rule.h"
#include "project/number_text.h"

namespace fljudge {
namespace {

constexpr double kFullDrive = 30;  // cm of the main drive

// A depth for messages: two decimals, three where the file gives three.
std::string MetresText(double depth) {
    return (RoundDecimals(depth, 2) == depth ? FormatFixed(depth, 2) : FormatFixed(depth, 3)) + "m";
}

// The number as the project file writes and reads it back, so that a
// difference such as 3.2 - 1.5 is the 1.7 a user would type, and a project
// calculated straight from the boring file equals the one saved and loaded.
double AsFileNumber(double value) {
    return ParseLeadingNumber(FormatFileNumber(value)).value;
}

std::string LayerLabel(std::size_t fileIndex, const BoringLayer& layer) {
    std::string label = "土層 " + std::to_string(fileIndex + 1);
    if (!layer.Name.empty()) {
        label += "「" + layer.Name + "」";
    }
    return label;
}

std::string SptLabel(std::size_t fileIndex, const SptRecord& record) {
    std::string label = "標準貫入試験 " + std::to_string(fileIndex + 1);
    if (record.StartDepth) {
        label += "（深度 " + MetresText(*record.StartDepth) + "）";
    }
    return label;
}

std::string JoinNumbers(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) {
        text += text.empty() ? "" : ", ";
        text += item;
    }
    return text;
}

struct Layer {
    double Bottom = 0;
    std::int16_t SoilClass = kSandy;
    std::string Name;
};

std::vector<Layer> LayersOfFile(const BoringColumn& column, std::vector<std::string>& warnings) {
    std::vector<Layer> layers;
    for (std::size_t i = 0; i < column.Layers.size(); ++i) {
        const BoringLayer& layer = column.Layers[i];
        const std::string label = LayerLabel(i, layer);
        if (!layer.BottomDepth) {
            warnings.push_back(label + ": 下端深度" +
                               (layer.DepthText.empty()
                                    ? std::string("がない")
                                    : "「" + layer.DepthText + "」が数値でない") +
                               "ため読み飛ばしました");
            continue;
        }
        const double bottom = AsFileNumber(*layer.BottomDepth);
        if (bottom <= 0) {
            warnings.push_back(label + ": 下端深度 " + MetresText(bottom) +
                               " が地表より深くないため読み飛ばしました");
            continue;
        }
        const SoilClassChoice choice = ClassifySoil(layer.Name, layer.Interbedded, layer.Codes);
        if (!choice.Warning.empty()) {
            warnings.push_back(label + ": " + choice.Warning);
        }
        layers.push_back({bottom, choice.SoilClass, layer.Name});
    }
    // Each layer is known by its bottom, so a layer listed out of place still
    // has its place in the column.
    const auto shallower = [](const Layer& a, const Layer& b) { return a.Bottom < b.Bottom; };
    if (!std::is_sorted(layers.begin(), layers.end(), shallower)) {
        std::stable_sort(layers.begin(), layers.end(), shallower);
        warnings.emplace_back("土層の下端深度が昇順でないため、深度の順に並べました");
    }
    std::vector<std::string> duplicated;
    for (std::size_t i = 1; i < layers.size();) {
        if (layers[i].Bottom == layers[i - 1].Bottom) {
            duplicated.push_back(MetresText(layers[i].Bottom));
            layers.erase(layers.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
    if (!duplicated.empty()) {
        warnings.push_back("同じ下端深度の土層は最初のものだけを使いました（深度 " +
                           JoinNumbers(duplicated) + "）");
    }
    return layers;
}

void CutAtMaxDepth(std::vector<Layer>& layers, std::vector<std::string>& warnings) {
    const auto deeper = std::find_if(layers.begin(), layers.end(), [](const Layer& layer) {
        return layer.Bottom > kMaxImportDepth;
    });
    if (deeper == layers.end()) {
        return;
    }
    const double bottom = layers.back().Bottom;
    const bool straddles = deeper == layers.begin() || std::prev(deeper)->Bottom < kMaxImportDepth;
    if (straddles) {
        deeper->Bottom = kMaxImportDepth;
        layers.erase(std::next(deeper), layers.end());
    } else {
        layers.erase(deeper, layers.end());
    }
    warnings.push_back("土層の下端 " + MetresText(bottom) +
                       " が 60m より深いため、60m で切りました");
}

void FitLayerCapacity(std::vector<Layer>& layers, std::vector<std::string>& warnings) {
    if (layers.size() <= static_cast<std::size_t>(kMaxLayers)) {
        return;
    }
    const std::size_t fileCount = layers.size();
    // From the bottom up, a layer joins the one above it when both are of one class.
    for (std::size_t i = layers.size() - 1; i >= 1 && layers.size() > kMaxLayers; --i) {
        if (i < layers.size() && layers[i].SoilClass == layers[i - 1].SoilClass) {
            layers[i - 1].Bottom = layers[i].Bottom;
            layers.erase(layers.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    std::string warning = "土層が " + std::to_string(fileCount) + " 層あり " +
                          std::to_string(kMaxLayers) + " 層を超えるため、";
    if (layers.size() < fileCount) {
        warning += "同じ土質の隣り合う層を下からまとめ";
    }
    if (layers.size() > kMaxLayers) {
        const double bottom = layers.back().Bottom;
        layers.resize(kMaxLayers);
        warning += std::string(layers.size() < fileCount ? "、" : "") + "上の " +
                   std::to_string(kMaxLayers) + " 層だけを残しました（下端 " + MetresText(bottom) +
                   " → " + MetresText(layers.back().Bottom) + "）";
    } else {
        warning += "ました";
    }
    warnings.push_back(warning);
}

std::vector<ImportedNValue> NValuesOfFile(const BoringColumn& column,
                                          std::vector<std::string>& warnings) {
    std::vector<ImportedNValue> values;
    for (std::size_t i = 0; i < column.SptRecords.size(); ++i) {
        const SptRecord& record = column.SptRecords[i];
        const std::string label = SptLabel(i, record);
        if (!record.StartDepth || *record.StartDepth < 0) {
            warnings.push_back(label + ": 開始深度" +
                               (record.DepthText.empty()
                                    ? std::string("がない")
                                    : "「" + record.DepthText + "」が正しくない") +
                               "ため読み飛ばしました");
            continue;
        }
        if (!record.Blows || !record.Penetration) {
            warnings.push_back(label + ": 合計打撃回数または合計貫入量がないため読み飛ばしました");
            continue;
        }
        const double b = *record.Blows;
        const double p = *record.Penetration;
        if (b < 0 || p < 0 || (b > 0 && p == 0)) {
            warnings.push_back(label +
                               ": 合計打撃回数・合計貫入量が正しくないため読み飛ばしました");
            continue;
        }
        const bool converted = b > 0 && p < kFullDrive;
        const auto n = ToInt16HalfEven(converted ? kFullDrive * b / p : b);
        if (!n) {
            warnings.push_back(label + ": Ｎ値が大きすぎるため読み飛ばしました");
            continue;
        }
        if (converted) {
            warnings.push_back(label + ": " + FormatFileNumber(b) + "回／" + FormatFileNumber(p) +
                               "cm を 30cm 換算してＮ値 " + std::to_string(*n) + " としました");
        }
        values.push_back({{AsFileNumber(*record.StartDepth), *n}, b, p, record.Remark});
    }
    return values;
}

void OrderNValues(std::vector<ImportedNValue>& values, double bottom,
                  std::vector<std::string>& warnings) {
    const auto shallower = [](const ImportedNValue& a, const ImportedNValue& b) {
        return a.Point.Depth < b.Point.Depth;
    };
    if (!std::is_sorted(values.begin(), values.end(), shallower)) {
        std::stable_sort(values.begin(), values.end(), shallower);
        warnings.emplace_back("標準貫入試験の深度が昇順でないため、深度の順に並べました");
    }
    std::vector<std::string> duplicated;
    for (std::size_t i = 1; i < values.size();) {
        if (values[i].Point.Depth == values[i - 1].Point.Depth) {
            duplicated.push_back(MetresText(values[i].Point.Depth));
            values.erase(values.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
    if (!duplicated.empty()) {
        warnings.push_back("同じ深度の標準貫入試験は最初のものだけを使いました（深度 " +
                           JoinNumbers(duplicated) + "）");
    }
    std::vector<std::string> deeper;
    while (!values.empty() && values.back().Point.Depth > bottom) {
        deeper.insert(deeper.begin(), MetresText(values.back().Point.Depth));
        values.pop_back();
    }
    if (!deeper.empty()) {
        warnings.push_back("土層の下端 " + MetresText(bottom) +
                           " より深い標準貫入試験を除きました（深度 " + JoinNumbers(deeper) + "）");
    }
    if (values.size() > static_cast<std::size_t>(kMaxNValues)) {
        warnings.push_back("標準貫入試験が " + std::to_string(values.size()) + " 件あり " +
                           std::to_string(kMaxNValues) + " 件を超えるため、浅い " +
                           std::to_string(kMaxNValues) + " 件だけを残しました（深度 " +
                           MetresText(values[kMaxNValues].Point.Depth) + " 以深を除く）");
        values.resize(kMaxNValues);
    }
}

void CheckWaterLevels(const BoringColumn& column, std::vector<std::string>& warnings) {
    for (std::size_t i = 0; i < column.WaterLevels.size(); ++i) {
        const WaterLevel& level = column.WaterLevels[i];
        const std::string label = "孔内水位 " + std::to_string(i + 1);
        if (!level.DepthText.empty() && !ParseDecimalText(level.DepthText)) {
            warnings.push_back(label + ": 水位「" + level.DepthText +
                               "」が数値でないため使いません");
        } else if (level.Depth && *level.Depth < 0) {
            warnings.push_back(label + ": 水位 " + MetresText(*level.Depth) +
                               " は負のため使いません");
        }
    }
}

// The layer numbers (rows of the project) whose judgement needs laboratory values.
void WarnLaboratoryValues(const std::vector<ImportedLayer>& layers,
                          std::vector<std::string>& warnings) {
    std::vector<std::string> rows;
    double top = 0;
    for (std::size_t i = 0; i < layers.size(); ++i) {
        // Only sandy layers within 20 m are judgement targets.
        if (layers[i].Layer.SoilClass == kSandy && top < 20) {
            rows.push_back(std::to_string(i + 1));
        }
        top = layers[i].Layer.Depth;
    }
    if (!rows.empty()) {
        warnings.push_back(
            "細粒分含有率・塑性指数・D50・D10 はファイルにないため 0 "
            "としました。土質試験の値を入力する土層: " +
            JoinNumbers(rows));
    }
}

}  // namespace

BoringImport ImportBoring(const BoringColumn& column, const BasicInfo& basicInfo) {
    BoringImport imported;
    imported.BoringName = column.BoringName;
    imported.Version = column.Version;
    imported.Warnings = column.Warnings;
    std::vector<std::string>& warnings = imported.Warnings;

    std::vector<Layer> layers = LayersOfFile(column, warnings);
    if (column.Layers.empty()) {
        warnings.emplace_back("土層の記録がありません");
    }
    CutAtMaxDepth(layers, warnings);
    FitLayerCapacity(layers, warnings);
    double previous = 0;
    for (const Layer& layer : layers) {
        SoilLayer row;
        row.Depth = layer.Bottom;
        row.Thickness = AsFileNumber(layer.Bottom - previous);
        row.SoilClass = layer.SoilClass;
        row.WeightSource = kWeightBasic;
        row.GammaT1 = basicInfo.UnitWeightTable[layer.SoilClass][1];
        row.GammaT2 = basicInfo.UnitWeightTable[layer.SoilClass][2];
        row.GammaE2 = basicInfo.UnitWeightTable[layer.SoilClass][3];
        imported.Layers.push_back({row, layer.Name});
        previous = layer.Bottom;
    }

    imported.NValues = NValuesOfFile(column, warnings);
    if (column.SptRecords.empty()) {
        warnings.emplace_back("標準貫入試験の記録がありません");
    }
    OrderNValues(imported.NValues, layers.empty() ? kMaxImportDepth : layers.back().Bottom,
                 warnings);

    imported.WaterLevels = column.WaterLevels;
    CheckWaterLevels(column, warnings);
    const auto usable =
        std::find_if(column.WaterLevels.begin(), column.WaterLevels.end(), IsUsableWaterLevel);
    if (usable != column.WaterLevels.end()) {
        imported.WaterChoice = static_cast<std::size_t>(usable - column.WaterLevels.begin());
    }
    WarnLaboratoryValues(imported.Layers, warnings);
    return imported;
}

bool IsUsableWaterLevel(const WaterLevel& level) {
    return level.Depth && *level.Depth >= 0;
}

double ImportedWaterDepth(const BoringImport& imported, std::optional<std::size_t> choice) {
    if (!choice || *choice >= imported.WaterLevels.size() ||
        !IsUsableWaterLevel(imported.WaterLevels[*choice])) {
        return 0;
    }
    const double depth = AsFileNumber(*imported.WaterLevels[*choice].Depth);
    if (!imported.Layers.empty() && depth > imported.Layers.back().Layer.Depth) {
        return imported.Layers.back().Layer.Depth;
    }
    return depth;
}

std::string WaterChoiceWarning(const BoringImport& imported, std::optional<std::size_t> choice) {
    if (!choice || *choice >= imported.WaterLevels.size() ||
        !IsUsableWaterLevel(imported.WaterLevels[*choice])) {
        return "孔内水位の測定値がないため、水位深度を 0m としました";
    }
    const double depth = AsFileNumber(*imported.WaterLevels[*choice].Depth);
    const double kept = ImportedWaterDepth(imported, choice);
    if (kept != depth) {
        return "水位深度 " + MetresText(depth) + " が土層の下端より深いため、" + MetresText(kept) +
               " としました";
    }
    return {};
}

std::vector<std::string> ImportWarnings(const BoringImport& imported,
                                        std::optional<std::size_t> choice) {
    std::vector<std::string> warnings = imported.Warnings;
    if (std::string water = WaterChoiceWarning(imported, choice); !water.empty()) {
        warnings.push_back(std::move(water));
    }
    return warnings;
}

void ApplyBoringImport(const BoringImport& imported, std::optional<std::size_t> waterChoice,
                       ProjectData& project) {
    project.WaterDepth = ImportedWaterDepth(imported, waterChoice);
    project.SoilLayers.Fill(SoilLayer{});
    project.LayerCount = static_cast<std::int16_t>(imported.Layers.size());
    for (std::size_t i = 0; i < imported.Layers.size(); ++i) {
        project.SoilLayers[static_cast<int>(i) + 1] = imported.Layers[i].Layer;
    }
    project.NValues.Fill(NValuePoint{});
    project.NValueCount = static_cast<std::int16_t>(imported.NValues.size());
    for (std::size_t i = 0; i < imported.NValues.size(); ++i) {
        project.NValues[static_cast<int>(i) + 1] = imported.NValues[i].Point;
    }
}

}  // namespace fljudge
