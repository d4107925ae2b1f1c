#include "editors/grid_editor.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "widgets/message_boxes.h"
#include "widgets/number_keys.h"
#include "widgets/number_texts.h"
#include "widgets/select_all_text.h"

namespace fljudge {
namespace {

const QColor kCurrentLineColour(192, 255, 255);

void SetBackground(QWidget* widget, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), colour);
    widget->setPalette(palette);
}

void SetBoxBackground(QLineEdit* box, QColor colour) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, colour);
    box->setPalette(palette);
}

QLabel* NewCell(QWidget* parent, Qt::Alignment align) {
    auto* cell = new QLabel(parent);
    cell->setFrameShape(QFrame::Box);
    cell->setAlignment(align);
    cell->setMargin(2);
    cell->setAutoFillBackground(true);
    return cell;
}

// Repaints (the wait pointer, the grid) while a row is stored. Keys typed
// meanwhile wait for the end of the operation, so that they land in the row
// that is current then, in the order they were typed.
void LetWindowEventsRun() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

std::vector<EditBox> EditBoxesOf(const std::vector<WorkColumn>& columns) {
    std::vector<EditBox> boxes;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const CellKind kind = columns[c].Cell.Kind;
        if (kind == CellKind::Number || kind == CellKind::Whole) {
            boxes.push_back({static_cast<int>(c), kind == CellKind::Number ? 3 : 0});
        }
    }
    return boxes;
}

std::vector<TableColumn> CellsOf(const GridLayout& layout) {
    std::vector<TableColumn> cells;
    for (const WorkColumn& column : layout.Columns) {
        cells.push_back(column.Cell);
    }
    return cells;
}

}  // namespace

