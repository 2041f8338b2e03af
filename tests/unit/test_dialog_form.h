// A small dialog form for the tests of the input rules: a tab strip framing
// two pages (the second hidden), a combo box and a text box on page one, a
// button on page two, OK (default), Cancel (cancel) and Apply below, a label
// and a line. Every Click is logged as "Control.Click ListIndex Text".
#pragma once

#include "forms/runtime.h"

#include <array>
#include <string>
#include <vector>

namespace orvela::test {

namespace dialogform {

using forms::ControlDesign;
using forms::ControlKind;

constexpr const char* colours[] = {"Red", "Green", "Blue"};
constexpr forms::TabDesign pages[] = {{"One", "one", ""}, {"Two", "two", ""}, {"Three", "", ""}};

constexpr ControlDesign row(ControlKind kind, const char* name, const char* parent = nullptr) {
    return {.kind = kind, .name = name, .parent = parent, .width = 300, .height = 300};
}

constexpr auto makeControls() {
    std::array rows{
        row(ControlKind::Label, "Note"),
        row(ControlKind::Line, "Rule"),
        row(ControlKind::TabStrip, "Pages"),
        row(ControlKind::Frame, "PageOne"),
        row(ControlKind::ComboBox, "Choice", "PageOne"),
        row(ControlKind::TextBox, "Name", "PageOne"),
        row(ControlKind::Frame, "PageTwo"),
        row(ControlKind::CommandButton, "Inner", "PageTwo"),
        row(ControlKind::CommandButton, "Ok"),
        row(ControlKind::CommandButton, "Cancel"),
        row(ControlKind::CommandButton, "Apply"),
    };
    rows[2].tabs = pages;
    rows[4].list = colours;
    rows[6].visible = false;
    rows[8].defaultButton = true;
    rows[9].cancelButton = true;
    return rows;
}
inline constexpr auto controls = makeControls();

inline const forms::FormDesign design{
    .name = "Dialog", .width = 4000, .height = 3000, .dialog = true, .controls = controls};

} // namespace dialogform

// The dialog loaded and shown, its clicks logged.
struct TestDialog {
    TestDialog() : form(runtime.addForm(dialogform::design)) {
        form.show();
        for (const char* name : {"Note", "Pages", "PageOne", "Choice", "Name", "PageTwo", "Inner",
                                 "Ok", "Cancel", "Apply"})
            form.on(name, forms::EventType::Click, [this, name](const forms::Event& e) {
                clicks.push_back(std::string(name) + ".Click " +
                                 std::to_string(e.control->listIndex()) + " " + e.control->text());
            });
    }
    forms::Control& operator[](const char* name) { return form.control(name); }

    forms::ManualClock clock;
    forms::Runtime runtime{clock, 12000, 9000};
    forms::Form& form;
    std::vector<std::string> clicks;
};

} // namespace orvela::test
