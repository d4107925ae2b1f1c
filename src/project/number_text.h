#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Conversions between numbers and the texts the program reads and writes.
// None of them depends on the locale: the decimal point is always a period.
namespace fljudge {

// The text of a number in the project file and Base.ini: at most 15
// significant digits, no trailing zeros, no "0" before the point below 1
// (".12", "-.5"), exponent form below 0.0001 and from 1E15 up ("1E-05",
// "1.5E+15").
std::string FormatFileNumber(double value);

// The value written with 15 significant digits, then rounded to `decimals`
// decimals with halves away from zero, as the number pattern "0.000"
// (decimals = 3) or "0" (decimals = 0) shows it. Never "-0.000".
std::string FormatFixed(double value, int decimals);

// FormatFixed as the patterns "0" and "0.000" show a number: counts, line
// numbers and values in messages and summaries.
std::string FormatWhole(double value);
std::string FormatThreeDecimals(double value);

// The number FormatFixed(value, decimals) reads back as; +0 for zero.
double RoundDecimals(double value, int decimals);

struct LeadingNumber {
    bool found = false;   // the text starts (after blanks and tabs) with a number
    bool inRange = true;  // false when the number lies beyond the range of a double
    double value = 0;     // 0 when not found
    std::size_t end = 0;  // index just past the number (0 when not found)
};

// The leading decimal number of a text: blanks and tabs skipped, optional
// sign, digits, optional period and fraction, optional exponent introduced by
// E or e. Anything after it is ignored. A value too small for a double reads
// as 0; one beyond the largest double only by the rounding of saving it (up
// to 1.79769313486232E+308 in magnitude) reads as the largest double.
LeadingNumber ParseLeadingNumber(std::string_view text);

// The leading number, or 0 when there is none (or it is out of range).
double LeadingNumberOrZero(std::string_view text);

// True when the whole text (blanks around it aside) is one decimal number:
// "12", "1.5", ".5", "1e3"; not "", ".", "1..2", "1.2.3", "12a".
bool IsNumber(std::string_view text);

// Rounds to the nearest whole number, halves to the even neighbour (2.5 gives
// 2, 3.5 gives 4); nothing when the result lies outside -32768..32767.
std::optional<std::int16_t> ToInt16HalfEven(double value);

}  // namespace fljudge
