// The start-up window Form1 as the desktop scan sees it: centring, the
// file-type filter list, and finding the desktop folder to scan.
#pragma once

#include "forms/form.h"
#include "platform/platform.h"

#include <string>

namespace orvela::desktopitems {

class StartupWindow {
public:
    StartupWindow(platform::Platform& platform, forms::Form& form1)
        : platform_(platform), form1_(form1) {}

    // Centres Form1 on the screen.
    void centre();
    // Fills the file-type filter Combo1 and selects its first entry.
    void prepareList();
    // Asks WScript.Shell for the desktop folder and scans it. A host that
    // yields nothing leaves the path empty and nothing is scanned.
    void findAndScanDesktop();
    // Enumerates the desktop folder into the item table.
    void scanDesktopFolder();

    const std::string& desktopPath() const { return desktopPath_; }

private:
    platform::Platform& platform_;
    forms::Form& form1_;
    std::string desktopPath_;
};

} // namespace orvela::desktopitems
