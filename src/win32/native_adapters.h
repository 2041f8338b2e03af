// One adapter per kind of native control (command button, combo box, text
// box, tab strip): the window class and styles it is created with, how the
// model is pushed to the window, how the window's notifications go back into
// the model, and the colours it is drawn in. The form's window reflects
// WM_COMMAND, WM_NOTIFY and WM_CTLCOLOR* of a child to its adapter, through
// NativeControls (native_controls.h). A notification of the user's input
// goes through the runtime's UserInput, so a hidden or disabled control never
// gets its Click. The adapters hold no state of their own, each window's
// state is a NativeChild.
#pragma once

#include "forms/control_key.h"
#include "forms/form.h"
#include "forms/user_input.h"
#include "win32/gdi_guards.h"

#include <windows.h>

#include <string>
#include <vector>

namespace orvela::win32 {

inline constexpr int unknownSelection = -2;

// A child window and what was last pushed to it, so that a sync touches the
// window only where the model differs.
struct NativeChild {
    forms::ControlKey key;
    forms::ControlKind kind = forms::ControlKind::CommandButton;
    HWND window = nullptr;
    RECT box{}; // the control's box in form pixels, as last laid out
    bool visible = false, enabled = true;
    HFONT font = nullptr;
    std::string caption;            // buttons
    std::vector<std::string> items; // combo entries, tab captions
    std::vector<std::string> tips;  // tab tool tips
    int selection = -1;             // selected entry or tab; unknownSelection after a reset
    std::string text;               // text boxes
    std::wstring tipShown;          // the tab tool tip Windows is reading
    Brush background;               // text boxes: the brush of their BackColor
    COLORREF backgroundColour = 0;  // the colour of background
};

// What a notification of a child window did.
enum class Notified {
    nothing, // not a notification the control reacts to
    input,   // the user's input went to the model (or was refused): sync after
};

class NativeAdapter {
public:
    // Creates the window for control, hidden, with the given id; null on failure.
    // startsGroup: the control starts a group of the dialog's arrow keys.
    virtual HWND create(HWND parent, const forms::Control& control, int id,
                        bool startsGroup) const = 0;
    // Pushes the kind's own content (caption, entries, selection, text)
    // where it differs from child; true when the layout depends on what changed.
    virtual bool push(NativeChild& child, const forms::Control& control) const = 0;
    // Places the window for child.box after the box, font or content changed.
    virtual void layout(NativeChild& child) const;
    // A WM_COMMAND notification code from the window. The user's input goes
    // through input as the last step: its handler may unload the form, so
    // neither child nor the control may be used after it.
    virtual Notified command(NativeChild&, forms::Control&, UINT, forms::UserInput&) const {
        return Notified::nothing;
    }
    // A WM_NOTIFY from the window (or from its tool tip, which reads its
    // text from the header); as command().
    virtual Notified notify(NativeChild&, forms::Control&, NMHDR&, forms::UserInput&) const {
        return Notified::nothing;
    }
    // A WM_CTLCOLOR* message (its id) of the window, drawing on dc: the brush
    // of its background with dc's colours set, or null for the system's.
    virtual HBRUSH colour(NativeChild&, const forms::Control&, UINT, HDC) const { return nullptr; }

protected:
    ~NativeAdapter() = default;
};

// The adapter of a kind, or null for kinds the painter draws.
const NativeAdapter* nativeAdapterOf(forms::ControlKind kind);

// The tool tip window of a tab strip, or null.
HWND toolTipOf(const NativeChild& child);

} // namespace orvela::win32
