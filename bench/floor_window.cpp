// The floor of start-up under a window system: a full-screen window that
// paints one frame of one colour through a back buffer, and announces it as
// Orvela does, so that wine_startup.sh times it the same way. A click ends it.
#include <windows.h>
static bool announced = false;
static LRESULT CALLBACK proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    switch (m) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(w, &ps);
        RECT r;
        GetClientRect(w, &r);
        HDC back = CreateCompatibleDC(dc);
        HBITMAP bm = CreateCompatibleBitmap(dc, r.right, r.bottom);
        HGDIOBJ old = SelectObject(back, bm);
        HBRUSH b = CreateSolidBrush(RGB(24, 30, 90));
        FillRect(back, &r, b);
        DeleteObject(b);
        BitBlt(dc, 0, 0, r.right, r.bottom, back, 0, 0, SRCCOPY);
        SelectObject(back, old);
        DeleteObject(bm);
        DeleteDC(back);
        EndPaint(w, &ps);
        if (!announced) {
            announced = true;
            OutputDebugStringW(L"orvela: first frame Form2\n");
        }
        return 0;
    }
    case WM_LBUTTONDOWN:
        DestroyWindow(w);
        return 0;
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
    c.lpszClassName = L"floor";
    c.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassW(&c);
    HWND w = CreateWindowExW(0, L"floor", L"floor", WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                             GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, inst, nullptr);
    ShowWindow(w, SW_SHOWMAXIMIZED);
    UpdateWindow(w);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
