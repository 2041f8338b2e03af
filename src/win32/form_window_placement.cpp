// Creating, placing and showing a form's window: its class and frame styles,
// its place and size from the form's twips, its window state and visibility,
// and the window state the user gives it (minimise, restore).
#include "win32/form_window.h"

#include "forms/runtime.h"
#include "win32/pixel_geometry.h"
#include "win32/utf.h"

namespace orvela::win32 {

namespace {

constexpr int programIconId = 1;

HICON programIcon(HINSTANCE instance, int widthMetric, int heightMetric) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(programIconId), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric),
                                         GetSystemMetrics(heightMetric), LR_DEFAULTCOLOR));
}

void registerClass(WNDPROC windowProc) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, FormWindow::className, &existing))
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hIcon = programIcon(instance, SM_CXICON, SM_CYICON);
    wc.hIconSm = programIcon(instance, SM_CXSMICON, SM_CYSMICON);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.lpszClassName = FormWindow::className;
    RegisterClassExW(&wc);
}

DWORD styleOf(const forms::Form& form) {
    DWORD frame = form.dialog()       ? WS_POPUP | WS_CAPTION | WS_SYSMENU
                  : form.borderless() ? WS_POPUP
                                      : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    return frame | WS_CLIPCHILDREN;
}

DWORD exStyleOf(const forms::Form& form) {
    return form.dialog() ? WS_EX_DLGMODALFRAME : 0;
}

} // namespace

void FormWindow::create() {
    registerClass(&FormWindow::windowProc);
    caption_ = form_.caption();
    placement_ = RECT{};
    frame_ = {};
    shownState_ = 0;
    firstFramePainted_ = false;
    focus_ = nullptr;
    HWND owner = form_.dialog() ? host_.ownerFor(form_) : nullptr;
    CreateWindowExW(exStyleOf(form_), className, wideOrEmpty(caption_).c_str(), styleOf(form_), 0,
                    0, 0, 0, owner, nullptr, GetModuleHandleW(nullptr), this);
    if (window_)
        place();
}

void FormWindow::place() {
    RECT r{};
    if (form_.windowState() == 2) {
        // Maximised: the whole screen (the runtime gives the form its size).
        r = toPixels({0, 0, form_.screenWidth(), form_.screenHeight()}, form_.pixelScale());
    } else {
        const RECT client = toPixels({form_.left(), form_.top(), form_.width(), form_.height()},
                                     form_.pixelScale());
        const DWORD style = styleOf(form_), exStyle = exStyleOf(form_);
        if (!frame_.known || !EqualRect(&client, &frame_.client) || style != frame_.style ||
            exStyle != frame_.exStyle) {
            r = client;
            AdjustWindowRectEx(&r, style, FALSE, exStyle);
            OffsetRect(&r, client.left - r.left, client.top - r.top);
            frame_ = {client, r, style, exStyle, true};
        }
        r = frame_.window;
    }
    if (EqualRect(&r, &placement_))
        return;
    placement_ = r;
    SetWindowPos(window_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::applyState() {
    bool visible = IsWindowVisible(window_) != FALSE;
    if (!form_.visible()) {
        if (visible)
            ShowWindow(window_, SW_HIDE);
        return;
    }
    int state = form_.windowState();
    if (!visible) {
        shownState_ = state;
        if (state == 1)
            ShowWindow(window_, SW_SHOWMINNOACTIVE);
        else {
            place(); // shown where it belongs, not moved after
            if (form_.dialog()) {
                // The main window may have come after the dialog was made.
                HWND owner = host_.ownerFor(form_);
                if (GetWindow(window_, GW_OWNER) != owner)
                    SetWindowLongPtrW(window_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
                focus_ = nullptr; // a dialog opens on its first tab stop
            }
            ShowWindow(window_, SW_SHOW);
            if (form_.dialog() && GetActiveWindow() == window_)
                restoreFocus();
        }
        return;
    }
    if (state == shownState_)
        return;
    int before = shownState_;
    shownState_ = state;
    if (state == 1) {
        stateBeforeMinimize_ = before;
        ShowWindow(window_, SW_MINIMIZE);
    } else if (before == 1) {
        ShowWindow(window_, SW_RESTORE);
    }
}

// The user minimised or restored the window: the form learns it.
void FormWindow::onSize(WPARAM kind) {
    if (kind == SIZE_MINIMIZED && shownState_ != 1) {
        stateBeforeMinimize_ = shownState_;
        shownState_ = 1;
        form_.setWindowState(1);
    } else if (kind != SIZE_MINIMIZED && shownState_ == 1) {
        shownState_ = stateBeforeMinimize_;
        form_.setWindowState(shownState_);
    }
    // Minimised by the user or by the program's own window state: either
    // way nobody sees the window.
    const bool minimized = kind == SIZE_MINIMIZED;
    if (minimized != reportedMinimized_) {
        reportedMinimized_ = minimized;
        host_.minimized(form_, minimized);
    }
}

} // namespace orvela::win32
