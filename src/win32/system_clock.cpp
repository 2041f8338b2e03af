#include "win32/system_clock.h"

#include <windows.h>

namespace orvela::win32 {

forms::DateTime SystemClock::now() const {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    return {local.wYear,   local.wMonth,  local.wDay,         local.wHour,
            local.wMinute, local.wSecond, local.wMilliseconds};
}

} // namespace orvela::win32
