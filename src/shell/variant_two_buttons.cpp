// Variant 2: nine buttons inside V1Frame, each an image, a text label and a
// transparent hit label over them. The pointer lights one button of a group
// (lit picture, lighter text) and unlights the others of the same group.

#include "shell/desktop_buttons.h"
#include "shell/display_variants.h"
#include "shell/drive_list.h"
#include "shell/item_info.h"

#include <array>

namespace orvela::shell {

using desktopitems::ItemLayout;
using forms::Event;
using forms::EventType;

namespace {

enum Group { folders, power, program, drives, recycle };

struct ButtonRow {
    const char* hitLabel;
    const char* image;
    const char* litPicture;
    const char* normalPicture;
    const char* textLabel;
    Group group;
    EventType trigger;
    DesktopAction action;
    const char* caption; // null: the variant-1 button's of the same action
};

constexpr std::array<ButtonRow, 9> buttons{{
    {"Label38", "Image6", "v2pro1", "v2pro2", "Label35", folders, EventType::Click,
     DesktopAction::ProgramFiles, nullptr},
    {"Label39", "Image5", "v2doc1", "v2doc2", "Label36", folders, EventType::Click,
     DesktopAction::Documents, nullptr},
    {"Label40", "Image2", "v2st1", "v2st2", "Label37", folders, EventType::Click,
     DesktopAction::Start, nullptr},
    {v2DrivesButton, "Image7", "v2dr1", "v2dr2", "Label41", drives, EventType::Click,
     DesktopAction::DrivesPanel, "Drives"},
    {"Label45", "Image14", "v2reb1", "v2reb2", "Label43", power, EventType::DblClick,
     DesktopAction::Restart, nullptr},
    {"Label46", "Image15", "v2off1", "v2off2", "Label44", power, EventType::DblClick,
     DesktopAction::SwitchOff, nullptr},
    {"Label49", "Image16", "v2opt1", "v2opt2", "Label47", program, EventType::Click,
     DesktopAction::Options, nullptr},
    {"Label50", "Image17", "v2ex1", "v2ex2", "Label48", program, EventType::Click,
     DesktopAction::Exit, "Exit Orvela"},
    {"Label52", "Image18", "v2rec1", "v2rec2", "Label51", recycle, EventType::Click,
     DesktopAction::EmptyRecycleBin, nullptr},
}};

void setButton(DesktopActions& actions, const ButtonRow& row, bool lit) {
    forms::Form& f = actions.form();
    f.control(row.image).setPicture(
        actions.holderPicture(lit ? row.litPicture : row.normalPicture));
    f.control(row.textLabel).setForeColor(lit ? v2LitColor : v2TextColor);
}

void lightInGroup(DesktopActions& actions, const ButtonRow& lit) {
    for (const ButtonRow& row : buttons)
        if (row.group == lit.group)
            setButton(actions, row, &row == &lit);
}

// The pointer is back on the panel background: every button normal, the
// drives panel and the item information gone, the clock back.
void reset(DesktopActions& actions) {
    for (const ButtonRow& row : buttons)
        setButton(actions, row, false);
    forms::Form& f = actions.form();
    showDrivesPanel(f, false);
    showItemInfo2(f, actions.items(), noItem);
    actions.clocks().showVariantTwoClock(true);
    actions.hideMenu();
}

} // namespace

void setVariantTwoCaptions(forms::Form& form2) {
    for (const ButtonRow& row : buttons)
        form2.control(row.textLabel)
            .setCaption(row.caption ? row.caption : variantOneCaption(row.action));
}

void bindVariantTwoButtons(DesktopActions& actions) {
    forms::Form& form2 = actions.bindingForm();
    for (const ButtonRow& row : buttons) {
        form2.on(row.hitLabel, EventType::MouseMove,
                 [&actions, &row](const Event&) { lightInGroup(actions, row); });
        form2.on(row.hitLabel, row.trigger,
                 [&actions, &row](const Event&) { actions.run(row.action); });
    }
    for (const char* background : {v2ButtonPanel, DisplayVariants::variantTwoBackground})
        form2.on(background, EventType::MouseMove, [&actions](const Event&) { reset(actions); });
    for (const char* starPanel : ItemLayout::gridPanels)
        form2.on(starPanel, EventType::MouseMove, [&actions](const Event&) { actions.hideMenu(); });
    form2.on(DisplayVariants::variantTwoOverlay, EventType::MouseMove,
             [&actions](const Event&) { showItemInfo2(actions.form(), actions.items(), noItem); });
    form2.on(ItemLayout::gridIcons, EventType::MouseMove, [&actions](const Event& e) {
        showItemInfo2(actions.form(), actions.items(), e.index);
        actions.clocks().showVariantTwoClock(false);
    });
    form2.on(ItemLayout::gridIcons, EventType::Click,
             [&actions](const Event& e) { actions.openItem(e.index); });
}

} // namespace orvela::shell
