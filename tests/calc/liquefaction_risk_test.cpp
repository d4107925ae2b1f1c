#include "calc/liquefaction_risk.h"

#include <gtest/gtest.h>

#include <string_view>

namespace fljudge {
namespace {

TEST(LiquefactionRisk, ClassesOfPLWithTheirBoundaries) {
    const struct {
        double pl;
        std::string_view text;
    } cases[] = {
        {-0.001, "なし"}, {0.0, "なし"},  {0.001, "低い"},        {5.0, "低い"},
        {5.001, "高い"},  {15.0, "高い"}, {15.001, "極めて高い"}, {100.0, "極めて高い"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RiskText(RiskOfPL(c.pl)), c.text) << c.pl;
    }
}

}  // namespace
}  // namespace fljudge
