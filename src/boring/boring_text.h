#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fljudge {

// A value of the file as shown to the user: blanks (full-width included)
// around it removed, the file's literal line break "\n" (written ¥n) made a
// blank.
std::string CleanText(std::string_view text);

// The text without any blank, full-width included (for soil names).
std::string WithoutBlanks(std::string_view text);

// The decimal number a value of the file writes: blanks anywhere, full-width
// digits, sign and period tolerated ("１２．５０", " 3.5 "). Nothing when it
// is empty, not one number, or not finite.
std::optional<double> ParseDecimalText(std::string_view text);

// The digits of a code ("５３１２０００００" gives "531200000"); empty when
// the text holds anything but digits and blanks.
std::string CodeDigits(std::string_view text);

}  // namespace fljudge
