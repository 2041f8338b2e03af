// The Windows services the program calls, one interface per theme. The real
// implementation lives in src/win32, the recording fake in src/platform/fake.
#pragma once

#include "platform/dialog_services.h"
#include "platform/display_services.h"
#include "platform/file_services.h"
#include "platform/scripting_services.h"
#include "platform/shell_services.h"
#include "platform/system_services.h"
#include "platform/window_services.h"

namespace orvela::platform {

struct Platform {
    DisplayServices& display;
    WindowServices& windows;
    ShellServices& shell;
    SystemServices& system;
    ScriptingServices& scripting;
    FileServices& files;
    DialogServices& dialogs;
};

} // namespace orvela::platform
