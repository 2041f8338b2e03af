// The drives panel Frame2 of variant 2: its drive list, placed over the
// variant-2 drives button, and its handlers: the drive under the pointer
// reads lighter; a click hides the panel and opens the drive (the path the
// drive list left in Label3).

#include "shell/drive_list.h"

#include "shell/desktop_buttons.h"

#include <algorithm>

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

DrivePanelShape drivePanelShape(int drives, float above) {
    const auto heightFor = [](int rows) { return static_cast<float>(rows) * 1000 + 500; };
    DrivePanelShape shape{1, drives, heightFor(drives), above - heightFor(drives)};
    if (shape.top >= 0 || drives < 2)
        return {1, drives, shape.height, std::max(0.0f, shape.top)};
    const int rows = (drives + 1) / 2;
    return {2, rows, heightFor(rows), std::max(0.0f, above - heightFor(rows))};
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
    // The panel stands on the variant-2 drives button, centred over it, in
    // one column of drives, or in two when one would not fit above the
    // button; when even two would not, it starts at the top of the screen
    // and reaches down over the button. Every drive stays on the screen.
    forms::Control& panel = form2.control("Frame2");
    const forms::Control& anchor = form2.control(v2DrivesButton);
    const forms::Control& buttons = form2.control(v2ButtonPanel);
    const float above = anchor.top() + buttons.top();
    const DrivePanelShape shape = drivePanelShape(n, above);
    const float columnWidth = drivePanelColumnWidth;
    const float panelWidth = columnWidth * static_cast<float>(shape.columns);
    panel.setWidth(panelWidth);
    panel.setHeight(shape.height);
    panel.setTop(shape.top);
    const float centred = anchor.left() + buttons.left() + anchor.width() / 2 - panelWidth / 2;
    panel.setLeft(std::clamp(centred, 0.0f, std::max(0.0f, designScreenWidth - panelWidth)));
    form2.control("Image13").move(0, 0, panelWidth, shape.height);

    for (int j = 1; j <= n; ++j) {
        const float column = static_cast<float>((j - 1) / shape.rows) * columnWidth;
        const float row = static_cast<float>((j - 1) % shape.rows) * 1000;
        forms::Control& icon = form2.control("Image12", j);
        icon.setTop(row + 250);
        icon.setLeft(column + (columnWidth - icon.width()) / 2);
        icon.setVisible(true);
        forms::Control& caption = form2.control("Label21", j);
        caption.setTop(row + 700);
        caption.setLeft(column);
        caption.setWidth(columnWidth);
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
