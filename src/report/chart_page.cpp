#include "report/report_pages.h"

namespace fljudge {

// Not drawn yet.
void DrawChartPage(DrawingSurface&, const ReportInput&) {}

}  // namespace fljudge
