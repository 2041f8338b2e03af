#include "win32/desktop_watch.h"

namespace orvela::win32 {

namespace {

constexpr wchar_t watchClass[] = L"OrvelaDesktopWatch";
// The one watch of the process, for the win-event callback, which carries
// no pointer of its own.
DesktopWatch* current = nullptr;

// {6FE69556-704A-47A0-8F24-C28D936FDA47}
const GUID consoleDisplayState = {
    0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
constexpr UINT powerSettingChange = 0x8013; // PBT_POWERSETTINGCHANGE
// POWERBROADCAST_SETTING, which the headers declare for Vista and later only.
struct PowerSetting {
    GUID setting;
    DWORD dataLength;
    UCHAR data[1];
};
constexpr UINT sessionChange = 0x02B1; // WM_WTSSESSION_CHANGE
constexpr WPARAM sessionLock = 7, sessionUnlock = 8;
constexpr UINT_PTR foregroundTimer = 1;

template <typename Proc> Proc lookUp(const wchar_t* module, const char* name) {
    HMODULE handle = GetModuleHandleW(module);
    if (!handle)
        handle = LoadLibraryW(module);
    if (!handle)
        return nullptr;
    return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(GetProcAddress(handle, name)));
}

} // namespace

bool coversMonitor(const RECT& window, const RECT& monitor) {
    return window.left <= monitor.left && window.top <= monitor.top &&
           window.right >= monitor.right && window.bottom >= monitor.bottom;
}

DesktopWatch::DesktopWatch(Report report) : report_(std::move(report)) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = windowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = watchClass;
    RegisterClassW(&wc); // fails harmlessly when registered already
    window_ = CreateWindowExW(0, watchClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              wc.hInstance, nullptr);
    if (window_)
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    current = this;

    foregroundHook_ =
        SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, onWinEvent, 0, 0,
                        WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    moveHook_ = SetWinEventHook(EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_LOCATIONCHANGE, nullptr,
                                onWinEvent, 0, 0, WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    if (!window_)
        return;
    // Wine delivers no win events of other processes: the foreground is
    // also looked at once a second, which costs next to nothing.
    SetTimer(window_, foregroundTimer, 1000, nullptr);
    using RegisterSession = BOOL(WINAPI*)(HWND, DWORD);
    if (auto reg = lookUp<RegisterSession>(L"wtsapi32.dll", "WTSRegisterSessionNotification"))
        sessionNotification_ = reg(window_, 0 /* NOTIFY_FOR_THIS_SESSION */) != FALSE;
    using RegisterPower = HANDLE(WINAPI*)(HANDLE, LPCGUID, DWORD);
    if (auto reg = lookUp<RegisterPower>(L"user32.dll", "RegisterPowerSettingNotification"))
        powerNotification_ =
            reg(window_, &consoleDisplayState, 0 /* DEVICE_NOTIFY_WINDOW_HANDLE */);
}

DesktopWatch::~DesktopWatch() {
    if (foregroundHook_)
        UnhookWinEvent(foregroundHook_);
    if (moveHook_)
        UnhookWinEvent(moveHook_);
    if (powerNotification_) {
        using Unregister = BOOL(WINAPI*)(HANDLE);
        if (auto un = lookUp<Unregister>(L"user32.dll", "UnregisterPowerSettingNotification"))
            un(powerNotification_);
    }
    if (sessionNotification_) {
        using Unregister = BOOL(WINAPI*)(HWND);
        if (auto un = lookUp<Unregister>(L"wtsapi32.dll", "WTSUnRegisterSessionNotification"))
            un(window_);
    }
    if (window_)
        DestroyWindow(window_);
    if (current == this)
        current = nullptr;
}

void DesktopWatch::set(Unseen reason, bool hidden, bool& state) {
    if (hidden == state)
        return;
    state = hidden;
    if (report_)
        report_(reason, hidden);
}

void DesktopWatch::checkForeground() {
    HWND front = GetForegroundWindow();
    DWORD process = 0;
    bool covers = false;
    if (front && GetWindowThreadProcessId(front, &process) && process != GetCurrentProcessId() &&
        IsWindowVisible(front) && !IsIconic(front)) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        RECT rect{};
        const POINT origin{0, 0};
        if (GetWindowRect(front, &rect) &&
            GetMonitorInfoW(MonitorFromPoint(origin, MONITOR_DEFAULTTOPRIMARY), &monitor))
            covers = coversMonitor(rect, monitor.rcMonitor);
    }
    set(Unseen::covered, covers, covered_);
}

void CALLBACK DesktopWatch::onWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG,
                                       DWORD, DWORD) {
    if (!current)
        return;
    if (event == EVENT_OBJECT_LOCATIONCHANGE &&
        (object != OBJID_WINDOW || window != GetForegroundWindow()))
        return;
    current->checkForeground();
}

LRESULT CALLBACK DesktopWatch::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<DesktopWatch*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message == WM_TIMER && wParam == foregroundTimer) {
        self->checkForeground();
        return 0;
    }
    if (self && message == sessionChange && (wParam == sessionLock || wParam == sessionUnlock)) {
        self->set(Unseen::locked, wParam == sessionLock, self->locked_);
        return 0;
    }
    if (self && message == WM_POWERBROADCAST && wParam == powerSettingChange && lParam) {
        const auto* setting = reinterpret_cast<const PowerSetting*>(lParam);
        if (IsEqualGUID(setting->setting, consoleDisplayState) &&
            setting->dataLength >= sizeof(DWORD)) {
            DWORD state = 0;
            CopyMemory(&state, setting->data, sizeof state);
            self->set(Unseen::displayOff, state == 0, self->displayOff_);
        }
        return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace orvela::win32
