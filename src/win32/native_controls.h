// The dialog controls of a form (command buttons, combo boxes, text boxes,
// tab strips: the kinds control_kinds.h marks native) as child windows of
// the form's window, one adapter per kind (native_adapters.h).
//
// sync() creates, places (form pixels: the control's box moved by its
// frames' origin), fills, shows, enables and destroys them to match the
// model, touching a window only where the model differs from what was last
// pushed. A control is shown while it and every frame around it are visible.
// A form's children are first made when the form first shows.
// Stacking is the dialog's tab order (DialogKeys::tabOrder: design order, tab
// strips last and at the bottom, so the frames' controls lie above their tab
// strip).
//
// The form's window reflects its children's WM_COMMAND, WM_NOTIFY and
// WM_CTLCOLOR* here, and each goes to the adapter of the child's kind. A
// notification of the user's input goes into the model through UserInput
// before its control's handler runs (the combo's ListIndex, the tab strip's
// selected tab, the text box's Text), so the next sync has nothing to push
// back. Notifications the sync's own pushes cause are ignored.
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
    // model is updated and the control's handler runs here.
    Notified command(HWND child, UINT code, forms::Form& form);
    Notified notify(NMHDR& header, forms::Form& form);
    // A WM_CTLCOLOR* message of child drawing on dc: the brush to return, or
    // null to leave it to the system.
    HBRUSH colour(HWND child, UINT message, HDC dc, const forms::Form& form);

    // The control of a child window, or null.
    const ControlKey* keyOf(HWND child) const;
    HWND windowOf(const ControlKey& key) const;
    // Forgets the windows (destroying them unless the parent is already gone).
    void clear(bool destroyWindows);

private:
    NativeChild* childOf(HWND window);
    void update(NativeChild& child, const forms::Control& control, const NativeAdapter& adapter);
    void restack(const forms::Form& form);

    FontCache& fonts_;
    std::vector<NativeChild> children_;
    bool pushing_ = false;
    int nextId_ = firstId;
    static constexpr int firstId = 1000; // clear of IDOK, IDCANCEL and the other dialog ids
};

} // namespace orvela::win32
