#pragma once

#include "calc/calc_point.h"
#include "project/project_data.h"

namespace fljudge {

// The whole liquefaction judgement of the project's soil column, replacing
// every result in `results`. Meant to run after CheckBeforeCalc did not stop,
// but safe on any project: counts are read within the tables' capacity, every
// layer and N-value row is placed in exactly one point, and no result is NaN
// or infinite for finite input.
//
// A value that cannot be defined has no value (MaybeReal without value), and
// neither has anything computed from it: L where the effective overburden
// pressure is 0, FL where L is 0 or has no value, RL, Cw, R and FL where Na
// is negative, N1 where sigma'v + 70 = 0. An FL without a value counts as not
// liquefying (Pli 0, DE from the FL > 2/3 row). Plain numbers that would not
// be finite (pressures, thicknesses, C1, C2, Pli, PL from absurd unit weights
// or depths) are stored as 0, and the values that depend on them have none.
void RunCalculation(const ProjectData& project, const BasicInfo& basicInfo, CalcResults& results);

}  // namespace fljudge
