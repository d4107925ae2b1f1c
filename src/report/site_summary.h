#pragma once

#include <cstdint>
#include <string>

#include "calc/calc_point.h"

namespace fljudge {

// One boring of a site summary: what was read and what was found. The
// numbers are zero (and the smallest FL undefined) for an input that failed.
struct BoringSummary {
    std::string File;    // the input path as given
    std::string Name;    // the boring's name
    bool Ok = false;     // loaded, checked and calculated
    std::string Status;  // "OK", or why the input failed, on one line
    double WaterDepth = 0;
    std::int16_t LayerCount = 0;
    std::int16_t NValueCount = 0;
    double MaxDepth = 0;  // of the deepest calculation point
    PerMotion PL;
    MaybePerMotion MinFL;  // the smallest FL of the judgement targets
};

}  // namespace fljudge
