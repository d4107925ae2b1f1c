#pragma once

#include <cmath>

#include "calc/calc_point.h"
#include "calc/round3.h"

namespace fljudge {

// Beyond this magnitude a value counts as having no value: no soil column
// comes near it, and the rounding of a number close to the largest double
// could run past the range of a double.
inline constexpr double kLargestDefined = 1e300;

// Round3 of `value`, or no value when it is not a finite number of a
// magnitude up to kLargestDefined (a division by zero, the root of a
// negative number, an overflow from absurd input).
inline MaybeReal Round3Defined(double value) {
    if (!(std::fabs(value) <= kLargestDefined)) {
        return std::nullopt;
    }
    return Round3(value);
}

}  // namespace fljudge
