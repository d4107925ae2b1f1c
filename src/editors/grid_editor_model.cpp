#include "editors/grid_editor_model.h"

#include <algorithm>
#include <utility>

namespace fljudge {

GridRefresh& GridRefresh::operator|=(const GridRefresh& other) {
    ScrollBar = ScrollBar || other.ScrollBar;
    Lines = Lines || other.Lines;
    Marker = Marker || other.Marker;
    EditRow = EditRow || other.EditRow;
    Derived = Derived || other.Derived;
    FocusFirstBox = FocusFirstBox || other.FocusFirstBox;
    return *this;
}

GridEditorModel::GridEditorModel(std::vector<TableColumn> columns, int capacity, int lines,
                                 GridEditorState& state)
    : table_(std::move(columns), capacity), state_(state), lines_(lines) {}

int GridEditorModel::MarkedLine() const {
    if (table_.LastRow() < 0 || !RowVisible(state_.CurrentRow)) {
        return -1;
    }
    return state_.CurrentRow - top_;
}

int GridEditorModel::ScrollMaximum() const {
    return GridTable::ScrollMaximum(table_.LastRow(), lines_);
}

bool GridEditorModel::RowVisible(int row) const {
    return top_ <= row && row <= top_ + lines_ - 1;
}

// As a scroll bar does: the value stays within the range; false when it does
// not change.
bool GridEditorModel::SetTop(int top) {
    top = std::clamp(top, 0, ScrollMaximum());
    if (top == top_) {
        return false;
    }
    top_ = top;
    return true;
}

GridRefresh GridEditorModel::Open(std::vector<GridRow> rows, const GridRow& blank) {
    state_.CurrentRow = 0;
    table_.Load(std::move(rows), blank);
    top_ = 0;
    GridRefresh refresh{.ScrollBar = true, .Lines = true, .EditRow = true};
    if (state_.CurrentLine <= table_.LastRow()) {
        refresh |= Select(state_.CurrentLine, true);
    } else {
        const int remembered = state_.CurrentLine;
        refresh |= Select(0, true);
        keptLine_ = remembered;
    }
    return refresh;
}

void GridEditorModel::Close() {
    state_.CurrentRow = 0;
    if (keptLine_ >= 0) {
        state_.CurrentLine = keptLine_;
        keptLine_ = -1;
    }
}

GridRefresh GridEditorModel::SelectLine(int line) {
    return Select(line, false);
}

// `reload`: the edit row is loaded again even when the row stays current (the
// row itself has been replaced or moved).
GridRefresh GridEditorModel::Select(int line, bool reload) {
    const int row = top_ + line;
    if (row > table_.LastRow()) {
        return {};
    }
    state_.EntryMode = Entry::Edit;
    if (line != 0 || row != state_.CurrentRow) {
        keptLine_ = -1;
    }
    GridRefresh refresh{.Marker = true, .FocusFirstBox = true};
    refresh.EditRow = row != state_.CurrentRow || reload;
    state_.CurrentRow = row;
    state_.CurrentLine = line;
    return refresh;
}

// The lines show the rows from Top again; a current row among them is
// selected again (which also ends an entry mode).
GridRefresh GridEditorModel::Refill(bool reload) {
    GridRefresh refresh{.Lines = true, .FocusFirstBox = true};
    if (RowVisible(state_.CurrentRow)) {
        refresh |= Select(state_.CurrentRow - top_, reload);
    }
    return refresh;
}

GridRefresh GridEditorModel::ScrollTo(int top) {
    SetTop(top);
    return Refill(false);
}

bool GridEditorModel::ClickLeavesRow(int line) const {
    const int row = top_ + line;
    return row <= table_.LastRow() && row != state_.CurrentRow;
}

GridRefresh GridEditorModel::ClickLine(int line, int top) {
    GridRefresh refresh;
    if (SetTop(top)) {
        refresh.ScrollBar = true;
        refresh |= Refill(false);
    }
    refresh |= Select(line, false);
    return refresh;
}

void GridEditorModel::MakeCurrentRowVisible() {
    const GridPlacement place = GridTable::Place(state_.CurrentRow, table_.LastRow(), lines_);
    top_ = place.Top;
    state_.CurrentLine = place.Line;
}

GridRefresh GridEditorModel::Store(GridRow row) {
    const bool outside = !RowVisible(state_.CurrentRow);
    // A stored row may change what other rows derive from it.
    table_.Store(state_.CurrentRow, std::move(row));
    GridRefresh refresh{.Lines = true, .Derived = true};
    if (outside) {
        MakeCurrentRowVisible();
        refresh.ScrollBar = true;
        refresh |= Refill(false);
        refresh |= Select(state_.CurrentLine, false);
    }
    return refresh;
}

bool GridEditorModel::CanMove(Move move) const {
    return move == Move::Up ? state_.CurrentRow >= 1 : state_.CurrentRow < table_.LastRow();
}

// Past the top or bottom line the grid scrolls by one row.
GridRefresh GridEditorModel::MoveTo(Move move) {
    const bool up = move == Move::Up;
    const int edge = up ? 0 : lines_ - 1;
    if (state_.CurrentLine != edge) {
        return Select(state_.CurrentLine + (up ? -1 : 1), false);
    }
    GridRefresh refresh;
    if (SetTop(top_ + (up ? -1 : 1))) {
        refresh.ScrollBar = true;
        refresh |= Refill(false);
    }
    refresh |= Select(edge, false);
    return refresh;
}

GridRefresh GridEditorModel::EnterNext(const GridRow& blank) {
    GridRefresh refresh;
    switch (state_.EntryMode) {
        case Entry::Edit:
            if (state_.CurrentRow == table_.LastRow()) {
                refresh = Append(blank, false);
            } else if (state_.CurrentLine == lines_ - 1) {
                state_.CurrentRow += 1;
                if (SetTop(top_ + 1)) {
                    refresh.ScrollBar = true;
                    refresh |= Refill(true);  // selects the bottom line
                }
            } else {
                refresh = Select(state_.CurrentLine + 1, false);
            }
            break;
        case Entry::Insert:
            refresh = Insert(false);
            break;
        case Entry::Append:
            refresh = Append(blank, false);
            break;
    }
    refresh.FocusFirstBox = true;
    return refresh;
}

// `reload`: the new row may take the index of a current row that was
// deleted, and must still be loaded.
GridRefresh GridEditorModel::Append(const GridRow& blank, bool reload) {
    if (!table_.Append(blank)) {
        return {};
    }
    GridRefresh refresh{.ScrollBar = true};
    if (table_.LastRow() < lines_) {
        refresh |= Refill(reload);
        refresh |= Select(table_.LastRow(), reload);
    } else {
        if (SetTop(ScrollMaximum())) {
            refresh |= Refill(reload);
        }
        refresh |= Select(lines_ - 1, reload);
    }
    return refresh;
}

// The current row stays, so the new row is a copy of it.
GridRefresh GridEditorModel::Insert(bool reload) {
    const bool outside = !RowVisible(state_.CurrentRow);
    if (!table_.InsertCopy(state_.CurrentRow)) {
        return {};
    }
    GridRefresh refresh{.ScrollBar = true, .Derived = true};
    if (outside) {
        MakeCurrentRowVisible();
    }
    refresh |= Refill(reload);
    refresh |= Select(state_.CurrentLine, reload);
    return refresh;
}

GridRefresh GridEditorModel::ToggleAppend(const GridRow& blank) {
    GridRefresh refresh;
    if (state_.EntryMode == Entry::Append) {
        state_.EntryMode = Entry::Edit;
    } else {
        state_.EntryMode = Entry::Append;
        refresh = Append(blank, true);
    }
    refresh.FocusFirstBox = true;
    return refresh;
}

GridRefresh GridEditorModel::ToggleInsert() {
    GridRefresh refresh;
    if (state_.EntryMode == Entry::Insert) {
        state_.EntryMode = Entry::Edit;
    } else {
        state_.EntryMode = Entry::Insert;
        refresh = Insert(true);
    }
    refresh.FocusFirstBox = true;
    return refresh;
}

GridRefresh GridEditorModel::DeleteRow() {
    const bool outside = !RowVisible(state_.CurrentRow);
    table_.Delete(state_.CurrentRow);
    SetTop(top_);
    GridRefresh refresh{.ScrollBar = true, .Derived = true};
    state_.EntryMode = Entry::Edit;
    if (table_.LastRow() < 0) {
        refresh.Lines = true;
        refresh.EditRow = true;
        return refresh;
    }
    // Clamped before scrolling, so that it lies on one of the lines.
    state_.CurrentRow = std::min(state_.CurrentRow, table_.LastRow());
    if (outside) {
        MakeCurrentRowVisible();
    }
    refresh |= Refill(true);
    refresh |= Select(state_.CurrentRow - top_, true);
    refresh.FocusFirstBox = true;
    return refresh;
}

}  // namespace fljudge
