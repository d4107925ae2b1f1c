#include "calc/run_calculation.h"

namespace fljudge {

// Not written yet.
void RunCalculation(const ProjectData&, const BasicInfo&, CalcResults& results) { results = {}; }

}  // namespace fljudge
