// Orvela.exe: wires the program's logic to the real Windows services and the
// Win32 front end. Reads no command line, registry or environment.
#include "app/orvela_app.h"
#include "forms/geometry.h"
#include "win32/com_apartment.h"
#include "win32/failure_report.h"
#include "win32/front_end.h"
#include "win32/system_clock.h"
#include "win32/win32_platform.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

namespace {

// The window classes of the native controls the dialogs use. The manifest
// (Orvela.manifest) makes them the version-6 controls with visual styles and
// the process DPI-aware, so a pixel is a physical pixel at any scaling.
void registerCommonControls() {
    INITCOMMONCONTROLSEX classes{};
    classes.dwSize = sizeof classes;
    classes.dwICC = ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_WIN95_CLASSES;
    if (!InitCommonControlsEx(&classes))
        InitCommonControls();
}

class OrvelaProgram final : public orvela::win32::Program {
public:
    OrvelaProgram(orvela::app::OrvelaApp& app, const orvela::win32::Win32Platform& windows)
        : app_(app), windows_(windows) {}
    void start() override { app_.start(); }
    orvela::forms::Runtime& runtime() override { return app_.runtime(); }
    void closeRequested(orvela::forms::Form& form) override { app_.closeRequested(form); }
    bool ended() const override { return app_.ended(); }
    void clockChanged() override { app_.clockChanged(); }
    void unseen(orvela::win32::Unseen reason, bool begins,
                const orvela::forms::Form* form) override {
        using orvela::shell::HiddenReason;
        using orvela::win32::Unseen;
        // Only the main window's minimising hides the desktop.
        if (reason == Unseen::minimized && (!form || form->name() != "Form2"))
            return;
        const HiddenReason why = reason == Unseen::minimized ? HiddenReason::minimized
                                 : reason == Unseen::covered ? HiddenReason::covered
                                 : reason == Unseen::locked  ? HiddenReason::locked
                                                             : HiddenReason::displayOff;
        if (begins)
            app_.hideDesktop(why);
        else
            app_.showDesktop(why);
    }
    void displayChanged(int width, int height, int dpi) override {
        if (width < 0 || height < 0 || dpi < 0)
            return;
        app_.displayChanged(static_cast<unsigned>(width), static_cast<unsigned>(height),
                            static_cast<unsigned>(dpi));
    }
    HICON iconOfPicture(std::uintptr_t picture) const override {
        return windows_.iconOfPicture(picture);
    }

private:
    orvela::app::OrvelaApp& app_;
    const orvela::win32::Win32Platform& windows_;
};

int runOrvela() {
    orvela::win32::ComApartment com;
    registerCommonControls();

    const float screenWidth = orvela::forms::pixelsToTwips(GetSystemMetrics(SM_CXSCREEN));
    const float screenHeight = orvela::forms::pixelsToTwips(GetSystemMetrics(SM_CYSCREEN));
    orvela::win32::Win32Platform windows;
    orvela::win32::SystemClock clock;
    orvela::platform::Platform platform = windows.platform();
    orvela::app::OrvelaApp app(platform, clock, screenWidth, screenHeight);
    OrvelaProgram program(app, windows);
    orvela::win32::FrontEnd frontEnd(program);
    return frontEnd.run();
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        return runOrvela();
    } catch (...) {
        return orvela::win32::reportStartFailure(L"Orvela");
    }
}
