#pragma once

#include "calc/calc_point.h"
#include "project/project_data.h"

namespace fljudge {

// What every page procedure reads: the project and the last calculation.
struct ReportInput {
    const ProjectData& project;
    const CalcResults& results;
};

}  // namespace fljudge
