#pragma once

#include <span>

#include "report/drawing_surface.h"
#include "report/site_summary.h"

// The site summary of many borings on A4 portrait, in the report's font and
// character grid: table pages of one line per boring, then chart pages of the
// liquefaction index PL of each boring for the three motions. Every page
// carries the title line and "page/pages" at its foot.
namespace fljudge {

inline constexpr int kSummaryLinesPerPage = 60;
inline constexpr int kSummaryBoringsPerChartPage = 30;

// Table pages, then chart pages; at least one of each.
int SummaryTablePageCount(int boringCount);
int SummaryPageCount(int boringCount);

// Draws page 1..SummaryPageCount; any other page draws nothing.
void DrawSummaryPage(int page, DrawingSurface& surface, std::span<const BoringSummary> borings);

}  // namespace fljudge
