#pragma once

#include <string_view>

namespace fljudge {

// The liquefaction risk of a soil column by the commonly used classification
// of its liquefaction index PL.
enum class LiquefactionRisk {
    None,      // PL = 0
    Low,       // 0 < PL <= 5
    High,      // 5 < PL <= 15
    VeryHigh,  // PL > 15
};

// The class boundaries: the largest PL of a low and of a high risk.
inline constexpr double kLowRiskLimitPL = 5;
inline constexpr double kHighRiskLimitPL = 15;

// PL is stored rounded to three decimals, so the class of the stored value is
// the class of the value the pages print.
constexpr LiquefactionRisk RiskOfPL(double pl) {
    if (!(pl > 0)) {
        return LiquefactionRisk::None;
    }
    if (pl <= kLowRiskLimitPL) {
        return LiquefactionRisk::Low;
    }
    return pl <= kHighRiskLimitPL ? LiquefactionRisk::High : LiquefactionRisk::VeryHigh;
}

constexpr std::string_view RiskText(LiquefactionRisk risk) {
    switch (risk) {
        case LiquefactionRisk::Low:
            return "低い";
        case LiquefactionRisk::High:
            return "高い";
        case LiquefactionRisk::VeryHigh:
            return "極めて高い";
        case LiquefactionRisk::None:
            break;
    }
    return "なし";
}

}  // namespace fljudge
