// Names a control of a form by name and index, or the form itself. Keys stay
// meaningful when a form is unloaded and loaded again (its controls are then
// new objects), so the front end keeps keys, never control pointers, across
// events.
#pragma once

#include "forms/form.h"

#include <string>

namespace orvela::forms {

struct ControlKey {
    std::string name; // empty: the form itself
    int index = -1;

    static ControlKey of(const Control* control) {
        return control ? ControlKey{control->name(), control->index()} : ControlKey{};
    }
    bool isForm() const { return name.empty(); }
    // The control now, or null (the form itself, or a control that is gone).
    Control* find(const Form& form) const { return isForm() ? nullptr : form.find(name, index); }
    bool operator==(const ControlKey&) const = default;
};

} // namespace orvela::forms
