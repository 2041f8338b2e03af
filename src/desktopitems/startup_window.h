// The start-up window Form1: centring, the file-type filter list, finding
// the desktop folder and scanning it, and rescanning on request.
#pragma once

#include "desktopitems/desktop_scan.h"
#include "forms/form.h"
#include "platform/platform.h"

#include <string>

namespace orvela::desktopitems {

class StartupWindow {
public:
    StartupWindow(platform::Platform& platform, forms::Form& form1, DesktopScan& scan)
        : platform_(platform), form1_(form1), scan_(scan) {}

    // Centres Form1 on the screen.
    void centre();
    // Fills the file-type filter Combo1, selects its first entry, gives the
    // list view its sort key 0 and reseeds the image list.
    void prepareList();
    // Asks WScript.Shell for the desktop folder and scans it. A host that
    // yields nothing leaves the path empty and nothing is scanned.
    void findAndScanDesktop();
    // Enumerates the desktop folder with the selected filter.
    void scanDesktopFolder();
    // 0: find the desktop folder again and scan it; 1: scan the known
    // folder again; 2: close Form1.
    void refreshDesktopItems(int mode);

    // The selected filter's pattern ("*.*") and description ("All Files and Folders").
    std::string filterPattern() const;
    std::string filterDescription() const;

    const std::string& desktopPath() const { return desktopPath_; }

private:
    const std::string& selectedFilter() const;

    platform::Platform& platform_;
    forms::Form& form1_;
    DesktopScan& scan_;
    std::string desktopPath_;
};

} // namespace orvela::desktopitems
