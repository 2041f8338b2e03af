// Injectable time source of the forms runtime.
#pragma once

#include <cstdint>

namespace orvela::forms {

struct DateTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    bool operator==(const DateTime&) const = default;
};

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
std::int64_t daysFromCivil(int year, int month, int day);
void civilFromDays(std::int64_t days, int& year, int& month, int& day);

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
};

// A clock that only moves when told to: tests and the headless driver.
class ManualClock : public Clock {
public:
    explicit ManualClock(DateTime start = {}) : now_(start) {}
    DateTime now() const override { return now_; }
    void set(const DateTime& t) { now_ = t; }
    void advanceMilliseconds(std::int64_t ms);

private:
    DateTime now_;
};

} // namespace orvela::forms
