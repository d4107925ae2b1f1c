#include "project/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace fljudge {
namespace {

// The 15 significant digits of a finite, non-zero magnitude and its decimal
// exponent: value = d0.d1...d14 x 10^exponent.
struct Digits15 {
    std::array<char, 15> digits{};
    int exponent = 0;
};

Digits15 ToDigits15(double magnitude) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    Digits15 out;
    int n = 0;
    const char* p = buffer;
    for (; p != result.ptr && *p != 'e'; ++p) {
        if (*p != '.') {
            out.digits[static_cast<std::size_t>(n++)] = *p;
        }
    }
    // p points at 'e'; the exponent follows with its sign.
    ++p;
    const bool negative = *p == '-';
    ++p;
    int exponent = 0;
    for (; p != result.ptr; ++p) {
        exponent = exponent * 10 + (*p - '0');
    }
    out.exponent = negative ? -exponent : exponent;
    return out;
}

constexpr std::array<double, 4> kPowersOfTen = {1.0, 10.0, 100.0, 1000.0};

// Digits of |value| rounded to `decimals` decimals, as an unsigned decimal
// integer string (the value times 10^decimals), through the 15-digit text.
std::string ScaledDigitsExact(double magnitude, int decimals) {
    if (magnitude == 0) {
        return "0";
    }
    const Digits15 d = ToDigits15(magnitude);
    const int keep = d.exponent + 1 + decimals;  // digits left of the rounding position
    if (keep < 0) {
        return "0";
    }
    if (keep == 0) {
        return d.digits[0] >= '5' ? "1" : "0";
    }
    std::string scaled;
    if (keep >= 15) {
        scaled.assign(d.digits.begin(), d.digits.end());
        scaled.append(static_cast<std::size_t>(keep - 15), '0');
        return scaled;
    }
    scaled.assign(d.digits.begin(), d.digits.begin() + keep);
    if (d.digits[static_cast<std::size_t>(keep)] >= '5') {
        int i = keep - 1;
        while (i >= 0 && scaled[static_cast<std::size_t>(i)] == '9') {
            scaled[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            scaled.insert(scaled.begin(), '1');
        } else {
            ++scaled[static_cast<std::size_t>(i)];
        }
    }
    return scaled;
}

// The decimal exponent E of a magnitude in [1e-4, 1e9): 10^E <= magnitude < 10^(E+1).
int DecimalExponent(double magnitude) {
    static constexpr std::array<double, 13> kBounds = {1e-3, 1e-2, 1e-1, 1e0, 1e1, 1e2, 1e3,
                                                       1e4,  1e5,  1e6,  1e7, 1e8, 1e9};
    int exponent = -4;
    for (const double bound : kBounds) {
        if (magnitude < bound) {
            break;
        }
        ++exponent;
    }
    return exponent;
}

// What the fast decision returns when only the 15-digit text can decide.
constexpr std::int64_t kUndecided = -1;

// The rounding of a value next to the half-way point H = whole + 1/2 (in
// units of 10^-decimals). H has at most 13 significant digits, so it is a
// point of the 15-digit grid: the text shows H itself, which rounds away from
// zero, when the value lies within half a unit of its 15th digit of H, and a
// neighbour on the value's side beyond that. Below 1e9 no power of ten lies
// that close to H, so the value and H share that unit.
std::int64_t ScaledNearHalfWay(double magnitude, double scale, std::int64_t whole, int decimals) {
    if (!(magnitude >= 1e-4 && magnitude < 1e9)) {
        return kUndecided;
    }
    const double halfWay = static_cast<double>(whole) + 0.5;
    // Exact: the true difference is a small multiple of the product's last bit.
    const double offset = std::fma(magnitude, scale, -halfWay);
    static constexpr std::array<double, 19> kNegativePowers = {
        1e-18, 1e-17, 1e-16, 1e-15, 1e-14, 1e-13, 1e-12, 1e-11, 1e-10, 1e-9,
        1e-8,  1e-7,  1e-6,  1e-5,  1e-4,  1e-3,  1e-2,  1e-1,  1e0};
    const int unitExponent = DecimalExponent(magnitude) - 14 + decimals;  // -18 .. -3
    const int powerIndex = unitExponent + 18;
    const double halfUnit = 0.5 * kNegativePowers[static_cast<std::size_t>(powerIndex)];
    const double distance = std::fabs(offset);
    if (distance < halfUnit * (1 - 1e-9)) {
        return whole + 1;
    }
    if (distance > halfUnit * (1 + 1e-9)) {
        return whole + (offset > 0 ? 1 : 0);
    }
    return kUndecided;
}

// Fast decision for the usual magnitudes: the rounded value times
// 10^decimals as an integer, or kUndecided.
inline std::int64_t ScaledFast(double magnitude, int decimals) {
    if (!(magnitude < 1e11) || decimals < 0 || decimals > 3) {
        return kUndecided;
    }
    const double scale = kPowersOfTen[static_cast<std::size_t>(decimals)];
    const double m = magnitude * scale;
    const auto whole = static_cast<std::int64_t>(m);  // m >= 0: truncation is the floor
    const double fraction = m - static_cast<double>(whole);
    // The 15-digit text differs from the value by at most 5e-15 relative.
    const double tolerance = m * 1e-14 + 1e-300;
    if (std::fabs(fraction - 0.5) > tolerance) {
        return whole + (fraction > 0.5 ? 1 : 0);
    }
    return ScaledNearHalfWay(magnitude, scale, whole, decimals);
}

std::string InsertPoint(std::string scaled, int decimals, bool negative) {
    if (decimals > 0) {
        if (scaled.size() <= static_cast<std::size_t>(decimals)) {
            scaled.insert(0, static_cast<std::size_t>(decimals) + 1 - scaled.size(), '0');
        }
        scaled.insert(scaled.size() - static_cast<std::size_t>(decimals), 1, '.');
    }
    const bool zero = scaled.find_first_not_of("0.") == std::string::npos;
    if (negative && !zero) {
        scaled.insert(0, 1, '-');
    }
    return scaled;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string FormatFileNumber(double value) {
    if (value == 0 || !std::isfinite(value)) {
        return "0";
    }
    const Digits15 d = ToDigits15(std::fabs(value));
    std::size_t n = d.digits.size();
    while (n > 1 && d.digits[n - 1] == '0') {
        --n;
    }
    const std::string_view digits(d.digits.data(), n);
    std::string out = value < 0 ? "-" : "";
    if (d.exponent < -4 || d.exponent >= 15) {
        out += digits[0];
        if (n > 1) {
            out += '.';
            out += digits.substr(1);
        }
        out += 'E';
        out += d.exponent < 0 ? '-' : '+';
        const int e = std::abs(d.exponent);
        if (e < 10) {
            out += '0';
        }
        out += std::to_string(e);
    } else if (d.exponent >= 0) {
        const std::size_t intDigits = static_cast<std::size_t>(d.exponent) + 1;
        if (n <= intDigits) {
            out += digits;
            out.append(intDigits - n, '0');
        } else {
            out += digits.substr(0, intDigits);
            out += '.';
            out += digits.substr(intDigits);
        }
    } else {
        out += '.';
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out += digits;
    }
    return out;
}

std::string FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) {
        value = 0;
    }
    const double magnitude = std::fabs(value);
    const bool negative = value < 0;
    if (const std::int64_t fast = ScaledFast(magnitude, decimals); fast != kUndecided) {
        char buffer[32];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, fast);
        return InsertPoint(std::string(buffer, result.ptr), decimals, negative);
    }
    return InsertPoint(ScaledDigitsExact(magnitude, decimals), decimals, negative);
}

