#include "report/report_pages.h"

namespace fljudge {

void DrawReportPage(std::int16_t slot, DrawingSurface& surface, const ReportInput& input) {
    if (slot == 1) {
        DrawMethodPage(surface);
    } else if (slot == 2) {
        DrawDesignConditionsPage(surface, input);
    } else if (slot == 3) {
        DrawNValueConditionsPage(surface, input);
    } else if (slot >= 4 && slot <= 20) {
        DrawTablePage(slot, surface, input);
    } else if (slot == 21) {
        DrawChartPage(surface, input);
    }
}

}  // namespace fljudge
