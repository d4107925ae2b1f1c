#pragma once

#include <nlohmann/json.hpp>
#include <ostream>

#include "calc/calc_point.h"

namespace fljudge {

// {"PL": [3], "points": [CalcPoints], "npoints": [NPoints]}; each point an
// object with every CalcPoint field under its own name, per-motion fields as
// arrays of three, undefined values as null.
nlohmann::ordered_json ResultsJson(const CalcResults& results);

// ResultsJson, indented, then a line end.
void WriteResultsJson(const CalcResults& results, std::ostream& out);

}  // namespace fljudge
