#include "report/report_paging.h"

#include <gtest/gtest.h>

#include <vector>

namespace fljudge {
namespace {

using Pages = std::vector<std::int16_t>;

struct PageSetCase {
    PagingCounts counts;
    Pages slots;
};

TEST(ReportPaging, PresentSlotsFollowTheNValueAndPointCounts) {
    const PageSetCase cases[] = {
        {{30, 30}, {1, 2, 3, 4, 6, 9, 11, 13, 15, 18, 21}},
        {{31, 30}, {1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 13, 14, 15, 18, 21}},
        {{10, 45}, {1, 2, 3, 4, 6, 7, 9, 11, 13, 15, 16, 18, 19, 21}},
        {{30, 60}, {1, 2, 3, 4, 6, 7, 9, 11, 13, 15, 16, 18, 19, 21}},
        {{31, 61}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}},
        {{50, 81}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}},
    };
    for (const PageSetCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "N=" << c.counts.NValueCount << " P=" << c.counts.CalcPointCount);
        EXPECT_EQ(ViewPages(ResultView::Report, c.counts), c.slots);
        EXPECT_EQ(ReportPageCount(c.counts), static_cast<std::int16_t>(c.slots.size()));
        EXPECT_EQ(PageCount(ResultView::Report, c.counts),
                  static_cast<std::int16_t>(c.slots.size()));
    }
    EXPECT_FALSE(ReportSlotPresent(0, {50, 81}));
    EXPECT_FALSE(ReportSlotPresent(22, {50, 81}));
}

// clang-format off
// The step tables of the results window, written out as the window's
// designers gave them, for every slot a user can be on.
std::int16_t ForwardByTable(std::int16_t slot, PagingCounts c) {
    const bool nLe30 = c.NValueCount <= 30;
    const int p = c.CalcPointCount;
    switch (slot) {
        case 4: return nLe30 ? 6 : 5;
        case 6: return p <= 30 ? 9 : 7;
        case 7: return p <= 60 ? 9 : 8;
        case 9: return nLe30 ? 11 : 10;
        case 11: return nLe30 ? 13 : 12;
        case 13: return nLe30 ? 15 : 14;
        case 15: return p <= 30 ? 18 : 16;
        case 16: return p <= 60 ? 18 : 17;
        case 18: return p <= 30 ? 21 : 19;
        case 19: return p <= 60 ? 21 : 20;
        default: return static_cast<std::int16_t>(slot + 1);
    }
}

std::int16_t BackwardByTable(std::int16_t slot, PagingCounts c) {
    const bool nGt30 = c.NValueCount > 30;
    const int p = c.CalcPointCount;
    switch (slot) {
        case 6: return nGt30 ? 5 : 4;
        case 9: return p > 60 ? 8 : (p > 30 ? 7 : 6);
        case 11: return nGt30 ? 10 : 9;
        case 13: return nGt30 ? 12 : 11;
        case 15: return nGt30 ? 14 : 13;
        case 18: return p > 60 ? 17 : (p > 30 ? 16 : 15);
        case 21: return p > 60 ? 20 : (p > 30 ? 19 : 18);
        default: return static_cast<std::int16_t>(slot - 1);
    }
}
// clang-format on

TEST(ReportPaging, ArrowsStepLikeTheStepTablesOnEveryPresentSlot) {
    for (int nCount : {1, 30, 31, 50}) {
        for (int pCount : {2, 30, 31, 60, 61, 81}) {
            const auto n = static_cast<std::int16_t>(nCount);
            const PagingCounts counts{n, static_cast<std::int16_t>(pCount)};
            SCOPED_TRACE(testing::Message() << "N=" << n << " P=" << pCount);
            const Pages slots = ViewPages(ResultView::Report, counts);
            for (std::size_t k = 0; k + 1 < slots.size(); ++k) {
                EXPECT_EQ(NextPage(ResultView::Report, slots[k], counts),
                          ForwardByTable(slots[k], counts));
                EXPECT_EQ(NextPage(ResultView::Report, slots[k], counts), slots[k + 1]);
                EXPECT_EQ(PreviousPage(ResultView::Report, slots[k + 1], counts),
                          BackwardByTable(slots[k + 1], counts));
                EXPECT_EQ(PreviousPage(ResultView::Report, slots[k + 1], counts), slots[k]);
            }
        }
    }
}

TEST(ReportPaging, ThirtyOneNValuesAndThirtyPointsStepThroughTheContinuationOfSection6) {
    const PagingCounts counts{31, 30};
    EXPECT_EQ(NextPage(ResultView::Report, 4, counts), 5);
    EXPECT_EQ(NextPage(ResultView::Report, 5, counts), 6);
    EXPECT_EQ(NextPage(ResultView::Report, 6, counts), 9);
    EXPECT_EQ(PreviousPage(ResultView::Report, 6, counts), 5);
}

TEST(ListPaging, ASecondPageFromFortyOnePoints) {
    EXPECT_EQ(ListPageCount({10, 40}), 1);
    EXPECT_EQ(ViewPages(ResultView::List, {10, 40}), Pages{1});
    EXPECT_EQ(ListPageCount({10, 41}), 2);
    EXPECT_EQ(ViewPages(ResultView::List, {10, 41}), (Pages{1, 2}));
    EXPECT_EQ(PageCount(ResultView::List, {10, 81}), 2);
    EXPECT_EQ(NextPage(ResultView::List, 1, {10, 41}), 2);
    EXPECT_EQ(PreviousPage(ResultView::List, 2, {10, 41}), 1);
}

}  // namespace
}  // namespace fljudge
