// Start-up, the installer prompt and the common exit action.
#pragma once

#include "desktopitems/startup_window.h"
#include "forms/runtime.h"
#include "platform/platform.h"

namespace orvela::shell {

class Lifecycle {
public:
    Lifecycle(platform::Platform& platform, forms::Runtime& runtime,
              desktopitems::StartupWindow& startupWindow)
        : platform_(platform), runtime_(runtime), startupWindow_(startupWindow) {}

    // Registers the load handlers of Form1 and Form6 and the prompt's buttons.
    void bind();
    // Form1's load: single instance, installer marker, scan, main window.
    void startUp();
    void showInstallerPrompt();
    // Closes Form1, Form2, form3 and Form6, skipping those not loaded.
    void exitProgram();

private:
    forms::Form& form(const char* name) const;
    void closeOtherWindows();

    platform::Platform& platform_;
    forms::Runtime& runtime_;
    desktopitems::StartupWindow& startupWindow_;
};

} // namespace orvela::shell
