// The keyboard and focus of a dialog form's window. Tab, Shift+Tab and the
// arrows are Windows' own (IsDialogMessage over the controls' tab order);
// which button Enter, Esc and the close box press, and which tab Ctrl+Tab
// picks, is the runtime's DialogKeys. The window keeps the focused control
// while it is inactive and gives it back when it is active again.
#include "win32/form_window.h"

#include "forms/dialog_keys.h"

namespace orvela::win32 {

namespace {

// Sent to a dialog's window for Ctrl+Tab (wParam 1) and Ctrl+Shift+Tab (-1).
constexpr UINT stepTabMessage = WM_APP + 1;

} // namespace

bool FormWindow::onDialogMessage(Message& m) {
    if (m.id == stepTabMessage) {
        const int step = static_cast<int>(static_cast<INT_PTR>(m.wParam));
        m.dispatched = form_.dialog() && forms::DialogKeys(form_).stepTab(step);
        return true;
    }
    if (!form_.dialog())
        return false;
    switch (m.id) {
    case WM_COMMAND:
        // IsDialogMessage: Enter without a default button, Esc.
        if (HIWORD(m.wParam) == 0 && LOWORD(m.wParam) == IDOK)
            m.dispatched = forms::DialogKeys(form_).enter({});
        else if (HIWORD(m.wParam) == 0 && LOWORD(m.wParam) == IDCANCEL)
            m.dispatched = forms::DialogKeys(form_).cancel();
        return true;
    case WM_CLOSE: // the close box and Alt+F4
        m.dispatched = forms::DialogKeys(form_).cancel();
        return true;
    case DM_GETDEFID: {
        // The button Enter presses, for IsDialogMessage.
        HWND focus = GetFocus();
        const ControlKey* focused = focus ? controls_.keyOf(focus) : nullptr;
        const ControlKey button =
            forms::DialogKeys(form_).enterButton(focused ? *focused : ControlKey{});
        HWND window = button.isForm() ? nullptr : controls_.windowOf(button);
        const int id = window ? GetDlgCtrlID(window) : 0;
        m.result = id ? MAKELRESULT(id, DC_HASDEFID) : 0;
        return true;
    }
    case WM_ACTIVATE:
        if (LOWORD(m.wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(window_, focus))
                focus_ = focus;
            return true;
        }
        // Not minimised: the focus goes back to a control (or, with none, to the window).
        return HIWORD(m.wParam) == 0 && restoreFocus();
    case WM_SETFOCUS:
        restoreFocus();
        return true;
    default:
        return false;
    }
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

} // namespace orvela::win32
