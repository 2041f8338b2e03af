#include "platform/fake/fake_shortcut.h"

#include <sstream>

namespace orvela::platform::fake {

namespace {

constexpr const char* header = "[fake shortcut]";

} // namespace

std::string renderShortcut(const Shortcut& s) {
    std::string out = std::string(header) + "\n";
    out += "WindowStyle=" + std::to_string(s.windowStyle) + "\n";
    out += "HotKey=" + s.hotKey + "\n";
    out += "TargetPath=" + s.targetPath + "\n";
    out += "IconLocation=" + s.iconLocation + "\n";
    out += "Description=" + s.description + "\n";
    out += "WorkingDirectory=" + s.workingDirectory + "\n";
    return out;
}

std::optional<Shortcut> parseShortcut(const std::string& bytes) {
    std::istringstream in(bytes);
    std::string line;
    if (!std::getline(in, line) || line != header)
        return std::nullopt;
    Shortcut s;
    while (std::getline(in, line)) {
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos)
            return std::nullopt;
        const std::string name = line.substr(0, eq), value = line.substr(eq + 1);
        if (name == "WindowStyle")
            s.windowStyle = std::atoi(value.c_str());
        else if (name == "HotKey")
            s.hotKey = value;
        else if (name == "TargetPath")
            s.targetPath = value;
        else if (name == "IconLocation")
            s.iconLocation = value;
        else if (name == "Description")
            s.description = value;
        else if (name == "WorkingDirectory")
            s.workingDirectory = value;
    }
    return s;
}

} // namespace orvela::platform::fake
