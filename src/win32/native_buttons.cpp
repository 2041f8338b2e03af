#include "win32/native_buttons.h"

#include "win32/pixel_geometry.h"
#include "win32/utf.h"

#include <algorithm>

namespace orvela::win32 {

namespace {

RECT boxOf(const forms::Control& c) {
    float x = 0, y = 0;
    c.originInForm(x, y);
    return toPixels(c.bounds().translated(x, y));
}

std::wstring wide(const std::string& text) {
    return toWide(text).value_or(std::wstring());
}

} // namespace

void NativeButtons::sync(HWND parent, const forms::Form& form) {
    std::vector<Button> kept;
    if (form.loaded()) {
        for (const auto& c : form.controls()) {
            if (c->kind() != forms::ControlKind::CommandButton)
                continue;
            ControlKey key = ControlKey::of(c.get());
            auto old = std::find_if(buttons_.begin(), buttons_.end(),
                                    [&](const Button& b) { return b.key == key; });
            Button button;
            if (old != buttons_.end()) {
                button = std::move(*old);
                buttons_.erase(old);
            } else {
                button.key = key;
                button.caption = c->caption();
                button.box = boxOf(*c);
                button.window = CreateWindowExW(
                    0, L"BUTTON", wide(button.caption).c_str(),
                    WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON, button.box.left, button.box.top,
                    button.box.right - button.box.left, button.box.bottom - button.box.top, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId_++)),
                    GetModuleHandleW(nullptr), nullptr);
                if (!button.window)
                    continue;
            }
            update(button, *c);
            kept.push_back(std::move(button));
        }
    }
    for (const Button& gone : buttons_)
        if (gone.window)
            DestroyWindow(gone.window);
    buttons_ = std::move(kept);
}

void NativeButtons::update(Button& button, const forms::Control& c) {
    if (button.caption != c.caption()) {
        button.caption = c.caption();
        SetWindowTextW(button.window, wide(button.caption).c_str());
    }
    RECT box = boxOf(c);
    if (!EqualRect(&box, &button.box)) {
        button.box = box;
        MoveWindow(button.window, box.left, box.top, box.right - box.left, box.bottom - box.top,
                   TRUE);
    }
    HFONT font = fonts_.font(c.font());
    if (font != button.font) {
        button.font = font;
        SendMessageW(button.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    if (button.enabled != c.enabled()) {
        button.enabled = c.enabled();
        EnableWindow(button.window, button.enabled);
    }
    bool visible = c.effectivelyVisible();
    if (button.visible != visible) {
        button.visible = visible;
        ShowWindow(button.window, visible ? SW_SHOWNA : SW_HIDE);
    }
}

const ControlKey* NativeButtons::keyOf(HWND child) const {
    for (const Button& b : buttons_)
        if (b.window == child)
            return &b.key;
    return nullptr;
}

HWND NativeButtons::windowOf(const ControlKey& key) const {
    for (const Button& b : buttons_)
        if (b.key == key)
            return b.window;
    return nullptr;
}

void NativeButtons::clear(bool destroyWindows) {
    if (destroyWindows)
        for (const Button& b : buttons_)
            if (b.window)
                DestroyWindow(b.window);
    buttons_.clear();
}

} // namespace orvela::win32
