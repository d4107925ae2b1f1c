#pragma once

#include <QColor>
#include <QDialog>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "editors/grid_editor_model.h"
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
// "設定". The rows, the cursor and their rules are the GridEditorModel's; this
// class draws them onto the controls and turns keys and clicks into its
// operations. A derived editor supplies its columns and new row (GridLayout)
// and the few steps that differ: reading and writing the project, the
// edit-row controls beyond the boxes and labels built here, and where Enter
// goes from a box.
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
    // Writes the work table (Table().Rows()) and the editor's other fields
    // back to the project; false refuses (the window stays open).
    virtual bool WriteProject() = 0;
    // Enter in box `box`: moves the focus to the next control of the row and
    // returns true, or returns false on the last box of the row. This version
    // goes to the next box.
    virtual bool FocusNextOnEnter(int box);
    virtual void PutInitialFocus() { FocusBox(0); }

    // Fields of the project outside the table, filled when the window opens.
    virtual void LoadProjectFields() {}
    // Loads the edit row with `row` as the grid shows it; this version loads
    // No, the text boxes and the labels of derived columns.
    virtual void LoadEditRow(const WorkRow& row);
    // The row the edit row stands for, after validation; this version takes No,
    // the text boxes and the derived labels, over the current contents of the row.
    virtual WorkRow ReadEditRow();
    // Blanks the edit-row controls beyond those this class builds.
    virtual void ClearEditControls() {}
    // Box `box` lost the focus and was reformatted.
    virtual void AfterBoxLeft(int box) { (void)box; }

    const GridTable& Table() const { return model_.Table(); }
    int CurrentRow() const { return model_.State().CurrentRow; }
    // The grid text of a cell.
    QString CellText(int column, const WorkRow& row) const;
    // Puts the focus into the box and selects its text.
    void FocusBox(int box);
    // Where the controls of column `column` go at height `top`.
    QRect CellRect(int column, int top, int height) const;
    // A sunken label in the edit row, in the place of column `column`.
    QLabel* NewEditRowLabel(const QString& name, int column);
    int HeadingTop() const { return headingTop_; }
    int EditRowTop() const { return editTop_; }
    int LineHeight() const { return lineHeight_; }
    int Unit() const { return unit_; }
    // Parent of every control below the menu bar.
    QWidget* Body() const { return body_; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

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
    // Shows in the derived labels what the text of box `box` gives, while it
    // is still being typed.
    void ShowTypedDerived(int box);
    void ShowDerived();
    // Draws what an operation of the model changed.
    void Apply(const GridRefresh& refresh);
    void DrawLines();
    void DrawMarker();
    void ClearEditRow();
    void ClickLine(int line);
    void UpdateEditState();
    bool ConfirmRow();
    bool EditRowDiffers();
    bool HoldsValidValue(int box) const;

    void OnAdd();
    void OnInsert();
    void OnDelete();
    void OnSet();
    void OnStop();
    bool HandleBoxKey(int box, QKeyEvent* event);
    void MoveInGrid(GridEditorModel::Move move, int box);
    void EnterOnLastBox();
    void FocusAfterMove(int box);
    int GridLineOf(const QObject* watched) const;

    void ShowWaitPointer();
    void RestorePointer();

    GridLayout layout_;
    std::vector<EditBox> boxes_;
    // The labels of the edit row that show derived columns, by column.
    std::vector<std::pair<int, QLabel*>> derivedLabels_;
    GridEditorModel model_;
    QWidget* body_ = nullptr;
    bool opened_ = false;
    std::optional<WaitCursor> waiting_;
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
