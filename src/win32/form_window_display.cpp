// A screen that changes while the program runs: a new display mode
// (WM_DISPLAYCHANGE: the new size in lParam), or the window on a monitor of
// another scaling (WM_DPICHANGED: the rectangle Windows suggests for it),
// or new system metrics (WM_SETTINGCHANGE: a frame's size may change).
// The program lays itself out for the new size; the sync after the message
// then covers the new screen with the maximised window.
#include "win32/form_window.h"

namespace orvela::win32 {

bool FormWindow::onDisplayMessage(Message& m) {
    frame_ = {}; // a frame's metrics follow the display
    if (m.id == WM_SETTINGCHANGE)
        return false;
    if (m.id == WM_DISPLAYCHANGE) {
        host_.displayChanged(LOWORD(m.lParam), HIWORD(m.lParam), 0);
        m.dispatched = true;
        return false; // the default handling too
    }
    // dpiChangedMessage (WM_DPICHANGED): the window takes the suggested rectangle; a maximised
    // form's rectangle is the monitor, whose size the program lays out for.
    const auto* suggested = reinterpret_cast<const RECT*>(m.lParam);
    if (!suggested)
        return false;
    SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    const int dpi = HIWORD(m.wParam);
    if (form_.windowState() == 2)
        host_.displayChanged(suggested->right - suggested->left, suggested->bottom - suggested->top,
                             dpi);
    else
        host_.displayChanged(0, 0, dpi);
    m.dispatched = true;
    m.result = 0;
    return true;
}

} // namespace orvela::win32
