// The input rules of the mouse, one set for the Win32 front end, the driver
// and the tests: turns the pointer over one form into the runtime's events,
// with the coordinates in form twips:
//   move     -> MouseMove to the control under the pointer (or the form);
//               while a button is down, to the control it went down on;
//   release  -> MouseUp to the control the button went down on, in that
//               control's coordinates, then Click for the left button when
//               it is released over the same control;
//   double click (second press of the left button) -> DblClick to the control
//               under the pointer; the release that follows gives no Click.
// The pairing of double clicks (time and distance) is the system's: on
// Windows the second press arrives as WM_LBUTTONDBLCLK and becomes
// doubleClick(); the driver's whole gestures below give the same sequence.
// Button codes: 1 left, 2 right, 4 middle.
#pragma once

#include "forms/control_key.h"
#include "forms/form.h"

namespace orvela::forms {

class MouseRouter {
public:
    explicit MouseRouter(Form& form) : form_(form) {}

    // buttons: the buttons held, or-ed codes.
    void move(float x, float y, int buttons);
    void press(int button, float x, float y);
    void release(int button, float x, float y);
    void doubleClick(float x, float y);
    // The window lost the mouse capture: forget the buttons held.
    void cancel();

    // Whole gestures at one point, as the system reports them: a click is a
    // press and a release; a double click is a click, then the double-click
    // press and its release.
    void click(int button, float x, float y);
    void doubleClickGesture(float x, float y);

    // The buttons held, or-ed codes.
    int held() const { return held_; }

    // A button is down: the window should hold the mouse capture.
    bool capturing() const { return held_ != 0; }

private:
    ControlKey keyAt(float x, float y) const;
    // Dispatches to the control named by key (or the form) with (x, y) made
    // relative to it. False when that control no longer exists.
    bool deliver(const ControlKey& key, Event event, float x, float y);

    Form& form_;
    ControlKey target_; // where the held buttons went down
    int held_ = 0;
    bool noClick_ = false; // the held left button came with a double click
};

} // namespace orvela::forms
