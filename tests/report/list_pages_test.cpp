#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/grid.h"
#include "report/recording_surface.h"
#include "report/report_pages.h"

namespace fljudge {
namespace {

using Texts = std::vector<std::string>;

// A liquefaction target with an N value: every column is filled.
CalcPoint TargetPoint(double depth, std::int16_t n) {
    CalcPoint p;
    p.Depth = depth;
    p.N = n;
    p.Thickness = 1;
    p.SoilClass = kSandy;
    p.GammaT1 = 18;
    p.GammaT2 = 19;
    p.GammaE2 = 9;
    p.FinesContent = 10;
    p.D10 = 0.05;
    p.D50 = 0.3;
    p.Target = 1;
    p.SigmaV = 100.5;
    p.SigmaVE = 62.25;
    p.Rd = 0.955;
    p.L = {{{0.151, 0.382, 0.637}}};
    p.C1 = 1;
    p.C2 = 0;
    p.N1 = 11.5;
    p.Na = 11.5;
    p.RL = 0.235;
    p.Cw = {{{1.0, 1.0, 1.45}}};
    p.R = {{{0.235, 0.235, 0.341}}};
    p.FL = {{{1.556, 0.615, 0.535}}};
    p.DEText = {{{"1", "1/3", "1/6"}}};
    p.AdoptedDEText = "1/6";
    return p;
}

class ListPageTest : public testing::Test {
  protected:
    void SetPoints(int count) {
        results_.CalcPointCount = static_cast<std::int16_t>(count);
        for (int i = 1; i <= count; ++i) {
            results_.CalcPoints[i] = TargetPoint(0.5 * i, 10);
        }
    }

    RecordingSurface Draw(std::int16_t page) {
        RecordingSurface surface;
        DrawListPage(page, surface, input_);
        return surface;
    }

    // The texts of a data line at or right of `fromColumn`.
    static Texts LineTextsFrom(const RecordingSurface& surface, double row, double fromColumn) {
        Texts found;
        for (const auto& text : surface.Texts()) {
            if (text.row == row && text.column >= fromColumn) {
                found.push_back(text.text);
            }
        }
        return found;
    }

