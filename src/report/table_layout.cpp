#include "report/table_layout.h"

#include "report/grid.h"

namespace fljudge {

void DrawHeader(DrawingSurface& surface, std::span<const HeaderFrame> frames, double rowShift) {
    for (const HeaderFrame& frame : frames) {
        for (const GridLabel& label : frame.labels) {
            if (!label.text.empty()) {
                GridText(surface, label.column, label.row - rowShift, label.text);
            }
        }
        GridBox(surface, frame.column, frame.row - rowShift, frame.widthCells, frame.heightCells);
    }
}

void DrawGridLines(DrawingSurface& surface, std::span<const GridColumn> columns, double firstRow,
                   int lineCount) {
    for (int line = 1; line <= lineCount; ++line) {
        for (const GridColumn& column : columns) {
            GridBox(surface, column.column, firstRow + 2 * (line - 1), column.widthCells, 2);
        }
    }
}

void DrawGridLines(DrawingSurface& surface, std::span<const HeaderFrame> header, double firstRow,
                   int lineCount) {
    const double bottom = HeaderBottom(header);
    for (int line = 1; line <= lineCount; ++line) {
        for (const HeaderFrame& frame : header) {
            if (frame.row + frame.heightCells == bottom) {
                GridBox(surface, frame.column, firstRow + 2 * (line - 1), frame.widthCells, 2);
            }
        }
    }
}

}  // namespace fljudge
