#include "editors/record_rows.h"

#include <gtest/gtest.h>

namespace fljudge {
namespace {

struct Point {
    double Depth = 0;
    std::int16_t N = 0;
};

const std::vector<RecordField<Point>> kFields = {{}, &Point::Depth, &Point::N};

TEST(RecordRowsTest, RecordsBecomeRowsAndBack) {
    OneBased<Point, 4> points;
    points[1] = {1.5, 12};
    points[2] = {2.5, -3};
    points[3] = {9, 9};
    points[4] = {7, 7};
    const std::vector<GridRow> rows = RowsOfRecords(points, 2, kFields);
    EXPECT_EQ(rows, (std::vector<GridRow>{{0, 1.5, 12}, {0, 2.5, -3}}));

    std::int16_t count = 2;
    StoreRecords({{1, 4.25, 2.5}, {2, 5, 3.5}, {3, 6, 40000}}, kFields, points, count);
    EXPECT_EQ(count, 3);
    EXPECT_DOUBLE_EQ(points[1].Depth, 4.25);
    // 16-bit cells are rounded half to even; one out of range is kept as 0.
    EXPECT_EQ(points[1].N, 2);
    EXPECT_EQ(points[2].N, 4);
    EXPECT_EQ(points[3].N, 0);
    EXPECT_EQ(points[4].Depth, 7);  // beyond the count, as it was
}

}  // namespace
}  // namespace fljudge
