#include "win32/form_window.h"

#include "forms/runtime.h"
#include "win32/pixel_geometry.h"
#include "win32/utf.h"

#include <windowsx.h>

#include <exception>
#include <string>

namespace orvela::win32 {

namespace {

constexpr int programIconId = 1;

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
    wc.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(programIconId), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXICON),
                                             GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(programIconId),
                                               IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.lpszClassName = FormWindow::className;
    RegisterClassExW(&wc);
}

DWORD styleOf(const forms::Form& form) {
    DWORD frame =
        form.borderless() ? WS_POPUP : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    return frame | WS_CLIPCHILDREN;
}

int heldButtons(WPARAM keys) {
    int buttons = 0;
    if (keys & MK_LBUTTON)
        buttons |= forms::leftButton;
    if (keys & MK_RBUTTON)
        buttons |= forms::rightButton;
    if (keys & MK_MBUTTON)
        buttons |= forms::middleButton;
    return buttons;
}

int mouseButtonOf(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        return forms::leftButton;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        return forms::rightButton;
    default:
        return forms::middleButton;
    }
}

std::wstring wide(const std::string& text) {
    return toWide(text).value_or(std::wstring());
}

} // namespace

FormWindow::FormWindow(forms::Form& form, WindowHost& host)
    : form_(form), host_(host), mouse_(form), buttons_(host.fonts()), paint_(host.painter()) {}

FormWindow::~FormWindow() {
    destroy();
}

void FormWindow::destroy() {
    if (window_)
        DestroyWindow(window_); // WM_NCDESTROY forgets the window's parts
}

void FormWindow::sync() {
    if (!form_.loaded()) {
        destroy();
        return;
    }
    if (!window_)
        create();
    if (!window_) {
        form_.takeDirty();
        return;
    }
    if (form_.caption() != caption_) {
        caption_ = form_.caption();
        SetWindowTextW(window_, wide(caption_).c_str());
    }
    buttons_.sync(window_, form_);
    timers_.sync(window_, form_);
    applyState();
    if (!IsIconic(window_))
        place();
    PaintEngine::invalidate(window_, form_.takeDirty());
}

void FormWindow::create() {
    registerClass(&FormWindow::windowProc);
    caption_ = form_.caption();
    placement_ = RECT{};
    shownState_ = 0;
    firstFramePainted_ = false;
    CreateWindowExW(0, className, wide(caption_).c_str(), styleOf(form_), 0, 0, 0, 0, nullptr,
                    nullptr, GetModuleHandleW(nullptr), this);
    if (window_)
        place();
}

void FormWindow::place() {
    RECT r{};
    if (form_.windowState() == 2) {
        // Maximised: the whole screen (the runtime gives the form its size).
        const forms::Runtime& rt = form_.runtime();
        r = toPixels({0, 0, rt.screenWidth(), rt.screenHeight()});
    } else {
        RECT client = toPixels({form_.left(), form_.top(), form_.width(), form_.height()});
        r = client;
        AdjustWindowRectEx(&r, styleOf(form_), FALSE, 0);
        OffsetRect(&r, client.left - r.left, client.top - r.top);
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
            ShowWindow(window_, SW_SHOW);
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

void FormWindow::onPaint() {
    if (!form_.loaded()) {
        PAINTSTRUCT ps{};
        BeginPaint(window_, &ps);
        EndPaint(window_, &ps);
        return;
    }
    bool painted = paint_.paint(window_, form_);
    if (painted && !firstFramePainted_ && form_.visible()) {
        firstFramePainted_ = true;
        // Lets a benchmark see the first frame from outside; costs nothing.
        OutputDebugStringW((L"orvela: first frame " + wide(form_.name()) + L"\n").c_str());
    }
}

bool FormWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result,
                           bool& dispatched) {
    result = 0;
    float x = toTwips(GET_X_LPARAM(lParam)), y = toTwips(GET_Y_LPARAM(lParam));
    switch (message) {
    case WM_PAINT:
        onPaint();
        return true;
    case WM_ERASEBKGND:
        result = 1; // the paint engine covers every pixel
        return true;
    case WM_MOUSEMOVE:
        mouse_.move(x, y, heldButtons(wParam));
        dispatched = true;
        return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        mouse_.press(mouseButtonOf(message), x, y);
        SetCapture(window_);
        return true;
    case WM_LBUTTONDBLCLK:
        SetCapture(window_);
        mouse_.doubleClick(x, y);
        dispatched = true;
        return true;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        mouse_.release(mouseButtonOf(message), x, y);
        if (!mouse_.capturing() && window_ && GetCapture() == window_)
            ReleaseCapture();
        dispatched = true;
        return true;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != window_)
            mouse_.cancel();
        return true;
    case WM_TIMER:
        if (const ControlKey* found = timers_.keyOf(wParam)) {
            ControlKey key = *found;
            forms::Control* c = key.find(form_);
            if (c && c->timerRuns())
                form_.dispatch(c, forms::Event{forms::EventType::Timer});
            dispatched = true;
        }
        return true;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && lParam) {
            if (const ControlKey* found = buttons_.keyOf(reinterpret_cast<HWND>(lParam))) {
                ControlKey key = *found;
                if (forms::Control* c = key.find(form_))
                    form_.dispatch(c, forms::Event{forms::EventType::Click});
                dispatched = true;
            }
        }
        return true;
    case WM_CLOSE:
        host_.closeRequested(form_); // the program decides; the sync then acts
        dispatched = true;
        return true;
    case WM_SIZE:
        // The user minimised or restored the window: the form learns it.
        if (wParam == SIZE_MINIMIZED && shownState_ != 1) {
            stateBeforeMinimize_ = shownState_;
            shownState_ = 1;
            form_.setWindowState(1);
        } else if (wParam != SIZE_MINIMIZED && shownState_ == 1) {
            shownState_ = stateBeforeMinimize_;
            form_.setWindowState(shownState_);
        }
        return false;
    default:
        return false;
    }
}

namespace {

// Writes the exception being handled to the debug output (where a debugger,
// DebugView or Wine's debug channels show it): it must not vanish silently.
void reportFailure(const char* where) {
    std::string what = "unknown exception";
    try {
        throw;
    } catch (const std::exception& e) {
        what = e.what();
    } catch (...) {
    }
    OutputDebugStringW((L"orvela: " + wide(where) + L" failed: " + wide(what) + L"\n").c_str());
}

} // namespace

LRESULT CALLBACK FormWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<FormWindow*>(create->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        if (self)
            self->window_ = window;
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        self->buttons_.clear(false); // children are gone with their parent
        self->timers_.clear(nullptr);
        self->paint_.release();
        self->mouse_.cancel();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    WindowHost& host = self->host_;
    LRESULT result = 0;
    bool handled = false, dispatched = false;
    try {
        handled = self->onMessage(message, wParam, lParam, result, dispatched);
    } catch (...) {
        // A handler failed: the event is over; keep the windows in step.
        reportFailure("event");
        handled = true;
        dispatched = true;
        result = 0;
    }
    if (dispatched) {
        try {
            host.afterEvent();
        } catch (...) {
            reportFailure("sync");
        }
    }
    return handled ? result : DefWindowProcW(window, message, wParam, lParam);
}

} // namespace orvela::win32
