// install.exe: wires the installer's logic to the real Windows services and
// the Win32 front end. The program is DPI-aware (install.manifest) and its
// window is laid out at the display's dpi, so it grows with the scaling.
#include "forms/geometry.h"
#include "installer/installer_app.h"
#include "win32/com_apartment.h"
#include "win32/failure_report.h"
#include "win32/front_end.h"
#include "win32/system_clock.h"
#include "win32/win32_platform.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

namespace {

// The installer's window title, its name in a failure report.
constexpr const wchar_t* programName = L"Orvela Setup";

class InstallerProgram final : public orvela::win32::Program {
public:
    explicit InstallerProgram(orvela::installer::InstallerApp& app) : app_(app) {}
    void start() override { app_.start(); }
    std::wstring name() const override { return programName; }
    orvela::forms::Runtime& runtime() override { return app_.runtime(); }
    void closeRequested(orvela::forms::Form& form) override { app_.closeRequested(form); }
    bool ended() const override { return app_.ended(); }

private:
    orvela::installer::InstallerApp& app_;
};

int runInstaller() {
    orvela::win32::ComApartment com;
    InitCommonControls();

    const float screenWidth = orvela::forms::pixelsToTwips(GetSystemMetrics(SM_CXSCREEN));
    const float screenHeight = orvela::forms::pixelsToTwips(GetSystemMetrics(SM_CYSCREEN));
    orvela::win32::Win32Platform windows;
    orvela::win32::SystemClock clock;
    orvela::platform::Platform platform = windows.platform();
    orvela::installer::InstallerApp app(platform, clock, screenWidth, screenHeight);
    InstallerProgram program(app);
    orvela::win32::FrontEnd frontEnd(program);
    return frontEnd.run();
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        return runInstaller();
    } catch (...) {
        return orvela::win32::reportStartFailure(programName);
    }
}
