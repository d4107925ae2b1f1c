#pragma once

#include <span>
#include <string_view>

#include "calc/calc_point.h"
#include "report/drawing_surface.h"
#include "report/report_input.h"
#include "report/table_layout.h"

// The scheme every table page of sections (6) to (12) follows: title lines
// (first page only), header frames, a grid of framed lines, one item per line,
// and an optional footer. A section is data: its frames and its columns.
namespace fljudge {

// What a column writes for one item: a number in a fixed-width field,
// right-aligned, or a text, left-aligned at the column.
struct Cell {
    MaybeReal value;
    std::string_view pattern;  // empty for a text
    int width = 0;
    std::string_view text;

    static Cell Number(MaybeReal v, std::string_view pattern, int width) {
        return {v, pattern, width, {}};
    }
    static Cell Text(std::string_view text) { return {{}, {}, 0, text}; }
};

// An item of a table: a point and its number in its list (not on the page).
struct TableItem {
    int index;
    const CalcPoint& point;
};

struct ItemColumn {
    double textColumn = 0;
    Cell (*content)(const TableItem&) = nullptr;
    // Written only for liquefaction targets with an N value (Target 1, N > 0).
    bool gated = false;
};

enum class ItemList {
    NPoints,     // the N-value points; as many items as N-value rows
    CalcPoints,  // every calculation point
};

// A line of text above the header, on the first page only. `plMotion` 0 is a
// fixed text; 1..3 prints the liquefaction index PL of that motion instead.
struct TitleEntry {
    double column = 0;
    double row = 0;
    std::string_view text;
    int plMotion = 0;
};

// A text under the grid, one blank row below its last line.
struct TableFooter {
    double column = 0;
    std::string_view text;
};

struct TableSection {
    ItemList list = ItemList::NPoints;
    std::span<const TitleEntry> title;
    std::span<const HeaderFrame> header;  // rows of the first page; the grid's columns too
    std::span<const ItemColumn> columns;
    TableFooter footer;  // none when its text is empty
};

// One page of a section: its items start at `firstItem` and fill at most its
// `gridLines` lines from `firstRow`; the header moves up by `headerShift`.
struct TablePage {
    const TableSection* section = nullptr;
    int firstItem = 1;
    int gridLines = 0;
    double firstRow = 0;
    double headerShift = 0;
};

// The number of items of the section's list that the results provide.
int TableItemCount(ItemList list, const ReportInput& input);

void DrawTable(DrawingSurface& surface, const TablePage& page, const ReportInput& input);

}  // namespace fljudge
