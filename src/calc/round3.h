#pragma once

#include "project/number_text.h"

namespace fljudge {

// The rounding of nearly every stored calculated value: the value written
// with 15 significant digits, rounded to three decimals with halves away
// from zero, read back (0.0005 gives 0.001, 2.3334999 gives 2.333).
inline double Round3(double value) {
    return RoundDecimals(value, 3);
}

}  // namespace fljudge
