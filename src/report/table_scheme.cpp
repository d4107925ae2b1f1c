#include "report/table_scheme.h"

#include <algorithm>

#include "report/grid.h"

namespace fljudge {
namespace {

bool ShowsGatedColumns(const CalcPoint& point) {
    return point.Target == 1 && point.N > 0;
}

const CalcPoint& ItemPoint(ItemList list, const CalcResults& results, int index) {
    return list == ItemList::NPoints ? results.NPoints[index] : results.CalcPoints[index];
}

void DrawCell(DrawingSurface& surface, double column, double row, const Cell& cell) {
    if (cell.pattern.empty()) {
        GridText(surface, column, row, cell.text);
    } else {
        GridField(surface, column, row, cell.value, cell.pattern, cell.width);
    }
}

}  // namespace

int TableItemCount(ItemList list, const ReportInput& input) {
    const CalcResults& results = input.results;
    // The N-value tables count the N-value rows; a row that gave no N-value
    // point (N = 0) has nothing to show, so they end where the points end.
    const int count = list == ItemList::NPoints
                          ? std::min<int>(input.project.NValueCount, results.NPointCount)
                          : results.CalcPointCount;
    return std::clamp(count, 0, kMaxCalcPoints);
}

void DrawTable(DrawingSurface& surface, const TablePage& page, const ReportInput& input) {
    const TableSection& section = *page.section;
    if (page.firstItem == 1) {
        for (const TitleEntry& entry : section.title) {
            if (entry.plMotion == 0) {
                GridText(surface, entry.column, entry.row, entry.text);
            } else {
                GridField(surface, entry.column, entry.row, input.results.PL[entry.plMotion],
                          "0.000", 6);
            }
        }
    }
    DrawHeader(surface, section.header, page.headerShift);
    DrawGridLines(surface, section.header, page.firstRow, page.gridLines);

    const int lastItem =
        std::min(TableItemCount(section.list, input), page.firstItem + page.gridLines - 1);
    for (int index = page.firstItem; index <= lastItem; ++index) {
        const TableItem item{index, ItemPoint(section.list, input.results, index)};
        const double row = TextRowOfLine(page.firstRow, index - page.firstItem + 1);
        for (const ItemColumn& column : section.columns) {
            if (!column.gated || ShowsGatedColumns(item.point)) {
                DrawCell(surface, column.textColumn, row, column.content(item));
            }
        }
    }

    if (!section.footer.text.empty()) {
        GridText(surface, section.footer.column, page.firstRow + 2 * page.gridLines + 1,
                 section.footer.text);
    }
}

}  // namespace fljudge
