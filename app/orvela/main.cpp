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

// One model pixel is one physical pixel at any Windows scaling. The call
// exists from Vista on, so it is looked up rather than linked.
void becomeDpiAware() {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (!user32)
        return;
    using SetProcessDpiAware = BOOL(WINAPI*)();
    auto proc = reinterpret_cast<SetProcessDpiAware>(
        reinterpret_cast<void (*)()>(GetProcAddress(user32, "SetProcessDPIAware")));
    if (proc)
        proc();
}

class OrvelaProgram final : public orvela::win32::Program {
public:
    OrvelaProgram(orvela::app::OrvelaApp& app, const orvela::win32::Win32Platform& windows)
        : app_(app), windows_(windows) {}
    void start() override { app_.start(); }
    orvela::forms::Runtime& runtime() override { return app_.runtime(); }
    void closeRequested(orvela::forms::Form& form) override { app_.closeRequested(form); }
    bool ended() const override { return app_.ended(); }
    void displayChanged(int width, int height) override {
        if (width > 0 && height > 0)
            app_.displayChanged(static_cast<unsigned>(width), static_cast<unsigned>(height));
    }
    HICON iconOfPicture(std::uintptr_t picture) const override {
        return windows_.iconOfPicture(picture);
    }

private:
    orvela::app::OrvelaApp& app_;
    const orvela::win32::Win32Platform& windows_;
};

int runOrvela() {
    becomeDpiAware();
    orvela::win32::ComApartment com;
    InitCommonControls();

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
