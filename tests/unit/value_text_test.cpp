// Conversions between the texts of the hidden value labels and numbers: a
// leading-number parse that never fails, half-to-even integers, and number
// texts that read back to the same value.

#include "common/value_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>

namespace {

using orvela::common::numberToText;
using orvela::common::textToInt;
using orvela::common::textToNumber;

TEST(ValueText, TextToNumberTakesTheLeadingNumberOrZero) {
    const std::pair<std::string, double> cases[] = {
        {"", 0},
        {"abc", 0},
        {" 12abc", 12},
        {"\t 7", 7},
        {"-3.5", -3.5},
        {"+4", 4},
        {"-.5", -0.5},
        {".", 0},
        {"-", 0},
        {"+-1", 0},
        {"1e3", 1000},
        {"1E-2", 0.01},
        {"1e", 1},
        {"2e+", 2},
        {"1.2.3", 1.2},
        {"\"5\"", 0},
        {"1e400", 0},
        {"99999999999999999999", 1e20},
        {std::string("1\0"
                     "2",
                     3),
         1},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(textToNumber(text), expected) << '"' << text << '"';
}

TEST(ValueText, TextToIntRoundsHalfToEvenAndGivesZeroOutsideTheIntRange) {
    const std::pair<std::string, int> cases[] = {
        {"2.5", 2},
        {"3.5", 4},
        {"0.5", 0},
        {"-2.5", -2},
        {"-3.5", -4},
        {"2.5001", 3},
        {"abc", 0},
        {" 3abc", 3},
        {"2147483647", std::numeric_limits<int>::max()},
        {"-2147483648", std::numeric_limits<int>::min()},
        {"2147483648", 0},
        {"-2147483649", 0},
        {"1e20", 0},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(textToInt(text), expected) << '"' << text << '"';
}

TEST(ValueText, NumberTextIsTheClassicFifteenDigitForm) {
    const std::pair<double, const char*> cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {-3, "-3"},
        {1411.2, "1411.2"},
        {22.0 / 15, "1.46666666666667"},
        {3 * 15.0, "45"},
        {2 * 11.71875, "23.4375"},
        {0.1 + 0.2, "0.3"},
        {123456789012345, "123456789012345"},
        {1e15, "1E+15"},
        {0.00001, "1E-05"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(numberToText(value), expected) << value;
}

} // namespace
