// Windows of other programs: the taskbar and its Start button.
#pragma once

#include "platform/handles.h"

#include <string>

namespace orvela::platform {

class WindowServices {
public:
    virtual ~WindowServices() = default;
    virtual WindowHandle findWindow(const std::string& className, const std::string& title) = 0;
    virtual WindowHandle findWindowEx(WindowHandle parent, WindowHandle childAfter,
                                      const std::string& className, const std::string& title) = 0;
    virtual bool showWindow(WindowHandle window, int command) = 0;
    [[nodiscard]] virtual bool setWindowPos(WindowHandle window, WindowHandle insertAfter, int x,
                                            int y, int cx, int cy, unsigned flags) = 0;
};

} // namespace orvela::platform
