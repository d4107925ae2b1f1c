#include "report/summary_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "report/recording_surface.h"

namespace fljudge {
namespace {

using Kind = RecordingSurface::Kind;

// Cells of 200 by 180 twips, so that a mix-up of w and h shows.
constexpr double kW = 200;
constexpr double kH = 180;

BoringSummary Boring(const std::string& name, double pl1, double pl2, double pl3) {
    BoringSummary boring;
    boring.File = name + ".KORV";
    boring.Name = name;
    boring.Ok = true;
    boring.Status = "OK";
    boring.WaterDepth = 2.45;
    boring.PL = {{{pl1, pl2, pl3}}};
    return boring;
}

std::vector<BoringSummary> Site(int count) {
    std::vector<BoringSummary> borings;
    for (int k = 1; k <= count; ++k) {
        borings.push_back(Boring("B-" + std::to_string(k), 0.5 * k, 5.0 + k, 15.0 + k));
    }
    return borings;
}

bool Drew(const RecordingSurface& surface, const std::string& text) {
    const auto texts = surface.Texts();
    return std::any_of(texts.begin(), texts.end(),
                       [&](const auto& call) { return call.text == text; });
}

TEST(SummaryPages, TablePagesOfSixtyLinesThenChartPagesOfThirtyBorings) {
    const struct {
        int borings;
        int tablePages;
        int pages;
    } cases[] = {{1, 1, 2}, {30, 1, 2}, {31, 1, 3}, {60, 1, 3}, {61, 2, 5}, {1000, 17, 51}};
    for (const auto& c : cases) {
        EXPECT_EQ(SummaryTablePageCount(c.borings), c.tablePages) << c.borings;
        EXPECT_EQ(SummaryPageCount(c.borings), c.pages) << c.borings;
    }
}

TEST(SummaryPages, EveryPageHasTheTitleAndItsNumber) {
    const auto borings = Site(61);
    for (int page = 1; page <= 5; ++page) {
        RecordingSurface surface(kW, kH);
        DrawSummaryPage(page, surface, borings);
        EXPECT_EQ(surface.TextsAt(2, 2), std::vector<std::string>{"液状化判定結果一覧表"});
        EXPECT_TRUE(Drew(surface, std::to_string(page) + "/5")) << page;
    }
    RecordingSurface outside(kW, kH);
    DrawSummaryPage(6, outside, borings);
    EXPECT_TRUE(outside.Calls().empty());
}

TEST(SummaryPages, TableLinesCarryNameStatusPLAndRiskClass) {
    std::vector<BoringSummary> borings = Site(61);
    borings[1] = Boring("B-2", 0, 5, 15.001);
    borings[2].Ok = false;
    borings[2].Status = "Ｎ値情報がありません";
    RecordingSurface first(kW, kH);
    DrawSummaryPage(1, first, borings);
    // Line k of the page on row 5 + k.
    EXPECT_EQ(first.TextsAt(1, 6), std::vector<std::string>{"   1"});
    EXPECT_EQ(first.TextsAt(4, 7), std::vector<std::string>{"B-2"});
    EXPECT_EQ(first.TextsAt(14, 7), std::vector<std::string>{"OK"});
    EXPECT_EQ(first.TextsAt(17, 7), std::vector<std::string>{" 2.450"});
    EXPECT_EQ(first.TextsAt(21, 7), std::vector<std::string>{" 0.000"});
    EXPECT_EQ(first.TextsAt(33, 7), std::vector<std::string>{"なし"});
    EXPECT_EQ(first.TextsAt(39, 7), std::vector<std::string>{"低い"});
    EXPECT_EQ(first.TextsAt(45, 7), std::vector<std::string>{"極めて高い"});
    // A failed boring: its name and "失敗", no numbers.
    EXPECT_EQ(first.TextsAt(14, 8), std::vector<std::string>{"失敗"});
    EXPECT_EQ(first.TextsAt(21, 8), std::vector<std::string>{""});
    EXPECT_EQ(first.TextsAt(1, 65), std::vector<std::string>{"  60"});

    RecordingSurface second(kW, kH);
    DrawSummaryPage(2, second, borings);
    EXPECT_EQ(second.TextsAt(1, 6), std::vector<std::string>{"  61"});
    EXPECT_TRUE(second.TextsAt(1, 7).empty());
}

TEST(SummaryPages, LongNamesAreCutToTheirColumn) {
    std::vector<BoringSummary> borings = {Boring("ボーリング番号ＡＢＣＤＥＦＧＨ-1234", 1, 2, 3)};
    RecordingSurface surface(kW, kH);
    DrawSummaryPage(1, surface, borings);
    const auto name = surface.TextsAt(4, 6);
    ASSERT_EQ(name.size(), 1u);
    EXPECT_EQ(name[0], "ボーリング番号Ａ…");  // 18 half-width columns
}

// Whatever the values, the chart draws within its body and the page.
TEST(SummaryPages, ChartBarsStayInTheBodyWithTheClassBoundariesMarked) {
    std::vector<BoringSummary> borings = Site(31);
    borings[0] = Boring("B-1", 1e300, -5, 0);
    borings[1] = Boring("B-2", 7.5, 7.5, 7.5);
    RecordingSurface surface(kW, kH);
    DrawSummaryPage(2, surface, borings);  // the first chart page
    const double left = 15 * kW;
    const double right = 52 * kW;
    const double top = 5 * kH + 2 * kW;
    const double bottom = top + 60 * kH;
    int dashedBoundaries = 0;
    LineStyle style = LineStyle::Solid;
    for (const auto& call : surface.Calls()) {
        if (call.kind == Kind::Style) {
            style = call.style;
        }
        if (call.kind != Kind::Line && call.kind != Kind::Rectangle) {
            continue;
        }
        for (const double x : {call.x1, call.x2}) {
            EXPECT_GE(x, 0);
            EXPECT_LE(x, 11760);
        }
        if (call.y1 >= top && call.y2 <= bottom && call.kind == Kind::Rectangle) {
            EXPECT_GE(std::min(call.x1, call.x2), left - 1e-6);
            EXPECT_LE(std::max(call.x1, call.x2), right + 1e-6);
        }
        if (call.kind == Kind::Line && style == LineStyle::Dashed && call.y1 == top &&
            call.y2 == bottom) {
            ++dashedBoundaries;
        }
    }
    EXPECT_EQ(dashedBoundaries, 2);
    // B-1's PL runs off the scale and is cut at the body's right edge.
    const auto& calls = surface.Calls();
    EXPECT_TRUE(std::any_of(calls.begin(), calls.end(), [&](const auto& call) {
        return call.kind == Kind::Rectangle && call.x1 == left && call.x2 == right;
    }));
    EXPECT_TRUE(Drew(surface, "   1 B-1"));
}

TEST(SummaryPages, AFailedBoringHasNoBarsInTheChart) {
    std::vector<BoringSummary> borings = {Boring("B-1", 0, 0, 0)};
    borings[0].Ok = false;
    RecordingSurface surface(kW, kH);
    DrawSummaryPage(2, surface, borings);
    EXPECT_TRUE(Drew(surface, "失敗"));
    const auto& calls = surface.Calls();
    // The legend's three sample bars and the body frame, nothing more.
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                            [](const auto& call) { return call.kind == Kind::Rectangle; }),
              4);
}

}  // namespace
}  // namespace fljudge
