#include "forms/user_input.h"

#include "forms/control_kinds.h"

namespace orvela::forms {

const char* refusalText(Refusal refusal) {
    switch (refusal) {
    case Refusal::none:
        return "";
    case Refusal::wrongKind:
        return "does not take this input";
    case Refusal::formUnloaded:
        return "its form is not loaded";
    case Refusal::formHidden:
        return "its form is not shown";
    case Refusal::hidden:
        return "hidden";
    case Refusal::frameHidden:
        return "in a hidden frame";
    case Refusal::disabled:
        return "disabled";
    case Refusal::noSuchEntry:
        return "no such entry";
    }
    return "refused";
}

Refusal UserInput::reach(const Control& c) const {
    if (!form_.loaded())
        return Refusal::formUnloaded;
    if (!form_.visible())
        return Refusal::formHidden;
    if (!c.visible())
        return Refusal::hidden;
    if (!c.effectivelyVisible())
        return Refusal::frameHidden;
    if (!c.enabled())
        return Refusal::disabled;
    return Refusal::none;
}

Refusal UserInput::press(Control& c) {
    if (!rulesOf(c.kind()).catchesMouse)
        return Refusal::wrongKind;
    if (const Refusal why = reach(c); why != Refusal::none)
        return why;
    form_.dispatch(&c, Event{EventType::Click});
    return Refusal::none;
}

Refusal UserInput::choose(Control& c, ControlKind kind, int index) {
    if (c.kind() != kind)
        return Refusal::wrongKind;
    if (const Refusal why = reach(c); why != Refusal::none)
        return why;
    if (index < 0 || index >= static_cast<int>(c.items().size()))
        return Refusal::noSuchEntry;
    // The choice is in the model before the handler runs.
    c.setListIndex(index);
    form_.dispatch(&c, Event{EventType::Click});
    return Refusal::none;
}

Refusal UserInput::select(Control& comboBox, int index) {
    return choose(comboBox, ControlKind::ComboBox, index);
}

Refusal UserInput::pickTab(Control& tabStrip, int index) {
    return choose(tabStrip, ControlKind::TabStrip, index);
}

Refusal UserInput::type(Control& textBox, const std::string& text) {
    if (textBox.kind() != ControlKind::TextBox)
        return Refusal::wrongKind;
    if (const Refusal why = reach(textBox); why != Refusal::none)
        return why;
    textBox.setText(text);
    return Refusal::none;
}

} // namespace orvela::forms
