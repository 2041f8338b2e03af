#include "forms/clock.h"

namespace orvela::forms {

// Howard Hinnant's civil-calendar algorithms.
std::int64_t daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy =
        (153 * static_cast<unsigned>(m > 2 ? m - 3 : m + 9) + 2) / 5 + static_cast<unsigned>(d) - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromDays(std::int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

void ManualClock::advanceMilliseconds(std::int64_t ms) {
    constexpr std::int64_t msPerDay = 86400000;
    std::int64_t total = daysFromCivil(now_.year, now_.month, now_.day) * msPerDay +
                         ((now_.hour * 60 + now_.minute) * 60 + now_.second) * 1000LL +
                         now_.millisecond + ms;
    std::int64_t days = total >= 0 ? total / msPerDay : (total - msPerDay + 1) / msPerDay;
    std::int64_t rest = total - days * msPerDay;
    civilFromDays(days, now_.year, now_.month, now_.day);
    now_.millisecond = static_cast<int>(rest % 1000);
    rest /= 1000;
    now_.second = static_cast<int>(rest % 60);
    rest /= 60;
    now_.minute = static_cast<int>(rest % 60);
    now_.hour = static_cast<int>(rest / 60);
}

} // namespace orvela::forms
