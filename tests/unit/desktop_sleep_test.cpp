// Whether the desktop sleeps: any reason puts it to sleep once, it wakes
// once when the last reason ends, and a reason that never began ends
// nothing.
#include "shell/desktop_sleep.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvela::shell {
namespace {

using R = HiddenReason;

struct Step {
    bool hide;
    R reason;
    const char* heard; // what the sleep and wake callbacks said, if anything
};

TEST(DesktopSleep, SleepsOnTheFirstReasonAndWakesWhenTheLastEnds) {
    const std::vector<std::vector<Step>> runs = {
        {{true, R::minimized, "sleep"}, {false, R::minimized, "wake"}},
        {{true, R::covered, "sleep"},
         {true, R::locked, ""},
         {true, R::covered, ""}, // the same reason twice counts once
         {false, R::covered, ""},
         {false, R::locked, "wake"}},
        {{false, R::displayOff, ""}, // never began
         {true, R::displayOff, "sleep"},
         {false, R::minimized, ""},
         {false, R::displayOff, "wake"},
         {false, R::displayOff, ""}},
    };
    for (const auto& run : runs) {
        std::string heard;
        DesktopSleep sleep([&heard] { heard += "sleep"; }, [&heard] { heard += "wake"; });
        for (const Step& step : run) {
            heard.clear();
            if (step.hide)
                sleep.hide(step.reason);
            else
                sleep.show(step.reason);
            EXPECT_EQ(heard, step.heard) << static_cast<int>(step.reason);
        }
        EXPECT_FALSE(sleep.asleep());
    }
}

} // namespace
} // namespace orvela::shell
