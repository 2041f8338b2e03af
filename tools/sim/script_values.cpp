#include "script_values.h"

#include "platform/fake/text_format.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace orvela::sim {

namespace {

template <typename T> Checked<T> refuse(std::string why) {
    return {std::nullopt, std::move(why)};
}

// A run of decimal digits, the whole text, that fits a long long.
std::optional<long long> digits(std::string_view text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    long long v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return v;
}

// The three digit runs of "A<sep>B<sep>C".
bool threeFields(std::string_view text, char sep, long long (&field)[3]) {
    for (int i = 0; i < 3; ++i) {
        const std::size_t at = i < 2 ? text.find(sep) : text.size();
        if (at == std::string_view::npos)
            return false;
        const std::optional<long long> v = digits(text.substr(0, at));
        if (!v)
            return false;
        field[i] = *v;
        text.remove_prefix(i < 2 ? at + 1 : at);
    }
    return true;
}

int daysInMonth(long long year, long long month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

} // namespace

Checked<long long> parseWhole(std::string_view text, long long lo, long long hi) {
    auto refused = [&] {
        return refuse<long long>(quoteValue(text) + " is not a whole number from " +
                                 std::to_string(lo) + " to " + std::to_string(hi));
    };
    std::string_view number = text;
    if (number.size() > 1 && number[0] == '+' && number[1] != '-')
        number.remove_prefix(1);
    long long v = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), v);
    if (number.empty() || ec != std::errc() || end != number.data() + number.size() || v < lo ||
        v > hi)
        return refused();
    return {v, {}};
}

Checked<ScreenSize> parseScreenSize(std::string_view text) {
    constexpr long long maxPixels = 32767;
    const std::size_t x = text.find('x');
    const Checked<long long> w = parseWhole(text.substr(0, x), 1, maxPixels);
    const Checked<long long> h =
        x == std::string_view::npos ? w : parseWhole(text.substr(x + 1), 1, maxPixels);
    if (x == std::string_view::npos || !w || !h)
        return refuse<ScreenSize>(quoteValue(text) + " is not WxH, each a whole number from 1 to " +
                                  std::to_string(maxPixels));
    return {ScreenSize{static_cast<unsigned>(*w), static_cast<unsigned>(*h)}, {}};
}

Checked<float> parseDecimal(std::string_view text, float lo, float hi) {
    auto refused = [&] {
        return refuse<float>(quoteValue(text) + " is not a finite decimal number from " +
                             std::to_string(static_cast<long long>(lo)) + " to " +
                             std::to_string(static_cast<long long>(hi)));
    };
    std::string_view number = text;
    if (number.size() > 1 && number[0] == '+' && number[1] != '-')
        number.remove_prefix(1);
    float v = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), v);
    if (number.empty() || ec != std::errc() || end != number.data() + number.size() ||
        !std::isfinite(v) || v < lo || v > hi)
        return refused();
    return {v, {}};
}

Checked<forms::DateTime> parseDate(std::string_view text, forms::DateTime base) {
    long long f[3];
    if (!threeFields(text, '-', f))
        return refuse<forms::DateTime>(quoteValue(text) + " is not a date YYYY-MM-DD");
    const long long year = f[0], month = f[1], day = f[2];
    if (year < firstYear || year > lastYear)
        return refuse<forms::DateTime>(quoteValue(text) + " is not a date in the years " +
                                       std::to_string(firstYear) + " to " +
                                       std::to_string(lastYear));
    if (month < 1 || month > 12)
        return refuse<forms::DateTime>(quoteValue(text) + " is not a date: no month " +
                                       std::to_string(month));
    if (day < 1 || day > daysInMonth(year, month))
        return refuse<forms::DateTime>(
            quoteValue(text) + " is not a date: month " + std::to_string(month) + " of " +
            std::to_string(year) + " has " + std::to_string(daysInMonth(year, month)) + " days");
    base.year = static_cast<int>(year);
    base.month = static_cast<int>(month);
    base.day = static_cast<int>(day);
    return {base, {}};
}

Checked<forms::DateTime> parseTime(std::string_view text, forms::DateTime base) {
    long long f[3];
    if (!threeFields(text, ':', f) || f[0] > 23 || f[1] > 59 || f[2] > 59)
        return refuse<forms::DateTime>(quoteValue(text) +
                                       " is not a time HH:MM:SS from 00:00:00 to 23:59:59");
    base.hour = static_cast<int>(f[0]);
    base.minute = static_cast<int>(f[1]);
    base.second = static_cast<int>(f[2]);
    base.millisecond = 0;
    return {base, {}};
}

Checked<forms::DateTime> parseDateTime(std::string_view text) {
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos)
        return refuse<forms::DateTime>(quoteValue(text) +
                                       " is not a date and time \"YYYY-MM-DD HH:MM:SS\"");
    const Checked<forms::DateTime> date = parseDate(text.substr(0, blank), {});
    if (!date)
        return date;
    return parseTime(text.substr(blank + 1), *date);
}

std::string quoteValue(std::string_view text) {
    return platform::fake::quoteText(std::string(text));
}

std::string printable(std::string_view message) {
    // quoteText escapes every quote and backslash as well: keep those as
    // they stand, and the escapes of the other bytes.
    const std::string q = quoteValue(message);
    std::string out;
    for (std::size_t i = 1; i + 1 < q.size(); ++i) {
        if (q[i] == '\\' && (q[i + 1] == '"' || q[i + 1] == '\\'))
            ++i;
        out += q[i];
    }
    return out;
}

std::vector<std::string> splitAtCarriageReturns(std::string_view text) {
    std::vector<std::string> lines;
    for (std::size_t cr; (cr = text.find('\r')) != std::string_view::npos;) {
        lines.emplace_back(text.substr(0, cr));
        text.remove_prefix(cr + 1);
        if (text.empty())
            return lines;
    }
    lines.emplace_back(text);
    return lines;
}

Checked<std::vector<std::string>> splitWords(std::string_view line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i >= line.size())
            break;
        std::string word;
        if (line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos)
                return refuse<std::vector<std::string>>("a quote is not closed: " +
                                                        quoteValue(line));
            word = line.substr(i + 1, close - i - 1);
            i = close + 1;
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t')
                word += line[i++];
        }
        words.push_back(word);
    }
    return {std::move(words), {}};
}

} // namespace orvela::sim
