#pragma once

#include <cstdint>
#include <vector>

// Which pages the two views of the results window have, and how "←" and "→"
// step through them. A page of the report view is named by its ReportSlot
// (1..21), a page of the list view by its number (1 or 2).
namespace fljudge {

enum class ResultView : std::int16_t {
    Report = 0,  // "計算結果", the calculation report
    List = 1,    // "計算一覧", the results list
};

// The sizes the page set depends on: N = NValueCount, P = CalcPointCount.
struct PagingCounts {
    std::int16_t NValueCount = 0;
    std::int16_t CalcPointCount = 0;
};

// The number of present slots: between 11 and 21 pages.
std::int16_t ReportPageCount(PagingCounts counts);
// 1 when P < 41, else 2.
std::int16_t ListPageCount(PagingCounts counts);
std::int16_t PageCount(ResultView view, PagingCounts counts);

// The last slot of the report, 21. Which slots are present and what each one
// draws is stated once, in the report's page table.
std::int16_t LastReportSlot();
// Whether the report has the page of this slot; false outside 1..21.
bool ReportSlotPresent(std::int16_t slot, PagingCounts counts);

// The pages of the view in their order: the present slots, or 1..ListPageCount.
std::vector<std::int16_t> ViewPages(ResultView view, PagingCounts counts);

// The page "→" leads to from `page`: the next of the view's pages (page + 1
// past the last). The caller keeps to the view's pages (the buttons are
// disabled on the first and the last page).
std::int16_t NextPage(ResultView view, std::int16_t page, PagingCounts counts);
// The page "←" leads to: the previous of the view's pages (page − 1 before
// the first).
std::int16_t PreviousPage(ResultView view, std::int16_t page, PagingCounts counts);

}  // namespace fljudge
