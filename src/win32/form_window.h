// The native window of one form: it exists while the form is loaded, is shown
// while the form is visible, and translates its messages into events of the
// forms runtime (pixels become form twips here, through pixel_geometry.h).
// Program logic never runs in the window procedure itself: it only dispatches
// events, and the front end then brings every window up to date.
//
// Placement: a form with WindowState 2 (maximised) covers the screen at
// (0, 0); any other form's window has
// its top-left at (Left, Top) and a client area of Width x Height. Borderless
// forms are popup windows.
//
// Dialog forms have a fixed dialog frame with a caption and a close box, are
// owned by the main window (WindowHost::ownerFor: above it, no taskbar
// button of their own) and take the keyboard as Windows dialogs do
// (dialogMessage(): Tab and Shift+Tab between the controls, arrows inside
// them). Which button Enter, Esc, Alt+F4 and the close box press, and which
// tab Ctrl+Tab picks, the runtime's DialogKeys decides. Showing a dialog puts
// the focus on its first tab stop.
//
// The class is split by concern: form_window.cpp (the window procedure),
// form_window_placement.cpp (creating, placing and showing the window),
// form_window_painting.cpp, form_window_input.cpp (mouse, timers and the
// native controls' notifications, reflected to their adapters) and
// form_window_dialog.cpp (the dialog keyboard and focus).
#pragma once

#include "forms/form.h"
#include "forms/mouse_router.h"
#include "win32/form_painter.h"
#include "win32/form_timers.h"
#include "win32/native_controls.h"
#include "win32/paint_engine.h"

#include <windows.h>

#include <string>

namespace orvela::win32 {

using forms::ControlKey;

// The front end as its windows see it.
class WindowHost {
public:
    virtual FormPainter& painter() = 0;
    virtual FontCache& fonts() = 0;
    virtual void closeRequested(forms::Form& form) = 0;
    // The system clock was set, or the machine woke from sleep.
    virtual void clockChanged() = 0;
    // A form's window was minimised (true) or restored.
    virtual void minimized(const forms::Form& form, bool minimized) = 0;
    // The window a dialog form's window belongs to, or null.
    virtual HWND ownerFor(const forms::Form& dialog) = 0;
    // The screen changed to widthPixels x heightPixels (0 x 0: the same
    // size), or its dpi to dpi (0: the same dpi).
    virtual void displayChanged(int widthPixels, int heightPixels, int dpi) = 0;
    // Pictures decoded in the background are ready (picturesReadyMessage).
    virtual void picturesReady() = 0;
    // Runs after every message that dispatched an event.
    virtual void afterEvent() = 0;

protected:
    ~WindowHost() = default;
};

class FormWindow {
public:
    // Posted from the picture decoding thread: pictures decoded in the
    // background are ready to be shown.
    static constexpr UINT picturesReadyMessage = WM_APP + 3;

    static constexpr const wchar_t* className = L"OrvelaForm";

    FormWindow(forms::Form& form, WindowHost& host);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    ~FormWindow();

    // Creates, updates or destroys the native window to match the form:
    // placement, caption, window state, visibility, native controls, timers,
    // and the dirty rectangles of the form (invalidated for the next WM_PAINT).
    void sync();
    void destroy();

    // The keyboard of a dialog form: handles msg (a message for this window
    // or one of its controls, before it is dispatched) as a dialog does; true
    // when it was handled and must not be dispatched.
    bool dialogMessage(MSG& msg);

    forms::Form& form() const { return form_; }
    HWND handle() const { return window_; }
    // The child window of a native control, or null.
    HWND controlWindow(const ControlKey& key) const { return controls_.windowOf(key); }
    std::size_t timerCount() const { return timers_.count(); }

private:
    // One message as the handlers below take it. A handler returns true when
    // it handled the message (result is then the answer), and sets
    // dispatched when an event reached the runtime.
    struct Message {
        UINT id;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT result = 0;
        bool dispatched = false;
    };

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool onMessage(Message& m);
    void forgetWindow();

    // Placement (form_window_placement.cpp).
    void create();
    void place();
    void applyState();
    void onSize(WPARAM kind);

    // A new screen size, monitor or system metrics (form_window_display.cpp). WM_DPICHANGED
    // comes with Windows 8.1; the headers of the XP target do not declare it.
    static constexpr UINT dpiChangedMessage = 0x02E0;
    bool onDisplayMessage(Message& m);

    // Painting (form_window_painting.cpp).
    void onPaint();

    // Input (form_window_input.cpp).
    bool onMouse(Message& m);
    bool onTimer(Message& m);
    // WM_COMMAND, WM_NOTIFY and WM_CTLCOLOR* of a child, to its adapter.
    bool onChildMessage(Message& m);

    // The dialog keyboard and focus (form_window_dialog.cpp); false for
    // messages a dialog does not take.
    bool onDialogMessage(Message& m);
    // Focus to the control that had it, or to the first tab stop; false
    // when there is no such control.
    bool restoreFocus();

    forms::Form& form_;
    WindowHost& host_;
    HWND window_ = nullptr;
    forms::MouseRouter mouse_;
    NativeControls controls_;
    FormTimers timers_;
    PaintEngine paint_;
    std::string caption_;
    RECT placement_{};
    // The window rectangle last worked out for a client rectangle and
    // styles: under Wine AdjustWindowRectEx makes a DC and measures the
    // menu font each time, and a form's place is asked for every tick.
    // Forgotten when the display or the system's metrics change.
    struct Frame {
        RECT client{}, window{};
        DWORD style = 0, exStyle = 0;
        bool known = false;
    } frame_;
    int shownState_ = 0; // the window state last applied to the window
    int stateBeforeMinimize_ = 0;
    bool reportedMinimized_ = false; // what the host last heard of this window
    bool firstFramePainted_ = false;
    HWND focus_ = nullptr; // the dialog's focused control while it is inactive
};

} // namespace orvela::win32
