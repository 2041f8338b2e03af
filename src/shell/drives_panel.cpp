// The drives panel Frame2 of variant 2: the drive under the pointer reads
// lighter; a click hides the panel and opens the drive (the path the drive
// list left in Label3).

#include "shell/desktop_buttons.h"

namespace orvela::shell {

using forms::Event;
using forms::EventType;

namespace {

constexpr int driveSlots = 12;

// Lights drive lit (0 for none) and gives the others the normal colour.
void lightDrive(forms::Form& f, int lit) {
    for (int j = 1; j <= driveSlots; ++j)
        if (forms::Control* name = f.find("Label21", j))
            name->setForeColor(j == lit ? driveLitColor : v2LitColor);
}

} // namespace

void bindDrivesPanel(DesktopActions& actions) {
    forms::Form& form2 = actions.bindingForm();
    for (const char* control : {"Image12", "Label21"}) {
        form2.on(control, EventType::MouseMove,
                 [&actions](const Event& e) { lightDrive(actions.form(), e.index); });
        form2.on(control, EventType::Click, [&actions](const Event& e) {
            forms::Form& f = actions.form();
            forms::Control* name = f.find("Label21", e.index);
            forms::Control* path = f.find("Label3", e.index);
            if (!name || !path)
                return;
            name->setForeColor(v2LitColor);
            f.control("Frame2").setVisible(false);
            actions.open(path->caption());
        });
    }
    form2.on("Image13", EventType::MouseMove,
             [&actions](const Event&) { lightDrive(actions.form(), 0); });
}

} // namespace orvela::shell
