#include "calc/round3.h"

#include <gtest/gtest.h>

namespace fljudge {
namespace {

TEST(Round3, RoundsTheFifteenDigitTextHalfAwayFromZero) {
    EXPECT_EQ(Round3(0.0005), 0.001);
    EXPECT_EQ(Round3(2.3334999), 2.333);
    EXPECT_EQ(Round3(-0.0005), -0.001);
    EXPECT_EQ(Round3(54.0 / 44.0 * 0.15 * 0.955), 0.176);
}

}  // namespace
}  // namespace fljudge
