#include <gtest/gtest.h>

#include "report/recording_surface.h"
#include "report/report_pages.h"

namespace fljudge {
namespace {

using Strings = std::vector<std::string>;

struct TablePagesTest : ::testing::Test {
    TablePagesTest() { NewProject(project, DefaultBasicInfo()); }

    // A judgement target at depth i with N = 5, every value defined.
    static CalcPoint TargetPoint(int i) {
        CalcPoint point;
        point.Depth = i;
        point.N = 5;
        point.SoilClass = kSandy;
        point.Cond1 = point.Cond2 = point.Cond3 = point.Target = 1;
        point.SigmaVE = 50;
        point.FinesContent = 12;
        point.D50 = 0.2;
        point.C1 = 1.04;
        point.C2 = 0.111;
        point.N1 = 7.083;
        point.Na = 7.477;
        point.RL = 0.185;
        for (int m = 1; m <= 3; ++m) {
            point.L[m] = 0.2 * m;
            point.Cw[m] = 1;
            point.R[m] = 0.185;
            point.FL[m] = 0.925 / m;
            point.DEText[m] = "2/3";
        }
        point.AdoptedDEText = "1/3";
        return point;
    }

    void SetNValues(int count) {
        project.NValueCount = static_cast<std::int16_t>(count);
        results.NPointCount = static_cast<std::int16_t>(count);
        for (int i = 1; i <= count; ++i) {
            results.NPoints[i] = TargetPoint(i);
        }
    }

    void SetCalcPoints(int count) {
        results.CalcPointCount = static_cast<std::int16_t>(count);
        for (int i = 1; i <= count; ++i) {
            results.CalcPoints[i] = TargetPoint(i);
        }
    }

    RecordingSurface Draw(std::int16_t slot) {
        RecordingSurface surface;
        DrawReportPage(slot, surface, input);
        return surface;
    }

