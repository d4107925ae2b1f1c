#pragma once

#include <cstdint>

#include "report/drawing_surface.h"
#include "report/report_input.h"

namespace fljudge {

// Draws the report page of the given slot (1..21); any other slot draws nothing.
void DrawReportPage(std::int16_t slot, DrawingSurface& surface, const ReportInput& input);

// Draws page 1 or 2 of the results list; any other page draws nothing.
void DrawListPage(std::int16_t page, DrawingSurface& surface, const ReportInput& input);

// The page procedures of the report's text and chart pages.
void DrawMethodPage(DrawingSurface& surface);                                      // slot 1
void DrawDesignConditionsPage(DrawingSurface& surface, const ReportInput& input);  // slot 2
void DrawNValueConditionsPage(DrawingSurface& surface, const ReportInput& input);  // slot 3
void DrawChartPage(DrawingSurface& surface, const ReportInput& input);             // slot 21

}  // namespace fljudge
