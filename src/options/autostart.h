// Starting with Windows: a shortcut to the running program in the user's
// StartUp folder, and the setting that records it.
#pragma once

#include "common/shortcut_service.h"
#include "shell/desktop_settings.h"

namespace orvela::options {

class Autostart {
public:
    Autostart(platform::Platform& platform, shell::DesktopSettings& settings)
        : platform_(platform), settings_(settings), shortcuts_(platform) {}

    // Mode 1 switches autostart off (deletes the shortcut), mode 2 on
    // (writes it, pointing at the program where it runs now); any other mode
    // re-applies the stored state. the setting reads "1" only while the
    // shortcut was written: a shortcut that cannot be made leaves it "0".
    void setAutostart(int mode);

    // The StartUp shortcut as the program makes it.
    common::ShortcutRequest startupShortcut() const;

private:
    platform::Platform& platform_;
    shell::DesktopSettings& settings_;
    common::ShortcutService shortcuts_;
};

} // namespace orvela::options
