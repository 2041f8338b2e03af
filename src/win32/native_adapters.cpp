#include "win32/native_adapters.h"

#include "forms/control_kinds.h"
#include "win32/utf.h"

#include <commctrl.h>

#include <algorithm>

namespace orvela::win32 {

namespace {

std::wstring wide(const std::string& text) {
    return toWide(text).value_or(std::wstring());
}

std::string windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        std::max(GetWindowTextW(window, text.data(), static_cast<int>(text.size())), 0)));
    return toUtf8(text);
}

// Every control is a tab stop; the first of a group also gets WS_GROUP so
// that the dialog's arrow keys stay within the group.
HWND createChild(const wchar_t* windowClass, DWORD style, DWORD exStyle, HWND parent, int id,
                 bool startsGroup) {
    return CreateWindowExW(exStyle, windowClass, L"",
                           WS_CHILD | WS_TABSTOP | (startsGroup ? WS_GROUP : 0) | style, 0, 0, 0, 0,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

void moveTo(HWND window, const RECT& r) {
    MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

class ButtonAdapter final : public NativeAdapter {
public:
    HWND create(HWND parent, const forms::Control& c, int id, bool startsGroup) const override {
        return createChild(L"BUTTON", c.defaultButton() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, 0,
                           parent, id, startsGroup);
    }
    bool push(NativeChild& child, const forms::Control& c) const override {
        if (child.caption != c.caption()) {
            child.caption = c.caption();
            SetWindowTextW(child.window, wide(child.caption).c_str());
        }
        return false;
    }
    Notified command(NativeChild&, forms::Control& c, UINT code,
                     forms::UserInput& input) const override {
        if (code != BN_CLICKED)
            return Notified::nothing;
        input.press(c);
        return Notified::input;
    }
};

// A drop-down list: the box is the selection field; the window is taller by
// its list, up to eight entries at a time.
class ComboAdapter final : public NativeAdapter {
public:
    HWND create(HWND parent, const forms::Control&, int id, bool startsGroup) const override {
        return createChild(L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0, parent, id, startsGroup);
    }
    bool push(NativeChild& child, const forms::Control& c) const override {
        bool refilled = false;
        if (child.items != c.items()) {
            SendMessageW(child.window, CB_RESETCONTENT, 0, 0);
            for (const std::string& item : c.items())
                SendMessageW(child.window, CB_ADDSTRING, 0,
                             reinterpret_cast<LPARAM>(wide(item).c_str()));
            child.items = c.items();
            child.selection = -1; // an emptied combo box selects nothing
            refilled = true;
        }
        if (child.selection != c.listIndex()) {
            child.selection = c.listIndex();
            SendMessageW(child.window, CB_SETCURSEL, static_cast<WPARAM>(child.selection), 0);
        }
        return refilled;
    }
    void layout(NativeChild& child) const override {
        const auto itemHeight =
            static_cast<int>(SendMessageW(child.window, CB_GETITEMHEIGHT, 0, 0));
        const int shown = std::clamp(static_cast<int>(child.items.size()), 1, 8);
        RECT r = child.box;
        if (itemHeight > 0)
            r.bottom += itemHeight * shown + 2;
        moveTo(child.window, r);
    }
    Notified command(NativeChild& child, forms::Control& c, UINT code,
                     forms::UserInput& input) const override {
        if (code != CBN_SELCHANGE)
            return Notified::nothing;
        child.selection = static_cast<int>(SendMessageW(child.window, CB_GETCURSEL, 0, 0));
        input.select(c, child.selection);
        return Notified::input;
    }
};

class EditAdapter final : public NativeAdapter {
public:
    HWND create(HWND parent, const forms::Control&, int id, bool startsGroup) const override {
        return createChild(L"EDIT", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, parent, id,
                           startsGroup);
    }
    bool push(NativeChild& child, const forms::Control& c) const override {
        if (child.text != c.text()) {
            child.text = c.text();
            SetWindowTextW(child.window, wide(child.text).c_str());
        }
        return false;
    }
    Notified command(NativeChild& child, forms::Control& c, UINT code,
                     forms::UserInput& input) const override {
        if (code != EN_CHANGE)
            return Notified::nothing;
        child.text = windowText(child.window);
        input.type(c, child.text);
        return Notified::input;
    }
    // A text box shows its BackColor and ForeColor, as the designer sets them
    // (a disabled one, which asks with WM_CTLCOLORSTATIC, the system's).
    HBRUSH colour(NativeChild& child, const forms::Control& c, UINT message,
                  HDC dc) const override {
        if (message != WM_CTLCOLOREDIT)
            return nullptr;
        const COLORREF colour = c.backColor();
        if (!child.background || child.backgroundColour != colour) {
            child.background.reset(CreateSolidBrush(colour));
            child.backgroundColour = colour;
        }
        if (!child.background)
            return nullptr;
        SetBkColor(dc, colour);
        SetTextColor(dc, c.foreColor());
        return child.background.get();
    }
};

// The tab row and the border around the page area. The pages are frames the
// form paints: the window's region leaves the page area out, so the form's
// painting shows there and the tab control's own never covers it.
class TabAdapter final : public NativeAdapter {
public:
    HWND create(HWND parent, const forms::Control&, int id, bool startsGroup) const override {
        // Once; if it fails, so does the creation below, which the next sync retries.
        static const BOOL registered = [] {
            INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TAB_CLASSES};
            return InitCommonControlsEx(&classes);
        }();
        (void)registered;
        return createChild(WC_TABCONTROLW, WS_CLIPSIBLINGS | TCS_TOOLTIPS, 0, parent, id,
                           startsGroup);
    }
    bool push(NativeChild& child, const forms::Control& c) const override {
        bool refilled = false;
        if (child.items != c.items()) {
            SendMessageW(child.window, TCM_DELETEALLITEMS, 0, 0);
            for (std::size_t i = 0; i < c.items().size(); ++i) {
                std::wstring caption = wide(c.items()[i]);
                TCITEMW item{};
                item.mask = TCIF_TEXT;
                item.pszText = caption.data();
                SendMessageW(child.window, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
            }
            child.items = c.items();
            child.selection = unknownSelection;
            refilled = true;
        }
        child.tips.clear();
        for (const forms::Control::TabInfo& tab : c.tabs())
            child.tips.push_back(tab.toolTip);
        if (child.selection != c.listIndex()) {
            child.selection = c.listIndex();
            SendMessageW(child.window, TCM_SETCURSEL, static_cast<WPARAM>(child.selection), 0);
        }
        return refilled;
    }
    void layout(NativeChild& child) const override {
        moveTo(child.window, child.box);
        RECT whole{0, 0, child.box.right - child.box.left, child.box.bottom - child.box.top};
        RECT page = whole;
        SendMessageW(child.window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
        Region ring(CreateRectRgnIndirect(&whole));
        const Region inside(IntersectRect(&page, &page, &whole) ? CreateRectRgnIndirect(&page)
                                                                : nullptr);
        if (ring && inside)
            CombineRgn(ring.get(), ring.get(), inside.get(), RGN_DIFF);
        // The window owns the region once it is set.
        if (ring && SetWindowRgn(child.window, ring.get(), TRUE))
            ring.release();
    }
    Notified notify(NativeChild& child, forms::Control& c, NMHDR& header,
                    forms::UserInput& input) const override {
        if (header.code == TCN_SELCHANGE && header.hwndFrom == child.window) {
            child.selection = static_cast<int>(SendMessageW(child.window, TCM_GETCURSEL, 0, 0));
            input.pickTab(c, child.selection);
            return Notified::input;
        }
        if (header.code == TTN_GETDISPINFOW) {
            auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
            const std::size_t tab = header.idFrom;
            child.tipShown = tab < child.tips.size() ? wide(child.tips[tab]) : std::wstring();
            info.hinst = nullptr;
            info.lpszText = child.tipShown.data();
        }
        return Notified::nothing;
    }
};

} // namespace

void NativeAdapter::layout(NativeChild& child) const {
    moveTo(child.window, child.box);
}

const NativeAdapter* nativeAdapterOf(forms::ControlKind kind) {
    static const ButtonAdapter button;
    static const ComboAdapter combo;
    static const EditAdapter edit;
    static const TabAdapter tab;
    if (!forms::rulesOf(kind).native)
        return nullptr;
    switch (kind) {
    case forms::ControlKind::CommandButton:
        return &button;
    case forms::ControlKind::ComboBox:
        return &combo;
    case forms::ControlKind::TextBox:
        return &edit;
    case forms::ControlKind::TabStrip:
        return &tab;
    default:
        return nullptr;
    }
}

HWND toolTipOf(const NativeChild& child) {
    if (child.kind != forms::ControlKind::TabStrip)
        return nullptr;
    return reinterpret_cast<HWND>(SendMessageW(child.window, TCM_GETTOOLTIPS, 0, 0));
}

} // namespace orvela::win32
