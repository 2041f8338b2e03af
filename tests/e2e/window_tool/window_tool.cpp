// Does to another program's top-level window what a window manager or the
// taskbar would: restore or maximise it and bring it to the front. Xvfb has
// no window manager, so the tests under Wine use this instead.
//   window_tool restore|maximize TITLE   (the first visible window whose
//                                         title contains TITLE)
//   window_tool zoomed TITLE             exits 0 when that window is
//                                         maximised, 3 when it is not
#include <windows.h>

#include <cwchar>
#include <string>

namespace {

struct Search {
    const wchar_t* title;
    HWND found = nullptr;
};

BOOL CALLBACK visit(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    if (IsWindowVisible(window) && std::wcsstr(text, search->title)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3)
        return 2;
    const std::wstring verb = argv[1];
    Search search{argv[2]};
    for (int attempt = 0; attempt < 100 && !search.found; ++attempt) {
        EnumWindows(visit, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            Sleep(100);
    }
    if (!search.found)
        return 1;
    if (verb == L"zoomed")
        return IsZoomed(search.found) ? 0 : 3;
    if (verb == L"restore")
        ShowWindow(search.found, SW_RESTORE);
    else if (verb == L"maximize")
        ShowWindow(search.found, SW_MAXIMIZE);
    else
        return 2;
    SetForegroundWindow(search.found);
    return 0;
}
