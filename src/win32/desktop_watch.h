// Tells when nobody can see the desktop for a reason Windows reports
// outside the program's own windows: another program's window covering the
// whole primary monitor (EVENT_SYSTEM_FOREGROUND and the foreground
// window's moves, through SetWinEventHook), the session locked
// (WTSRegisterSessionNotification) and the display off
// (RegisterPowerSettingNotification, GUID_CONSOLE_DISPLAY_STATE); the
// foreground is also looked at once a second, for systems that deliver no
// win events of other processes (Wine). Each call
// is looked up at run time: where one does not exist (older Windows) that
// reason is simply never reported. A message-only window receives the
// notifications.
#pragma once

#include "win32/program.h"

#include <windows.h>

#include <functional>

namespace orvela::win32 {

class DesktopWatch {
public:
    using Report = std::function<void(Unseen reason, bool begins)>;
    explicit DesktopWatch(Report report);
    DesktopWatch(const DesktopWatch&) = delete;
    DesktopWatch& operator=(const DesktopWatch&) = delete;
    ~DesktopWatch();

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static void CALLBACK onWinEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                                    LONG child, DWORD thread, DWORD time);
    void checkForeground();
    void set(Unseen reason, bool hidden, bool& state);

    Report report_;
    HWND window_ = nullptr;
    HWINEVENTHOOK foregroundHook_ = nullptr, moveHook_ = nullptr;
    HANDLE powerNotification_ = nullptr;
    bool sessionNotification_ = false;
    bool covered_ = false, locked_ = false, displayOff_ = false;
};

// Whether a window of another process covers the whole monitor rectangle
// (a maximised or full-screen window in front).
bool coversMonitor(const RECT& window, const RECT& monitor);

} // namespace orvela::win32
