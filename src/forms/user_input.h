// What a user can do to the controls of a form, one set of rules for the
// Win32 front end, the driver and the tests. A user reaches a control only
// while its form is loaded and shown, the control and every frame around it
// are visible, and it is enabled; then
//   press   -> Click (any kind that catches the mouse);
//   select  -> a combo box's ListIndex, then its Click;
//   pickTab -> a tab strip's selected tab (ListIndex), then its Click;
//   type    -> a text box's Text (no event, as typing raises none here).
// Anything else is refused, nothing changes, and the reason is returned.
#pragma once

#include "forms/form.h"

#include <string>

namespace orvela::forms {

enum class Refusal {
    none,         // done
    wrongKind,    // the control's kind does not take this input
    formUnloaded, // its form is not loaded
    formHidden,   // its form is not shown
    hidden,       // the control itself is not visible
    frameHidden,  // a frame around it is not visible
    disabled,     // the control is not enabled
    noSuchEntry,  // the entry or tab index is outside its list
};

// A short text for the reason ("hidden", "disabled", ...); empty for none.
const char* refusalText(Refusal refusal);

class UserInput {
public:
    // Controls given to the methods belong to form.
    explicit UserInput(Form& form) : form_(form) {}

    // Why the user cannot reach control now, or Refusal::none.
    Refusal reach(const Control& control) const;

    Refusal press(Control& control);
    Refusal select(Control& comboBox, int index);
    Refusal pickTab(Control& tabStrip, int index);
    Refusal type(Control& textBox, const std::string& text);

private:
    Refusal choose(Control& control, ControlKind kind, int index);

    Form& form_;
};

} // namespace orvela::forms
