#pragma once

#include <QColor>
#include <QDialog>
#include <array>
#include <optional>
#include <vector>

#include "editors/grid_editor_state.h"
#include "editors/grid_layout.h"
#include "editors/grid_table.h"
#include "widgets/wait_cursor.h"

class QAction;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace fljudge {

// A table edited through ten visible grid lines, a scroll bar and one edit row
// of text boxes above them, with the menu commands "追加" (append), "挿入"
// (insert), "削除" (delete), "設定" (write back and close) and "中止" (close).
// The editor works on its own copy of the table; the project changes only on
// "設定". A derived editor supplies its columns (GridLayout) and the few steps
// that differ: reading and writing the project, the default row, the edit-row
// controls beyond the text boxes and the order in which Enter moves.
class GridEditor : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kLines = 10;

    // One row of the work table, a number per column; column 0 is the 1-based
    // row number. (Rows the editor creates hold the numbers of the texts it
    // shows, so every cell can be kept as a number.)
    using WorkRow = GridRow;

    ~GridEditor() override;

    void done(int result) override;

  protected:
    GridEditor(const GridLayout& layout, GridEditorState& state, QWidget* parent);

    // The rows of the project table; the work table numbers them.
    virtual std::vector<WorkRow> ReadProject() const = 0;
    // A new row; the work table numbers it.
    virtual WorkRow DefaultRow() const = 0;
    // Writes the work table (table_.Rows()) and the editor's other fields
    // back to the project; false refuses (the window stays open).
    virtual bool WriteProject() = 0;
    // Enter in box `box`: moves the focus to the next control of the row and
    // returns true, or returns false on the last box of the row.
    virtual bool FocusNextOnEnter(int box) = 0;
    virtual void PutInitialFocus() { FocusBox(0); }

    // Fields of the project outside the table, filled when the window opens.
    virtual void LoadProjectFields() {}
    // Loads the edit row with `row` as the grid shows it; this version loads
    // No and the text boxes.
    virtual void LoadEditRow(const WorkRow& row);
    // The row the edit row stands for, after validation; this version takes No
    // and the text boxes, over the current contents of the row.
    virtual WorkRow ReadEditRow();
    // Blanks the edit-row controls beyond No and the text boxes.
    virtual void ClearEditControls() {}
    // The work table has recomputed its derived columns after a row was
    // stored, inserted or deleted; shows them beyond the grid.
    virtual void ShowDerived() {}
    // Up or Down in box `box` is about to confirm the row and move.
    virtual void BeforeArrowMove(int box) { (void)box; }
    // Box `box` lost the focus and was reformatted.
    virtual void AfterBoxLeft(int box) { (void)box; }

    // The grid text of a cell.
    QString CellText(int column, const WorkRow& row) const;
    // Puts the focus into the box and selects its text.
    void FocusBox(int box);
    // Where the controls of column `column` go at height `top`.
    QRect CellRect(int column, int top, int height) const;
    int HeadingTop() const { return headingTop_; }
    int EditRowTop() const { return editTop_; }
    int LineHeight() const { return lineHeight_; }
    int Unit() const { return unit_; }
    // Parent of every control below the menu bar.
    QWidget* Body() const { return body_; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    GridEditorState& state_;
    GridTable table_;

    // Ten grid lines: the marker cell and one label per work-table column.
    std::array<QLabel*, kLines> COL{};
    std::vector<std::array<QLabel*, kLines>> LBL_Grid;
    QScrollBar* VSB_Grid = nullptr;
    // The edit row.
    QLabel* No = nullptr;
    std::vector<QLineEdit*> IN;
    QPushButton* CMD_Set = nullptr;
    QAction* mnuAdd = nullptr;
    QAction* mnuIns = nullptr;
    QAction* mnuDel = nullptr;
    QAction* mnuSet = nullptr;
    QAction* mnuStop = nullptr;

  private:
    void LayOut();
    void BuildHeadings();
    void BuildEditRow();
    void BuildGrid();
    QAction* AddMenuCommand(const QString& text, const char* name, void (GridEditor::*command)());

    void Open();
    void ClearGrid(bool withEditRow);
    void LoadTable();
    void FillGrid();
    void FillLine(int line, const WorkRow& row);
    void SelectLine(int line);
    void ClickLine(int line);
    void HighlightLine(int line, bool current);
    void UpdateEditState();
    bool ConfirmRow();
    bool EditRowDiffers();
    bool HoldsValidValue(int box) const;
    void AppendRow();
    void InsertRow();
    void DeleteRow();
    void SetScrollRange();
    bool RowVisible(int row) const;
    void MakeCurrentRowVisible();

    void OnAdd();
    void OnInsert();
    void OnDelete();
    void OnSet();
    void OnStop();
    bool HandleBoxKey(int box, QKeyEvent* event);
    void MoveUp(int box);
    void MoveDown(int box);
    void EnterOnLastBox();
    void FocusAfterMove(int box);
    int GridLineOf(const QObject* watched) const;

    void ShowWaitPointer();
    void RestorePointer();

    GridLayout layout_;
    QWidget* body_ = nullptr;
    bool opened_ = false;
    std::optional<WaitCursor> waiting_;
    // While set, selecting a line reloads the edit row even for CurrentRow.
    bool reloadEditRow_ = false;
    // The remembered line while the table is too short to show it; -1 once
    // another line has been chosen.
    int keptLine_ = -1;
    QColor buttonFace_;

    int unit_ = 0;
    int lineHeight_ = 0;
    int margin_ = 0;
    int markerWidth_ = 0;
    std::vector<int> columnX_;
    std::vector<int> columnWidth_;
    int gridRight_ = 0;
    int headingTop_ = 0;
    int editTop_ = 0;
    int gridTop_ = 0;
};

}  // namespace fljudge
