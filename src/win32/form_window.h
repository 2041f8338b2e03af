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
// them, Ctrl+Tab through the tabs of the tab strip, Enter for the default
// button, Esc for the cancel button). The close box, Esc and Alt+F4 press the
// cancel button (Click on the control with cancelButton()); a dialog without
// one is hidden. Showing a dialog puts the focus on its first tab stop.
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
    // The window a dialog form's window belongs to, or null.
    virtual HWND ownerFor(const forms::Form& dialog) = 0;
    // Runs after every message that dispatched an event.
    virtual void afterEvent() = 0;

protected:
    ~WindowHost() = default;
};

class FormWindow {
public:
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
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Handles a message; sets dispatched when an event reached the runtime.
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result, bool& dispatched);
    void create();
    void place();
    void applyState();
    void onPaint();
    // Dispatches Click to the control if the user could click it now.
    bool clickIfUsable(const ControlKey& key);
    bool pressDefault();
    bool pressCancel();
    bool stepTab(int step);
    // The id Enter presses: a focused push button's, else the default button's.
    int defaultId() const;
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
    int shownState_ = 0; // the window state last applied to the window
    int stateBeforeMinimize_ = 0;
    bool firstFramePainted_ = false;
    HWND focus_ = nullptr; // the dialog's focused control while it is inactive
    // The background of text boxes in their BackColor (one brush per colour).
    HBRUSH editBrush_ = nullptr;
    COLORREF editBrushColour_ = 0;
};

} // namespace orvela::win32
