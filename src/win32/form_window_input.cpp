// The input of a form's window: mouse messages become the runtime's
// MouseRouter calls (pixels to form twips here), with the system's mouse
// capture held while a button is down; WM_TIMER fires the form's Timer
// control; WM_COMMAND, WM_NOTIFY and WM_CTLCOLOR* of a native control are
// reflected to the adapter of its kind.
#include "win32/form_window.h"

#include "win32/pixel_geometry.h"

#include <windowsx.h>

namespace orvela::win32 {

namespace {

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

} // namespace

bool FormWindow::onMouse(Message& m) {
    const forms::PixelScale scale = form_.pixelScale();
    const float x = toTwips(GET_X_LPARAM(m.lParam), scale),
                y = toTwips(GET_Y_LPARAM(m.lParam), scale);
    switch (m.id) {
    case WM_MOUSEMOVE:
        mouse_.move(x, y, heldButtons(m.wParam));
        m.dispatched = true;
        return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        mouse_.press(mouseButtonOf(m.id), x, y);
        SetCapture(window_);
        return true;
    case WM_LBUTTONDBLCLK:
        SetCapture(window_);
        mouse_.doubleClick(x, y);
        m.dispatched = true;
        return true;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        mouse_.release(mouseButtonOf(m.id), x, y);
        if (!mouse_.capturing() && window_ && GetCapture() == window_)
            ReleaseCapture();
        m.dispatched = true;
        return true;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(m.lParam) != window_)
            mouse_.cancel();
        return true;
    default:
        return false;
    }
}

bool FormWindow::onTimer(Message& m) {
    if (const ControlKey* found = timers_.keyOf(m.wParam)) {
        const ControlKey key = *found;
        forms::Control* c = key.find(form_);
        if (c && c->timerRuns())
            form_.dispatch(c, forms::Event{forms::EventType::Timer});
        m.dispatched = true;
    }
    return true;
}

bool FormWindow::onChildMessage(Message& m) {
    switch (m.id) {
    case WM_COMMAND:
        m.dispatched = controls_.command(reinterpret_cast<HWND>(m.lParam), HIWORD(m.wParam),
                                         form_) != Notified::nothing;
        return true;
    case WM_NOTIFY:
        if (m.lParam)
            m.dispatched =
                controls_.notify(*reinterpret_cast<NMHDR*>(m.lParam), form_) != Notified::nothing;
        return true;
    default: // WM_CTLCOLOR*
        if (HBRUSH brush = controls_.colour(reinterpret_cast<HWND>(m.lParam), m.id,
                                            reinterpret_cast<HDC>(m.wParam), form_)) {
            m.result = reinterpret_cast<LRESULT>(brush);
            return true;
        }
        return false;
    }
}

} // namespace orvela::win32
