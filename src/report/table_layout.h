#pragma once

#include <span>
#include <string_view>

#include "report/drawing_surface.h"

// The frames of the report's tables: header frames with their labels and the
// grid of empty framed lines the items are written into.
namespace fljudge {

// A fixed text at a grid position.
struct GridLabel {
    double column = 0;
    double row = 0;
    std::string_view text;
};

inline constexpr int kMaxFrameLabels = 4;

// A header frame and the labels that lie in it (unused labels stay empty).
struct HeaderFrame {
    double column = 0;
    double row = 0;
    double widthCells = 0;
    double heightCells = 0;
    GridLabel labels[kMaxFrameLabels] = {};
};

// One column of the grid: where its frames begin and how wide they are.
struct GridColumn {
    double column = 0;
    double widthCells = 0;
};

// Draws each frame after its labels, everything `rowShift` rows higher.
void DrawHeader(DrawingSurface& surface, std::span<const HeaderFrame> frames, double rowShift = 0);

// Draws `lineCount` lines of frames two rows high, the first at `firstRow`.
void DrawGridLines(DrawingSurface& surface, std::span<const GridColumn> columns, double firstRow,
                   int lineCount);

// The text row in the middle of grid line `line` (from 1).
constexpr double TextRowOfLine(double firstRow, int line) {
    return firstRow + 1 + 2 * (line - 1);
}

}  // namespace fljudge
