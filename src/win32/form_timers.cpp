#include "win32/form_timers.h"

#include <algorithm>

namespace orvela::win32 {

void FormTimers::sync(HWND window, const forms::Form& form) {
    std::vector<Timer> kept;
    if (form.loaded()) {
        for (const auto& c : form.controls()) {
            if (!c->timerRuns())
                continue;
            ControlKey key = ControlKey::of(c.get());
            auto old = std::find_if(timers_.begin(), timers_.end(),
                                    [&](const Timer& t) { return t.key == key; });
            Timer timer = old != timers_.end() ? *old : Timer{key, nextId_++, 0};
            if (old != timers_.end())
                timers_.erase(old);
            if (timer.interval != c->interval()) {
                timer.interval = c->interval();
                SetTimer(window, timer.id, static_cast<UINT>(timer.interval), nullptr);
            }
            kept.push_back(std::move(timer));
        }
    }
    for (const Timer& gone : timers_)
        KillTimer(window, gone.id);
    timers_ = std::move(kept);
}

const ControlKey* FormTimers::keyOf(UINT_PTR id) const {
    for (const Timer& t : timers_)
        if (t.id == id)
            return &t.key;
    return nullptr;
}

void FormTimers::clear(HWND window) {
    if (window)
        for (const Timer& t : timers_)
            KillTimer(window, t.id);
    timers_.clear();
}

} // namespace orvela::win32
