#pragma once

#include <QString>
#include <Qt>
#include <vector>

#include "editors/grid_table.h"
#include "editors/record_rows.h"

namespace fljudge {

// One column of the work table. Column c is shown on the grid by the label
// array LBL_Grid<c>; column 0 holds the 1-based row number. Every number and
// whole-number column is edited by a box of the edit row's array IN, in
// column order; a derived column may be shown there by a label.
struct WorkColumn {
    double Width = 0;                         // in full-width characters
    QString (*Text)(double value) = nullptr;  // the grid text of a cell
    Qt::Alignment Align = Qt::AlignCenter;
    QString Heading{};    // plain heading over the column; empty when the editor draws its own
    int Under = -1;       // >= 0: a narrow cell hidden beneath that column, kept but not shown
    TableColumn Cell{};   // what the work table keeps in it
    QString EditLabel{};  // a derived column: the name of its label in the edit row, if shown
};

// A work-table column and the member of a project record that keeps it: an
// editor's columns are a list of these, so that a column is stated once.
template <class Record>
struct RecordColumn {
    WorkColumn Shown;
    RecordField<Record> Kept;
};

template <class Record>
std::vector<WorkColumn> ShownColumns(const std::vector<RecordColumn<Record>>& columns) {
    std::vector<WorkColumn> shown;
    for (const RecordColumn<Record>& column : columns) {
        shown.push_back(column.Shown);
    }
    return shown;
}

template <class Record>
std::vector<RecordField<Record>> KeptFields(const std::vector<RecordColumn<Record>>& columns) {
    std::vector<RecordField<Record>> kept;
    for (const RecordColumn<Record>& column : columns) {
        kept.push_back(column.Kept);
    }
    return kept;
}

// One box of the edit-row text-box array IN.
struct EditBox {
    int Column = 0;    // the work-table column it edits
    int Decimals = 3;  // 3: "0.000", takes "."; 0: "0", digits only, a 16-bit whole number
};

// What distinguishes one grid editor from another.
struct GridLayout {
    QString Caption;
    std::vector<WorkColumn> Columns;
    GridRow Blank;  // a new row (the table numbers it)
    int MaxRows = 0;
    double TopRows = 0;      // height (in grid lines) kept free above the headings
    double HeadingRows = 1;  // height (in grid lines) of the heading band
};

}  // namespace fljudge
