#pragma once

#include <QString>

#include "calc/calc_point.h"
#include "calc/check_before_calc.h"
#include "calc/run_calculation.h"
#include "project/project_data.h"

class QWidget;

namespace fljudge {

// The steps the command runs; tests put their own in place of the real ones.
struct CalculationSteps {
    CheckResult (*Check)(const ProjectData& project) = CheckBeforeCalc;
    void (*Calculate)(const ProjectData& project, const BasicInfo& basicInfo,
                      CalcResults& results) = RunCalculation;
};

// The "計算結果" button of the main window: the checks before calculating
// (a stop is told and ends the command; a notice is told, then the command
// goes on), the calculation into `results`, then the results window, modal.
// Returns when the results window has been closed, or after a stop.
void RunCalculationCommand(QWidget* parent, const ProjectData& project, const BasicInfo& basicInfo,
                           CalcResults& results, const CalculationSteps& steps = {});

}  // namespace fljudge
