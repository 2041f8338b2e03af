// The recording fake over a long run: the calls since the last take are kept
// up to a bound, the oldest dropped and counted.

#include "platform/fake/fake_platform.h"

#include <gtest/gtest.h>

namespace {

using orvela::platform::fake::FakePlatform;

TEST(FakeCalls, ALongRunKeepsTheLastCallsAndCountsTheOthers) {
    FakePlatform fake{orvela::platform::fake::FakeMachine{}};
    const std::size_t bound = FakePlatform::maxKeptCalls;
    for (std::size_t i = 0; i < bound + 5; ++i)
        (void)fake.getSysColor(static_cast<int>(i % 30));
    const auto calls = fake.takeCalls();
    ASSERT_EQ(calls.size(), bound + 1);
    EXPECT_EQ(calls.front(), "not kept: 5 earlier calls");
    EXPECT_EQ(calls[1], "call GetSysColor 5"); // call 5 is the oldest kept
    EXPECT_EQ(calls.back(), "call GetSysColor " + std::to_string((bound + 4) % 30));

    (void)fake.getSysColor(3);
    EXPECT_EQ(fake.takeCalls(), std::vector<std::string>{"call GetSysColor 3"})
        << "a take starts the count afresh";
}

} // namespace
