#include "win32/form_window.h"

#include "forms/runtime.h"
#include "win32/failure_report.h"
#include "win32/pixel_geometry.h"
#include "win32/utf.h"

#include <windowsx.h>

#include <exception>
#include <string>

namespace orvela::win32 {

namespace {

constexpr int programIconId = 1;
// Sent to a dialog's window for Ctrl+Tab (wParam 1) and Ctrl+Shift+Tab (-1).
constexpr UINT stepTabMessage = WM_APP + 1;

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
    DWORD frame = form.dialog()       ? WS_POPUP | WS_CAPTION | WS_SYSMENU
                  : form.borderless() ? WS_POPUP
                                      : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    return frame | WS_CLIPCHILDREN;
}

DWORD exStyleOf(const forms::Form& form) {
    return form.dialog() ? WS_EX_DLGMODALFRAME : 0;
}

// A control the user can reach: enabled and shown.
bool usable(const forms::Control* c) {
    return c && c->enabled() && c->effectivelyVisible();
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
    : form_(form), host_(host), mouse_(form), controls_(host.fonts()), paint_(host.painter()) {}

FormWindow::~FormWindow() {
    destroy();
    if (editBrush_)
        DeleteObject(editBrush_);
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
    controls_.sync(window_, form_);
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
    focus_ = nullptr;
    HWND owner = form_.dialog() ? host_.ownerFor(form_) : nullptr;
    CreateWindowExW(exStyleOf(form_), className, wide(caption_).c_str(), styleOf(form_), 0, 0, 0, 0,
                    owner, nullptr, GetModuleHandleW(nullptr), this);
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
        AdjustWindowRectEx(&r, styleOf(form_), FALSE, exStyleOf(form_));
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
        if (lParam) {
            ControlKey clicked;
            switch (
                controls_.command(reinterpret_cast<HWND>(lParam), HIWORD(wParam), form_, clicked)) {
            case Notified::click:
                clickIfUsable(clicked);
                dispatched = true;
                break;
            case Notified::changed:
                dispatched = true;
                break;
            case Notified::nothing:
                break;
            }
        } else if (form_.dialog() && HIWORD(wParam) == 0) {
            // IsDialogMessage: Enter without a default button, Esc.
            if (LOWORD(wParam) == IDOK)
                dispatched = pressDefault();
            else if (LOWORD(wParam) == IDCANCEL)
                dispatched = pressCancel();
        }
        return true;
    case WM_CTLCOLOREDIT: {
        // A text box shows its BackColor and ForeColor, as the designer sets them.
        const ControlKey* key = controls_.keyOf(reinterpret_cast<HWND>(lParam));
        const forms::Control* c = key ? key->find(form_) : nullptr;
        if (!c || c->kind() != forms::ControlKind::TextBox)
            return false;
        const COLORREF colour = c->backColor();
        if (!editBrush_ || editBrushColour_ != colour) {
            if (editBrush_)
                DeleteObject(editBrush_);
            editBrush_ = CreateSolidBrush(colour);
            editBrushColour_ = colour;
        }
        if (!editBrush_)
            return false;
        const HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkColor(dc, colour);
        SetTextColor(dc, c->foreColor());
        result = reinterpret_cast<LRESULT>(editBrush_);
        return true;
    }
    case WM_NOTIFY:
        if (lParam) {
            ControlKey clicked;
            const Notified notified =
                controls_.notify(*reinterpret_cast<NMHDR*>(lParam), form_, clicked);
            if (notified == Notified::click)
                clickIfUsable(clicked);
            dispatched = notified != Notified::nothing;
        }
        return true;
    case DM_GETDEFID:
        if (form_.dialog()) {
            const int id = defaultId();
            result = id ? MAKELRESULT(id, DC_HASDEFID) : 0;
            return true;
        }
        return false;
    case stepTabMessage:
        dispatched = form_.dialog() && stepTab(static_cast<int>(static_cast<INT_PTR>(wParam)));
        return true;
    case WM_ACTIVATE:
        if (!form_.dialog())
            return false;
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(window_, focus))
                focus_ = focus;
            return true;
        }
        // Not minimised: the focus goes back to a control (or, with none, to the window).
        return HIWORD(wParam) == 0 && restoreFocus();
    case WM_SETFOCUS:
        if (!form_.dialog())
            return false;
        restoreFocus();
        return true;
    case WM_CLOSE:
        if (form_.dialog()) {
            dispatched = pressCancel();
            return true;
        }
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

bool FormWindow::clickIfUsable(const ControlKey& key) {
    forms::Control* c = key.find(form_);
    if (!usable(c))
        return false;
    form_.dispatch(c, forms::Event{forms::EventType::Click});
    return true;
}

bool FormWindow::pressDefault() {
    for (const auto& c : form_.controls())
        if (c->kind() == forms::ControlKind::CommandButton && c->defaultButton())
            return clickIfUsable(ControlKey::of(c.get()));
    return false;
}

bool FormWindow::pressCancel() {
    for (const auto& c : form_.controls())
        if (c->kind() == forms::ControlKind::CommandButton && c->cancelButton())
            return clickIfUsable(ControlKey::of(c.get()));
    form_.hide();
    return true;
}

bool FormWindow::stepTab(int step) {
    for (const auto& c : form_.controls()) {
        const int count = static_cast<int>(c->items().size());
        if (c->kind() != forms::ControlKind::TabStrip || !usable(c.get()) || count == 0)
            continue;
        // From no selection, forward goes to the first tab and back to the last.
        const int from = c->listIndex() >= 0 ? c->listIndex() : (step > 0 ? -1 : 0);
        c->setListIndex(((from + step) % count + count) % count);
        form_.dispatch(c.get(), forms::Event{forms::EventType::Click});
        return true;
    }
    return false;
}

int FormWindow::defaultId() const {
    HWND focus = GetFocus();
    if (const ControlKey* key = focus ? controls_.keyOf(focus) : nullptr) {
        const forms::Control* c = key->find(form_);
        if (c && c->kind() == forms::ControlKind::CommandButton)
            return GetDlgCtrlID(focus);
    }
    for (const auto& c : form_.controls())
        if (c->kind() == forms::ControlKind::CommandButton && c->defaultButton() && usable(c.get()))
            if (HWND button = controls_.windowOf(ControlKey::of(c.get())))
                return GetDlgCtrlID(button);
    return 0;
}

bool FormWindow::restoreFocus() {
    HWND target = focus_;
    if (!target || !IsChild(window_, target) || !IsWindowVisible(target) ||
        !IsWindowEnabled(target))
        target = GetNextDlgTabItem(window_, nullptr, FALSE);
    if (!target || !IsChild(window_, target))
        return false;
    SetFocus(target);
    return true;
}

bool FormWindow::dialogMessage(MSG& msg) {
    if (!window_ || !form_.dialog())
        return false;
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
        const int step = GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
        SendMessageW(window_, stepTabMessage, static_cast<WPARAM>(static_cast<INT_PTR>(step)), 0);
        return true;
    }
    return IsDialogMessageW(window_, &msg) != FALSE;
}

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
        self->controls_.clear(false); // children are gone with their parent
        self->focus_ = nullptr;
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
