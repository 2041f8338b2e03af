// The driver's script reader: the lines of a script, the words of a line and
// the values of the words, for any bytes (tools/sim/script_values.h).
//
// Lines: a lone CR ends a line as LF and CR LF do, and nothing else is lost.
// Words: what splitWords gives, quoted again, reads back the same; a quote
// left open is refused with the line. Values: a number, coordinate, size,
// date or time is accepted only within its range and reads back the same
// from the text the driver would write for it; a refusal names the text.
// Messages and quoted texts are printable, and a quoted text unquotes to
// the bytes it quotes.

#include "forms/clock.h"
#include "fuzz_support.h"
#include "platform/fake/text_format.h"
#include "script_lines.h"
#include "script_values.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace orvela;
using sim::Checked;

// The bytes a quoted text stands for: the driver's escapes undone.
std::string unquote(const std::string& quoted) {
    FUZZ_CHECK(quoted.size() >= 2 && quoted.front() == '"' && quoted.back() == '"');
    std::string out;
    for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
        if (quoted[i] != '\\') {
            FUZZ_CHECK(quoted[i] != '"');
            out += quoted[i];
            continue;
        }
        FUZZ_CHECK(i + 2 < quoted.size());
        const char e = quoted[++i];
        if (e == 'x') {
            FUZZ_CHECK(i + 3 < quoted.size());
            out += static_cast<char>(std::stoi(quoted.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            FUZZ_CHECK(e == 'r' || e == 'n' || e == 't' || e == '"' || e == '\\');
            out += e == 'r' ? '\r' : e == 'n' ? '\n' : e == 't' ? '\t' : e;
        }
    }
    return out;
}

void checkQuoting(const std::string& text) {
    const std::string quoted = sim::quoteValue(text);
    FUZZ_CHECK(fuzz::isPrintable(quoted));
    FUZZ_CHECK(unquote(quoted) == text);
    const std::string message = sim::printable(text);
    FUZZ_CHECK(fuzz::isPrintable(message));
    if (fuzz::isPrintable(text))
        FUZZ_CHECK(message == text);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The words written back as a line: a word that holds a blank, starts with
// a quote or is empty goes between quotes.
std::string wordsLine(const std::vector<std::string>& words) {
    std::string line;
    for (const std::string& w : words) {
        const bool quote = w.empty() || w[0] == '"' || w.find_first_of(" \t") != std::string::npos;
        line += (line.empty() ? "" : " ") + (quote ? '"' + w + '"' : w);
    }
    return line;
}

void checkWords(const std::string& line) {
    const Checked<std::vector<std::string>> words = sim::splitWords(line);
    if (!words) {
        FUZZ_CHECK(line.find('"') != std::string::npos);
        FUZZ_CHECK(words.why == "a quote is not closed: " + sim::quoteValue(line));
        return;
    }
    for (const std::string& w : *words) {
        // A word holds a blank or a quote only as its quoted form allows.
        const bool blanks = w.find_first_of(" \t") != std::string::npos;
        FUZZ_CHECK(!(blanks && w.find('"') != std::string::npos));
    }
    FUZZ_CHECK(words->size() <= line.size());
    if (std::all_of(line.begin(), line.end(), isBlank))
        FUZZ_CHECK(words->empty());
    const Checked<std::vector<std::string>> again = sim::splitWords(wordsLine(*words));
    FUZZ_CHECK(again && *again == *words);
}

// The word as decimal digits with an optional sign that strtoll reads whole.
std::optional<long long> libcWhole(const std::string& word) {
    std::size_t digitsAt = word.size() > 0 && (word[0] == '+' || word[0] == '-') ? 1 : 0;
    if (digitsAt == word.size() ||
        word.find_first_not_of("0123456789", digitsAt) != std::string::npos)
        return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(word.c_str(), &end, 10);
    if (errno == ERANGE || end != word.c_str() + word.size())
        return std::nullopt;
    return v;
}

void checkWhole(const std::string& word, long long lo, long long hi) {
    const Checked<long long> v = sim::parseWhole(word, lo, hi);
    const std::optional<long long> libc = libcWhole(word);
    const bool inRange = libc && *libc >= lo && *libc <= hi;
    FUZZ_CHECK(v.value.has_value() == inRange);
    if (v) {
        FUZZ_CHECK(*v == *libc);
        FUZZ_CHECK(*sim::parseWhole(std::to_string(*v), lo, hi) == *v);
    } else {
        FUZZ_CHECK(v.why == sim::quoteValue(word) + " is not a whole number from " +
                                std::to_string(lo) + " to " + std::to_string(hi));
    }
}

void checkDecimal(const std::string& word) {
    constexpr float limit = 1e9f;
    const Checked<float> v = sim::parseDecimal(word, -limit, limit);
    if (!v) {
        FUZZ_CHECK(v.why.rfind(sim::quoteValue(word) + " is not a finite decimal number", 0) == 0);
        return;
    }
    FUZZ_CHECK(std::isfinite(*v) && *v >= -limit && *v <= limit);
    FUZZ_CHECK(word.find_first_of("xXnN") == std::string::npos); // no hex, nan or inf
    const Checked<float> again = sim::parseDecimal(platform::fake::formatNumber(*v), -limit, limit);
    FUZZ_CHECK(again && *again == *v);
}

bool dateExists(const forms::DateTime& t) {
    int y = 0, m = 0, d = 0;
    forms::civilFromDays(forms::daysFromCivil(t.year, t.month, t.day), y, m, d);
    return t.month >= 1 && t.month <= 12 && t.day >= 1 && y == t.year && m == t.month && d == t.day;
}

std::string dateText(const forms::DateTime& t) {
    return std::to_string(t.year) + "-" + std::to_string(t.month) + "-" + std::to_string(t.day);
}

std::string timeText(const forms::DateTime& t) {
    return std::to_string(t.hour) + ":" + std::to_string(t.minute) + ":" + std::to_string(t.second);
}

void checkClockValues(const std::string& text) {
    const forms::DateTime base{2004, 10, 1, 12, 34, 56, 789};
    if (const Checked<forms::DateTime> d = sim::parseDate(text, base)) {
        FUZZ_CHECK(d->year >= sim::firstYear && d->year <= sim::lastYear && dateExists(*d));
        FUZZ_CHECK(d->hour == base.hour && d->minute == base.minute && d->second == base.second &&
                   d->millisecond == base.millisecond);
        FUZZ_CHECK(*sim::parseDate(dateText(*d), base) == *d);
    } else {
        FUZZ_CHECK(d.why.rfind(sim::quoteValue(text) + " is not a date", 0) == 0);
    }
    if (const Checked<forms::DateTime> t = sim::parseTime(text, base)) {
        FUZZ_CHECK(t->hour >= 0 && t->hour <= 23 && t->minute >= 0 && t->minute <= 59 &&
                   t->second >= 0 && t->second <= 59 && t->millisecond == 0);
        FUZZ_CHECK(t->year == base.year && t->month == base.month && t->day == base.day);
        FUZZ_CHECK(*sim::parseTime(timeText(*t), base) == *t);
    } else {
        FUZZ_CHECK(t.why.rfind(sim::quoteValue(text) + " is not a time", 0) == 0);
    }
    if (const Checked<forms::DateTime> dt = sim::parseDateTime(text)) {
        FUZZ_CHECK(dt->year >= sim::firstYear && dt->year <= sim::lastYear && dateExists(*dt));
        FUZZ_CHECK(*sim::parseDateTime(dateText(*dt) + " " + timeText(*dt)) == *dt);
    }
    if (const Checked<sim::ScreenSize> s = sim::parseScreenSize(text)) {
        FUZZ_CHECK(s->width >= 1 && s->width <= 32767 && s->height >= 1 && s->height <= 32767);
        const std::string again = std::to_string(s->width) + "x" + std::to_string(s->height);
        const Checked<sim::ScreenSize> back = sim::parseScreenSize(again);
        FUZZ_CHECK(back && back->width == s->width && back->height == s->height);
    }
}

void checkValues(const std::string& word) {
    checkWhole(word, 0, 32767);
    checkWhole(word, -5, 5);
    checkWhole(word, std::numeric_limits<long long>::min(), std::numeric_limits<long long>::max());
    checkDecimal(word);
    checkClockValues(word);
}

// The split of a line at its CRs loses no byte but a CR LF's CR.
void checkSplit(const std::string& text, const std::vector<std::string>& parts) {
    FUZZ_CHECK(!parts.empty());
    std::string joined;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        FUZZ_CHECK(parts[i].find('\r') == std::string::npos);
        joined += (i ? "\r" : "") + parts[i];
    }
    // A CR at the end is that of a CR LF; no other byte is lost.
    FUZZ_CHECK(joined == text || joined + "\r" == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string script(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = fuzz::scriptLines(script, checkSplit);
    checkQuoting(script);
    for (const std::string& line : lines) {
        checkWords(line);
        checkClockValues(line);
        if (const Checked<std::vector<std::string>> words = sim::splitWords(line))
            for (const std::string& w : *words)
                checkValues(w);
    }
    return 0;
}
