// The program install on a given platform: its one window Form1 and the
// logic bound to it. The Win32 front end and the headless driver both drive
// the installer through this class.
#pragma once

#include "forms/clock.h"
#include "forms/runtime.h"
#include "installer/installer_window.h"
#include "platform/platform.h"

namespace orvela::installer {

class InstallerApp {
public:
    // Screen size in twips (15 twips per pixel).
    InstallerApp(platform::Platform& platform, forms::Clock& clock, float screenWidth,
                 float screenHeight);
    InstallerApp(const InstallerApp&) = delete;
    InstallerApp& operator=(const InstallerApp&) = delete;

    forms::Runtime& runtime() { return runtime_; }
    // Shows Form1, whose load runs Form_Load.
    void start();
    // The window system's close (Alt+F4, the close box): as "Cancel".
    void closeRequested(forms::Form& form);
    // True once the window has closed.
    bool ended() const { return runtime_.ended(); }

private:
    forms::Runtime runtime_;
    forms::Form& form1_;
    InstallerWindow window_;
};

} // namespace orvela::installer
