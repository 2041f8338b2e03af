// The dialog controls of a form (command buttons, combo boxes, text boxes,
// tab strips: the kinds control_kinds.h marks native) as child windows of
// the form's window, one adapter per kind (native_adapters.h).
//
// sync() creates, places (form pixels: the control's box moved by its
// frames' origin), fills, shows, enables and destroys them to match the
// model, touching a window only where the model differs from what was last
// pushed. A control is shown while it and every frame around it are visible.
// Tab order and stacking follow the design order, tab strips last and at the
// bottom, so the frames' controls lie above their tab strip.
//
// A notification from a window goes into the model before its control's
// handler runs (the combo's ListIndex, the tab strip's selected tab, the text
// box's Text), so the next sync has nothing to push back. Notifications the
// sync's own pushes cause are ignored.
#pragma once

#include "forms/control_key.h"
#include "forms/form.h"
#include "win32/font_cache.h"
#include "win32/native_adapters.h"

#include <windows.h>

#include <vector>

namespace orvela::win32 {

using forms::ControlKey;

class NativeControls {
public:
    explicit NativeControls(FontCache& fonts) : fonts_(fonts) {}
    NativeControls(const NativeControls&) = delete;
    NativeControls& operator=(const NativeControls&) = delete;

    void sync(HWND parent, const forms::Form& form);

    // A WM_COMMAND notification code of child, or a WM_NOTIFY header; the
    // model is updated here. For Notified::click, clicked names the control
    // whose Click follows (the caller dispatches it).
    Notified command(HWND child, UINT code, forms::Form& form, ControlKey& clicked);
    Notified notify(NMHDR& header, forms::Form& form, ControlKey& clicked);

    // The control of a child window, or null.
    const ControlKey* keyOf(HWND child) const;
    HWND windowOf(const ControlKey& key) const;
    // Forgets the windows (destroying them unless the parent is already gone).
    void clear(bool destroyWindows);

private:
    NativeChild* childOf(HWND window);
    void update(NativeChild& child, const forms::Control& control, const NativeAdapter& adapter);
    void restack();

    FontCache& fonts_;
    std::vector<NativeChild> children_;
    bool pushing_ = false;
    int nextId_ = firstId;
    static constexpr int firstId = 1000; // clear of IDOK, IDCANCEL and the other dialog ids
};

} // namespace orvela::win32
