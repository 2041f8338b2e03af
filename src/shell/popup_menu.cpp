#include "shell/popup_menu.h"

#include "desktopitems/item_layout.h"
#include "shell/display_variants.h"

#include "shell/desktop_buttons.h"

#include <array>

namespace orvela::shell {

using forms::Event;
using forms::EventType;

namespace {

constexpr float pointerOffset = 60, edgeMargin = 30;

struct EntryRow {
    const char* label;
    DesktopAction action;
    const char* caption;
};

constexpr std::array<EntryRow, 5> entries{{
    {"Label18", DesktopAction::Options, "   Options"},
    {"Label9", DesktopAction::Minimize, "   Minimize"},
    {"Label20", DesktopAction::Restart, "   Restart the computer"},
    {"Label19", DesktopAction::SwitchOff, "   Switch off the computer"},
    {"Label5", DesktopAction::Exit, "   Exit Orvela"},
}};

// Controls over which a released button opens (right) or hides (other
// buttons) the menu; empty is the window background.
constexpr std::array<const char*, 5> openers{
    "", DisplayVariants::variantTwoBackground, DisplayVariants::variantTwoOverlay,
    desktopitems::ItemLayout::gridPanels[0], DisplayVariants::variantThreeBackground};

// The control's own place in window twips (its frames' offsets added).
forms::Rect placeInWindow(const forms::Control& c) {
    float x = 0, y = 0;
    c.originInForm(x, y);
    return {x + c.left(), y + c.top(), c.width(), c.height()};
}

void lightEntry(forms::Form& f, const char* lit) {
    for (const EntryRow& row : entries)
        f.control(row.label).setBackStyle(lit && std::string(row.label) == lit ? 1 : 0);
}

void showMenuAt(forms::Form& f, MenuPlace place) {
    forms::Control& menu = f.control("Frame1");
    menu.setLeft(place.left);
    menu.setTop(place.top);
    menu.setVisible(true);
}

} // namespace

void setPopupMenuCaptions(forms::Form& form2) {
    for (const EntryRow& row : entries)
        form2.control(row.label).setCaption(row.caption);
}

void hidePopupMenu(forms::Form& form2) {
    form2.control("Frame1").setVisible(false);
}

forms::Rect popupMenuSize(const forms::Form& form2) {
    const forms::Control& menu = form2.control("Frame1");
    return {0, 0, menu.width(), menu.height()};
}

MenuPlace placeMenu(float x, float y, float windowWidth, float windowHeight, float menuWidth,
                    float menuHeight) {
    MenuPlace p{x, y};
    if (y > edgeMargin)
        p.top = y - pointerOffset;
    if (x > edgeMargin)
        p.left = x - pointerOffset;
    if (y > windowHeight - menuHeight)
        p.top = y + pointerOffset - menuHeight;
    if (x > windowWidth - menuWidth)
        p.left = x + pointerOffset - menuWidth;
    return p;
}

MenuPlace placeMenuOverLowerPanel(float x, float y, const forms::Rect& panel, float menuWidth) {
    const float wx = panel.left + x, wy = panel.top + y;
    MenuPlace p{wx, wy};
    if (wy > edgeMargin)
        p.top = wy - pointerOffset;
    if (wx > edgeMargin)
        p.left = wx - pointerOffset;
    if (x > panel.width - menuWidth)
        p.left = panel.left + x + pointerOffset - menuWidth;
    return p;
}

void bindPopupMenu(DesktopActions& actions) {
    forms::Form& form2 = actions.bindingForm();
    for (const EntryRow& row : entries) {
        form2.on(row.label, EventType::MouseMove, [&actions, label = row.label](const Event&) {
            lightEntry(actions.form(), label);
        });
        form2.on(row.label, EventType::Click, [&actions, action = row.action](const Event&) {
            actions.hideMenu();
            actions.run(action);
        });
    }
    form2.on("Frame1", EventType::MouseMove,
             [&actions](const Event&) { lightEntry(actions.form(), nullptr); });

    for (const char* opener : openers)
        form2.on(opener, EventType::MouseUp, [&actions](const Event& e) {
            if (e.button != forms::rightButton) {
                actions.hideMenu();
                return;
            }
            forms::Form& f = actions.form();
            const forms::Control& menu = f.control("Frame1");
            float x = e.x, y = e.y;
            if (e.control) {
                const forms::Rect at = placeInWindow(*e.control);
                x += at.left;
                y += at.top;
            }
            showMenuAt(f, placeMenu(x, y, f.width(), f.height(), menu.width(), menu.height()));
        });
    form2.on(
        desktopitems::ItemLayout::gridPanels[1], EventType::MouseUp, [&actions](const Event& e) {
            if (e.button != forms::rightButton) {
                actions.hideMenu();
                return;
            }
            forms::Form& f = actions.form();
            showMenuAt(f, placeMenuOverLowerPanel(
                              e.x, e.y,
                              placeInWindow(f.control(desktopitems::ItemLayout::gridPanels[1])),
                              f.control("Frame1").width()));
        });
}

} // namespace orvela::shell
