#include "report/report_pages.h"

namespace fljudge {

// Not drawn yet.
void DrawMethodPage(DrawingSurface&) {}

}  // namespace fljudge
