#include "forms/mouse_router.h"

namespace orvela::forms {

ControlKey MouseRouter::keyAt(float x, float y) const {
    return ControlKey::of(form_.hitTest(x, y).control);
}

bool MouseRouter::deliver(const ControlKey& key, Event event, float x, float y) {
    if (!form_.loaded())
        return false;
    Control* control = key.find(form_);
    if (!key.isForm() && !control)
        return false;
    if (control) {
        float ox = 0, oy = 0;
        control->originInForm(ox, oy);
        x -= ox + control->left();
        y -= oy + control->top();
    }
    event.x = x;
    event.y = y;
    form_.dispatch(control, event);
    return true;
}

void MouseRouter::move(float x, float y, int buttons) {
    Event event{EventType::MouseMove};
    event.button = buttons;
    deliver(capturing() ? target_ : keyAt(x, y), event, x, y);
}

void MouseRouter::press(int button, float x, float y) {
    if (!capturing()) {
        target_ = keyAt(x, y);
        noClick_ = false;
    }
    held_ |= button;
}

void MouseRouter::release(int button, float x, float y) {
    ControlKey target = capturing() ? target_ : keyAt(x, y);
    bool click = button == leftButton && !noClick_ && (held_ & button);
    held_ &= ~button;
    if (!capturing())
        noClick_ = false;
    Event up{EventType::MouseUp};
    up.button = button;
    if (!deliver(target, up, x, y))
        return;
    // The handler may have moved or hidden controls: test again.
    if (click && keyAt(x, y) == target)
        deliver(target, Event{EventType::Click}, x, y);
}

void MouseRouter::doubleClick(float x, float y) {
    press(leftButton, x, y);
    noClick_ = true;
    deliver(target_, Event{EventType::DblClick}, x, y);
}

void MouseRouter::click(int button, float x, float y) {
    press(button, x, y);
    release(button, x, y);
}

void MouseRouter::doubleClickGesture(float x, float y) {
    click(leftButton, x, y);
    doubleClick(x, y);
    release(leftButton, x, y);
}

void MouseRouter::cancel() {
    held_ = 0;
    noClick_ = false;
}

} // namespace orvela::forms
