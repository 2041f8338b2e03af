#include "win32/native_controls.h"

#include "forms/dialog_keys.h"
#include "win32/pixel_geometry.h"

#include <commctrl.h>

#include <algorithm>

namespace orvela::win32 {

namespace {

RECT boxOf(const forms::Control& c) {
    float x = 0, y = 0;
    c.originInForm(x, y);
    return toPixels(c.bounds().translated(x, y), c.form().pixelScale());
}

// Arrow keys move between neighbouring push buttons of one container (OK,
// Cancel, Apply); every other control is a group of its own.
bool startsGroup(const forms::Control& c, const forms::Control* previous) {
    using forms::ControlKind;
    return !(previous && c.kind() == ControlKind::CommandButton &&
             previous->kind() == ControlKind::CommandButton && previous->parent() == c.parent());
}

// Sets a flag for the length of a scope.
class Raised {
public:
    explicit Raised(bool& flag) : flag_(flag) { flag_ = true; }
    Raised(const Raised&) = delete;
    Raised& operator=(const Raised&) = delete;
    ~Raised() { flag_ = false; }

private:
    bool& flag_;
};

} // namespace

void NativeControls::sync(HWND parent, const forms::Form& form) {
    // A form not shown yet gets its child windows when it first shows: a
    // dialog loaded hidden at start-up costs nothing until it is opened
    // (under Wine some 150 ms for the Options dialog's).
    if (children_.empty() && !form.visible())
        return;
    Raised pushing(pushing_);
    std::vector<NativeChild> kept;
    bool created = false;
    if (form.loaded()) {
        const forms::Control* previous = nullptr;
        for (const auto& owned : form.controls()) {
            const forms::Control& c = *owned;
            const NativeAdapter* adapter = nativeAdapterOf(c.kind());
            if (!adapter)
                continue;
            const bool groupStart = startsGroup(c, previous);
            previous = &c;
            const ControlKey key = ControlKey::of(&c);
            auto old = std::find_if(children_.begin(), children_.end(), [&](const NativeChild& n) {
                return n.key == key && n.kind == c.kind();
            });
            NativeChild child;
            if (old != children_.end()) {
                child = std::move(*old);
                children_.erase(old);
            } else {
                child.key = key;
                child.kind = c.kind();
                child.window = adapter->create(parent, c, nextId_++, groupStart);
                if (!child.window)
                    continue; // tried again at the next sync
                created = true;
            }
            update(child, c, *adapter);
            kept.push_back(std::move(child));
        }
    }
    for (const NativeChild& gone : children_)
        if (gone.window)
            DestroyWindow(gone.window);
    children_ = std::move(kept);
    if (created)
        restack(form);
}

void NativeControls::update(NativeChild& child, const forms::Control& c,
                            const NativeAdapter& adapter) {
    bool relayout = false;
    HFONT font = fonts_.fontFor(c);
    if (font != child.font) {
        child.font = font;
        SendMessageW(child.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        relayout = true;
    }
    relayout = adapter.push(child, c) || relayout;
    const RECT box = boxOf(c);
    if (!EqualRect(&box, &child.box)) {
        child.box = box;
        relayout = true;
    }
    if (relayout)
        adapter.layout(child);
    if (child.enabled != c.enabled()) {
        child.enabled = c.enabled();
        EnableWindow(child.window, child.enabled);
    }
    const bool visible = c.effectivelyVisible();
    if (child.visible != visible) {
        child.visible = visible;
        ShowWindow(child.window, visible ? SW_SHOWNA : SW_HIDE);
    }
}

// Stacking is the tab order, from the top: the dialog's own Tab key walks
// the windows in that order.
void NativeControls::restack(const forms::Form& form) {
    constexpr UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    HWND above = HWND_TOP;
    for (const ControlKey& key : forms::DialogKeys::tabOrder(form)) {
        HWND window = windowOf(key);
        if (!window)
            continue;
        SetWindowPos(window, above, 0, 0, 0, 0, keep);
        above = window;
    }
}

NativeChild* NativeControls::childOf(HWND window) {
    for (NativeChild& child : children_)
        if (child.window == window)
            return &child;
    return nullptr;
}

// The adapter's handling may run the control's handler, which may change
// children_ (a nested message loop syncs): nothing of the child is used after.
Notified NativeControls::command(HWND window, UINT code, forms::Form& form) {
    NativeChild* child = pushing_ ? nullptr : childOf(window);
    forms::Control* c = child ? child->key.find(form) : nullptr;
    if (!c)
        return Notified::nothing;
    forms::UserInput input(form);
    return nativeAdapterOf(child->kind)->command(*child, *c, code, input);
}

Notified NativeControls::notify(NMHDR& header, forms::Form& form) {
    if (pushing_)
        return Notified::nothing;
    NativeChild* child = childOf(header.hwndFrom);
    if (!child && header.code == TTN_GETDISPINFOW) {
        // A tab strip's tool tip asks for the text of a tab.
        auto owner = std::find_if(children_.begin(), children_.end(), [&](const NativeChild& n) {
            HWND tip = toolTipOf(n);
            return tip && tip == header.hwndFrom;
        });
        child = owner != children_.end() ? &*owner : nullptr;
    }
    forms::Control* c = child ? child->key.find(form) : nullptr;
    if (!c)
        return Notified::nothing;
    forms::UserInput input(form);
    return nativeAdapterOf(child->kind)->notify(*child, *c, header, input);
}

HBRUSH NativeControls::colour(HWND window, UINT message, HDC dc, const forms::Form& form) {
    NativeChild* child = childOf(window);
    const forms::Control* c = child ? child->key.find(form) : nullptr;
    return c ? nativeAdapterOf(child->kind)->colour(*child, *c, message, dc) : nullptr;
}

const ControlKey* NativeControls::keyOf(HWND window) const {
    for (const NativeChild& child : children_)
        if (child.window == window)
            return &child.key;
    return nullptr;
}

HWND NativeControls::windowOf(const ControlKey& key) const {
    for (const NativeChild& child : children_)
        if (child.key == key)
            return child.window;
    return nullptr;
}

void NativeControls::clear(bool destroyWindows) {
    if (destroyWindows)
        for (const NativeChild& child : children_)
            if (child.window)
                DestroyWindow(child.window);
    children_.clear();
    nextId_ = firstId;
}

} // namespace orvela::win32
