#include "cli/point_fields.h"

namespace fljudge {

// clang-format off
#define FLJUDGE_FIELD(name) \
    PointField{#name, false, [](const CalcPoint& p, int) -> PointValue { return p.name; }}
#define FLJUDGE_MOTION_FIELD(name) \
    PointField{#name, true, [](const CalcPoint& p, int m) -> PointValue { return p.name[m]; }}

const std::array<PointField, 33> kPointFields = {
    FLJUDGE_FIELD(Depth),
    FLJUDGE_FIELD(N),
    FLJUDGE_FIELD(Thickness),
    FLJUDGE_FIELD(SoilClass),
    FLJUDGE_FIELD(FinesContent),
    FLJUDGE_FIELD(PlasticityIndex),
    FLJUDGE_FIELD(D50),
    FLJUDGE_FIELD(D10),
    FLJUDGE_FIELD(GammaT1),
    FLJUDGE_FIELD(GammaT2),
    FLJUDGE_FIELD(GammaE2),
    FLJUDGE_MOTION_FIELD(Khg),
    FLJUDGE_FIELD(Cond1),
    FLJUDGE_FIELD(Cond2),
    FLJUDGE_FIELD(Cond3),
    FLJUDGE_FIELD(Target),
    FLJUDGE_FIELD(SigmaV),
    FLJUDGE_FIELD(SigmaVE),
    FLJUDGE_FIELD(Rd),
    FLJUDGE_MOTION_FIELD(L),
    FLJUDGE_FIELD(N1),
    FLJUDGE_FIELD(Na),
    FLJUDGE_FIELD(C1),
    FLJUDGE_FIELD(C2),
    FLJUDGE_FIELD(RL),
    FLJUDGE_MOTION_FIELD(Cw),
    FLJUDGE_MOTION_FIELD(R),
    FLJUDGE_MOTION_FIELD(FL),
    FLJUDGE_MOTION_FIELD(Pli),
    FLJUDGE_MOTION_FIELD(DEText),
    FLJUDGE_MOTION_FIELD(DE),
    FLJUDGE_FIELD(AdoptedDEText),
    FLJUDGE_FIELD(AdoptedDE),
};

#undef FLJUDGE_FIELD
#undef FLJUDGE_MOTION_FIELD
// clang-format on

}  // namespace fljudge
