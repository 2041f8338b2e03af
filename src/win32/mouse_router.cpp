#include "win32/mouse_router.h"

namespace orvela::win32 {

ControlKey MouseRouter::keyAt(float x, float y) const {
    return ControlKey::of(form_.hitTest(x, y).control);
}

bool MouseRouter::deliver(const ControlKey& key, forms::Event event, float x, float y) {
    if (!form_.loaded())
        return false;
    forms::Control* control = key.find(form_);
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
    forms::Event event{forms::EventType::MouseMove};
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
    bool click = button == forms::leftButton && !noClick_ && (held_ & button);
    held_ &= ~button;
    if (!capturing())
        noClick_ = false;
    forms::Event up{forms::EventType::MouseUp};
    up.button = button;
    if (!deliver(target, up, x, y))
        return;
    // The handler may have moved or hidden controls: test again.
    if (click && keyAt(x, y) == target)
        deliver(target, forms::Event{forms::EventType::Click}, x, y);
}

void MouseRouter::doubleClick(float x, float y) {
    press(forms::leftButton, x, y);
    noClick_ = true;
    deliver(target_, forms::Event{forms::EventType::DblClick}, x, y);
}

void MouseRouter::cancel() {
    held_ = 0;
    noClick_ = false;
}

} // namespace orvela::win32
