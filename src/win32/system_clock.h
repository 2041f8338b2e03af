// The forms runtime's clock on Windows: the local time of the machine.
#pragma once

#include "forms/clock.h"

namespace orvela::win32 {

class SystemClock final : public forms::Clock {
public:
    forms::DateTime now() const override;
};

} // namespace orvela::win32
