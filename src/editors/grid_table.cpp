#include "editors/grid_table.h"

#include <algorithm>
#include <utility>

namespace fljudge {

GridTable::GridTable(std::vector<TableColumn> columns, int capacity)
    : columns_(std::move(columns)), capacity_(capacity) {}

void GridTable::Load(std::vector<GridRow> rows, const GridRow& blank) {
    rows_ = std::move(rows);
    if (rows_.empty()) {
        rows_.push_back(blank);
    }
    Renumber();
}

void GridTable::Store(int row, GridRow values) {
    rows_[static_cast<std::size_t>(row)] = std::move(values);
    Renumber();
    Derive();
}

bool GridTable::Append(const GridRow& blank) {
    if (Full()) {
        return false;
    }
    rows_.push_back(blank);
    Renumber();
    return true;
}

bool GridTable::InsertCopy(int row) {
    if (Full()) {
        return false;
    }
    const GridRow copy = rows_[static_cast<std::size_t>(row)];
    rows_.insert(rows_.begin() + row + 1, copy);
    Renumber();
    Derive();
    return true;
}

void GridTable::Delete(int row) {
    rows_.erase(rows_.begin() + row);
    Renumber();
    Derive();
}

double GridTable::DerivedValue(int column, int row, double value) const {
    const auto source = static_cast<std::size_t>(columns_[static_cast<std::size_t>(column)].Source);
    return row > 0 ? value - rows_[static_cast<std::size_t>(row - 1)][source] : value;
}

int GridTable::ScrollMaximum(int lastRow, int lines) {
    return std::max(lastRow - (lines - 1), 0);
}

GridPlacement GridTable::Place(int row, int lastRow, int lines) {
    if (lastRow <= lines - 1) {
        return {0, row};
    }
    const int maximum = ScrollMaximum(lastRow, lines);
    if (row > maximum) {
        return {maximum, row - maximum};
    }
    return {row, 0};
}

void GridTable::Renumber() {
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        rows_[r][0] = static_cast<double>(r + 1);
    }
}

void GridTable::Derive() {
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        if (columns_[c].Kind != CellKind::Difference) {
            continue;
        }
        const auto source = static_cast<std::size_t>(columns_[c].Source);
        for (std::size_t r = 0; r < rows_.size(); ++r) {
            rows_[r][c] = rows_[r][source] - (r == 0 ? 0.0 : rows_[r - 1][source]);
        }
    }
}

}  // namespace fljudge