    ProjectData project_;
    CalcResults results_;
    ReportInput input_{project_, results_};
};

TEST_F(ListPageTest, Page1HasTheTitleAndTheLiquefactionIndexRightAlignedInSixCharacters) {
    results_.PL = {{{7.852, 36.579, 39.776}}};
    SetPoints(3);
    const RecordingSurface page1 = Draw(1);
    EXPECT_EQ(page1.TextsAt(1, 1), Texts{"計算結果一覧"});
    EXPECT_EQ(page1.TextsAt(101, 2), Texts{"液状化指数（レベル１："});
    EXPECT_EQ(page1.TextsAt(112, 2), Texts{" 7.852"});
    EXPECT_EQ(page1.TextsAt(116, 2), Texts{"レベル２タイプⅠ："});
    EXPECT_EQ(page1.TextsAt(125, 2), Texts{"36.579"});
    EXPECT_EQ(page1.TextsAt(129, 2), Texts{"レベル２タイプⅡ："});
    EXPECT_EQ(page1.TextsAt(138, 2), Texts{"39.776"});
    EXPECT_EQ(page1.TextsAt(141, 2), Texts{"）"});

    SetPoints(41);
    const RecordingSurface page2 = Draw(2);
    EXPECT_TRUE(page2.TextsAt(1, 1).empty());
    EXPECT_TRUE(LineTextsFrom(page2, 2, 0).empty());
}

TEST_F(ListPageTest, EveryHeaderTextStartsInsideTheFrameDrawnAfterIt) {
    const RecordingSurface surface = Draw(1);
    std::vector<RecordingSurface::GridTextCall> pending;
    int frames = 0;
    const auto texts = surface.Texts();
    const auto boxes = surface.Boxes();
    std::size_t textIndex = 0;
    std::size_t boxIndex = 0;
    for (const auto& call : surface.Calls()) {
        if (call.kind == RecordingSurface::Kind::Text) {
            pending.push_back(texts[textIndex++]);
        } else if (call.kind == RecordingSurface::Kind::Rectangle) {
            const auto& box = boxes[boxIndex++];
            if (box.row >= 9) {
                break;  // the line frames begin
            }
            ++frames;
            for (const auto& text : pending) {
                if (text.row <= 2) {
                    continue;  // title and PL line
                }
                SCOPED_TRACE(text.text);
                EXPECT_GE(text.column, box.column - 0.5);
                EXPECT_LT(text.column, box.column - 0.5 + box.widthCells);
                EXPECT_GE(text.row, box.row);
                EXPECT_LT(text.row, box.row + box.heightCells);
            }
            pending.clear();
        }
    }
    EXPECT_EQ(frames, 47);
    EXPECT_EQ(surface.TextsAt(3.5, 5), Texts{"No"});
    EXPECT_EQ(surface.TextsAt(31.5, 7), Texts{"γ't2"});
    EXPECT_EQ(surface.TextsAt(133, 6), Texts{"LV2 Type"});
    EXPECT_EQ(surface.TextsAt(139.5, 7), Texts{"用"});
}

TEST_F(ListPageTest, TheLineGridHas40RowsOnPage1And41OnPage2WhateverThePointCount) {
    SetPoints(2);
    struct Case {
        std::int16_t page;
        int lines;
    };
    for (const Case c : {Case{1, 40}, Case{2, 41}}) {
        SCOPED_TRACE(c.page);
        const RecordingSurface surface = Draw(c.page);
        int lineFrames = 0;
        double lastRow = 0;
        for (const auto& box : surface.Boxes()) {
            if (box.row >= 9) {
                ++lineFrames;
                lastRow = std::max(lastRow, box.row);
                EXPECT_EQ(box.heightCells, 2);
            }
        }
        EXPECT_EQ(lineFrames, 35 * c.lines);
        EXPECT_EQ(lastRow, 9 + 2 * (c.lines - 1));
    }
    // The frames of one line, left to right.
    const RecordingSurface surface = Draw(1);
    std::vector<std::pair<double, double>> line1;
    for (const auto& box : surface.Boxes()) {
        if (box.row == 9) {
            line1.emplace_back(box.column, box.widthCells);
        }
    }
    ASSERT_EQ(line1.size(), 35u);
    EXPECT_EQ(line1.front(), std::make_pair(2.0, 3.0));
    EXPECT_EQ(line1[13], std::make_pair(57.0, 4.0));
    EXPECT_EQ(line1[31], std::make_pair(129.0, 3.0));
    EXPECT_EQ(line1.back(), std::make_pair(138.0, 3.0));
}

TEST_F(ListPageTest, ATargetLineShowsEveryColumnWithTheDeTextsRightAligned) {
    SetPoints(1);
    results_.CalcPoints[1].FinesContent = 100;  // wider than its field
    const RecordingSurface surface = Draw(1);
    const Texts line = LineTextsFrom(surface, 10, 0);
    const Texts want = {"   1",   " 0.500",  " 1.000", "10",     "砂質土",   "18.000",   "19.000",
                        " 9.000", "100.000", " 0.050", " 0.300", " 100.500", "  62.250", " 0.955",
                        " 0.151", " 0.382",  " 0.637", " 1.000", " 0.000",   "11.500",   "11.500",
                        " 0.235", " 1.000",  " 1.000", " 1.450", " 0.235",   " 0.235",   " 0.341",
                        " 1.556", " 0.615",  " 0.535", "  1",    "1/3",      "1/6",      "1/6"};
    EXPECT_EQ(line, want);
    // The over-long fines content ends where its field ends.
    EXPECT_EQ(surface.TextsAt(35.5, 10), Texts{"100.000"});
    EXPECT_EQ(surface.TextsAt(139.5, 10), Texts{"1/6"});
    EXPECT_EQ(surface.TextsAt(130.5, 10), Texts{"  1"});
}

TEST_F(ListPageTest, NonTargetsAndPointsWithoutNLeaveTheJudgementColumnsEmpty) {
    SetPoints(3);
    CalcPoint& notTarget = results_.CalcPoints[1];  // sandy, N = 5, groundwater too deep
    notTarget.N = 5;
    notTarget.Target = 0;
    notTarget.Cond1 = 0;
    CalcPoint& groundwater = results_.CalcPoints[2];  // computed values are never shown
    groundwater.N = 0;
    groundwater.Target = 1;
    const RecordingSurface surface = Draw(1);

    EXPECT_EQ(LineTextsFrom(surface, 10, 73).size(), 0u);
    EXPECT_EQ(surface.TextsAt(14.5, 10), Texts{" 5"});
    EXPECT_EQ(surface.TextsAt(70, 10), Texts{" 0.637"});
    EXPECT_EQ(LineTextsFrom(surface, 12, 73).size(), 0u);
    EXPECT_EQ(surface.TextsAt(14.5, 12), Texts{" 0"});
    EXPECT_EQ(LineTextsFrom(surface, 12, 0).size(), 17u);
    EXPECT_EQ(LineTextsFrom(surface, 14, 73).size(), 18u);
}

TEST_F(ListPageTest, UndefinedValuesShowADash) {
    SetPoints(1);
    results_.CalcPoints[1].FL[kLv2T2] = std::nullopt;
    const RecordingSurface surface = Draw(1);
    EXPECT_EQ(surface.TextsAt(126, 10), Texts{"    －"});
}

TEST_F(ListPageTest, Page2ListsThePointsFrom41On) {
    SetPoints(81);
    const RecordingSurface page1 = Draw(1);
    EXPECT_EQ(page1.TextsAt(3, 10 + 2 * 39), Texts{"  40"});
    EXPECT_TRUE(page1.TextsAt(3, 10 + 2 * 40).empty());

    const RecordingSurface page2 = Draw(2);
    EXPECT_EQ(page2.TextsAt(3, 10), Texts{"  41"});
    EXPECT_EQ(page2.TextsAt(6, 10), Texts{"20.500"});
    EXPECT_EQ(page2.TextsAt(3, 10 + 2 * 40), Texts{"  81"});

    SetPoints(41);
    const RecordingSurface short2 = Draw(2);
    EXPECT_EQ(short2.TextsAt(3, 10), Texts{"  41"});
    EXPECT_TRUE(short2.TextsAt(3, 12).empty());
}

TEST_F(ListPageTest, OtherPageNumbersDrawNothing) {
    SetPoints(81);
    for (int page : {0, 3, -1}) {
        EXPECT_TRUE(Draw(static_cast<std::int16_t>(page)).Calls().empty());
    }
}

}  // namespace
}  // namespace fljudge
