// Uninstall.exe: runs the uninstaller's logic on the real Windows services.
// It has no window of its own beyond its message boxes; its own file goes
// after it has ended (cmd_self_removal.h).
#include "cmd_self_removal.h"
#include "installer/uninstaller.h"
#include "win32/com_apartment.h"
#include "win32/failure_report.h"
#include "win32/win32_platform.h"

#include <windows.h>

#include <objbase.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        orvela::win32::ComApartment com;
        orvela::win32::Win32Platform windows;
        orvela::platform::Platform platform = windows.platform();
        orvela::uninstall::CmdSelfRemoval selfRemoval;
        orvela::installer::Uninstaller(platform, selfRemoval).run();
        return 0;
    } catch (...) {
        // The title of the uninstaller's own message boxes.
        return orvela::win32::reportStartFailure(L"Orvela Uninstall");
    }
}
