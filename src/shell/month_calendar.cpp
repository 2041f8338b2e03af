#include "shell/month_calendar.h"

#include <string>

namespace orvela::shell {

namespace {

constexpr int anchorYear = 2004;
constexpr int anchorWeekday = 4; // 1 January 2004 was a Thursday
constexpr int firstCell = 110;   // Label110 is cell 1
constexpr int cellCount = 42;

constexpr std::array<const char*, 12> monthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// Weekday w moved on by days, kept in 1..7.
int addDays(int w, long days) {
    return static_cast<int>(((w - 1 + days) % 7 + 7) % 7) + 1;
}

int daysBeforeMonth(int year, int month) {
    int days = 0;
    for (int m = 1; m < month; ++m)
        days += day_in_month(year, m);
    return days;
}

} // namespace

int day_in_month(int year, int month) {
    const std::int64_t first = forms::daysFromCivil(year, month, 1);
    const std::int64_t next = month == 12 ? forms::daysFromCivil(year + 1, 1, 1)
                                          : forms::daysFromCivil(year, month + 1, 1);
    return static_cast<int>(next - first);
}

int firstWeekdayOfMonth(int year, int month) {
    int w = anchorWeekday;
    for (int y = anchorYear; y < year; ++y)
        w = addDays(w, daysBeforeMonth(y, 13));
    for (int y = year; y < anchorYear; ++y)
        w = addDays(w, -daysBeforeMonth(y, 13));
    return addDays(w, daysBeforeMonth(year, month));
}

CalendarPage calendarPage(int year, int month, int day) {
    CalendarPage page;
    page.firstWeekday = firstWeekdayOfMonth(year, month);
    page.todayWeekday = addDays(page.firstWeekday, day - 1);
    const int days = day_in_month(year, month);
    for (int d = 1; d <= days; ++d)
        page.cells[static_cast<std::size_t>(page.firstWeekday + d - 1)] = d;
    return page;
}

bool MonthCalendar::filledForToday() const {
    const forms::DateTime now = clock_.now();
    return now.year == filledYear_ && now.month == filledMonth_ && now.day == filledDay_;
}

void MonthCalendar::fillCalendar() {
    const forms::DateTime now = clock_.now();
    filledYear_ = now.year;
    filledMonth_ = now.month;
    filledDay_ = now.day;
    forms::Form& f = form2_.touch();
    f.control("Label102").setCaption(std::to_string(now.year));
    f.control("Label101").setCaption(monthNames[static_cast<std::size_t>(now.month - 1)]);
    const CalendarPage page = calendarPage(now.year, now.month, now.day);
    settings_.setWeekday(page.todayWeekday);
    for (int k = 1; k <= cellCount; ++k) {
        const int d = page.cells[static_cast<std::size_t>(k)];
        forms::Control& cell = f.control("Label" + std::to_string(firstCell + k - 1));
        cell.setCaption(d ? std::to_string(d) : "  ");
        cell.setBackStyle(d == now.day ? 1 : 0);
    }
}

bool MonthCalendar::calendarShown() {
    return form2_.touch().control("Label103").visible();
}

void MonthCalendar::setVisible(bool visible) {
    forms::Form& f = form2_.touch();
    for (int n = 101; n <= 151; ++n)
        f.control("Label" + std::to_string(n)).setVisible(visible);
}

} // namespace orvela::shell
