#include "win32/system_clock.h"

#include <gtest/gtest.h>

#include <ctime>

namespace orvela::win32 {
namespace {

std::int64_t secondsOf(const forms::DateTime& t) {
    return forms::daysFromCivil(t.year, t.month, t.day) * 86400 + t.hour * 3600 + t.minute * 60 +
           t.second;
}

forms::DateTime localTimeOf(std::time_t t) {
    const std::tm* local = std::localtime(&t);
    return {local->tm_year + 1900,
            local->tm_mon + 1,
            local->tm_mday,
            local->tm_hour,
            local->tm_min,
            local->tm_sec,
            0};
}

TEST(SystemClock, GivesTheLocalTimeTheRuntimeKnows) {
    const std::time_t before = std::time(nullptr);
    const forms::DateTime now = SystemClock().now();
    const std::time_t after = std::time(nullptr);

    EXPECT_GE(secondsOf(now), secondsOf(localTimeOf(before)) - 1);
    EXPECT_LE(secondsOf(now), secondsOf(localTimeOf(after)) + 1);
    EXPECT_GE(now.millisecond, 0);
    EXPECT_LE(now.millisecond, 999);
}

} // namespace
} // namespace orvela::win32
