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
    if (mode == 1 || mode == 2)
        settings_.update([mode](shell::SettingsValues& v) { v.autostart.set(mode == 2); });
    common::ShortcutRequest request = startupShortcut();
    if (settings_.values().autostart.value() != false) {
        if (!shortcuts_.CreateLink(request))
            settings_.update([](shell::SettingsValues& v) { v.autostart.set(false); });
    } else {
        request.workingDirectory = platform_.files.programDir() + "/";
        shortcuts_.DeleteLink(request);
    }
}

} // namespace orvela::options
