#include "platform/fake/date_picture.h"

#include <array>

namespace orvela::platform::fake {

namespace {

constexpr std::array<const char*, 12> monthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<const char*, 7> dayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                 "Thursday", "Friday", "Saturday"};

// Sakamoto's method: 0 = Sunday.
int weekday(int year, int month, int day) {
    static constexpr int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3)
        --year;
    int w = (year + year / 4 - year / 100 + year / 400 + offsets[month - 1] + day) % 7;
    return w < 0 ? w + 7 : w;
}

std::string padded(int value, std::size_t width) {
    std::string text = std::to_string(value);
    return text.size() < width ? std::string(width - text.size(), '0') + text : text;
}

std::string field(char letter, std::size_t run, int year, int month, int day) {
    switch (letter) {
    case 'd':
        if (run <= 2)
            return padded(day, run);
        {
            std::string name = dayNames[static_cast<std::size_t>(weekday(year, month, day))];
            return run == 3 ? name.substr(0, 3) : name;
        }
    case 'M':
        if (run <= 2)
            return padded(month, run);
        return run == 3 ? std::string(monthNames[month - 1]).substr(0, 3) : monthNames[month - 1];
    default: // 'y'
        if (run <= 2)
            return padded(year % 100, run);
        return padded(year, 4);
    }
}

} // namespace

std::string formatDatePicture(const std::string& picture, int year, int month, int day) {
    if (month < 1 || month > 12)
        return {};
    std::string out;
    for (std::size_t i = 0; i < picture.size();) {
        char c = picture[i];
        if (c == '\'' && i + 1 < picture.size() && picture[i + 1] == '\'') {
            out += '\''; // '' stands for one quote
            i += 2;
            continue;
        }
        if (c == '\'') {
            // Quoted literal; '' inside stands for one quote.
            for (++i; i < picture.size(); ++i) {
                if (picture[i] == '\'') {
                    if (i + 1 < picture.size() && picture[i + 1] == '\'') {
                        out += '\'';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                out += picture[i];
            }
            continue;
        }
        if (c != 'd' && c != 'M' && c != 'y') {
            out += c;
            ++i;
            continue;
        }
        std::size_t run = 1;
        while (i + run < picture.size() && picture[i + run] == c)
            ++run;
        out += field(c, run, year, month, day);
        i += run;
    }
    return out;
}

} // namespace orvela::platform::fake
