// Writes one shortcut through the real platform, for the check that reads it
// back with a tool of its own:
//   write_shortcut PATH TARGET WORKING_DIRECTORY HOT_KEY WINDOW_STYLE ICON DESCRIPTION
// Exit status 0 when it was written, 1 when not, 2 for wrong arguments.
#include "win32/utf.h"
#include "win32/win32_platform.h"

#include <windows.h>

#include <objbase.h>

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    if (argc != 8) {
        std::fputs("usage: write_shortcut PATH TARGET WORKING_DIRECTORY HOT_KEY WINDOW_STYLE "
                   "ICON DESCRIPTION\n",
                   stderr);
        return 2;
    }
    using orvela::win32::toUtf8;
    orvela::platform::Shortcut shortcut;
    shortcut.targetPath = toUtf8(argv[2]);
    shortcut.workingDirectory = toUtf8(argv[3]);
    shortcut.hotKey = toUtf8(argv[4]);
    shortcut.windowStyle = static_cast<int>(std::wcstol(argv[5], nullptr, 10));
    shortcut.iconLocation = toUtf8(argv[6]);
    shortcut.description = toUtf8(argv[7]);
    if (FAILED(CoInitialize(nullptr)))
        return 1;
    bool saved = false;
    {
        orvela::win32::Win32Platform windows;
        saved = windows.saveShortcut(toUtf8(argv[1]), shortcut);
    }
    CoUninitialize();
    std::fputs(saved ? "saved\n" : "not saved\n", stdout);
    return saved ? 0 : 1;
}
