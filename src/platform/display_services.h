// Display settings of the machine.
#pragma once

#include <cstdint>

namespace orvela::platform {

struct DisplayMode {
    unsigned width = 0;  // dmPelsWidth
    unsigned height = 0; // dmPelsHeight
};

class DisplayServices {
public:
    virtual ~DisplayServices() = default;
    // EnumDisplaySettingsA(no device, ENUM_CURRENT_SETTINGS). False on failure.
    [[nodiscard]] virtual bool enumCurrentDisplaySettings(DisplayMode& mode) = 0;
    // GetSysColor: a system colour as 0x00BBGGRR (index 3: the active title bar).
    virtual std::uint32_t getSysColor(int index) = 0;
    // The display's dots per inch (96 at 100 % scaling): GetDpiForSystem
    // where Windows has it, else GetDeviceCaps(LOGPIXELSX) of the screen;
    // 0 when neither answers.
    virtual int screenDpi() = 0;
};

} // namespace orvela::platform
