// The window procedure of every form window: one thunk that finds the
// FormWindow, guards the handlers, and after an event lets the front end
// bring the windows up to date; onMessage only sends each message to the
// file of its concern.
#include "win32/form_window.h"

#include "win32/failure_report.h"
#include "win32/utf.h"

#include <exception>
#include <string>

namespace orvela::win32 {

FormWindow::FormWindow(forms::Form& form, WindowHost& host)
    : form_(form), host_(host), mouse_(form), controls_(host.fonts()), paint_(host.painter()) {}

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
        SetWindowTextW(window_, wideOrEmpty(caption_).c_str());
    }
    controls_.sync(window_, form_);
    timers_.sync(window_, form_);
    applyState();
    if (!IsIconic(window_))
        place();
    PaintEngine::invalidate(window_, form_.takeDirty(), form_.pixelScale());
}

bool FormWindow::onMessage(Message& m) {
    switch (m.id) {
    case WM_PAINT:
        onPaint();
        return true;
    case WM_ERASEBKGND:
        m.result = 1; // the paint engine covers every pixel
        return true;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_CAPTURECHANGED:
        return onMouse(m);
    case WM_TIMER:
        return onTimer(m);
    case WM_COMMAND:
        if (m.lParam)
            return onChildMessage(m);
        onDialogMessage(m); // without a child: a dialog's IDOK or IDCANCEL
        return true;
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
        return onChildMessage(m);
    case WM_CLOSE:
        if (onDialogMessage(m))
            return true;
        host_.closeRequested(form_); // the program decides; the sync then acts
        m.dispatched = true;
        return true;
    case WM_SIZE:
        onSize(m.wParam);
        return false;
    case WM_TIMECHANGE:
        host_.clockChanged();
        m.dispatched = true;
        return true;
    case WM_POWERBROADCAST:
        if (m.wParam == PBT_APMRESUMEAUTOMATIC || m.wParam == PBT_APMRESUMESUSPEND) {
            host_.clockChanged();
            m.dispatched = true;
        }
        m.result = TRUE;
        return true;
    case WM_DISPLAYCHANGE:
    case WM_SETTINGCHANGE:
    case dpiChangedMessage:
        return onDisplayMessage(m);
    case picturesReadyMessage:
        host_.picturesReady();
        m.result = 0;
        return true;
    default:
        return onDialogMessage(m);
    }
}

void FormWindow::forgetWindow() {
    window_ = nullptr;
    controls_.clear(false); // children are gone with their parent
    focus_ = nullptr;
    timers_.clear(nullptr);
    paint_.release(form_);
    mouse_.cancel();
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
        self->forgetWindow();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    WindowHost& host = self->host_; // a handler may end the window and self
    Message m{message, wParam, lParam};
    bool handled = false;
    try {
        handled = self->onMessage(m);
    } catch (...) {
        // A handler failed: the event is over; keep the windows in step.
        reportFailure("event");
        handled = true;
        m.dispatched = true;
        m.result = 0;
    }
    if (m.dispatched) {
        try {
            host.afterEvent();
        } catch (...) {
            reportFailure("sync");
        }
    }
    return handled ? m.result : DefWindowProcW(window, message, wParam, lParam);
}

} // namespace orvela::win32
