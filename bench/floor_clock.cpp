// The floor of idle cost under a window system: a minimal clock, one
// 200 x 50 label with the time redrawn every 100 ms, as a window of the same
// size as Orvela's. wine_idle.sh measures it beside Orvela.exe.
#include <windows.h>

#include <cwchar>

static LRESULT CALLBACK proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    static const RECT label{20, 20, 220, 70};
    switch (m) {
    case WM_TIMER:
        InvalidateRect(w, &label, TRUE);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(w, &ps);
        SYSTEMTIME now;
        GetLocalTime(&now);
        wchar_t text[32];
        std::swprintf(text, 32, L"%02u:%02u:%02u.%u", now.wHour, now.wMinute, now.wSecond,
                      now.wMilliseconds / 100);
        RECT r = label;
        DrawTextW(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EndPaint(w, &ps);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(w, m, wp, lp);
}

int WINAPI wWinMain(HINSTANCE inst, HINSTANCE, PWSTR, int) {
    WNDCLASSW c{};
    c.lpfnWndProc = proc;
    c.hInstance = inst;
    c.lpszClassName = L"floor clock";
    c.hCursor = LoadCursor(nullptr, IDC_ARROW);
    c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassW(&c);
    HWND w = CreateWindowExW(0, L"floor clock", L"Orvela floor clock", WS_POPUP, 0, 0,
                             GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                             nullptr, inst, nullptr);
    ShowWindow(w, SW_SHOW);
    SetTimer(w, 1, 100, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    return 0;
}
