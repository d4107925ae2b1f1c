#include "boring/soil_class_rule.h"

#include <gtest/gtest.h>

#include "project/project_data.h"

namespace fljudge {
namespace {

struct NameCase {
    const char* name;
    std::vector<std::string> codes;
    std::int16_t soilClass;
    bool warned;
};

class SoilClassRule : public ::testing::TestWithParam<NameCase> {};

TEST_P(SoilClassRule, ClassAndWarning) {
    const NameCase& c = GetParam();
    const SoilClassChoice choice = ClassifySoil(c.name, false, c.codes);
    EXPECT_EQ(choice.SoilClass, c.soilClass) << c.name;
    EXPECT_EQ(!choice.Warning.empty(), c.warned) << c.name << ": " << choice.Warning;
}

INSTANTIATE_TEST_SUITE_P(
    Names, SoilClassRule,
    ::testing::Values(
        NameCase{"砂", {}, kSandy, false}, NameCase{"礫", {}, kGravelly, false},
        NameCase{"シルト", {}, kClayey, false}, NameCase{"粘土", {}, kClayey, false},
        NameCase{"粘性土", {}, kClayey, false}, NameCase{"ローム", {}, kClayey, false},
        NameCase{"有機質土", {}, kClayey, false}, NameCase{"泥炭", {}, kClayey, false},
        NameCase{"腐植土", {}, kClayey, false}, NameCase{"火山灰", {}, kClayey, false},
        // The noun that ends last decides.
        NameCase{"砂質シルト", {}, kClayey, false}, NameCase{"シルト質砂", {}, kSandy, false},
        NameCase{"砂礫", {}, kGravelly, false}, NameCase{"シルト混じり砂", {}, kSandy, false},
        NameCase{"礫混じり粘土", {}, kClayey, false},
        NameCase{"砂 質 シ ル ト", {}, kClayey, false},
        NameCase{"　シルト質　砂　", {}, kSandy, false},
        // Fills: the material in parentheses.
        NameCase{"埋土（砂）", {}, kSandy, false}, NameCase{"埋土(粘性土)", {}, kClayey, false},
        NameCase{"盛土（砂礫）", {}, kGravelly, false},
        NameCase{"盛土　（シルト）", {}, kClayey, false}, NameCase{"埋土", {}, kSandy, true},
        NameCase{"埋土", {"531100000"}, kGravelly, true},
        // Interbedded: sandy when it names sand, else by the nouns, always warned.
        NameCase{"砂・シルト互層", {}, kSandy, true},
        NameCase{"シルト・粘土互層", {}, kClayey, true},
        NameCase{"礫・粘土互層", {}, kClayey, true}, NameCase{"互層", {}, kSandy, true},
        // Rock names.
        NameCase{"軟岩", {}, kGravelly, true}, NameCase{"泥岩", {"900000000"}, kGravelly, true},
        NameCase{"礫岩", {}, kGravelly, false},
        // The 9-digit code when no noun decides.
        NameCase{"表土", {"531100000"}, kGravelly, true},
        NameCase{"表土", {"510000000"}, kGravelly, true},
        NameCase{"表土", {"521000000"}, kGravelly, true},
        NameCase{"表土", {"531200000"}, kSandy, true},
        NameCase{"表土", {"532000000"}, kClayey, true},
        NameCase{"表土", {"533000000"}, kClayey, true},
        NameCase{"表土", {"534000000"}, kSandy, true}, NameCase{"表土", {"53200"}, kSandy, true},
        NameCase{"", {}, kSandy, true}, NameCase{"玉石", {}, kSandy, true}));

TEST(SoilClassRuleTest, UndecidableNameSaysSo) {
    EXPECT_NE(ClassifySoil("表土", false, {}).Warning.find("土質を判定できません"),
              std::string::npos);
}

TEST(SoilClassRuleTest, InterbeddedGroupCodeActsAsInterbeddedName) {
    const SoilClassChoice sandy = ClassifySoil("砂", true, {});
    EXPECT_EQ(sandy.SoilClass, kSandy);
    EXPECT_NE(sandy.Warning.find("互層"), std::string::npos);
    EXPECT_EQ(ClassifySoil("粘土質シルト", true, {}).SoilClass, kClayey);
}

}  // namespace
}  // namespace fljudge
