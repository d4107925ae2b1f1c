#pragma once

#include <QString>

#include "project/number_text.h"

// The number texts of the edit fields, through the program's one set of
// locale-free conversions.
namespace fljudge {

inline QString FixedText(double value, int decimals) {
    return QString::fromStdString(FormatFixed(value, decimals));
}

inline double LeadingValue(const QString& text) {
    return LeadingNumberOrZero(text.toStdString());
}

inline bool HoldsNumber(const QString& text) {
    return IsNumber(text.toStdString());
}

// Grid texts: "0.000" and "0".
inline QString Fixed3Text(double value) {
    return FixedText(value, 3);
}
inline QString WholeText(double value) {
    return FixedText(value, 0);
}

}  // namespace fljudge
