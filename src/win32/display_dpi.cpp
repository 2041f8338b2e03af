#include "win32/display_dpi.h"

#include <windows.h>

namespace orvela::win32 {

int systemDpi() {
    if (HMODULE user32 = GetModuleHandleW(L"user32.dll")) {
        using GetDpiForSystemProc = UINT(WINAPI*)();
        auto proc = reinterpret_cast<GetDpiForSystemProc>(
            reinterpret_cast<void (*)()>(GetProcAddress(user32, "GetDpiForSystem")));
        if (proc) {
            if (const UINT dpi = proc(); dpi > 0)
                return static_cast<int>(dpi);
        }
    }
    HDC screen = GetDC(nullptr);
    if (!screen)
        return 0;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

} // namespace orvela::win32
