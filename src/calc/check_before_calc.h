#pragma once

#include <string>

#include "project/project_data.h"

namespace fljudge {

enum class CheckOutcome {
    Pass,    // calculate
    Notice,  // show the message, then calculate
    Stop,    // show the message, calculate nothing
};

struct CheckResult {
    CheckOutcome outcome = CheckOutcome::Pass;
    std::string message;  // UTF-8, lines joined by CR LF; empty on Pass
};

// The checks the "計算結果" button runs before calculating, in their fixed
// order: the first failing check's message, or the one notice, or pass.
CheckResult CheckBeforeCalc(const ProjectData& project);

}  // namespace fljudge
