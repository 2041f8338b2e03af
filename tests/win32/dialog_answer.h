// A helper thread that answers a dialog box of a thread as a user would:
// the standard dialogs, message boxes.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace orvela::win32 {

// Waits (at most 20 s) for a dialog box of thread `owner` and acts on it, as
// a user would; found tells whether one came.
class DialogAnswer {
public:
    DialogAnswer(DWORD owner, std::function<void(HWND)> act)
        : helper_([this, owner, act = std::move(act)] {
              for (int wait = 0; wait < 400 && !stop_; ++wait) {
                  if (HWND dialog = findDialog(owner)) {
                      found_ = true;
                      act(dialog);
                      return;
                  }
                  Sleep(50);
              }
          }) {}
    ~DialogAnswer() {
        stop_ = true;
        helper_.join();
    }
    DialogAnswer(const DialogAnswer&) = delete;
    DialogAnswer& operator=(const DialogAnswer&) = delete;

    bool found() const { return found_; }

private:
    // A callback of its own, not a lambda: on i686 a lambda converts only to
    // a cdecl pointer, and EnumThreadWindows calls a stdcall one.
    static BOOL CALLBACK takeDialog(HWND window, LPARAM result) {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (std::wstring(name) != L"#32770" || !IsWindowVisible(window))
            return TRUE;
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
    }

    static HWND findDialog(DWORD thread) {
        HWND found = nullptr;
        EnumThreadWindows(thread, takeDialog, reinterpret_cast<LPARAM>(&found));
        return found;
    }

    std::atomic<bool> stop_{false}, found_{false};
    std::thread helper_;
};

} // namespace orvela::win32
