#include "shell/desktop_sleep.h"

namespace orvela::shell {

void DesktopSleep::hide(HiddenReason reason) {
    const bool wasAsleep = asleep();
    reasons_ |= bit(reason);
    if (!wasAsleep && sleep_)
        sleep_();
}

void DesktopSleep::show(HiddenReason reason) {
    if (!hiddenBy(reason))
        return;
    reasons_ &= ~bit(reason);
    if (!asleep() && wake_)
        wake_();
}

} // namespace orvela::shell
