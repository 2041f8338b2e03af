// The values of the driver's command lines and script lines: whole numbers
// in a range, finite decimals, dates and times that exist, and the words of
// a line. Every option and command reads its values through these, so that
// a value out of range is refused the same way everywhere.
#pragma once

#include "forms/clock.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvela::sim {

// A value read from a text, or why the text was refused. The reason names
// the text as the driver prints texts (quoted, other bytes as \xNN):
// "\"4294967296\" is not a whole number from 0 to 32767".
template <typename T> struct Checked {
    std::optional<T> value;
    std::string why;

    explicit operator bool() const { return value.has_value(); }
    const T& operator*() const { return *value; }
    const T* operator->() const { return &*value; }
};

// The years a date may have: those of a Windows SYSTEMTIME (and so of a
// FILETIME, which counts from 1601).
inline constexpr int firstYear = 1601, lastYear = 30827;

// The whole text as a decimal whole number from lo to hi: digits with an
// optional sign, nothing else.
Checked<long long> parseWhole(std::string_view text, long long lo, long long hi);
// The whole text as a finite decimal number from lo to hi (both whole):
// "12", "-3.5", "1e3"; no nan, inf or hexadecimal.
Checked<float> parseDecimal(std::string_view text, float lo, float hi);
// A screen size "WxH" in pixels, each a whole number from 1 to 32767.
struct ScreenSize {
    unsigned width = 0, height = 0;
};
Checked<ScreenSize> parseScreenSize(std::string_view text);

// "YYYY-MM-DD", a day that exists in a year from firstYear to lastYear,
// into the date fields of base; the time fields stay as they are.
Checked<forms::DateTime> parseDate(std::string_view text, forms::DateTime base);
// "HH:MM:SS" from 00:00:00 to 23:59:59 into the time fields of base (the
// milliseconds 0); the date fields stay as they are.
Checked<forms::DateTime> parseTime(std::string_view text, forms::DateTime base);
// "YYYY-MM-DD HH:MM:SS", both parts as above.
Checked<forms::DateTime> parseDateTime(std::string_view text);

// A text as the driver's messages print it: quoted, with C escapes and
// \xNN for bytes that are not printable ASCII (a NUL as \x00), so that a
// message is never cut short or garbled by what it quotes.
std::string quoteValue(std::string_view text);

// A message as the driver prints it: bytes that are not printable ASCII or
// UTF-8 escaped as in quoteValue() (a NUL as \x00), the rest as it stands.
std::string printable(std::string_view message);

// The lines of a text read up to an LF (the LF not included): a lone CR
// ends a line as an LF does, and a CR at the end is that of a CR LF.
// "a\rb\r" is "a" and "b".
std::vector<std::string> splitAtCarriageReturns(std::string_view text);

// The words of a line, split at blanks and tabs; "double quoted" words may
// hold blanks. A quote left open is refused.
Checked<std::vector<std::string>> splitWords(std::string_view line);

} // namespace orvela::sim