double RoundDecimals(double value, int decimals) {
    if (!std::isfinite(value)) {
        return value;
    }
    const double magnitude = std::fabs(value);
    double rounded;
    if (const std::int64_t fast = ScaledFast(magnitude, decimals); fast != kUndecided) {
        rounded = static_cast<double>(fast) / kPowersOfTen[static_cast<std::size_t>(decimals)];
    } else {
        const std::string text =
            InsertPoint(ScaledDigitsExact(magnitude, decimals), decimals, false);
        // The 15-digit text of a value next to the largest double reads back
        // beyond it; such a value is kept as it is.
        if (std::from_chars(text.data(), text.data() + text.size(), rounded).ec != std::errc{}) {
            return value;
        }
    }
    if (rounded == 0) {
        return 0.0;
    }
    return value < 0 ? -rounded : rounded;
}

namespace {

// The digits of 1.79769313486232E+308, the largest double as it is saved.
constexpr std::string_view kLargestSavedDigits = "179769313486232";

// The digits of a mantissa from its first significant one, without the point
// and trailing zeros: compared as text, they order numbers of one decimal
// exponent.
std::string SignificantDigits(std::string_view mantissa) {
    std::string digits;
    for (const char c : mantissa) {
        if (c != '.' && (c != '0' || !digits.empty())) {
            digits += c;
        }
    }
    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
    }
    return digits;
}

}  // namespace

