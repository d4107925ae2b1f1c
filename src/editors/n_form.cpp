#include "editors/n_form.h"

#include "editors/record_rows.h"
#include "widgets/number_texts.h"

namespace fljudge {
namespace {

// A column of the N-value table: how the grid shows it and where an N-value
// point keeps it.
struct PointColumn {
    WorkColumn Shown;
    RecordField<NValuePoint> Kept;
};

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
    std::vector<RecordField<NValuePoint>> fields;
    for (const PointColumn& column : PointColumns()) {
        fields.push_back(column.Kept);
    }
    return fields;
}

GridLayout NFormLayout() {
    GridLayout layout;
    layout.Caption = QStringLiteral("N値情報");
    for (const PointColumn& column : PointColumns()) {
        layout.Columns.push_back(column.Shown);
    }
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
