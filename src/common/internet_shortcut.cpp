#include "common/internet_shortcut.h"

#include <cctype>

namespace orvela::common {

namespace {

constexpr const char* section = "[InternetShortcut]";

bool sameWord(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

std::string internetShortcutText(const std::string& url) {
    return std::string(section) + "\r\nURL=" + url + "\r\n";
}

std::optional<std::string> internetShortcutUrl(const std::string& bytes) {
    bool inSection = false;
    std::size_t at = 0;
    while (at < bytes.size()) {
        std::size_t end = bytes.find('\n', at);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == '[')
            inSection = sameWord(line, section);
        else if (inSection && line.size() >= 4 && sameWord(line.substr(0, 4), "URL="))
            return line.substr(4);
    }
    return std::nullopt;
}

} // namespace orvela::common
