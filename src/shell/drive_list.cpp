#include "shell/drive_list.h"

namespace orvela::shell {

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

    // The panel stands on Label42 of Frame14, centred over it.
    forms::Control& panel = form2.control("Frame2");
    const forms::Control& anchor = form2.control("Label42");
    const forms::Control& buttons = form2.control("Frame14");
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
    return n;
}

void showDrivesPanel(forms::Form& form2, bool shown) {
    form2.control("Frame2").setVisible(shown);
}

void toggleDrivesPanel(forms::Form& form2) {
    forms::Control& panel = form2.control("Frame2");
    panel.setVisible(!panel.visible());
}

} // namespace orvela::shell
