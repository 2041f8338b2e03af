// Whether anybody can see the desktop. While the main window is minimised,
// covered by another program's full-screen window, the session locked or
// the display off, the main timer stops and the program uses no CPU; when
// the last reason ends, the timer runs again and one tick runs at once, so
// the clocks, the date and the calendar are right in the first frame.
#pragma once

#include <functional>

namespace orvela::shell {

enum class HiddenReason { minimized, covered, locked, displayOff };

class DesktopSleep {
public:
    // sleep stops the timer; wake starts it and runs one tick.
    DesktopSleep(std::function<void()> sleep, std::function<void()> wake)
        : sleep_(std::move(sleep)), wake_(std::move(wake)) {}

    // A reason begins or ends; the same one twice counts once.
    void hide(HiddenReason reason);
    void show(HiddenReason reason);
    bool asleep() const { return reasons_ != 0; }
    bool hiddenBy(HiddenReason reason) const { return (reasons_ & bit(reason)) != 0; }

private:
    static unsigned bit(HiddenReason reason) { return 1u << static_cast<unsigned>(reason); }

    std::function<void()> sleep_, wake_;
    unsigned reasons_ = 0;
};

} // namespace orvela::shell
