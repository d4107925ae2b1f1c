#include "calc/check_before_calc.h"

#include <algorithm>
#include <string_view>

namespace fljudge {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kSortAndCalculate = "ソートを行い計算を行います";

// Counts as the tables hold them, kept within capacity so that a count no
// writer should produce cannot make the checks read beyond the tables.
int UsedRows(std::int16_t count, int capacity) {
    return std::clamp<int>(count, 0, capacity);
}

// The row number as the list lines show it: a blank in the sign position.
std::string RowText(int row) {
    std::string text(" ");  // appended: GCC 12 at -O3 warns falsely on " " + std::string
    return text.append(std::to_string(row));
}

// One line "<prefix> i＝ j" per pair of rows with the same depth.
template <class Table>
std::string EqualDepthPairs(const Table& table, int count, std::string_view prefix) {
    std::string list;
    for (int i = 1; i <= count - 1; ++i) {
        for (int j = i + 1; j <= count; ++j) {
            if (table[i].Depth == table[j].Depth) {
                list += prefix;
                list += RowText(i);
                list += "＝";
                list += RowText(j);
                list += kCrLf;
            }
        }
    }
    return list;
}

template <class Table>
bool HasDescendingPair(const Table& table, int count) {
    for (int i = 1; i <= count; ++i) {
        for (int j = i; j <= count; ++j) {
            if (table[i].Depth > table[j].Depth) {
                return true;
            }
        }
    }
    return false;
}

CheckResult Stop(std::string message) {
    return {CheckOutcome::Stop, std::move(message)};
}

CheckResult Notice(std::string_view firstLine) {
    std::string message(firstLine);
    message += kCrLf;
    message += kSortAndCalculate;
    return {CheckOutcome::Notice, std::move(message)};
}

}  // namespace

CheckResult CheckBeforeCalc(const ProjectData& project) {
    const int layerCount = UsedRows(project.LayerCount, kMaxLayers);
    const int nValueCount = UsedRows(project.NValueCount, kMaxNValues);

    if (nValueCount == 0) {
        return Stop("Ｎ値情報がありません");
    }
    if (layerCount == 0) {
        return Stop("土層情報がありません");
    }

    double maxLayerDepth = 0;
    for (int i = 1; i <= layerCount; ++i) {
        maxLayerDepth = std::max(maxLayerDepth, project.SoilLayers[i].Depth);
    }
    // Exactly 60 m passes, although the message says "60m以上".
    if (maxLayerDepth > 60) {
        return Stop("深度が60m以上になっています");
    }

    double maxNDepth = 0;
    bool anyPositiveN = false;
    for (int j = 1; j <= nValueCount; ++j) {
        maxNDepth = std::max(maxNDepth, project.NValues[j].Depth);
        anyPositiveN = anyPositiveN || project.NValues[j].N > 0;
    }
    if (!anyPositiveN) {
        return Stop("Ｎ情報のＮ値に０以上の設定値がありません");
    }

    if (project.WaterDepth > maxLayerDepth) {
        return Stop("水位深度の土層情報がありません");
    }
    if (maxLayerDepth < maxNDepth) {
        return Stop("最大Ｎ値深度の土層情報がありません");
    }

    const std::string equalLayers = EqualDepthPairs(project.SoilLayers, layerCount, "土質No=");
    if (!equalLayers.empty()) {
        return Stop("以下の土質深度が同一値です" + std::string(kCrLf) + equalLayers);
    }
    const std::string equalNValues = EqualDepthPairs(project.NValues, nValueCount, "Ｎ値No=");
    if (!equalNValues.empty()) {
        return Stop("以下のＮ値深度が同一値です" + std::string(kCrLf) + equalNValues);
    }

    const bool layersUnsorted = HasDescendingPair(project.SoilLayers, layerCount);
    const bool nUnsorted = HasDescendingPair(project.NValues, nValueCount);
    if (layersUnsorted && nUnsorted) {
        return Notice("土層情報及びＮ情報の深度が昇順になってません");
    }
    if (layersUnsorted) {
        return Notice("土層情報の深度が昇順になってません");
    }
    if (nUnsorted) {
        return Notice("Ｎ情報の深度が昇順になってません");
    }
    return {};
}

}  // namespace fljudge
