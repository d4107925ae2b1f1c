#pragma once

#include <cstdint>
#include <variant>
#include <vector>

#include "editors/grid_table.h"
#include "project/number_text.h"
#include "project/one_based.h"

namespace fljudge {

// Where a project record keeps one column of a grid table: nowhere (the row
// number, which the table keeps), a number, or a 16-bit code or whole number.
template <class Record>
using RecordField = std::variant<std::monostate, double Record::*, std::int16_t Record::*>;

template <class Record>
GridRow RowOfRecord(const Record& record, const std::vector<RecordField<Record>>& fields) {
    GridRow row;
    row.reserve(fields.size());
    for (const RecordField<Record>& field : fields) {
        if (const auto* number = std::get_if<double Record::*>(&field)) {
            row.push_back(record.**number);
        } else if (const auto* whole = std::get_if<std::int16_t Record::*>(&field)) {
            row.push_back(static_cast<double>(record.**whole));
        } else {
            row.push_back(0);
        }
    }
    return row;
}

// A cell kept as a 16-bit number is rounded half to even; one outside the
// range is kept as 0.
template <class Record>
void StoreInRecord(const GridRow& row, const std::vector<RecordField<Record>>& fields,
                   Record& record) {
    for (std::size_t c = 0; c < fields.size(); ++c) {
        if (const auto* number = std::get_if<double Record::*>(&fields[c])) {
            record.** number = row[c];
        } else if (const auto* whole = std::get_if<std::int16_t Record::*>(&fields[c])) {
            record.** whole = ToInt16HalfEven(row[c]).value_or(0);
        }
    }
}

// The first `count` records as the rows of a grid table.
template <class Record, int N>
std::vector<GridRow> RowsOfRecords(const OneBased<Record, N>& records, int count,
                                   const std::vector<RecordField<Record>>& fields) {
    std::vector<GridRow> rows;
    for (int i = 1; i <= count; ++i) {
        rows.push_back(RowOfRecord(records[i], fields));
    }
    return rows;
}

// Stores the rows as the first records and sets the count; the records
// beyond keep what they hold.
template <class Record, int N>
void StoreRecords(const std::vector<GridRow>& rows, const std::vector<RecordField<Record>>& fields,
                  OneBased<Record, N>& records, std::int16_t& count) {
    count = static_cast<std::int16_t>(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        StoreInRecord(rows[i], fields, records[static_cast<int>(i) + 1]);
    }
}

}  // namespace fljudge
