// Dates in a Windows date picture ("M/d/yyyy", "dd.MM.yy"): the fake's
// stand-in for the user's short date format.
#pragma once

#include <string>

namespace orvela::platform::fake {

// d, dd: day; ddd, dddd: weekday name; M, MM: month; MMM, MMMM: month name;
// y, yy: year in the century; yyyy (any other run of y): the whole year.
// Text in single quotes ('' for a quote) and every other character stand as
// they are.
std::string formatDatePicture(const std::string& picture, int year, int month, int day);

} // namespace orvela::platform::fake
