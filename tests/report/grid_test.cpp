#include "report/grid.h"

#include <gtest/gtest.h>

#include "report/recording_surface.h"

namespace fljudge {
namespace {

TEST(FormatField, PadsOnTheLeftToTheWidth) {
    EXPECT_EQ(FormatField(12.5, "0.000", 6), "12.500");
    EXPECT_EQ(FormatField(1, "0.000", 6), " 1.000");
    EXPECT_EQ(FormatField(231.25, "0.000", 8), " 231.250");
    EXPECT_EQ(FormatField(7.852, "0.000", 6), " 7.852");
    EXPECT_EQ(FormatField(5, "0", 2), " 5");
    EXPECT_EQ(FormatField(31, "0", 4), "  31");
}

TEST(FormatField, NeverCutsDigitsAndShowsUndefinedAsADash) {
    EXPECT_EQ(FormatField(100, "0.000", 6), "100.000");
    EXPECT_EQ(FormatField(std::nullopt, "0.000", 6), "    －");
}

TEST(GridField, MovesALongTextLeftSoThatItEndsWhereTheFieldEnds) {
    RecordingSurface surface;
    GridField(surface, 34, 15, 100, "0.000", 6);
    GridField(surface, 34, 17, 10, "0.000", 6);
    const auto texts = surface.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].column, 33.5);
    EXPECT_EQ(texts[0].text, "100.000");
    EXPECT_EQ(texts[1].column, 34);
}

TEST(GridBox, BeginsHalfACellBeforeItsCell) {
    RecordingSurface surface(200, 180);
    GridBox(surface, 3, 8, 3, 6);
    GridText(surface, 4.5, 9, "No");
    const auto& calls = surface.Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_DOUBLE_EQ(calls[0].x1, 2.5 * 200 + 400);
    EXPECT_DOUBLE_EQ(calls[0].y1, 7.5 * 180 + 400);
    EXPECT_DOUBLE_EQ(calls[0].x2, calls[0].x1 + 600);
    EXPECT_DOUBLE_EQ(calls[0].y2, calls[0].y1 + 1080);
    EXPECT_DOUBLE_EQ(calls[1].x1, 3.5 * 200 + 400);
    EXPECT_DOUBLE_EQ(calls[1].y1, 8 * 180 + 400);
    const auto boxes = surface.Boxes();
    EXPECT_EQ(boxes[0].column, 3);
    EXPECT_EQ(boxes[0].row, 8);
    EXPECT_EQ(boxes[0].widthCells, 3);
    EXPECT_EQ(boxes[0].heightCells, 6);
    EXPECT_EQ(surface.TextsAt(4.5, 9), std::vector<std::string>{"No"});
}

TEST(DisplayWidth, CountsFullWidthCharactersTwice) {
    EXPECT_EQ(DisplayWidth("12.500"), 6);
    EXPECT_EQ(DisplayWidth("計算"), 4);
    EXPECT_EQ(DisplayWidth("ﾊﾞｰｼﾞｮﾝ"), 7);
    EXPECT_EQ(DisplayWidth("γt1"), 4);
}

}  // namespace
}  // namespace fljudge
