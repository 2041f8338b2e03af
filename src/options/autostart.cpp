#include "options/autostart.h"

namespace orvela::options {

common::ShortcutRequest Autostart::startupShortcut() const {
    const std::string dir = platform_.files.programDir();
    return {.location = 3,
            .name = "Orvela",
            .target = dir + "/" + platform_.files.programName() + ".exe",
            .hotKey = "CTRL+SHIFT+C",
            .icon = "Orvela.exe,0",
            .workingDirectory = "c:/",
            .subFolder = "",
            .windowStyle = 1};
}

void Autostart::setAutostart(int mode) {
    if (mode == 1)
        settings_.set("autostartme", "0");
    else if (mode == 2)
        settings_.set("autostartme", "1");
    common::ShortcutRequest request = startupShortcut();
    if (settings_.get("autostartme") != "0") {
        if (!shortcuts_.CreateLink(request))
            settings_.set("autostartme", "0");
    } else {
        request.workingDirectory = platform_.files.programDir() + "/";
        shortcuts_.DeleteLink(request);
    }
}

} // namespace orvela::options