GridEditor::GridEditor(const GridLayout& editorLayout, GridEditorState& state, QWidget* parent)
    : QDialog(parent),
      layout_(editorLayout),
      boxes_(EditBoxesOf(editorLayout.Columns)),
      model_(CellsOf(editorLayout), editorLayout.MaxRows, kLines, state) {
    setWindowTitle(layout_.Caption);
    buttonFace_ = palette().color(QPalette::Button);

    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    body_ = new QWidget(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(body_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    mnuAdd = AddMenuCommand(QStringLiteral("追加"), "mnuAdd", &GridEditor::OnAdd);
    mnuIns = AddMenuCommand(QStringLiteral("挿入"), "mnuIns", &GridEditor::OnInsert);
    mnuDel = AddMenuCommand(QStringLiteral("削除"), "mnuDel", &GridEditor::OnDelete);
    mnuSet = AddMenuCommand(QStringLiteral("設定"), "mnuSet", &GridEditor::OnSet);
    mnuStop = AddMenuCommand(QStringLiteral("中止"), "mnuStop", &GridEditor::OnStop);

    LayOut();
    BuildHeadings();
    BuildEditRow();
    BuildGrid();
}

GridEditor::~GridEditor() {
    RestorePointer();
}

QAction* GridEditor::AddMenuCommand(const QString& text, const char* name,
                                    void (GridEditor::*command)()) {
    auto* menuBar = findChild<QMenuBar*>(QStringLiteral("menuBar"));
    QAction* action = menuBar->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, command);
    return action;
}

// Sizes follow the dialog font: a full-width character is the unit of width.
void GridEditor::LayOut() {
    const QFontMetrics metrics(font());
    unit_ = std::max(metrics.horizontalAdvance(QStringLiteral("計")), 8);
    lineHeight_ = metrics.height() + 8;
    margin_ = unit_ / 2 + 4;
    markerWidth_ = static_cast<int>(std::lround(1.5 * unit_));

    const auto count = layout_.Columns.size();
    columnX_.assign(count, 0);
    columnWidth_.assign(count, 0);
    // Cells overlap by their one-pixel border.
    int x = margin_ + markerWidth_ - 1;
    for (std::size_t c = 0; c < count; ++c) {
        if (layout_.Columns[c].Under < 0) {
            columnX_[c] = x;
            columnWidth_[c] = static_cast<int>(std::lround(layout_.Columns[c].Width * unit_));
            x += columnWidth_[c] - 1;
        }
    }
    for (std::size_t c = 0; c < count; ++c) {
        if (layout_.Columns[c].Under >= 0) {
            columnX_[c] = columnX_[static_cast<std::size_t>(layout_.Columns[c].Under)];
            columnWidth_[c] = unit_ / 2;
        }
    }
    gridRight_ = x + 1;
    headingTop_ = margin_ / 2 + static_cast<int>(std::lround(layout_.TopRows * lineHeight_));
    editTop_ = headingTop_ + static_cast<int>(std::lround(layout_.HeadingRows * lineHeight_)) + 4;
    gridTop_ = editTop_ + lineHeight_ + 8;

    const int scrollWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int right = std::max(gridRight_ + scrollWidth, gridRight_ + 6 + 4 * unit_);
    body_->setFixedSize(right + margin_, gridTop_ + kLines * (lineHeight_ - 1) + 1 + margin_);
}

QRect GridEditor::CellRect(int column, int top, int height) const {
    const auto c = static_cast<std::size_t>(column);
    return {columnX_[c], top, columnWidth_[c], height};
}

void GridEditor::BuildHeadings() {
    const int height = static_cast<int>(std::lround(layout_.HeadingRows * lineHeight_));
    for (std::size_t c = 0; c < layout_.Columns.size(); ++c) {
        if (layout_.Columns[c].Heading.isEmpty()) {
            continue;
        }
        QLabel* heading = NewCell(body_, Qt::AlignCenter);
        heading->setText(layout_.Columns[c].Heading);
        heading->setWordWrap(true);
        heading->setGeometry(CellRect(static_cast<int>(c), headingTop_, height));
    }
}

void GridEditor::BuildEditRow() {
    No = new QLabel(body_);
    No->setObjectName(QStringLiteral("No"));
    No->setFrameShape(QFrame::Panel);
    No->setFrameShadow(QFrame::Sunken);
    No->setAlignment(Qt::AlignCenter);
    No->setGeometry(CellRect(0, editTop_, lineHeight_));

    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        auto* box = new QLineEdit(body_);
        box->setObjectName(QStringLiteral("IN_%1").arg(i));
        box->setAlignment(Qt::AlignRight);
        // Numbers only: the input method would type full-width digits.
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
        box->setGeometry(CellRect(boxes_[i].Column, editTop_, lineHeight_));
        box->installEventFilter(this);
        SelectAllTextOnFocus(box);
        IN.push_back(box);
    }

    for (std::size_t c = 0; c < layout_.Columns.size(); ++c) {
        if (!layout_.Columns[c].EditLabel.isEmpty()) {
            const int column = static_cast<int>(c);
            derivedLabels_.emplace_back(column,
                                        NewEditRowLabel(layout_.Columns[c].EditLabel, column));
        }
    }

    CMD_Set = new QPushButton(QStringLiteral("確定"), body_);
    CMD_Set->setObjectName(QStringLiteral("CMD_Set"));
    CMD_Set->setAutoDefault(false);
    CMD_Set->setGeometry(gridRight_ + 6, editTop_, 4 * unit_, lineHeight_);
    connect(CMD_Set, &QPushButton::clicked, this, [this] { ConfirmRow(); });
}

QLabel* GridEditor::NewEditRowLabel(const QString& name, int column) {
    auto* label = new QLabel(body_);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMargin(2);
    label->setGeometry(CellRect(column, editTop_, lineHeight_));
    return label;
}

void GridEditor::BuildGrid() {
    LBL_Grid.resize(layout_.Columns.size());
    for (int k = 0; k < kLines; ++k) {
        const int top = gridTop_ + k * (lineHeight_ - 1);
        const auto line = static_cast<std::size_t>(k);
        COL[line] = NewCell(body_, Qt::AlignCenter);
        COL[line]->setObjectName(QStringLiteral("COL_%1").arg(k));
        COL[line]->setGeometry(margin_, top, markerWidth_, lineHeight_);
        COL[line]->installEventFilter(this);
        for (std::size_t c = 0; c < layout_.Columns.size(); ++c) {
            const WorkColumn& column = layout_.Columns[c];
            QLabel* cell = NewCell(body_, column.Align);
            cell->setObjectName(QStringLiteral("LBL_Grid%1_%2").arg(c).arg(k));
            cell->setGeometry(CellRect(static_cast<int>(c), top, lineHeight_));
            LBL_Grid[c][line] = cell;
        }
        // Hidden cells go beneath their neighbour and take no clicks.
        for (std::size_t c = 0; c < layout_.Columns.size(); ++c) {
            if (layout_.Columns[c].Under >= 0) {
                LBL_Grid[c][line]->lower();
            } else {
                LBL_Grid[c][line]->installEventFilter(this);
            }
        }
    }

    VSB_Grid = new QScrollBar(Qt::Vertical, body_);
    VSB_Grid->setObjectName(QStringLiteral("VSB_Grid"));
    VSB_Grid->setGeometry(gridRight_, gridTop_, style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                          kLines * (lineHeight_ - 1) + 1);
    VSB_Grid->setRange(0, 0);
    VSB_Grid->setSingleStep(1);
    VSB_Grid->setPageStep(kLines);
    VSB_Grid->setEnabled(false);
    connect(VSB_Grid, &QScrollBar::valueChanged, this,
            [this](int top) { Apply(model_.ScrollTo(top)); });
}

