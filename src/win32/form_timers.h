// The Timer controls of a form as Windows timers of its window: one timer per
// loaded, enabled Timer control with an interval above 0, re-armed when the
// interval changes and killed when the control stops.
#pragma once

#include "forms/control_key.h"
#include "forms/form.h"

#include <windows.h>

#include <vector>

namespace orvela::win32 {

using forms::ControlKey;

class FormTimers {
public:
    FormTimers() = default;
    FormTimers(const FormTimers&) = delete;
    FormTimers& operator=(const FormTimers&) = delete;

    void sync(HWND window, const forms::Form& form);
    // The Timer control of a WM_TIMER id, or null.
    const ControlKey* keyOf(UINT_PTR id) const;
    // Kills every timer of the window (null: the window is already gone).
    void clear(HWND window);
    std::size_t count() const { return timers_.size(); }

private:
    struct Timer {
        ControlKey key;
        UINT_PTR id;
        int interval;
    };
    std::vector<Timer> timers_;
    UINT_PTR nextId_ = 1;
};

} // namespace orvela::win32
