// Variant 1: eight buttons on the window itself, each an image with its
// caption on top, all sharing one pair of faces (but1 normal, but1press lit).

#include "shell/desktop_buttons.h"
#include "shell/item_info.h"

#include <array>

namespace orvela::shell {

using forms::Event;
using forms::EventType;

namespace {

struct ButtonRow {
    const char* image;
    const char* label;
    EventType trigger; // switch off and restart want a double click
    DesktopAction action;
    const char* caption;
};

constexpr std::array<ButtonRow, 8> buttons{{
    {"nastroyki", "Label14", EventType::Click, DesktopAction::Options, "Options"},
    {"ProgrFiles", "Label15", EventType::Click, DesktopAction::ProgramFiles, "Program Files"},
    {"MoiDok", "Label16", EventType::Click, DesktopAction::Documents, "Documents"},
    {"Pusk", "Label13", EventType::Click, DesktopAction::Start, "Start"},
    {"exitbut", "Label12", EventType::Click, DesktopAction::Exit, "Exit"},
    {"Korzina", "Label17", EventType::Click, DesktopAction::EmptyRecycleBin, "Empty Recycle"},
    {"Vihod", "Label10", EventType::DblClick, DesktopAction::SwitchOff, "Switch off the computer"},
    {"Perezagruzka", "Label11", EventType::DblClick, DesktopAction::Restart,
     "Restart the computer"},
}};

// Lights button lit (none for -1) and gives every other one the normal face.
void light(forms::Form& f, int lit) {
    const forms::Picture normal = f.control("but1").picture();
    const forms::Picture pressed = f.control("but1press").picture();
    for (int i = 0; i < static_cast<int>(buttons.size()); ++i)
        f.control(buttons[static_cast<std::size_t>(i)].image)
            .setPicture(i == lit ? pressed : normal);
}

} // namespace

void setVariantOneCaptions(forms::Form& form2) {
    for (const ButtonRow& row : buttons)
        form2.control(row.label).setCaption(row.caption);
}

const char* variantOneCaption(DesktopAction action) {
    for (const ButtonRow& row : buttons)
        if (row.action == action)
            return row.caption;
    return "";
}

void bindVariantOneButtons(DesktopActions& actions) {
    forms::Form& form2 = actions.bindingForm();
    for (int i = 0; i < static_cast<int>(buttons.size()); ++i) {
        const ButtonRow& row = buttons[static_cast<std::size_t>(i)];
        for (const char* control : {row.image, row.label}) {
            form2.on(control, EventType::MouseMove,
                     [&actions, i](const Event&) { light(actions.form(), i); });
            form2.on(control, row.trigger,
                     [&actions, action = row.action](const Event&) { actions.run(action); });
        }
    }
    form2.on("Vihod", EventType::MouseUp, [&actions](const Event&) {
        forms::Form& f = actions.form();
        f.control("Vihod").setPicture(f.control("but1press").picture());
    });
    form2.on("", EventType::MouseMove, [&actions](const Event&) {
        light(actions.form(), -1);
        showItemInfo(actions.form(), actions.items(), noItem);
        actions.hideMenu();
    });
    form2.on(desktopitems::ItemLayout::ringIcons, EventType::MouseMove, [&actions](const Event& e) {
        showItemInfo(actions.form(), actions.items(), e.index);
    });
    form2.on(desktopitems::ItemLayout::ringIcons, EventType::Click,
             [&actions](const Event& e) { actions.openItem(e.index); });
}

} // namespace orvela::shell
