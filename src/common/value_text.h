// Conversions between the texts that the hidden value labels hold and the
// numbers the logic computes with. A text that is no number converts to 0,
// the way a leading-number parse does ("12abc" is 12, "abc" is 0).
#pragma once

#include <string>

namespace orvela::common {

// The number at the start of text (blanks before it skipped), or 0.
double textToNumber(const std::string& text);
// The integer value of a text: its number rounded half to even; 0 for no
// number or a number outside the 32-bit range.
int textToInt(const std::string& text);
// Decimal text of a number as the classic run time writes a double: up to
// 15 significant digits, no trailing zeros ("45", "1.46666666666667").
std::string numberToText(double value);

} // namespace orvela::common
