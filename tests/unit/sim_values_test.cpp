// The driver's checked readers of numbers, dates, times and words, and the
// bad inputs that only a program can give (a NUL in a line, an empty
// argument): each refused with a message that names it, exit status 2.

#include "script_values.h"
#include "simulator.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using orvela::forms::DateTime;
using namespace orvela::sim;

// A text that may hold NULs, from a literal.
template <std::size_t N> std::string bytes(const char (&text)[N]) {
    return std::string(text, N - 1);
}

struct DriverRun {
    int status;
    std::string out, err;
};

DriverRun runDriver(std::vector<std::string> args, const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out, err;
    const int status = runSimulator(args, in, out, err);
    return {status, out.str(), err.str()};
}

TEST(SimValues, WholeNumbersOnlyInTheirRange) {
    const struct {
        const char* text;
        long long lo, hi;
        std::optional<long long> want;
    } cases[] = {
        {"0", 0, 10, 0},
        {"10", 0, 10, 10},
        {"11", 0, 10, std::nullopt},
        {"-1", 0, 10, std::nullopt},
        {"-5", -5, 5, -5},
        {"+7", 0, 10, 7},
        {"", 0, 10, std::nullopt},
        {"+", 0, 10, std::nullopt},
        {"+-1", -5, 5, std::nullopt},
        {" 1", 0, 10, std::nullopt},
        {"1 ", 0, 10, std::nullopt},
        {"1e3", 0, 10000, std::nullopt},
        {"4294967297", 0, 32767, std::nullopt},
        {"9223372036854775807", 0, 9223372036854775807LL, 9223372036854775807LL},
        {"9223372036854775808", 0, 9223372036854775807LL, std::nullopt},
        {"99999999999999999999999", 0, 10, std::nullopt},
    };
    for (const auto& c : cases) {
        const Checked<long long> got = parseWhole(c.text, c.lo, c.hi);
        EXPECT_EQ(got.value, c.want) << c.text;
        EXPECT_EQ(got.why.empty(), c.want.has_value()) << c.text;
    }
    EXPECT_EQ(parseWhole("4294967296", 0, 32767).why,
              "\"4294967296\" is not a whole number from 0 to 32767");
}

