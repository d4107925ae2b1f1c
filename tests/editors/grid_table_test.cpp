#include "editors/grid_table.h"

#include <gtest/gtest.h>

#include <vector>

namespace fljudge {
namespace {

// No, depth, thickness (the depth less the depth above), a code.
constexpr int kDepth = 1;
constexpr int kThickness = 2;

GridTable LayerTable(int capacity = 30) {
    return GridTable({{CellKind::RowNumber},
                      {CellKind::Number},
                      {CellKind::Difference, kDepth},
                      {CellKind::Code}},
                     capacity);
}

const GridRow kBlank = {0, 0, 0, 1};

std::vector<double> Column(const GridTable& table, int column) {
    std::vector<double> values;
    for (const GridRow& row : table.Rows()) {
        values.push_back(row[static_cast<std::size_t>(column)]);
    }
    return values;
}

TEST(GridTableTest, AnEmptyTableLoadsOneNumberedBlankRow) {
    GridTable table = LayerTable();
    table.Load({}, kBlank);
    ASSERT_EQ(table.LastRow(), 0);
    EXPECT_EQ(table.Row(0), (GridRow{1, 0, 0, 1}));
}

TEST(GridTableTest, LoadingNumbersTheRowsAndKeepsTheirDerivedValues) {
    GridTable table = LayerTable();
    table.Load({{0, 2, 9, 1}, {0, 5, 9, 2}}, kBlank);
    EXPECT_EQ(table.LastRow(), 1);
    EXPECT_EQ(Column(table, 0), (std::vector<double>{1, 2}));
    EXPECT_EQ(Column(table, kThickness), (std::vector<double>{9, 9}));
}

TEST(GridTableTest, StoringARowDerivesEveryThickness) {
    GridTable table = LayerTable();
    table.Load({{1, 2, 9, 1}, {2, 5, 9, 2}, {3, 6.5, 9, 1}}, kBlank);
    table.Store(1, {0, 4, 0, 3});
    EXPECT_EQ(table.Row(1), (GridRow{2, 4, 2, 3}));
    EXPECT_EQ(Column(table, kThickness), (std::vector<double>{2, 2, 2.5}));
}

TEST(GridTableTest, InsertingCopiesTheRowAndMovesTheRestDown) {
    GridTable table = LayerTable();
    table.Load({{1, 2, 2, 1}, {2, 5, 3, 2}, {3, 6, 1, 3}}, kBlank);
    ASSERT_TRUE(table.InsertCopy(1));
    EXPECT_EQ(Column(table, 0), (std::vector<double>{1, 2, 3, 4}));
    EXPECT_EQ(Column(table, kDepth), (std::vector<double>{2, 5, 5, 6}));
    EXPECT_EQ(Column(table, kThickness), (std::vector<double>{2, 3, 0, 1}));
    EXPECT_EQ(Column(table, 3), (std::vector<double>{1, 2, 2, 3}));
}

TEST(GridTableTest, DeletingRenumbersAndDerivesAgain) {
    GridTable table = LayerTable();
    table.Load({{1, 2, 2, 1}, {2, 5, 3, 2}, {3, 6, 1, 3}}, kBlank);
    table.Delete(1);
    EXPECT_EQ(Column(table, 0), (std::vector<double>{1, 2}));
    EXPECT_EQ(Column(table, kThickness), (std::vector<double>{2, 4}));
    table.Delete(1);
    table.Delete(0);
    EXPECT_EQ(table.LastRow(), -1);
}

TEST(GridTableTest, AppendingAddsTheBlankRowAsItIs) {
    GridTable table = LayerTable();
    table.Load({{1, 2, 2, 1}}, kBlank);
    ASSERT_TRUE(table.Append(kBlank));
    EXPECT_EQ(table.Row(1), (GridRow{2, 0, 0, 1}));
}

TEST(GridTableTest, AFullTableRefusesNewRows) {
    GridTable table = LayerTable(2);
    table.Load({{1, 2, 2, 1}}, kBlank);
    EXPECT_FALSE(table.Full());
    ASSERT_TRUE(table.Append(kBlank));
    EXPECT_TRUE(table.Full());
    EXPECT_FALSE(table.Append(kBlank));
    EXPECT_FALSE(table.InsertCopy(0));
    EXPECT_EQ(table.RowCount(), 2);
}

TEST(GridTableTest, TheDerivedValueOfARowBeingTyped) {
    GridTable table = LayerTable();
    table.Load({{1, 2, 2, 1}, {2, 5, 3, 2}}, kBlank);
    EXPECT_DOUBLE_EQ(table.DerivedValue(kThickness, 0, 1.5), 1.5);
    EXPECT_DOUBLE_EQ(table.DerivedValue(kThickness, 1, 7.25), 5.25);
}

TEST(GridTableTest, ScrollMaximumOfTenLines) {
    EXPECT_EQ(GridTable::ScrollMaximum(-1, 10), 0);
    EXPECT_EQ(GridTable::ScrollMaximum(9, 10), 0);
    EXPECT_EQ(GridTable::ScrollMaximum(10, 10), 1);
    EXPECT_EQ(GridTable::ScrollMaximum(29, 10), 20);
}

TEST(GridTableTest, PlacingARowScrollsAsLittleAsTheGridAllows) {
    struct Case {
        int Row;
        int LastRow;
        int Top;
        int Line;
    };
    const Case cases[] = {
        {4, 9, 0, 4},     // everything shown: no scrolling
        {3, 29, 3, 0},    // on the top line
        {20, 29, 20, 0},  // the last top the grid allows
        {25, 29, 20, 5},  // near the end: the last row on the bottom line
        {29, 29, 20, 9},
    };
    for (const Case& c : cases) {
        const GridPlacement place = GridTable::Place(c.Row, c.LastRow, 10);
        EXPECT_EQ(place.Top, c.Top) << "row " << c.Row << " of " << c.LastRow + 1;
        EXPECT_EQ(place.Line, c.Line) << "row " << c.Row << " of " << c.LastRow + 1;
    }
}

}  // namespace
}  // namespace fljudge
