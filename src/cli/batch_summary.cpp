#include "cli/batch_summary.h"

#include <algorithm>
#include <array>
#include <vector>

#include "calc/liquefaction_risk.h"
#include "project/number_text.h"

namespace fljudge {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

constexpr std::array<std::string_view, 16> kHeader = {
    "ファイル",    "ボーリング名", "状態",         "地下水位(m)",  "土層数",   "Ｎ値数",
    "最大深度(m)", "PL Lv1",       "PL Lv2-1",     "PL Lv2-2",     "判定 Lv1", "判定 Lv2-1",
    "判定 Lv2-2",  "最小FL Lv1",   "最小FL Lv2-1", "最小FL Lv2-2",
};

// A reason on one line: line ends become blanks, blanks at the ends go.
std::string OneLine(std::string_view text) {
    std::string line;
    for (const char c : text) {
        const bool lineEnd = c == '\r' || c == '\n';
        if (lineEnd && (line.empty() || line.back() == ' ')) {
            continue;
        }
        line += lineEnd ? ' ' : c;
    }
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    return line;
}

// A cell quoted when it holds a separator, a quote or a line end.
std::string CsvCell(std::string_view cell) {
    if (cell.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(cell);
    }
    std::string quoted = "\"";
    for (const char c : cell) {
        if (c == '"') {
            quoted += '"';
        }
        quoted += c;
    }
    return quoted + '"';
}

void AppendRow(std::string& csv, std::span<const std::string> cells) {
    for (std::size_t k = 0; k < cells.size(); ++k) {
        if (k > 0) {
            csv += ',';
        }
        csv += CsvCell(cells[k]);
    }
    csv += kLineEnd;
}

}  // namespace

MaybeReal SmallestTargetFL(const CalcResults& results, int motion) {
    MaybeReal smallest;
    const int count = std::clamp<int>(results.CalcPointCount, 0, kMaxCalcPoints);
    for (int i = 1; i <= count; ++i) {
        const CalcPoint& point = results.CalcPoints[i];
        const MaybeReal fl = point.FL[motion];
        if (point.Target == 1 && point.N > 0 && fl && (!smallest || *fl < *smallest)) {
            smallest = fl;
        }
    }
    return smallest;
}

BoringSummary SummarizeBoring(const std::filesystem::path& file,
                              const CalculatedProject& calculated) {
    const ProjectData& project = *calculated.project;
    const CalcResults& results = *calculated.results;
    BoringSummary summary;
    summary.File = file.string();
    summary.Name = BoringName(file, calculated);
    summary.Ok = true;
    summary.Status = "OK";
    summary.WaterDepth = project.WaterDepth;
    summary.LayerCount = project.LayerCount;
    summary.NValueCount = project.NValueCount;
    const int count = std::clamp<int>(results.CalcPointCount, 0, kMaxCalcPoints);
    summary.MaxDepth = count > 0 ? results.CalcPoints[count].Depth : 0;
    for (int k = 1; k <= kMotionCount; ++k) {
        summary.PL[k] = results.PL[k];
        summary.MinFL[k] = SmallestTargetFL(results, k);
    }
    return summary;
}

BoringSummary FailedBoring(const std::filesystem::path& file, std::string name,
                           std::string_view reason) {
    BoringSummary summary;
    summary.File = file.string();
    summary.Name = std::move(name);
    summary.Ok = false;
    summary.Status = OneLine(reason);
    if (summary.Status.empty()) {
        summary.Status = "計算できませんでした";
    }
    return summary;
}

std::string SummaryCsv(std::span<const BoringSummary> borings) {
    std::string csv(kByteOrderMark);
    AppendRow(csv, std::vector<std::string>(kHeader.begin(), kHeader.end()));
    std::vector<std::string> cells;
    for (const BoringSummary& boring : borings) {
        cells = {boring.File, boring.Name, boring.Status};
        const auto number = [&](std::string text) {
            cells.push_back(boring.Ok ? std::move(text) : std::string());
        };
        number(FormatThreeDecimals(boring.WaterDepth));
        number(FormatFixed(boring.LayerCount, 0));
        number(FormatFixed(boring.NValueCount, 0));
        number(FormatThreeDecimals(boring.MaxDepth));
        for (int k = 1; k <= kMotionCount; ++k) {
            number(FormatThreeDecimals(boring.PL[k]));
        }
        for (int k = 1; k <= kMotionCount; ++k) {
            number(std::string(RiskText(RiskOfPL(boring.PL[k]))));
        }
        for (int k = 1; k <= kMotionCount; ++k) {
            number(boring.MinFL[k] ? FormatThreeDecimals(*boring.MinFL[k]) : std::string());
        }
        AppendRow(csv, cells);
    }
    return csv;
}

}  // namespace fljudge
