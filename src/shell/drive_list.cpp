// The drives panel Frame2 of variant 2: its drive list, placed over the
// variant-2 drives button, and its handlers: the drive under the pointer
// reads lighter; a click hides the panel and opens the drive (the path the
// drive list left in Label3).

#include "shell/drive_list.h"

#include "shell/desktop_buttons.h"

namespace orvela::shell {

using forms::Event;
using forms::EventType;

DriveKind driveKindFor(unsigned driveType) {
    switch (driveType) {
    case 2:
        return {"Image11", " Floppy Disk"};
    case 3:
        return {"Image10", " Hard Disk."};
    case 4:
        return {"Image8", " is remote."};
    case 5:
        return {"Image9", " CD - ROM"};
    case 6:
        return {"Image8", " RAM disk."};
    default:
        return {nullptr, ""};
    }
}

int fillDriveList(forms::Form& form2, platform::SystemServices& system) {
    int n = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string root = std::string(1, letter) + ":\\";
        DriveKind kind = driveKindFor(system.getDriveType(root));
        if (!kind.pictureHolder || n == driveSlotCount)
            continue;
        ++n;
        form2.control("Label3", n).setCaption(root);
        form2.control("Image12", n).setPicture(form2.control(kind.pictureHolder).picture());
        form2.control("Label21", n).setCaption("Drive " + root + kind.suffix);
    }
    placeDrivesPanel(form2, n);
    return n;
}

void placeDrivesPanel(forms::Form& form2, int n) {
    // The panel stands on the variant-2 drives button, centred over it.
    forms::Control& panel = form2.control("Frame2");
    const forms::Control& anchor = form2.control(v2DrivesButton);
    const forms::Control& buttons = form2.control(v2ButtonPanel);
    const float panelHeight = static_cast<float>(n) * 1000 + 500;
    panel.setHeight(panelHeight);
    panel.setTop(anchor.top() + buttons.top() - panelHeight);
    panel.setLeft(anchor.left() + buttons.left() + anchor.width() / 2 - panel.width() / 2);
    form2.control("Image13").move(0, 0, panel.width(), panelHeight);

    for (int j = 1; j <= n; ++j) {
        forms::Control& icon = form2.control("Image12", j);
        icon.setTop(static_cast<float>(j - 1) * 1000 + 250);
        icon.setLeft((panel.width() - icon.width()) / 2);
        icon.setVisible(true);
        forms::Control& caption = form2.control("Label21", j);
        caption.setTop(static_cast<float>(j - 1) * 1000 + 700);
        caption.setLeft(0);
        caption.setWidth(panel.width());
        caption.setVisible(true);
    }
}

void showDrivesPanel(forms::Form& form2, bool shown) {
    form2.control("Frame2").setVisible(shown);
}

void toggleDrivesPanel(forms::Form& form2) {
    forms::Control& panel = form2.control("Frame2");
    panel.setVisible(!panel.visible());
}

namespace {

// Lights drive lit (0 for none) and gives the others the normal colour.
void lightDrive(forms::Form& f, int lit) {
    for (int j = 1; j <= driveSlotCount; ++j)
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
