#pragma once

#include <array>
#include <cstddef>
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

// The header group of a value given for each design motion: a frame
// 12 cells wide and 2 high with the title at titleColumn, over "ＬＶ１" and
// "ＬＶ２", the latter over "TypeⅠ" and "TypeⅡ". Six rows high in all.
constexpr std::array<HeaderFrame, 5> MotionHeaderGroup(double column, double row,
                                                       double titleColumn, std::string_view title) {
    return {{
        {column, row, 12, 2, {{titleColumn, row + 1, title}}},
        {column, row + 2, 4, 4, {{column + 1, row + 4, "ＬＶ１"}}},
        {column + 4, row + 2, 8, 2, {{column + 7, row + 3, "ＬＶ２"}}},
        {column + 4, row + 4, 4, 2, {{column + 5, row + 5, "TypeⅠ"}}},
        {column + 8, row + 4, 4, 2, {{column + 9, row + 5, "TypeⅡ"}}},
    }};
}

namespace detail {
constexpr std::size_t FrameCount(const HeaderFrame&) {
    return 1;
}
template <std::size_t N>
constexpr std::size_t FrameCount(const std::array<HeaderFrame, N>&) {
    return N;
}
constexpr void AppendFrames(HeaderFrame*& out, const HeaderFrame& frame) {
    *out++ = frame;
}
template <std::size_t N>
constexpr void AppendFrames(HeaderFrame*& out, const std::array<HeaderFrame, N>& frames) {
    for (const HeaderFrame& frame : frames) {
        *out++ = frame;
    }
}
}  // namespace detail

// The frames of a header in drawing order, from single frames and groups.
template <typename... Parts>
constexpr auto HeaderFrames(const Parts&... parts) {
    std::array<HeaderFrame, (detail::FrameCount(Parts{}) + ...)> frames{};
    HeaderFrame* out = frames.data();
    (detail::AppendFrames(out, parts), ...);
    return frames;
}

// The bottom edge of a header: the row below its lowest frame.
constexpr double HeaderBottom(std::span<const HeaderFrame> header) {
    double bottom = 0;
    for (const HeaderFrame& frame : header) {
        bottom = bottom < frame.row + frame.heightCells ? frame.row + frame.heightCells : bottom;
    }
    return bottom;
}

// The columns of the grid under a header: its frames that reach its bottom edge.
constexpr std::size_t GridColumnCount(std::span<const HeaderFrame> header) {
    std::size_t count = 0;
    for (const HeaderFrame& frame : header) {
        count += frame.row + frame.heightCells == HeaderBottom(header) ? 1 : 0;
    }
    return count;
}

// Draws each frame after its labels, everything `rowShift` rows higher.
void DrawHeader(DrawingSurface& surface, std::span<const HeaderFrame> frames, double rowShift = 0);

// Draws `lineCount` lines of frames two rows high, the first at `firstRow`.
void DrawGridLines(DrawingSurface& surface, std::span<const GridColumn> columns, double firstRow,
                   int lineCount);
// The same with the columns of a header:
// on each line a frame under each header frame that reaches the header's
// bottom edge, as wide as that frame.
void DrawGridLines(DrawingSurface& surface, std::span<const HeaderFrame> header, double firstRow,
                   int lineCount);

// The text row in the middle of grid line `line` (from 1).
constexpr double TextRowOfLine(double firstRow, int line) {
    return firstRow + 1 + 2 * (line - 1);
}

}  // namespace fljudge
