#pragma once

#include <vector>

#include "editors/grid_editor_state.h"
#include "editors/grid_table.h"

namespace fljudge {

// What a view of a grid editor must draw again after an operation of the model.
struct GridRefresh {
    bool ScrollBar = false;  // the scroll range and value (Top)
    bool Lines = false;      // the texts of the visible lines, and the marker
    bool Marker = false;     // the current-line marker alone
    bool EditRow = false;    // the edit row, from CurrentRow; blank when no row is left
    bool Derived = false;    // the current row's derived values beside the grid
    bool FocusFirstBox = false;

    GridRefresh& operator|=(const GridRefresh& other);
};

// A grid editor without widgets: its rows, which of them the visible lines
// show (the scroll value Top), the current row and line, and the entry mode.
// Every operation reports what the view must draw again. The view confirms
// the edit row itself (it holds the typed texts and shows the messages) and
// calls an operation only once the edit row has been confirmed where the
// operation needs it.
class GridEditorModel {
  public:
    enum class Move { Up, Down };

    // `state` outlives the model: the current line is kept from one opening
    // of the editor to the next.
    GridEditorModel(std::vector<TableColumn> columns, int capacity, int lines,
                    GridEditorState& state);

    const GridTable& Table() const { return table_; }
    const GridEditorState& State() const { return state_; }
    int Top() const { return top_; }
    int Lines() const { return lines_; }
    // The line that shows the current row; -1 when it is scrolled out of sight.
    int MarkedLine() const;
    int ScrollMaximum() const;
    bool ScrollEnabled() const { return ScrollMaximum() > 0; }

    // Opening: the rows of the project (an empty table gets `blank`), shown
    // from the top, on the line that was current when the editor was last
    // closed. On a table too short for that line line 0 is used, and the
    // remembered line is kept for the next opening unless another is chosen.
    GridRefresh Open(std::vector<GridRow> rows, const GridRow& blank);
    // Closing: the next opening starts on row 0.
    void Close();

    // Makes the row on `line` current; nothing when the line shows no row.
    GridRefresh SelectLine(int line);
    // The user scrolled the grid to `top`.
    GridRefresh ScrollTo(int top);
    // Whether a click on `line` would leave the current row, so that the edit
    // row must be confirmed first.
    bool ClickLeavesRow(int line) const;
    // A click on `line` of the lines as they were shown from `top` (confirming
    // the edit row may have scrolled the grid since).
    GridRefresh ClickLine(int line, int top);

    // Stores the confirmed edit row as the current row; a row scrolled out of
    // sight is brought back into it.
    GridRefresh Store(GridRow row);

    // The arrow keys: whether there is a row to move to, and the move once
    // the edit row is confirmed.
    bool CanMove(Move move) const;
    GridRefresh MoveTo(Move move);
    // Enter on the last box of a confirmed edit row: the next row, a new one
    // at the end or a copy of the current one, by the entry mode.
    GridRefresh EnterNext(const GridRow& blank);

    // The commands "追加" and "挿入" on a confirmed edit row: the first use
    // adds a row (appended blank, or a copy of the current row inserted after
    // it); a second use while the mode stays turns the mode off.
    GridRefresh ToggleAppend(const GridRow& blank);
    GridRefresh ToggleInsert();
    // "削除": the row that followed the deleted one becomes current (the new
    // last row when the last was deleted).
    GridRefresh DeleteRow();

  private:
    GridRefresh Select(int line, bool reload);
    GridRefresh Refill(bool reload);
    bool SetTop(int top);
    GridRefresh Append(const GridRow& blank, bool reload);
    GridRefresh Insert(bool reload);
    void MakeCurrentRowVisible();
    bool RowVisible(int row) const;

    GridTable table_;
    GridEditorState& state_;
    int lines_ = 0;
    int top_ = 0;
    // The remembered line while the table is too short to show it; -1 once
    // another line has been chosen.
    int keptLine_ = -1;
};

}  // namespace fljudge
