#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <variant>

#include "calc/calc_point.h"

namespace fljudge {

// The value of one CalcPoint field (for one motion, if it has one per motion).
using PointValue = std::variant<std::int16_t, double, MaybeReal, std::string_view>;

struct PointField {
    std::string_view name;  // the field's name in CalcPoint
    bool perMotion;         // an array of three, one per design motion
    PointValue (*value)(const CalcPoint& point, int motion);  // motion 1..3 when perMotion
};

// Every field of CalcPoint in declared order: the one description of a point
// that the JSON and the CSV output both follow.
extern const std::array<PointField, 33> kPointFields;

}  // namespace fljudge
