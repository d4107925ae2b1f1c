#pragma once

#include "calc/calc_point.h"
#include "project/project_data.h"

namespace fljudge {

// The whole liquefaction judgement of the project's soil column, replacing
// every result in `results`. Assumes CheckBeforeCalc did not stop.
void RunCalculation(const ProjectData& project, const BasicInfo& basicInfo, CalcResults& results);

}  // namespace fljudge
