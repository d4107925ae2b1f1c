#include "project/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace fljudge {
namespace {

struct FileNumberCase {
    double value;
    const char* text;
};

TEST(FormatFileNumber, WritesTheShortestFifteenDigitText) {
    const FileNumberCase cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {1, "1"},
        {18, "18"},
        {0.12, ".12"},
        {-0.5, "-.5"},
        {1.2, "1.2"},
        {0.85, ".85"},
        {0.0001, ".0001"},
        {0.00001, "1E-05"},
        {1.5e15, "1.5E+15"},
        {1e15, "1E+15"},
        {999999999999999, "999999999999999"},
        {0.1 + 0.2, ".3"},
        {123.456, "123.456"},
        {-12.5, "-12.5"},
        {2.5e-7, "2.5E-07"},
        {1.23456789012345678, "1.23456789012346"},
        {1e100, "1E+100"},
        {9.999999999999999e-05, ".0001"},
        {9.99999999999999e-05, "9.99999999999999E-05"},
        {32767, "32767"},
        {-32768, "-32768"},
        {0.12 * 0.5, ".06"},
        {1000000, "1000000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFileNumber(c.value), c.text) << c.value;
    }
}

struct FixedCase {
    double value;
    int decimals;
    const char* text;
};

TEST(FormatFixed, RoundsTheFifteenDigitTextHalfAwayFromZero) {
    const FixedCase cases[] = {
        {0, 3, "0.000"},
        {12, 3, "12.000"},
        {0.0005, 3, "0.001"},
        {2.3334999, 3, "2.333"},
        {2.3335, 3, "2.334"},
        {-2.3335, 3, "-2.334"},
        {1.0005, 3, "1.001"},
        {0.12 * 1.275, 3, "0.153"},
        {0.85 * 0.18, 3, "0.153"},
        {-0.0004, 3, "0.000"},
        {0.9995, 3, "1.000"},
        {999.9995, 3, "1000.000"},
        {2.5, 0, "3"},
        {3.5, 0, "4"},
        {-2.5, 0, "-3"},
        {1234567.8915, 3, "1234567.892"},
        {1e20, 3, "100000000000000000000.000"},
        {1.1, 3, "1.100"},
        {0.0004999, 3, "0.000"},
        {7.1425, 3, "7.143"},
        {170.0 * 5 / 119, 3, "7.143"},
        // Next to a half-way point only the 15-digit text decides.
        {1 - 0.015 * 1.1, 3, "0.984"},
        {2.33349999999999, 3, "2.333"},
        {2.333499999999999, 3, "2.334"},
        {2.3334999999999, 3, "2.333"},
        {12345678.0005, 3, "12345678.001"},
        {12345678.000499, 3, "12345678.000"},
        {0.00050000000000000001, 3, "0.001"},
        {0.000499999999999, 3, "0.000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFixed(c.value, c.decimals), c.text) << c.value;
    }
}

TEST(RoundDecimals, ReadsBackWhatTheFixedTextShows) {
    EXPECT_EQ(RoundDecimals(0.0005, 3), 0.001);
    EXPECT_EQ(RoundDecimals(2.3334999, 3), 2.333);
    EXPECT_EQ(RoundDecimals(2.3335, 3), 2.334);
    EXPECT_EQ(RoundDecimals(-2.3335, 3), -2.334);
    EXPECT_EQ(RoundDecimals(0.15 * 0.955 * 54 / 44, 3), 0.176);
    EXPECT_FALSE(std::signbit(RoundDecimals(-0.0001, 3)));
    EXPECT_EQ(RoundDecimals(1.7976931348623157e308, 3), 1.7976931348623157e308);
    // Every value it gives is the double nearest to its three-decimal text.
    for (int i = -100000; i <= 100000; i += 7) {
        const double x = i / 997.0;
        EXPECT_EQ(RoundDecimals(x, 3), std::stod(FormatFixed(x, 3))) << x;
    }
}

struct LeadingCase {
    const char* text;
    bool found;
    double value;
};

TEST(ParseLeadingNumber, TakesTheLeadingDecimalNumber) {
    const LeadingCase cases[] = {
        {"12", true, 12},        {"  \t-.5x", true, -0.5}, {"1:設計条件", true, 1},
        {"3:Ｎ値情報", true, 3}, {"abc", false, 0},        {"", false, 0},
        {".", false, 0},         {"-", false, 0},          {"1.2.3", true, 1.2},
        {"1..2", true, 1},       {"1e3", true, 1000},      {"1E-05", true, 1e-5},
        {"2e", true, 2},         {"2e+", true, 2},         {"+7", true, 7},
        {"5.", true, 5},         {"1e-999", true, 0},      {"0.000e99999", true, 0},
    };
    for (const auto& c : cases) {
        const LeadingNumber n = ParseLeadingNumber(c.text);
        EXPECT_EQ(n.found, c.found) << c.text;
        EXPECT_TRUE(n.inRange) << c.text;
        EXPECT_EQ(n.value, c.value) << c.text;
    }
}

TEST(ParseLeadingNumber, TellsANumberBeyondTheRangeOfADouble) {
    EXPECT_FALSE(ParseLeadingNumber("1e999").inRange);
    EXPECT_FALSE(ParseLeadingNumber("-1E+400").inRange);
    EXPECT_FALSE(ParseLeadingNumber("1e99999999999999999999999").inRange);
    EXPECT_EQ(LeadingNumberOrZero("1e999"), 0);
}

TEST(ParseLeadingNumber, ReadsTheLargestDoubleAsSavedBackAsItself) {
    constexpr double kMax = std::numeric_limits<double>::max();
    ASSERT_EQ(FormatFileNumber(kMax), "1.79769313486232E+308");
    ASSERT_EQ(FormatFileNumber(-kMax), "-1.79769313486232E+308");
    const struct {
        const char* text;
        bool inRange;
        double value;
    } cases[] = {
        {"1.79769313486232E+308", true, kMax},
        {"-1.79769313486232E+308", true, -kMax},
        {"179769313486232e294", true, kMax},
        {"0.0179769313486232000E310", true, kMax},
        {"1.7976931348623159e308", true, kMax},  // just above: rounds down as ever
        {"1.797693134862321E+308", false, 0},
        {"1.8e308", false, 0},
        {"1e309", false, 0},
        {"9e307", true, 9e307},
    };
    for (const auto& c : cases) {
        const LeadingNumber n = ParseLeadingNumber(c.text);
        EXPECT_EQ(n.inRange, c.inRange) << c.text;
        EXPECT_EQ(n.value, c.value) << c.text;
    }
}

TEST(ParseLeadingNumber, IgnoresTheLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(LeadingNumberOrZero("1.5"), 1.5);
    EXPECT_EQ(FormatFixed(1.5, 3), "1.500");
    EXPECT_EQ(FormatFileNumber(1.5), "1.5");
    if (previous != nullptr) {
        std::setlocale(LC_NUMERIC, "C");
    }
}

TEST(IsNumber, AcceptsOnlyAWholeNumber) {
    for (const char* yes : {"12", "1.5", ".5", "1e3", " 7 ", "0"}) {
        EXPECT_TRUE(IsNumber(yes)) << yes;
    }
    for (const char* no : {"", ".", "1..2", "1.2.3", "12a", "-", " "}) {
        EXPECT_FALSE(IsNumber(no)) << no;
    }
}

TEST(ToInt16HalfEven, RoundsHalvesToEvenWithinSixteenBits) {
    EXPECT_EQ(ToInt16HalfEven(2.5), 2);
    EXPECT_EQ(ToInt16HalfEven(3.5), 4);
    EXPECT_EQ(ToInt16HalfEven(-2.5), -2);
    EXPECT_EQ(ToInt16HalfEven(32767.4), 32767);
    EXPECT_EQ(ToInt16HalfEven(-32768.5), -32768);
    EXPECT_FALSE(ToInt16HalfEven(32767.5));
    EXPECT_FALSE(ToInt16HalfEven(-32769));
    EXPECT_FALSE(ToInt16HalfEven(std::numeric_limits<double>::infinity()));
}

}  // namespace
}  // namespace fljudge
