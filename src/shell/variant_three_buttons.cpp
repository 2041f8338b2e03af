// Variant 3: eight button images inside V3Frame, grouped in small frames.
// The pointer lights an image; moving onto its frame or the background puts
// the normal faces back. The item strip Frame5 stands still under the
// pointer and moves again at the configured step once the pointer leaves.

#include "desktopitems/item_layout.h"
#include "shell/desktop_buttons.h"
#include "shell/display_variants.h"

#include <array>

namespace orvela::shell {

using forms::Event;
using forms::EventType;

namespace {

struct ButtonRow {
    const char* image;
    const char* litPicture;
    const char* normalPicture;
    DesktopAction action;
};

constexpr std::array<ButtonRow, 8> buttons{{
    {"Image22", "v3rec1", "v3rec", DesktopAction::EmptyRecycleBin},
    {"Image23", "v3op1", "v3op", DesktopAction::Options},
    {"Image24", "v3ex1", "v3ex", DesktopAction::Exit},
    {"Image25", "v3pr1", "v3pr", DesktopAction::ProgramFiles},
    {"Image26", "v3do1", "v3do", DesktopAction::Documents},
    {"Image27", "v3start1", "v3start", DesktopAction::Start},
    {"Image28", "v3re1", "v3re", DesktopAction::Restart},
    {"Image29", "v3sh1", "v3sh", DesktopAction::SwitchOff},
}};

// The small frames and the images each one puts back to normal.
struct FrameRow {
    const char* frame;
    std::array<const char*, 2> images;
};

constexpr std::array<FrameRow, 3> frames{{
    {"Frame8", {"Image23", "Image24"}},
    {"Frame9", {"Image25", "Image26"}},
    {"Frame11", {"Image28", "Image29"}},
}};

const ButtonRow* button(const std::string& image) {
    for (const ButtonRow& row : buttons)
        if (image == row.image)
            return &row;
    return nullptr;
}

void setButton(DesktopActions& actions, const ButtonRow& row, bool lit) {
    actions.form().control(row.image).setPicture(
        actions.holderPicture(lit ? row.litPicture : row.normalPicture));
}

void reset(DesktopActions& actions) {
    actions.hideMenu();
    for (const ButtonRow& row : buttons)
        setButton(actions, row, false);
}

} // namespace

void bindVariantThreeButtons(DesktopActions& actions) {
    forms::Form& form2 = actions.bindingForm();
    for (const ButtonRow& row : buttons) {
        form2.on(row.image, EventType::MouseMove,
                 [&actions, &row](const Event&) { setButton(actions, row, true); });
        form2.on(row.image, EventType::Click,
                 [&actions, &row](const Event&) { actions.run(row.action); });
    }
    for (const FrameRow& row : frames)
        form2.on(row.frame, EventType::MouseMove, [&actions, &row](const Event&) {
            for (const char* image : row.images)
                if (const ButtonRow* b = button(image))
                    setButton(actions, *b, false);
        });
    form2.on(DisplayVariants::variantThreeBackground, EventType::MouseMove,
             [&actions](const Event&) {
                 actions.settings().update(
                     [](shell::SettingsValues& v) { v.stripStep = v.configuredStep; });
                 reset(actions);
             });
    form2.on(DesktopActions::recycleBinLabels[2], EventType::MouseMove,
             [&actions](const Event&) { reset(actions); });
    form2.on(desktopitems::ItemLayout::strip, EventType::MouseMove, [&actions](const Event&) {
        actions.settings().update([](shell::SettingsValues& v) { v.stripStep.set(0); });
    });
    for (const char* control :
         {desktopitems::ItemLayout::stripIcons, desktopitems::ItemLayout::stripCaptions})
        form2.on(control, EventType::Click, [&actions](const Event& e) {
            const int item = desktopitems::stripItem(e.index, actions.itemCount());
            if (item > 0)
                actions.openItem(item);
        });
}

} // namespace orvela::shell
