#include "report/report_paging.h"

#include <array>

namespace fljudge {
namespace {

// When a report slot has a page. The continuation pages of the tables by N
// value appear beyond 30 N values, those by calculation point beyond 30 and
// 60 points.
enum class Presence { Always, NOver30, POver30, POver60 };

constexpr std::array<Presence, 21> kSlotPresence = {
    Presence::Always,   // 1 method statement
    Presence::Always,   // 2 design and soil-layer conditions
    Presence::Always,   // 3 N-value conditions
    Presence::Always,   // 4 (6) target judgement
    Presence::NOver30,  // 5 (6) continuation
    Presence::Always,   // 6 (7) overburden pressures, points 1-30
    Presence::POver30,  // 7 (7) points 31-60
    Presence::POver60,  // 8 (7) points 61 on
    Presence::Always,   // 9 (8) shear stress ratio
    Presence::NOver30,  // 10 (8) continuation
    Presence::Always,   // 11 (9) triaxial strength ratio
    Presence::NOver30,  // 12 (9) continuation
    Presence::Always,   // 13 (10) dynamic shear strength ratio
    Presence::NOver30,  // 14 (10) continuation
    Presence::Always,   // 15 (11) resistance factor, points 1-30
    Presence::POver30,  // 16 (11) points 31-60
    Presence::POver60,  // 17 (11) points 61 on
    Presence::Always,   // 18 (12) DE and PL, points 1-30
    Presence::POver30,  // 19 (12) points 31-60
    Presence::POver60,  // 20 (12) points 61 on
    Presence::Always,   // 21 boring log and FL chart
};

constexpr std::int16_t kLastSlot = static_cast<std::int16_t>(kSlotPresence.size());

bool Holds(Presence presence, PagingCounts counts) {
    switch (presence) {
        case Presence::Always:
            return true;
        case Presence::NOver30:
            return counts.NValueCount > 30;
        case Presence::POver30:
            return counts.CalcPointCount > 30;
        case Presence::POver60:
            return counts.CalcPointCount > 60;
    }
    return false;
}

// Pages of the tables that run over N values (pN) and over points (pP).
int PagesByN(PagingCounts counts) {
    return counts.NValueCount <= 30 ? 1 : 2;
}
int PagesByP(PagingCounts counts) {
    return counts.CalcPointCount <= 30 ? 1 : (counts.CalcPointCount <= 60 ? 2 : 3);
}

}  // namespace

std::int16_t ReportPageCount(PagingCounts counts) {
    return static_cast<std::int16_t>(4 + 4 * PagesByN(counts) + 3 * PagesByP(counts));
}

std::int16_t ListPageCount(PagingCounts counts) {
    return counts.CalcPointCount < 41 ? 1 : 2;
}

std::int16_t PageCount(ResultView view, PagingCounts counts) {
    return view == ResultView::Report ? ReportPageCount(counts) : ListPageCount(counts);
}

bool ReportSlotPresent(std::int16_t slot, PagingCounts counts) {
    return slot >= 1 && slot <= kLastSlot &&
           Holds(kSlotPresence[static_cast<std::size_t>(slot - 1)], counts);
}

std::vector<std::int16_t> ViewPages(ResultView view, PagingCounts counts) {
    std::vector<std::int16_t> pages;
    if (view == ResultView::Report) {
        for (std::int16_t slot = 1; slot <= kLastSlot; ++slot) {
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
    auto next = static_cast<std::int16_t>(page + 1);
    if (view == ResultView::Report) {
        while (next < kLastSlot && !ReportSlotPresent(next, counts)) {
            ++next;
        }
    }
    return next;
}

std::int16_t PreviousPage(ResultView view, std::int16_t page, PagingCounts counts) {
    auto previous = static_cast<std::int16_t>(page - 1);
    if (view == ResultView::Report) {
        while (previous > 1 && !ReportSlotPresent(previous, counts)) {
            --previous;
        }
    }
    return previous;
}

}  // namespace fljudge
