#include "editors/grid_editor_model.h"

#include <gtest/gtest.h>

#include <vector>

namespace fljudge {
namespace {

// No and a depth: enough for the cursor rules, which do not look at values.
constexpr int kLines = 10;
const GridRow kBlank = {0, 0};

std::vector<GridRow> Rows(int count) {
    std::vector<GridRow> rows;
    for (int i = 0; i < count; ++i) {
        rows.push_back({0, static_cast<double>(i + 1)});
    }
    return rows;
}

struct Editor {
    explicit Editor(int rows, GridEditorState start = {}) : state(start) {
        opened = model.Open(Rows(rows), kBlank);
    }

    int Row() const { return state.CurrentRow; }
    int Line() const { return state.CurrentLine; }

    GridEditorState state;
    GridEditorModel model{{{CellKind::RowNumber}, {CellKind::Number}}, 50, kLines, state};
    GridRefresh opened;
};

TEST(GridEditorModelTest, OpeningShowsTheTopOnTheRememberedLine) {
    Editor editor(5, {.CurrentRow = 3, .CurrentLine = 2});
    EXPECT_EQ(editor.model.Top(), 0);
    EXPECT_EQ(editor.Row(), 2);
    EXPECT_EQ(editor.model.MarkedLine(), 2);
    EXPECT_TRUE(editor.opened.ScrollBar && editor.opened.Lines && editor.opened.EditRow);
    EXPECT_FALSE(editor.model.ScrollEnabled());
}

TEST(GridEditorModelTest, AShortTableKeepsTheRememberedLineForTheNextOpening) {
    GridEditorState state{.CurrentLine = 6};
    {
        Editor editor(2, state);
        EXPECT_EQ(editor.Line(), 0);
        editor.model.Close();
        state = editor.state;
    }
    EXPECT_EQ(state.CurrentLine, 6);
    EXPECT_EQ(state.CurrentRow, 0);

    // Choosing a line forgets it.
    Editor editor(2, state);
    editor.model.SelectLine(1);
    editor.model.Close();
    EXPECT_EQ(editor.Line(), 1);
}

TEST(GridEditorModelTest, SelectingReloadsTheEditRowOnlyForAnotherRow) {
    Editor editor(12);
    const GridRefresh other = editor.model.SelectLine(4);
    EXPECT_TRUE(other.EditRow);
    EXPECT_TRUE(other.Marker);
    EXPECT_EQ(editor.Row(), 4);
    EXPECT_FALSE(editor.model.SelectLine(4).EditRow);
    // A line below the last row selects nothing.
    Editor shortTable(3);
    const GridRefresh none = shortTable.model.SelectLine(5);
    EXPECT_FALSE(none.Marker || none.EditRow || none.FocusFirstBox);
    EXPECT_EQ(shortTable.Row(), 0);
}

TEST(GridEditorModelTest, ScrollingAwayHidesTheMarkerAndKeepsTheRow) {
    Editor editor(30);
    editor.model.SelectLine(3);
    const GridRefresh scrolled = editor.model.ScrollTo(15);
    EXPECT_TRUE(scrolled.Lines);
    EXPECT_FALSE(scrolled.EditRow);
    EXPECT_EQ(editor.model.MarkedLine(), -1);
    EXPECT_EQ(editor.Row(), 3);
    // Scrolling back shows it again on its line, without reloading what is typed.
    EXPECT_FALSE(editor.model.ScrollTo(1).EditRow);
    EXPECT_EQ(editor.model.MarkedLine(), 2);
    EXPECT_EQ(editor.Line(), 2);
    // The range holds the top.
    editor.model.ScrollTo(99);
    EXPECT_EQ(editor.model.Top(), 20);
}

TEST(GridEditorModelTest, StoringARowOutOfSightBringsItBack) {
    Editor editor(30);
    editor.model.SelectLine(5);
    editor.model.ScrollTo(20);
    const GridRefresh stored = editor.model.Store({0, 99});
    EXPECT_EQ(editor.model.Table().Row(5)[1], 99);
    EXPECT_TRUE(stored.ScrollBar);
    EXPECT_FALSE(stored.EditRow);
    EXPECT_EQ(editor.model.Top(), 5);
    EXPECT_EQ(editor.model.MarkedLine(), 0);
    // A visible row stores in place.
    const GridRefresh inPlace = editor.model.Store({0, 98});
    EXPECT_FALSE(inPlace.ScrollBar || inPlace.FocusFirstBox);
    EXPECT_TRUE(inPlace.Lines && inPlace.Derived);
}

TEST(GridEditorModelTest, AClickUsesTheLinesAsTheyWereShown) {
    Editor editor(30);
    editor.model.SelectLine(2);
    editor.model.ScrollTo(12);
    EXPECT_TRUE(editor.model.ClickLeavesRow(4));
    editor.model.Store({0, 7});  // scrolls row 2 back into sight
    editor.model.ClickLine(4, 12);
    EXPECT_EQ(editor.model.Top(), 12);
    EXPECT_EQ(editor.Row(), 16);
    EXPECT_FALSE(editor.model.ClickLeavesRow(4));
}

TEST(GridEditorModelTest, ArrowsMoveByALineAndScrollAtTheEdges) {
    Editor editor(12);
    EXPECT_FALSE(editor.model.CanMove(GridEditorModel::Move::Up));
    for (int i = 0; i < 9; ++i) {
        editor.model.MoveTo(GridEditorModel::Move::Down);
    }
    EXPECT_EQ(editor.Line(), 9);
    EXPECT_EQ(editor.model.Top(), 0);
    const GridRefresh scrolled = editor.model.MoveTo(GridEditorModel::Move::Down);
    EXPECT_TRUE(scrolled.ScrollBar && scrolled.Lines && scrolled.EditRow);
    EXPECT_EQ(editor.model.Top(), 1);
    EXPECT_EQ(editor.Row(), 10);
    editor.model.MoveTo(GridEditorModel::Move::Down);
    EXPECT_FALSE(editor.model.CanMove(GridEditorModel::Move::Down));

    editor.model.SelectLine(0);
    editor.model.MoveTo(GridEditorModel::Move::Up);
    EXPECT_EQ(editor.model.Top(), 1);
    EXPECT_EQ(editor.Row(), 1);
    editor.model.MoveTo(GridEditorModel::Move::Up);
    EXPECT_EQ(editor.model.Top(), 0);
    EXPECT_EQ(editor.Row(), 0);
    EXPECT_EQ(editor.Line(), 0);
}

TEST(GridEditorModelTest, EnterGoesToTheNextRowAndAppendsAfterTheLast) {
    Editor editor(11);
    editor.model.SelectLine(8);
    editor.model.EnterNext(kBlank);
    EXPECT_EQ(editor.Row(), 9);
    // From the bottom line the grid scrolls and the edit row shows the next row.
    const GridRefresh scrolled = editor.model.EnterNext(kBlank);
    EXPECT_EQ(editor.model.Top(), 1);
    EXPECT_EQ(editor.Row(), 10);
    EXPECT_EQ(editor.Line(), 9);
    EXPECT_TRUE(scrolled.EditRow);
    const GridRefresh appended = editor.model.EnterNext(kBlank);
    EXPECT_EQ(editor.model.Table().RowCount(), 12);
    EXPECT_EQ(editor.Row(), 11);
    EXPECT_EQ(editor.model.Top(), 2);
    EXPECT_TRUE(appended.ScrollBar && appended.EditRow && appended.FocusFirstBox);
    EXPECT_EQ(editor.model.Table().Row(11)[0], 12);
}

TEST(GridEditorModelTest, TheCommandsAddRowsAndEndInTheEditMode) {
    Editor editor(3);
    editor.model.SelectLine(1);
    const GridRefresh inserted = editor.model.ToggleInsert();
    EXPECT_EQ(editor.model.Table().RowCount(), 4);
    EXPECT_EQ(editor.model.Table().Row(2)[1], 2);  // the copy follows the current row
    EXPECT_EQ(editor.Row(), 1);
    EXPECT_TRUE(inserted.EditRow);
    EXPECT_EQ(editor.state.EntryMode, Entry::Edit);

    editor.model.ToggleAppend(kBlank);
    EXPECT_EQ(editor.model.Table().RowCount(), 5);
    EXPECT_EQ(editor.Row(), 4);
    EXPECT_EQ(editor.state.EntryMode, Entry::Edit);
}

TEST(GridEditorModelTest, OnAFullTableTheModeStaysUntilTheCommandIsGivenAgain) {
    GridEditorState state;
    GridEditorModel model({{CellKind::RowNumber}, {CellKind::Number}}, 2, kLines, state);
    model.Open(Rows(2), kBlank);
    model.ToggleAppend(kBlank);
    EXPECT_EQ(state.EntryMode, Entry::Append);
    EXPECT_FALSE(model.EnterNext(kBlank).EditRow);
    EXPECT_EQ(model.Table().RowCount(), 2);
    model.ToggleAppend(kBlank);
    EXPECT_EQ(state.EntryMode, Entry::Edit);

    model.ToggleInsert();
    EXPECT_EQ(state.EntryMode, Entry::Insert);
    model.ToggleInsert();
    EXPECT_EQ(state.EntryMode, Entry::Edit);
}

TEST(GridEditorModelTest, DeletingKeepsTheFollowingRowCurrent) {
    Editor editor(12);
    editor.model.ScrollTo(2);
    editor.model.SelectLine(9);  // row 11, the last
    const GridRefresh deleted = editor.model.DeleteRow();
    EXPECT_EQ(editor.model.Table().RowCount(), 11);
    EXPECT_EQ(editor.model.Top(), 1);
    EXPECT_EQ(editor.Row(), 10);
    EXPECT_EQ(editor.model.MarkedLine(), 9);
    EXPECT_TRUE(deleted.EditRow && deleted.Derived && deleted.ScrollBar);

    editor.model.SelectLine(3);  // row 4
    editor.model.DeleteRow();
    EXPECT_EQ(editor.Row(), 4);
    EXPECT_EQ(editor.model.Table().Row(4)[1], 6);
}

TEST(GridEditorModelTest, DeletingTheLastRowLeavesAnEmptyTable) {
    Editor editor(1);
    const GridRefresh deleted = editor.model.DeleteRow();
    EXPECT_EQ(editor.model.Table().LastRow(), -1);
    EXPECT_EQ(editor.model.MarkedLine(), -1);
    EXPECT_TRUE(deleted.Lines && deleted.EditRow);
    EXPECT_FALSE(deleted.FocusFirstBox);
    // "追加" on the empty table starts it again.
    const GridRefresh appended = editor.model.ToggleAppend(kBlank);
    EXPECT_EQ(editor.model.Table().RowCount(), 1);
    EXPECT_EQ(editor.model.MarkedLine(), 0);
    EXPECT_TRUE(appended.EditRow);  // the same index as the deleted row, a new row
}

}  // namespace
}  // namespace fljudge
