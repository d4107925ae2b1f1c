#pragma once

#include <vector>

namespace fljudge {

// What a column of a grid table holds. Column 0 is always the 1-based row
// number; a difference column is derived from another column of the same and
// the previous row (the soil layer's thickness from the depths).
enum class CellKind { RowNumber, Number, Whole, Code, Difference };

struct TableColumn {
    CellKind Kind = CellKind::Number;
    int Source = -1;  // Difference: the column whose step from the row above it holds
};

// One row of a grid table, a number per column (texts and codes are kept as
// the numbers they stand for).
using GridRow = std::vector<double>;

// Where a row of the table is shown on the visible lines of a grid: the first
// row shown (the scroll value) and the line of the row.
struct GridPlacement {
    int Top = 0;
    int Line = 0;
};

// The rows of one grid editor, without any widget: a fixed set of columns, at
// most `capacity` rows, and the row operations of the editor. Every operation
// keeps the row numbers and the derived columns in step; loading a table takes
// its derived values as they are.
class GridTable {
  public:
    GridTable(std::vector<TableColumn> columns, int capacity);

    // Replaces the rows; an empty table gets `blank` as its one row.
    void Load(std::vector<GridRow> rows, const GridRow& blank);

    int RowCount() const { return static_cast<int>(rows_.size()); }
    // The index of the last row; -1 when the table is empty.
    int LastRow() const { return RowCount() - 1; }
    bool Full() const { return RowCount() >= capacity_; }
    const GridRow& Row(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    const std::vector<GridRow>& Rows() const { return rows_; }
    std::size_t ColumnCount() const { return columns_.size(); }

    // Stores `values` as row `row`.
    void Store(int row, GridRow values);
    // Adds `blank` at the end; false when the table is full. (The derived
    // columns of the new row stay as `blank` gives them.)
    bool Append(const GridRow& blank);
    // Moves every row from `row` down one place, leaving a copy of row `row`
    // in its place; false when the table is full.
    bool InsertCopy(int row);
    void Delete(int row);

    // The value of difference column `column` for row `row` if its source
    // column held `value`.
    double DerivedValue(int column, int row, double value) const;

    // The largest scroll value of a grid of `lines` lines.
    static int ScrollMaximum(int lastRow, int lines);
    // Scrolls as little as the grid allows so that `row` is shown: the row on
    // the top line, or, near the end, the last row on the bottom line.
    static GridPlacement Place(int row, int lastRow, int lines);

  private:
    void Renumber();
    void Derive();

    std::vector<TableColumn> columns_;
    int capacity_ = 0;
    std::vector<GridRow> rows_;
};

}  // namespace fljudge
