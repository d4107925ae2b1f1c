#include "editors/n_form.h"

#include "widgets/number_texts.h"

namespace fljudge {
namespace {

using PointColumn = RecordColumn<NValuePoint>;

std::vector<PointColumn> PointColumns() {
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    return {
        {{.Width = 2.5,
          .Text = WholeText,
          .Heading = QStringLiteral("No"),
          .Cell = {CellKind::RowNumber}},
         {}},
        {{.Width = 5.0,
          .Text = Fixed3Text,
          .Align = right,
          .Heading = QStringLiteral("深度"),
          .Cell = {CellKind::Number}},
         &NValuePoint::Depth},
        {{.Width = 4.0,
          .Text = WholeText,
          .Align = right,
          .Heading = QStringLiteral("Ｎ値"),
          .Cell = {CellKind::Whole}},
         &NValuePoint::N},
    };
}

std::vector<RecordField<NValuePoint>> PointFields() {
    return KeptFields(PointColumns());
}

GridLayout NFormLayout() {
    GridLayout layout;
    layout.Caption = QStringLiteral("N値情報");
    layout.Columns = ShownColumns(PointColumns());
    layout.Blank.assign(layout.Columns.size(), 0.0);
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
    return RowsOfRecords(project_.NValues, project_.NValueCount, PointFields());
}

bool NForm::WriteProject() {
    StoreRecords(Table().Rows(), PointFields(), project_.NValues, project_.NValueCount);
    return true;
}

}  // namespace fljudge
