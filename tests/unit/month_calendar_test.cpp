// The month calendar against an independent date computation, and one month
// filled on the main window.

#include "shell/month_calendar.h"
#include "started_app.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace {

using namespace orvela;
namespace chr = std::chrono;

int isoWeekday(int y, int m, int d) {
    return static_cast<int>(
        chr::weekday{chr::sys_days{chr::year{y} / chr::month{unsigned(m)} / chr::day{unsigned(d)}}}
            .iso_encoding());
}

TEST(MonthCalendar, EveryMonthFrom1990To2099MatchesTheCalendar) {
    for (int y = 1990; y <= 2099; ++y) {
        for (int m = 1; m <= 12; ++m) {
            SCOPED_TRACE(testing::Message() << y << "-" << m);
            const int last = static_cast<int>(static_cast<unsigned>(
                chr::year_month_day_last{chr::year{y} / chr::month{unsigned(m)} / chr::last}
                    .day()));
            ASSERT_EQ(shell::day_in_month(y, m), last);
            const int first = isoWeekday(y, m, 1);
            ASSERT_EQ(shell::firstWeekdayOfMonth(y, m), first);
            const shell::CalendarPage page = shell::calendarPage(y, m, last);
            ASSERT_EQ(page.todayWeekday, isoWeekday(y, m, last));
            for (int k = 1; k <= 42; ++k) {
                const int day = k - first + 1;
                ASSERT_EQ(page.cells[static_cast<std::size_t>(k)],
                          day >= 1 && day <= last ? day : 0)
                    << "cell " << k;
            }
        }
    }
}

TEST(MonthCalendar, FillsTheMainWindowAndHighlightsOnlyToday) {
    struct Case {
        forms::DateTime now;
        const char* year;
        const char* month;
        int todayCell;
        const char* weekday;
    };
    const Case cases[] = {
        {{2004, 8, 31, 12, 0, 0, 0}, "2004", "August", 37, "2"}, // 1st a Sunday: cell 7
        {{2004, 3, 1, 9, 0, 0, 0}, "2004", "March", 1, "1"},     // 1st a Monday: cell 1
        {{2003, 6, 15, 9, 0, 0, 0}, "2003", "June", 21, "7"},    // before 2004: true weekday
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.month);
        test::AppOptions o;
        o.now = k.now;
        test::StartedApp app(o);
        EXPECT_EQ(app.c("Label102").caption(), k.year);
        EXPECT_EQ(app.c("Label101").caption(), k.month);
        EXPECT_EQ(app.setting("dennn").caption(), k.weekday);
        const int first = isoWeekday(k.now.year, k.now.month, 1);
        const int days = shell::day_in_month(k.now.year, k.now.month);
        for (int cell = 1; cell <= 42; ++cell) {
            const forms::Control& label = app.c(("Label" + std::to_string(109 + cell)).c_str());
            const int day = cell - first + 1;
            EXPECT_EQ(label.caption(), day >= 1 && day <= days ? std::to_string(day) : "  ")
                << cell;
            EXPECT_EQ(label.backStyle(), cell == k.todayCell ? 1 : 0) << cell;
        }
    }
}

} // namespace
