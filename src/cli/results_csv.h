#pragma once

#include <ostream>

#include "calc/calc_point.h"

namespace fljudge {

// A header row, then one row per calculation point (CalcPoints in order),
// UTF-8, LF line ends. Each CalcPoint field is one column under its own name;
// a per-motion field is three columns, NAME_1 (Lv1), NAME_2 (Lv2-1) and
// NAME_3 (Lv2-2). Numbers in the shortest text that reads back to the same
// double; an undefined value is an empty cell.
void WriteResultsCsv(const CalcResults& results, std::ostream& out);

}  // namespace fljudge
