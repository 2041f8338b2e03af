// Conversions between the texts of the hidden value labels and numbers: a
// leading-number parse that never fails, half-to-even integers, and number
// texts that read back to the same value.

#include "shell/value_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

using orvela::shell::numberToText;
using orvela::shell::textToInt;
using orvela::shell::textToNumber;

TEST(ValueText, TextToNumberTakesTheLeadingNumberOrZero) {
    struct Case {
        std::string text;
        double expected;
    };
    const Case cases[] = {
        {"", 0},
        {"abc", 0},
        {" 12abc", 12},
        {"\t 7", 7},
        {"-3.5", -3.5},
        {"+4", 4},
        {"-.5", -0.5},
        {"3.", 3},
        {".", 0},
        {"-", 0},
        {"+-1", 0},
        {"1e3", 1000},
        {"1E-2", 0.01},
        {"1e", 1},    // an exponent without digits is not part of the number
        {"2e+", 2},   //
        {"15px", 15}, // trailing garbage
        {"1.2.3", 1.2},
        {"\"5\"", 0}, // quotes are removed by the settings file, not here
        {"1e400", 0}, // beyond double range
        {"99999999999999999999", 1e20},
        {std::string("1\0" "2", 3), 1},
        {"\xEF\xBB\xBF" "5", 0}, // a byte-order mark is no blank
    };
    for (const Case& c : cases)
        EXPECT_EQ(textToNumber(c.text), c.expected) << '"' << c.text << '"';
}

TEST(ValueText, TextToIntRoundsHalfToEvenAndRejectsOutOfRange) {
    struct Case {
        std::string text;
        int expected;
    };
    const Case cases[] = {
        {"2.5", 2},
        {"3.5", 4},
        {"0.5", 0},
        {"1.5", 2},
        {"-2.5", -2},
        {"-3.5", -4},
        {"2.4999", 2},
        {"2.5001", 3},
        {"abc", 0},
        {"", 0},
        {" 3abc", 3},
        {"1e3", 1000},
        {"2147483647", std::numeric_limits<int>::max()},
        {"-2147483648", std::numeric_limits<int>::min()},
        {"2147483648", 0},
        {"-2147483649", 0},
        {"99999999999999999999", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(textToInt(c.text), c.expected) << '"' << c.text << '"';
}

TEST(ValueText, NumberToTextWritesIntegersPlainAndOthersShortest) {
    struct Case {
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {0, "0"},          {-0.0, "0"},        {15, "15"},
        {-3, "-3"},        {1411.2, "1411.2"}, {0.1, "0.1"},
        {-210.9375, "-210.9375"},              {123456789012345, "123456789012345"},
        {2147483648.0, "2147483648"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(numberToText(c.value), c.expected) << c.value;
}

TEST(ValueText, NumberTextReadsBackToTheSameNumber) {
    const double values[] = {0,       1,     -1,          0.1,    1411.2, 1e15,
                             -1e15,   1e20,  2.5e-7,      1.0 / 3, 8208,   164.0625,
                             1e300,   -1e-300, 4294967295.0};
    for (double v : values)
        EXPECT_EQ(textToNumber(numberToText(v)), v) << numberToText(v);
}

} // namespace
