#include "editors/n_form.h"

#include "widgets/number_texts.h"

namespace fljudge {
namespace {

constexpr int kDepthColumn = 1;
constexpr int kNColumn = 2;

GridLayout NFormLayout() {
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    GridLayout layout;
    layout.Caption = QStringLiteral("N値情報");
    layout.Columns = {
        {2.5, WholeText, Qt::AlignCenter, QStringLiteral("No"), -1, {CellKind::RowNumber}},
        {5.0, Fixed3Text, right, QStringLiteral("深度"), -1, {CellKind::Number}},
        {4.0, WholeText, right, QStringLiteral("Ｎ値"), -1, {CellKind::Whole}},
    };
    layout.Boxes = {{kDepthColumn, 3}, {kNColumn, 0}};
    layout.MaxRows = kMaxNValues;
    layout.HeadingRows = 1;
    return layout;
}

}  // namespace

NForm::NForm(ProjectData& project, const BasicInfo& /*basicInfo*/, GridEditorState& state,
             QWidget* parent)
    : GridEditor(NFormLayout(), state, parent), project_(project) {
    setObjectName(QStringLiteral("NForm"));
}

std::vector<GridEditor::WorkRow> NForm::ReadProject() const {
    std::vector<WorkRow> rows;
    for (int i = 1; i <= project_.NValueCount; ++i) {
        const NValuePoint& point = project_.NValues[i];
        rows.push_back({static_cast<double>(i), point.Depth, static_cast<double>(point.N)});
    }
    return rows;
}

GridEditor::WorkRow NForm::DefaultRow() const {
    return {0, 0, 0};
}

bool NForm::WriteProject() {
    project_.NValueCount = static_cast<std::int16_t>(table_.RowCount());
    for (int i = 0; i < table_.RowCount(); ++i) {
        const WorkRow& row = table_.Row(i);
        NValuePoint& point = project_.NValues[i + 1];
        point.Depth = row[kDepthColumn];
        point.N = ToInt16HalfEven(row[kNColumn]).value_or(0);
    }
    return true;
}

bool NForm::FocusNextOnEnter(int box) {
    if (box == 0) {
        FocusBox(1);
        return true;
    }
    return false;
}

}  // namespace fljudge
