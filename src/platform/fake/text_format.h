// Plain-text forms of values, as the headless driver and the recorded calls
// print them: texts quoted with C escapes, numbers in their shortest form.
#pragma once

#include <string>

namespace orvela::platform::fake {

// "..." with \r \n \t \" \\ escaped, UTF-8 text as is, other bytes as \xNN.
std::string quoteText(const std::string& text);
// The shortest decimal text that reads back to the same float.
std::string formatNumber(float value);
std::string formatNumber(double value);

} // namespace orvela::platform::fake