    ProjectData project;
    CalcResults results;
    ReportInput input{project, results};
};

// The rows below the title lines that carry a text in the "No" column, and
// those texts.
std::vector<std::pair<double, std::string>> IndexColumn(const RecordingSurface& surface) {
    std::vector<std::pair<double, std::string>> found;
    for (const auto& text : surface.Texts()) {
        if (text.column == 4 && text.row >= 8) {
            found.emplace_back(text.row, text.text);
        }
    }
    return found;
}

std::vector<RecordingSurface::GridBoxCall> BoxesFromRow(const RecordingSurface& surface,
                                                        double row) {
    std::vector<RecordingSurface::GridBoxCall> found;
    for (const auto& box : surface.Boxes()) {
        if (box.row >= row) {
            found.push_back(box);
        }
    }
    return found;
}

TEST_F(TablePagesTest, JudgementFirstPageDrawsTheWholeGridAndTheFooterUnderIt) {
    SetNValues(3);
    results.NPoints[2].Cond3 = 0;
    results.NPoints[2].Target = 0;
    results.NPoints[3].SoilClass = 0;
    const RecordingSurface surface = Draw(4);

    EXPECT_EQ(surface.TextsAt(2, 2), Strings{"(6)液状化の判定"});
    EXPECT_EQ(surface.TextsAt(4, 7),
              Strings{"③50%粒径D50が10mm以下で、かつ、10%粒径D10が 1mm以下である土層"});
    const auto grid = BoxesFromRow(surface, 13);
    ASSERT_EQ(grid.size(), 30u * 12u);
    EXPECT_EQ(grid.front().row, 13);
    EXPECT_EQ(grid.back().row, 71);
    EXPECT_EQ(grid.back().column, 42);
    EXPECT_EQ(IndexColumn(surface), (std::vector<std::pair<double, std::string>>{
                                        {14, "   1"}, {16, "   2"}, {18, "   3"}}));

    EXPECT_EQ(surface.TextsAt(11.5, 14), Strings{" 5"});
    EXPECT_EQ(surface.TextsAt(14, 14), Strings{"砂質土"});
    // "×" marks a condition that is met.
    EXPECT_EQ(surface.TextsAt(34.5, 16), Strings{"×"});
    EXPECT_EQ(surface.TextsAt(37.5, 16), Strings{"×"});
    EXPECT_EQ(surface.TextsAt(40.5, 16), Strings{"○"});
    EXPECT_EQ(surface.TextsAt(43, 16), Strings{"なし"});
    EXPECT_EQ(surface.TextsAt(43, 14), Strings{"検討"});
    EXPECT_EQ(surface.TextsAt(14, 18), Strings{""});

    EXPECT_EQ(surface.TextsAt(33, 74), Strings{"×：該当する\u3000○該当しない"});
    EXPECT_EQ(surface.Texts().back().row, 74);
}

TEST_F(TablePagesTest, JudgementContinuationShiftsTheHeaderAndHoldsItemsThirtyOneToFifty) {
    SetNValues(50);
    const RecordingSurface surface = Draw(5);

    EXPECT_TRUE(surface.TextsAt(2, 2).empty());  // no title lines
    const auto boxes = surface.Boxes();
    EXPECT_EQ(boxes.front().row, 2);  // the first header frame, six rows up
    EXPECT_EQ(surface.TextsAt(4.5, 3), Strings{"No"});
    EXPECT_EQ(surface.TextsAt(34.5, 6), Strings{"①"});
    const auto grid = BoxesFromRow(surface, 7);
    ASSERT_EQ(grid.size(), 20u * 12u);
    EXPECT_EQ(grid.front().row, 7);

    const auto index = IndexColumn(surface);
    ASSERT_EQ(index.size(), 20u);
    EXPECT_EQ(index.front(), (std::pair<double, std::string>{8, "  31"}));
    EXPECT_EQ(index.back(), (std::pair<double, std::string>{46, "  50"}));
    EXPECT_EQ(surface.TextsAt(7, 46), Strings{"50.000"});
    EXPECT_EQ(surface.TextsAt(33, 48), Strings{"×：該当する\u3000○該当しない"});
}

TEST_F(TablePagesTest, NValueTablesEndWhereTheNValuePointsEnd) {
    SetNValues(33);
    results.NPointCount = 32;  // one N-value row had N = 0
    EXPECT_EQ(IndexColumn(Draw(10)).back().second, "  32");
    EXPECT_EQ(IndexColumn(Draw(12)).size(), 2u);
}

TEST_F(TablePagesTest, CalculationPointsFillThreePagesOfOverburdenPressures) {
    SetCalcPoints(81);
    results.CalcPoints[61].SigmaV = 231.25;

    const auto first = IndexColumn(Draw(6));
    ASSERT_EQ(first.size(), 30u);
    EXPECT_EQ(first.front(), (std::pair<double, std::string>{10, "   1"}));
    const auto second = IndexColumn(Draw(7));
    ASSERT_EQ(second.size(), 30u);
    EXPECT_EQ(second.front(), (std::pair<double, std::string>{9, "  31"}));
    EXPECT_EQ(second.back(), (std::pair<double, std::string>{67, "  60"}));

    const RecordingSurface third = Draw(8);
    const auto index = IndexColumn(third);
    ASSERT_EQ(index.size(), 21u);
    EXPECT_EQ(index.front(), (std::pair<double, std::string>{9, "  61"}));
    EXPECT_EQ(index.back(), (std::pair<double, std::string>{49, "  81"}));
    EXPECT_EQ(third.TextsAt(30, 9), Strings{" 231.250"});
    EXPECT_EQ(BoxesFromRow(third, 8).size(), 21u * 8u);
    EXPECT_EQ(third.Boxes().front().row, 2);
    EXPECT_TRUE(third.TextsAt(2, 2).empty());
}

TEST_F(TablePagesTest, GatedColumnsStayEmptyForPointsThatAreNotTargets) {
    SetNValues(2);
    SetCalcPoints(2);
    CalcPoint clay = TargetPoint(2);
    clay.SoilClass = kClayey;
    clay.Target = 0;
    results.NPoints[2] = clay;
    CalcPoint layerBottom = TargetPoint(2);
    layerBottom.N = 0;
    results.CalcPoints[2] = layerBottom;

    const auto row = [](const RecordingSurface& surface, double r) {
        Strings texts;
        for (const auto& text : surface.Texts()) {
            if (text.row == r) {
                texts.push_back(text.text);
            }
        }
        return texts;
    };
    // Section (9): index, depth, N, σ'v, FC and D50, then C1 to RL only for a target.
    EXPECT_EQ(row(Draw(11), 10).size(), 11u);
    EXPECT_EQ(row(Draw(11), 12), (Strings{"   2", " 2.000", " 5", "  50.000", "12.000", " 0.200"}));
    // Section (10): only index, depth and N.
    EXPECT_EQ(row(Draw(13), 12), (Strings{"   2", " 2.000", " 5"}));
    // Sections (11) and (12) gate on N > 0 as well.
    EXPECT_EQ(row(Draw(15), 12), (Strings{"   2", " 2.000", " 0.200", " 0.400", " 0.600"}));
    EXPECT_EQ(row(Draw(18), 12), (Strings{"   2", " 2.000"}));
}

TEST_F(TablePagesTest, ReductionFactorsShowPlOnTheFirstPageOnly) {
    SetCalcPoints(61);
    results.PL[1] = 3.5;
    results.PL[2] = 12.25;
    results.PL[3] = 0;
    results.CalcPoints[1].FL[2] = std::nullopt;
    results.CalcPoints[1].DEText[1] = " 1/6 ";

    const RecordingSurface first = Draw(18);
    EXPECT_EQ(first.TextsAt(11, 2), Strings{"液状化指数（ＬＶ１："});
    EXPECT_EQ(first.TextsAt(21, 2), Strings{" 3.500"});
    EXPECT_EQ(first.TextsAt(32, 2), Strings{"12.250"});
    EXPECT_EQ(first.TextsAt(36, 2), Strings{"ＬＶ２TypeⅡ："});
    EXPECT_EQ(first.TextsAt(43, 2), Strings{" 0.000"});
    EXPECT_EQ(first.TextsAt(15, 10), Strings{"    －"});  // an undefined FL
    EXPECT_EQ(first.TextsAt(35.5, 10), Strings{"1/6"});   // DE texts trimmed, left-aligned
    EXPECT_EQ(first.TextsAt(44.5, 10), Strings{"1/3"});

    for (const std::int16_t slot : {std::int16_t{19}, std::int16_t{20}}) {
        const RecordingSurface next = Draw(slot);
        for (const auto& text : next.Texts()) {
            EXPECT_GT(text.row, 2) << slot << " " << text.text;
        }
        EXPECT_EQ(next.TextsAt(38, 3), Strings{"低減係数 DE"});
    }
    EXPECT_EQ(IndexColumn(Draw(20)), (std::vector<std::pair<double, std::string>>{{9, "  61"}}));
}

}  // namespace
}  // namespace fljudge
