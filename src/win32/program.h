// What the front end needs from the program it shows: its start-up, its
// forms, and the two decisions that belong to the program's logic.
#pragma once

#include "forms/runtime.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace orvela::win32 {

// Why nobody may see the program's windows.
enum class Unseen { minimized, covered, locked, displayOff };

class Program {
public:
    virtual ~Program() = default;
    // The program's start-up (its first forms load); the front end runs it
    // first, inside the guard that reports a failing start-up.
    virtual void start() {}
    // The program's name in the report of a start-up that failed, and the
    // title of its message box.
    virtual std::wstring name() const { return L"Orvela"; }
    virtual forms::Runtime& runtime() = 0;
    // The user asked the window system to close this form (Alt+F4).
    virtual void closeRequested(forms::Form& form) = 0;
    // The system clock was set (WM_TIMECHANGE) or the machine resumed from
    // sleep: what shows the date is brought up to date at once.
    virtual void clockChanged() {}
    // A reason why nobody sees the windows begins or ends; for minimized,
    // the form whose window was minimised or restored, else null.
    virtual void unseen(Unseen, bool /*begins*/, const forms::Form* /*form*/) {}
    // The screen is now widthPixels x heightPixels (WM_DISPLAYCHANGE, or
    // the window moved to another monitor): the program lays itself out
    // again; the sync that follows places the windows.
    // 0 x 0 keeps the size; dpi 0 keeps the dpi.
    virtual void displayChanged(int /*widthPixels*/, int /*heightPixels*/, int /*dpi*/) {}
    // True once the program has ended: the front end then closes down.
    virtual bool ended() const = 0;
    // The icon of a picture the platform made (a picture's handle); null
    // when there is none. The front end draws a copy of it.
    virtual HICON iconOfPicture(std::uintptr_t) const { return nullptr; }
};

} // namespace orvela::win32
