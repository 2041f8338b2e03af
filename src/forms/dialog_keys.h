// The keyboard of a dialog form, decided on the model so that the Win32
// front end only turns key messages into these calls:
//   Enter          -> the focused command button, else the default button;
//   Esc, close box -> the cancel button; a dialog without one is hidden;
//   Ctrl+Tab, Ctrl+Shift+Tab -> the next or previous tab of the first tab
//                     strip the user can reach, round at either end, then
//                     its Click;
//   Tab order      -> the dialog controls (the kinds that are native windows)
//                     in design order, tab strips last, so the controls of
//                     the pages come before the strip that frames them.
// Buttons are pressed through UserInput: a hidden or disabled one gets no
// Click.
#pragma once

#include "forms/control_key.h"
#include "forms/form.h"

#include <vector>

namespace orvela::forms {

class DialogKeys {
public:
    explicit DialogKeys(Form& form) : form_(form) {}

    // The button Enter presses while focused has the focus (the form key
    // for none): focused if it is a command button, else the first default
    // button the user can press; the form key when there is none.
    ControlKey enterButton(const ControlKey& focused) const;
    // Enter: presses enterButton(focused); true when a Click was sent.
    bool enter(const ControlKey& focused);
    // Esc and the close box; true when the cancel button got its Click or
    // the form was hidden.
    bool cancel();
    // Ctrl+Tab (step 1) or Ctrl+Shift+Tab (-1); from no selection, forward
    // picks the first tab and back the last. True when a tab was picked.
    bool stepTab(int step);
    static std::vector<ControlKey> tabOrder(const Form& form);

private:
    Form& form_;
};

} // namespace orvela::forms