// --- Opening and closing ---

void GridEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!opened_) {
        opened_ = true;
        Open();
    }
}

// Runs while the window is being shown, before it is first painted, so the
// user never sees it empty. Window events are not let run here: a size the
// window system reports for the not yet resized window would replace the
// dialog's fixed size.
void GridEditor::Open() {
    ClearEditRow();
    LoadProjectFields();
    Apply(model_.Open(ReadProject(), layout_.Blank));
    PutInitialFocus();
}

void GridEditor::done(int result) {
    model_.Close();
    RestorePointer();
    QDialog::done(result);
}

// Escape would close the dialog and drop every edit; Enter on the confirm
// button presses it.
void GridEditor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        return;
    }
    if (IsEnterKey(*event)) {
        if (focusWidget() == CMD_Set && CMD_Set->isEnabled()) {
            CMD_Set->click();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

// --- Drawing the model ---

void GridEditor::Apply(const GridRefresh& refresh) {
    if (refresh.ScrollBar) {
        const QSignalBlocker scrollBlocker(VSB_Grid);
        VSB_Grid->setEnabled(model_.ScrollEnabled());
        VSB_Grid->setMaximum(model_.ScrollMaximum());
        VSB_Grid->setValue(model_.Top());
    }
    if (refresh.Lines) {
        DrawLines();
    }
    if (refresh.Lines || refresh.Marker) {
        DrawMarker();
    }
    if (refresh.EditRow) {
        if (Table().LastRow() >= 0) {
            LoadEditRow(Table().Row(CurrentRow()));
        } else {
            ClearEditRow();
        }
    }
    if (refresh.Derived) {
        ShowDerived();
    }
    UpdateEditState();
    if (refresh.FocusFirstBox) {
        FocusBox(0);
    }
}

void GridEditor::DrawLines() {
    const int top = model_.Top();
    for (int k = 0; k < kLines; ++k) {
        const int row = top + k;
        for (std::size_t c = 0; c < layout_.Columns.size(); ++c) {
            LBL_Grid[c][static_cast<std::size_t>(k)]->setText(
                row <= Table().LastRow() ? CellText(static_cast<int>(c), Table().Row(row))
                                         : QString());
        }
    }
}

void GridEditor::DrawMarker() {
    const int marked = model_.MarkedLine();
    for (int k = 0; k < kLines; ++k) {
        const bool current = k == marked;
        const QColor colour = current ? kCurrentLineColour : buttonFace_;
        const auto line = static_cast<std::size_t>(k);
        COL[line]->setText(current ? QStringLiteral("→") : QString());
        SetBackground(COL[line], colour);
        for (auto& column : LBL_Grid) {
            SetBackground(column[line], colour);
        }
    }
}

void GridEditor::ClearEditRow() {
    No->clear();
    for (QLineEdit* box : IN) {
        box->clear();
    }
    for (const auto& [column, label] : derivedLabels_) {
        label->clear();
    }
    ClearEditControls();
}

void GridEditor::LoadEditRow(const WorkRow& row) {
    No->setText(CellText(0, row));
    for (std::size_t i = 0; i < IN.size(); ++i) {
        IN[i]->setText(CellText(boxes_[i].Column, row));
    }
    for (const auto& [column, label] : derivedLabels_) {
        label->setText(CellText(column, row));
    }
}

// Derived values follow the rows they come from (the model derives them), so
// that the saved and printed columns agree with them.
void GridEditor::ShowDerived() {
    if (CurrentRow() > Table().LastRow()) {
        return;
    }
    for (const auto& [column, label] : derivedLabels_) {
        label->setText(CellText(column, Table().Row(CurrentRow())));
    }
}

// The derived value is computed again for every row once the row is stored.
void GridEditor::ShowTypedDerived(int box) {
    const QString text = IN[static_cast<std::size_t>(box)]->text();
    if (!HoldsNumber(text)) {
        return;
    }
    for (const auto& [column, label] : derivedLabels_) {
        const WorkColumn& derived = layout_.Columns[static_cast<std::size_t>(column)];
        if (derived.Cell.Source == boxes_[static_cast<std::size_t>(box)].Column) {
            label->setText(
                derived.Text(Table().DerivedValue(column, CurrentRow(), LeadingValue(text))));
        }
    }
}

QString GridEditor::CellText(int column, const WorkRow& row) const {
    const auto c = static_cast<std::size_t>(column);
    return layout_.Columns[c].Text(row[c]);
}

void GridEditor::UpdateEditState() {
    const bool rows = Table().LastRow() >= 0;
    CMD_Set->setEnabled(rows);
    // Midlight is the 3-D light colour of the system; Light is the highlight (white).
    const QColor colour = palette().color(rows ? QPalette::Base : QPalette::Midlight);
    for (QLineEdit* box : IN) {
        box->setEnabled(rows);
        SetBoxBackground(box, colour);
    }
}

void GridEditor::FocusBox(int box) {
    QLineEdit* field = IN[static_cast<std::size_t>(box)];
    field->setFocus(Qt::OtherFocusReason);
    SelectAllText(field);
}

// A click on another line first stores what was typed in the edit row, as Up
// and Down do, so that it is not lost; a row that fails the checks keeps the
// focus in the box at fault and the click goes no further.
void GridEditor::ClickLine(int line) {
    const int top = model_.Top();
    if (model_.ClickLeavesRow(line) && EditRowDiffers() && !ConfirmRow()) {
        return;
    }
    Apply(model_.ClickLine(line, top));
}

// --- Confirming the edit row ---

// Whether storing the edit row would change the current row: a box that holds
// no valid value, or a field whose grid text would differ from the row's.
bool GridEditor::EditRowDiffers() {
    for (int i = 0; i < static_cast<int>(IN.size()); ++i) {
        if (!HoldsValidValue(i)) {
            return true;
        }
    }
    const WorkRow typed = ReadEditRow();
    const WorkRow& stored = Table().Row(CurrentRow());
    for (std::size_t c = 0; c < layout_.Columns.size(); ++c) {
        if (layout_.Columns[c].Text(typed[c]) != layout_.Columns[c].Text(stored[c])) {
            return true;
        }
    }
    return false;
}

bool GridEditor::HoldsValidValue(int box) const {
    const QString text = IN[static_cast<std::size_t>(box)]->text();
    if (!HoldsNumber(text)) {
        return false;
    }
    // Whole-number boxes are stored as 16-bit integers.
    return boxes_[static_cast<std::size_t>(box)].Decimals > 0 ||
           ToInt16HalfEven(LeadingValue(text)).has_value();
}

// Every box is checked before anything is stored, so that a value that cannot
// be stored is reported like any other input error and nothing typed is lost.
bool GridEditor::ConfirmRow() {
    for (int i = 0; i < static_cast<int>(IN.size()); ++i) {
        if (!HoldsValidValue(i)) {
            ShowInputError(this);
            FocusBox(i);
            return false;
        }
    }
    ShowWaitPointer();
    LetWindowEventsRun();
    Apply(model_.Store(ReadEditRow()));
    LetWindowEventsRun();
    RestorePointer();
    return true;
}

GridEditor::WorkRow GridEditor::ReadEditRow() {
    WorkRow row = Table().Row(CurrentRow());
    row[0] = CurrentRow() + 1;
    for (std::size_t i = 0; i < IN.size(); ++i) {
        double value = LeadingValue(IN[i]->text());
        if (boxes_[i].Decimals == 0) {
            value = ToInt16HalfEven(value).value_or(0);
        }
        row[static_cast<std::size_t>(boxes_[i].Column)] = value;
    }
    for (const auto& [column, label] : derivedLabels_) {
        row[static_cast<std::size_t>(column)] = LeadingValue(label->text());
    }
    return row;
}

// --- The menu commands ---

void GridEditor::OnAdd() {
    if (Table().LastRow() >= 0 && !ConfirmRow()) {
        return;
    }
    Apply(model_.ToggleAppend(layout_.Blank));
}

void GridEditor::OnInsert() {
    // An empty table has no row to insert before.
    if (Table().LastRow() < 0 || !ConfirmRow()) {
        return;
    }
    Apply(model_.ToggleInsert());
}

void GridEditor::OnDelete() {
    if (Table().LastRow() < 0) {
        return;
    }
    bool confirmed = false;
    {
        const QSignalBlocker scrollBlocker(VSB_Grid);
        confirmed = ConfirmRowDeletion(this);
    }
    if (!confirmed) {
        return;
    }
    Apply(model_.DeleteRow());
    RestorePointer();
}

// The edit row is confirmed first, so that what was typed in it is kept.
void GridEditor::OnSet() {
    if (Table().LastRow() >= 0 && !ConfirmRow()) {
        return;
    }
    if (!WriteProject()) {
        return;
    }
    accept();
}

void GridEditor::OnStop() {
    reject();
}

// --- Keys and clicks ---

bool GridEditor::eventFilter(QObject* watched, QEvent* event) {
    const auto box = std::find(IN.begin(), IN.end(), watched);
    if (box != IN.end()) {
        const int index = static_cast<int>(box - IN.begin());
        switch (event->type()) {
            case QEvent::KeyPress:
                return HandleBoxKey(index, static_cast<QKeyEvent*>(event));
            case QEvent::FocusOut: {
                // Only a move to another control of this window counts: a
                // message box or a menu leaves the text as typed.
                const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
                if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                    const int decimals = boxes_[static_cast<std::size_t>(index)].Decimals;
                    (*box)->setText(FixedText(LeadingValue((*box)->text()), decimals));
                    AfterBoxLeft(index);
                }
                break;
            }
            default:
                break;
        }
        return false;
    }

    const int line = GridLineOf(watched);
    if (line >= 0) {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            ClickLine(line);
            return true;
        }
        if (event->type() == QEvent::Wheel && VSB_Grid->isEnabled()) {
            QCoreApplication::sendEvent(VSB_Grid, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

int GridEditor::GridLineOf(const QObject* watched) const {
    for (int k = 0; k < kLines; ++k) {
        const auto line = static_cast<std::size_t>(k);
        if (COL[line] == watched) {
            return k;
        }
        for (std::size_t c = 0; c < LBL_Grid.size(); ++c) {
            if (LBL_Grid[c][line] == watched && layout_.Columns[c].Under < 0) {
                return k;
            }
        }
    }
    return -1;
}

bool GridEditor::HandleBoxKey(int box, QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
            MoveInGrid(GridEditorModel::Move::Up, box);
            return true;
        case Qt::Key_Down:
            MoveInGrid(GridEditorModel::Move::Down, box);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            ShowTypedDerived(box);
            if (!FocusNextOnEnter(box)) {
                EnterOnLastBox();
            }
            return true;
        case Qt::Key_Backspace:
            return false;
        default:
            return !NumberBoxTakes(*event, boxes_[static_cast<std::size_t>(box)].Decimals > 0);
    }
}

// A failed confirmation keeps the row, so the user can mend what the message
// pointed at.
void GridEditor::MoveInGrid(GridEditorModel::Move move, int box) {
    if (!model_.CanMove(move)) {
        return;
    }
    ShowTypedDerived(box);
    if (!ConfirmRow()) {
        return;
    }
    Apply(model_.MoveTo(move));
    FocusAfterMove(box);
}

bool GridEditor::FocusNextOnEnter(int box) {
    if (box + 1 < static_cast<int>(IN.size())) {
        FocusBox(box + 1);
        return true;
    }
    return false;
}

// The box of the same index, or the nearest usable one before it.
void GridEditor::FocusAfterMove(int box) {
    for (int i = box; i >= 0; --i) {
        const QLineEdit* field = IN[static_cast<std::size_t>(i)];
        if (field->isEnabled() && !field->isHidden()) {
            FocusBox(i);
            return;
        }
    }
}

void GridEditor::EnterOnLastBox() {
    if (!ConfirmRow()) {
        return;
    }
    Apply(model_.EnterNext(layout_.Blank));
}

void GridEditor::ShowWaitPointer() {
    if (!waiting_) {
        waiting_.emplace();
    }
}

void GridEditor::RestorePointer() {
    waiting_.reset();
}

}  // namespace fljudge