TEST(SimValues, DecimalsAreFiniteAndInRange) {
    const struct {
        const char* text;
        std::optional<float> want;
    } cases[] = {
        {"12", 12.0f},
        {"-3.5", -3.5f},
        {".5", 0.5f},
        {"+2", 2.0f},
        {"1e3", 1000.f},
        {"1000", 1000.f},
        {"1001", std::nullopt},
        {"nan", std::nullopt},
        {"inf", std::nullopt},
        {"-inf", std::nullopt},
        {"infinity", std::nullopt},
        {"1e39", std::nullopt},
        {"0x10", std::nullopt},
        {"", std::nullopt},
        {"1,5", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseDecimal(c.text, -1000, 1000).value, c.want) << c.text;
}

TEST(SimValues, DatesExistAndKeepTheTime) {
    const DateTime base{2004, 10, 1, 12, 34, 56, 700};
    const struct {
        const char* text;
        bool ok;
    } cases[] = {
        {"2004-02-29", true},   {"2000-02-29", true},        {"1900-02-29", false},
        {"2005-02-29", false},  {"2004-04-31", false},       {"2004-12-31", true},
        {"2004-00-10", false},  {"2004-13-01", false},       {"2004-01-00", false},
        {"1601-01-01", true},   {"1600-12-31", false},       {"30827-12-31", true},
        {"30828-01-01", false}, {"2147483647-01-01", false}, {"4294969300-10-01", false},
        {"2004-1-5", true},     {"2004-10", false},          {"2004-10-01-02", false},
        {"-2004-10-01", false}, {"2004-+1-01", false},       {"2004-10-01 ", false},
    };
    for (const auto& c : cases) {
        const Checked<DateTime> got = parseDate(c.text, base);
        EXPECT_EQ(got.value.has_value(), c.ok) << c.text;
        EXPECT_EQ(got.why.find(c.text) != std::string::npos, !c.ok) << c.text << ": " << got.why;
    }
    EXPECT_EQ(*parseDate("2004-1-5", base), (DateTime{2004, 1, 5, 12, 34, 56, 700}));
}

TEST(SimValues, TimesExistAndKeepTheDate) {
    const DateTime base{2004, 10, 1, 12, 34, 56, 700};
    EXPECT_EQ(*parseTime("23:59:59", base), (DateTime{2004, 10, 1, 23, 59, 59, 0}));
    EXPECT_EQ(*parseTime("0:0:0", base), (DateTime{2004, 10, 1, 0, 0, 0, 0}));
    for (const char* bad : {"24:00:00", "23:60:00", "23:59:60", "25:61:61", "4294967296:00:00",
                            "12:00", "12:00:00:00", "-1:00:00", "12:00:0x"})
        EXPECT_FALSE(parseTime(bad, base)) << bad;
}

TEST(SimValues, DateAndTimeTogether) {
    EXPECT_EQ(*parseDateTime("2026-12-08 09:05:06"), (DateTime{2026, 12, 8, 9, 5, 6, 0}));
    for (const char* bad :
         {"2026-12-08", "2026-12-08T09:05:06", "2026-12-08  09:05:06", "2004-02-31 12:00:00"})
        EXPECT_FALSE(parseDateTime(bad)) << bad;
}

TEST(SimValues, WordsAndQuotes) {
    using Words = std::vector<std::string>;
    EXPECT_EQ(*splitWords(" type  Form1.Text1\t\"a b\" \"\""),
              (Words{"type", "Form1.Text1", "a b", ""}));
    EXPECT_EQ(*splitWords("\"#x\" y"), (Words{"#x", "y"}));
    const Checked<Words> open = splitWords("type Form1.Text1 \"abc");
    EXPECT_FALSE(open);
    EXPECT_EQ(open.why, "a quote is not closed: \"type Form1.Text1 \\\"abc\"");
}

TEST(SimValues, ALoneCarriageReturnEndsALine) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(splitAtCarriageReturns("start"), (Lines{"start"}));
    EXPECT_EQ(splitAtCarriageReturns("start\r"), (Lines{"start"}));
    EXPECT_EQ(splitAtCarriageReturns("a\rb\r"), (Lines{"a", "b"}));
    EXPECT_EQ(splitAtCarriageReturns("a\r\rb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(splitAtCarriageReturns(""), (Lines{""}));
    EXPECT_EQ(splitAtCarriageReturns("\r"), (Lines{""}));
}

TEST(SimValues, MessagesEscapeWhatCannotBePrinted) {
    EXPECT_EQ(printable(bytes("a\0b")), "a\\x00b");
    EXPECT_EQ(printable("x\x01\x7f\xff\r\n"), "x\\x01\\x7F\\xFF\\r\\n");
    // Quotes, backslashes and UTF-8 stay as they are.
    EXPECT_EQ(printable("say \"C:\\dir\" \xd0\x9e"), "say \"C:\\dir\" \xd0\x9e");
    EXPECT_EQ(printable("\\\""), "\\\"");
}

TEST(SimValues, BadInputOnlyAProgramGivesIsNamedWhole) {
    const struct {
        std::vector<std::string> args;
        std::string script;
        const char* err;
    } cases[] = {
        {{},
         bytes("dump Form2.Visible\ndump Form2.Vis\0ible\n"),
         "orvela-sim: line 2: a NUL byte in the line: \"dump Form2.Vis\\x00ible\"\n"},
        {{},
         bytes("# a comment\0\n"),
         "orvela-sim: line 1: a NUL byte in the line: \"# a comment\\x00\"\n"},
        {{}, "fo\x1bo\n", "orvela-sim: line 1: unknown command: fo\\x1Bo\n"},
        // Line numbers count a lone CR as a line end.
        {{},
         "dump Form2.Visible\rtick x\r\n",
         "orvela-sim: line 2: tick expects a count: \"x\" is not a whole number from 0 to "
         "10000000\n"},
        {{"--program-dir", ""},
         "dump Form2.Visible\n",
         "orvela-sim: --program-dir: expects a folder, not the empty text\n"},
        {{"--fo\x01o"}, "", "orvela-sim: --fo\\x01o: unknown option\n"},
        {{"--drives", "\"A:2"},
         "",
         "orvela-sim: --drives: expects \"A:2 C:3 ...\": a quote is not closed: \"\\\"A:2\"\n"},
    };
    for (const auto& c : cases) {
        const DriverRun r = runDriver(c.args, c.script);
        EXPECT_EQ(r.status, 2) << c.err;
        EXPECT_EQ(r.err, c.err);
    }
    // The line before the NUL ran; nothing after it.
    EXPECT_EQ(runDriver({}, cases[0].script + "dump Form2.Visible\n").out, "Form2: not loaded\n");
}

TEST(SimValues, TheEdgesOfEachRangeAreAccepted) {
    const DriverRun r =
        runDriver({"--screen", "32767x1", "--display-height", "0", "--now", "30827-12-31 23:59:59",
                   "--recycle", "0:9223372036854775807", "--drives", "a:0 Z:6", "--special",
                   "255=X", "--os-major", "0"},
                  "start\ntick 10\ndate 1601-01-01\ntime 0:0:0\nat -1e9 1e9 move\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
}

} // namespace
