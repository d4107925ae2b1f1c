#pragma once

#include "report/table_scheme.h"

// The table sections of the report, (6) to (12).
namespace fljudge {

extern const TableSection kSection6;   // liquefaction judgement, by N value
extern const TableSection kSection7;   // overburden pressures, by point
extern const TableSection kSection8;   // seismic shear stress ratio, by N value
extern const TableSection kSection9;   // triaxial strength ratio, by N value
extern const TableSection kSection10;  // dynamic shear strength ratio, by N value
extern const TableSection kSection11;  // liquefaction resistance factor, by point
extern const TableSection kSection12;  // reduction factor DE and PL, by point

}  // namespace fljudge
