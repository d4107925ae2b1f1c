#include "report/report_pages.h"

namespace fljudge {

// Not drawn yet.
void DrawDesignConditionsPage(DrawingSurface&, const ReportInput&) {}
void DrawNValueConditionsPage(DrawingSurface&, const ReportInput&) {}

}  // namespace fljudge
