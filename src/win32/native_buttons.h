// The CommandButton controls of a form as BUTTON child windows of its window:
// created, moved, re-captioned, shown, enabled and destroyed to match the
// model. Their text comes from the caption, their font from the control.
#pragma once

#include "forms/control_key.h"
#include "forms/form.h"
#include "win32/font_cache.h"

#include <windows.h>

#include <string>
#include <vector>

namespace orvela::win32 {

using forms::ControlKey;

class NativeButtons {
public:
    explicit NativeButtons(FontCache& fonts) : fonts_(fonts) {}
    NativeButtons(const NativeButtons&) = delete;
    NativeButtons& operator=(const NativeButtons&) = delete;

    void sync(HWND parent, const forms::Form& form);
    // The control of the child window that sent BN_CLICKED, or null.
    const ControlKey* keyOf(HWND child) const;
    HWND windowOf(const ControlKey& key) const;
    // Forgets the buttons (destroying them unless the parent is already gone).
    void clear(bool destroyWindows);

private:
    struct Button {
        ControlKey key;
        HWND window = nullptr;
        std::string caption;
        RECT box{};
        bool visible = false, enabled = true;
        HFONT font = nullptr;
    };
    void update(Button& button, const forms::Control& control);

    FontCache& fonts_;
    std::vector<Button> buttons_;
    int nextId_ = 1000;
};

} // namespace orvela::win32