LeadingNumber ParseLeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t mantissaStart = i;
    std::size_t intDigits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++intDigits;
    }
    std::size_t fracDigits = 0;
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        while (j < text.size() && IsDigit(text[j])) {
            ++j;
            ++fracDigits;
        }
        if (intDigits > 0 || fracDigits > 0) {
            i = j;
        }
    }
    if (intDigits == 0 && fracDigits == 0) {
        return {};
    }
    const std::size_t mantissaEnd = i;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) {
                ++j;
            }
            i = j;
        }
    }
    LeadingNumber out;
    out.found = true;
    out.end = i;
    double magnitude = 0;
    const auto result = std::from_chars(text.data() + mantissaStart, text.data() + i, magnitude,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Beyond the range of a double, or too small for one: tell them apart
        // by the decimal exponent of the first significant digit.
        long firstDigitPower = 0;
        bool anyNonZero = false;
        long power = static_cast<long>(intDigits) - 1;
        for (std::size_t k = mantissaStart; k < mantissaEnd; ++k) {
            if (text[k] == '.') {
                continue;
            }
            if (text[k] != '0') {
                firstDigitPower = power;
                anyNonZero = true;
                break;
            }
            --power;
        }
        long exponent = 0;
        if (mantissaEnd < i) {
            std::size_t k = mantissaEnd + 1;
            const bool negativeExponent = text[k] == '-';
            if (text[k] == '+' || text[k] == '-') {
                ++k;
            }
            for (; k < i; ++k) {
                exponent = std::min(exponent * 10 + (text[k] - '0'), 100000L);
            }
            if (negativeExponent) {
                exponent = -exponent;
            }
        }
        magnitude = 0;
        if (anyNonZero && firstDigitPower + exponent > 0) {
            // The largest double saved with 15 significant digits comes out
            // just above it; that value, and any below it, reads as the
            // largest double, so that every saved file loads again.
            if (firstDigitPower + exponent == 308 &&
                SignificantDigits(text.substr(mantissaStart, mantissaEnd - mantissaStart)) <=
                    kLargestSavedDigits) {
                magnitude = std::numeric_limits<double>::max();
            } else {
                out.inRange = false;
            }
        }
    }
    out.value = negative ? -magnitude : magnitude;
    return out;
}

double LeadingNumberOrZero(std::string_view text) {
    const LeadingNumber n = ParseLeadingNumber(text);
    return n.found && n.inRange ? n.value : 0.0;
}

bool IsNumber(std::string_view text) {
    const LeadingNumber n = ParseLeadingNumber(text);
    if (!n.found || !n.inRange) {
        return false;
    }
    for (std::size_t i = n.end; i < text.size(); ++i) {
        if (text[i] != ' ' && text[i] != '\t') {
            return false;
        }
    }
    return true;
}

std::optional<std::int16_t> ToInt16HalfEven(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

std::string FormatWhole(double value) {
    return FormatFixed(value, 0);
}

std::string FormatThreeDecimals(double value) {
    return FormatFixed(value, 3);
}

}  // namespace fljudge
