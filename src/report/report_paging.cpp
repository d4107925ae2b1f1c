#include "report/report_paging.h"

#include <algorithm>

namespace fljudge {

std::int16_t ReportPageCount(PagingCounts counts) {
    return static_cast<std::int16_t>(ViewPages(ResultView::Report, counts).size());
}

std::int16_t ListPageCount(PagingCounts counts) {
    return counts.CalcPointCount < 41 ? 1 : 2;
}

std::int16_t PageCount(ResultView view, PagingCounts counts) {
    return view == ResultView::Report ? ReportPageCount(counts) : ListPageCount(counts);
}

std::vector<std::int16_t> ViewPages(ResultView view, PagingCounts counts) {
    std::vector<std::int16_t> pages;
    if (view == ResultView::Report) {
        for (std::int16_t slot = 1; slot <= LastReportSlot(); ++slot) {
            if (ReportSlotPresent(slot, counts)) {
                pages.push_back(slot);
            }
        }
    } else {
        for (std::int16_t page = 1; page <= ListPageCount(counts); ++page) {
            pages.push_back(page);
        }
    }
    return pages;
}

std::int16_t NextPage(ResultView view, std::int16_t page, PagingCounts counts) {
    for (const std::int16_t next : ViewPages(view, counts)) {
        if (next > page) {
            return next;
        }
    }
    return static_cast<std::int16_t>(page + 1);
}

std::int16_t PreviousPage(ResultView view, std::int16_t page, PagingCounts counts) {
    const std::vector<std::int16_t> pages = ViewPages(view, counts);
    const auto previous =
        std::find_if(pages.rbegin(), pages.rend(), [page](std::int16_t p) { return p < page; });
    return previous != pages.rend() ? *previous : static_cast<std::int16_t>(page - 1);
}

}  // namespace fljudge
