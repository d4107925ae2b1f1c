#include "calc/check_before_calc.h"

namespace fljudge {

// Not written yet.
CheckResult CheckBeforeCalc(const ProjectData&) { return {}; }

}  // namespace fljudge
