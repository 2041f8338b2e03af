#include "script_values.h"

#include <cstdio>
#include <exception>

namespace orvela::sim {

bool parseInt(const std::string& text, long long& value) {
    if (text.empty())
        return false;
    std::size_t used = 0;
    try {
        value = std::stoll(text, &used);
    } catch (const std::exception&) {
        return false;
    }
    return used == text.size();
}

bool parseFloat(const std::string& text, float& value) {
    if (text.empty())
        return false;
    std::size_t used = 0;
    try {
        value = std::stof(text, &used);
    } catch (const std::exception&) {
        return false;
    }
    return used == text.size();
}

bool parseDate(const std::string& text, forms::DateTime& t) {
    int y, m, d;
    char tail;
    if (std::sscanf(text.c_str(), "%d-%d-%d%c", &y, &m, &d, &tail) != 3 || m < 1 || m > 12 ||
        d < 1 || d > 31)
        return false;
    t.year = y;
    t.month = m;
    t.day = d;
    return true;
}

bool parseTime(const std::string& text, forms::DateTime& t) {
    int h, mi, s;
    char tail;
    if (std::sscanf(text.c_str(), "%d:%d:%d%c", &h, &mi, &s, &tail) != 3 || h < 0 || h > 23 ||
        mi < 0 || mi > 59 || s < 0 || s > 59)
        return false;
    t.hour = h;
    t.minute = mi;
    t.second = s;
    t.millisecond = 0;
    return true;
}

bool parseDateTime(const std::string& text, forms::DateTime& t) {
    return text.size() >= 19 && parseDate(text.substr(0, 10), t) && parseTime(text.substr(11), t);
}

std::vector<std::string> splitWords(const std::string& line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i >= line.size())
            break;
        std::string word;
        if (line[i] == '"') {
            ++i;
            while (i < line.size() && line[i] != '"')
                word += line[i++];
            ++i;
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t')
                word += line[i++];
        }
        words.push_back(word);
    }
    return words;
}

} // namespace orvela::sim
