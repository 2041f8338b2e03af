#include "forms/dialog_keys.h"

#include "forms/control_kinds.h"
#include "forms/user_input.h"

namespace orvela::forms {

namespace {

bool isButton(const Control* c) {
    return c && c->kind() == ControlKind::CommandButton;
}

} // namespace

ControlKey DialogKeys::enterButton(const ControlKey& focused) const {
    if (isButton(focused.find(form_)))
        return focused;
    const UserInput input(form_);
    for (const auto& c : form_.controls())
        if (isButton(c.get()) && c->defaultButton() && input.reach(*c) == Refusal::none)
            return ControlKey::of(c.get());
    return {};
}

bool DialogKeys::enter(const ControlKey& focused) {
    Control* button = enterButton(focused).find(form_);
    return button && UserInput(form_).press(*button) == Refusal::none;
}

bool DialogKeys::cancel() {
    for (const auto& c : form_.controls())
        if (isButton(c.get()) && c->cancelButton())
            return UserInput(form_).press(*c) == Refusal::none;
    form_.hide();
    return true;
}

bool DialogKeys::stepTab(int step) {
    UserInput input(form_);
    for (const auto& c : form_.controls()) {
        const int count = static_cast<int>(c->items().size());
        if (c->kind() != ControlKind::TabStrip || count == 0 || input.reach(*c) != Refusal::none)
            continue;
        const int from = c->listIndex() >= 0 ? c->listIndex() : (step > 0 ? -1 : 0);
        return input.pickTab(*c, ((from + step) % count + count) % count) == Refusal::none;
    }
    return false;
}

std::vector<ControlKey> DialogKeys::tabOrder(const Form& form) {
    std::vector<ControlKey> order, strips;
    for (const auto& c : form.controls()) {
        if (!rulesOf(c->kind()).native)
            continue;
        (c->kind() == ControlKind::TabStrip ? strips : order).push_back(ControlKey::of(c.get()));
    }
    order.insert(order.end(), strips.begin(), strips.end());
    return order;
}

} // namespace orvela::forms
