// The month calendar of the main window (Label101..Label151): year, month
// name, weekday headers and 6 x 7 day cells, Monday first, today's cell
// opaque. Weekdays are numbered 1 = Monday .. 7 = Sunday and counted from
// 1 January 2004, a Thursday.
#pragma once

#include "forms/clock.h"
#include "forms/form.h"
#include "shell/desktop_settings.h"

#include <array>

namespace orvela::shell {

// Days of the given month (28..31), Gregorian leap years included.
int day_in_month(int year, int month);

// Weekday of the first day of a month, counted from the 2004 anchor: forward
// year by year and month by month, and backwards for years before 2004, so
// every year gets its true weekday.
int firstWeekdayOfMonth(int year, int month);

// One month as the calendar shows it: cell k (1..42) holds its day number or
// 0 for an empty cell; today is the weekday of the given day.
struct CalendarPage {
    std::array<int, 43> cells{}; // [0] unused
    int firstWeekday = 0;
    int todayWeekday = 0;
};
CalendarPage calendarPage(int year, int month, int day);

class MonthCalendar {
public:
    MonthCalendar(forms::Form& form2, DesktopSettings& settings, const forms::Clock& clock)
        : form2_(form2), settings_(settings), clock_(clock) {}

    // Fills year, month, cells and highlight from the system date and
    // stores today's weekday in the settings (dennn).
    void fillCalendar();
    // Shows or hides the 51 calendar labels.
    void showCalendar() { setVisible(true); }
    void hideCalendar() { setVisible(false); }
    void showCalendar(bool shown) { setVisible(shown); }
    // Whether the calendar shows now (its month label stands for it).
    bool calendarShown();
    // Whether the calendar was last filled for the clock's date today.
    bool filledForToday() const;

private:
    void setVisible(bool visible);

    forms::Form& form2_;
    DesktopSettings& settings_;
    const forms::Clock& clock_;
    int filledYear_ = 0, filledMonth_ = 0, filledDay_ = 0;
};

} // namespace orvela::shell
