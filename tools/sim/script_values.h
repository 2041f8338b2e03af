// The values of the driver's command lines and script lines: whole-text
// numbers, dates and times, and the words of a line.
#pragma once

#include "forms/clock.h"

#include <string>
#include <vector>

namespace orvela::sim {

// True when the whole text is the number.
bool parseInt(const std::string& text, long long& value);
bool parseFloat(const std::string& text, float& value);
// "YYYY-MM-DD" into the date fields, "HH:MM:SS" into the time fields (and
// the milliseconds to 0); false, leaving t as it was, for anything else.
bool parseDate(const std::string& text, forms::DateTime& t);
bool parseTime(const std::string& text, forms::DateTime& t);
// "YYYY-MM-DD HH:MM:SS".
bool parseDateTime(const std::string& text, forms::DateTime& t);

// Splits a line into words at blanks and tabs; "double quoted" words may
// hold blanks.
std::vector<std::string> splitWords(const std::string& line);

} // namespace orvela::sim
