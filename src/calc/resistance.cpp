#include "calc/resistance.h"

#include <cmath>
#include <string_view>

#include "calc/defined_value.h"

namespace fljudge {
namespace {

struct Factor {
    std::string_view Text;
    double Value;  // Round3 of the fraction
};

constexpr Factor kDE0{"0", 0.0};
constexpr Factor kDE1of6{"1/6", 0.167};
constexpr Factor kDE1of3{"1/3", 0.333};
constexpr Factor kDE2of3{"2/3", 0.667};
constexpr Factor kDE1{"1", 1.0};

MaybeReal CorrectedN1(std::int16_t n, MaybeReal sigmaVE) {
    if (!sigmaVE) {
        return std::nullopt;
    }
    return Round3Defined(170.0 * n / (*sigmaVE + 70));
}

double FinesFactorC1(double fc) {
    if (fc < 10) {
        return 1;
    }
    if (fc < 60) {
        return (fc + 40) / 50;
    }
    return fc / 20 - 1;
}

double FinesTermC2(double fc) {
    return fc < 10 ? 0 : (fc - 10) / 18;
}

MaybeReal TriaxialStrengthRatio(MaybeReal na) {
    // The root of a negative Na has no value (gravelly soil with D50 above
    // about 1,200 mm, or a negative N1 from absurd unit weights).
    if (!na || *na < 0) {
        return std::nullopt;
    }
    const double base = 0.0882 * std::sqrt(*na / 1.7);
    if (*na < 14) {
        return Round3Defined(base);
    }
    return Round3Defined(1.6e-6 * std::pow(*na - 14, 4.5) + base);
}

MaybeReal MotionCorrectionCw(int motion, double rl) {
    if (motion != kLv2T2 || rl <= 0.1) {
        return 1.0;  // as Round3 leaves it
    }
    if (rl <= 0.4) {
        return Round3Defined(3.3 * rl + 0.67);
    }
    return 2.0;
}

Factor ReductionFactorDE(MaybeReal fl, MaybeReal r, double depth) {
    const bool deep = depth > 10;
    const bool strong = r && *r > 0.3;
    if (fl && *fl <= 1.0 / 3.0) {
        return deep ? kDE1of3 : (strong ? kDE1of6 : kDE0);
    }
    if (fl && *fl <= 2.0 / 3.0) {
        return deep || strong ? kDE2of3 : kDE1of3;
    }
    return deep || strong ? kDE1 : kDE2of3;
}

// The smallest DE over the motions; ties go to the later motion.
int AdoptedMotion(const PerMotion& de) {
    if (de[1] < de[2]) {
        return de[1] < de[3] ? 1 : 3;
    }
    return de[2] < de[3] ? 2 : 3;
}

}  // namespace

double Log10(double value) {
    return std::log(value) / std::log(10.0);
}

double IntegrandPli(MaybeReal fl, double depth) {
    if (!fl || *fl > 1) {
        return 0;
    }
    return Round3Defined((1 - *fl) * (10 - 0.5 * depth)).value_or(0.0);
}

void SetResistance(CalcPoint& point, MaybeReal sigmaVE) {
    const MaybeReal n1 = CorrectedN1(point.N, sigmaVE);
    point.N1 = n1;

    // The branch follows D50 alone, whatever the soil class.
    MaybeReal na;
    if (point.D50 < 2) {
        const MaybeReal c1 = Round3Defined(FinesFactorC1(point.FinesContent));
        const MaybeReal c2 = Round3Defined(FinesTermC2(point.FinesContent));
        point.C1 = c1.value_or(0.0);
        point.C2 = c2.value_or(0.0);
        if (n1 && c1 && c2) {
            na = Round3Defined(*c1 * *n1 + *c2);
        }
    } else if (n1) {
        na = Round3Defined((1 - 0.36 * Log10(point.D50 / 2)) * *n1);
    }
    point.Na = na;

    const MaybeReal rl = TriaxialStrengthRatio(na);
    point.RL = rl;

    for (int k = 1; k <= kMotionCount; ++k) {
        if (k == kLv2T1) {  // the same Cw as Lv1, and so the same R
            point.Cw[k] = point.Cw[kLv1];
            point.R[k] = point.R[kLv1];
        } else {
            point.Cw[k] = rl ? MotionCorrectionCw(k, *rl) : std::nullopt;
            point.R[k] = point.Cw[k] ? Round3Defined(*point.Cw[k] * *rl) : std::nullopt;
        }
        const MaybeReal r = point.R[k];
        const MaybeReal fl = r && point.L[k] ? Round3Defined(*r / *point.L[k]) : std::nullopt;
        point.FL[k] = fl;
        point.Pli[k] = IntegrandPli(fl, point.Depth);
        const Factor de = ReductionFactorDE(fl, r, point.Depth);
        point.DEText[k] = de.Text;
        point.DE[k] = de.Value;
    }

    const int adopted = AdoptedMotion(point.DE);
    point.AdoptedDEText = point.DEText[adopted];
    point.AdoptedDE = point.DE[adopted];
}

}  // namespace fljudge
