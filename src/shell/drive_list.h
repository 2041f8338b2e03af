// The drive list of the variant-2 overlay: one slot per recognised drive,
// A to Z, in the pop-up panel Frame2 above the "Drives" button.
#pragma once

#include "forms/form.h"
#include "platform/system_services.h"

#include <string>

namespace orvela::shell {

inline constexpr int driveSlotCount = 12;

struct DriveKind {
    const char* pictureHolder; // the image whose picture the slot copies
    const char* suffix;        // appended to "Drive " + root
};

// The holder and caption suffix of a drive type; null holder for the types
// that get no slot (0 unknown, 1 no root directory, and anything unknown).
DriveKind driveKindFor(unsigned driveType);

// How the drives panel stands, in design twips: its columns of 855 twips,
// its rows of 1000 (and 500 more), and its top on the overlay. above is how
// far the drives button's top lies below the overlay's top.
struct DrivePanelShape {
    int columns, rows;
    float height, top;
};
inline constexpr float drivePanelColumnWidth = 855;
// The design's screen, in twips: the panel stays within it.
inline constexpr float designScreenWidth = 15360;
DrivePanelShape drivePanelShape(int drives, float above);

// Fills Frame2's slots from GetDriveTypeA of A:\ .. Z:\. Drives beyond the
// twelfth recognised one get no slot. Returns the number of slots filled.
int fillDriveList(forms::Form& form2, platform::SystemServices& system);
// Places Frame2 for n filled slots over the variant-2 drives button, and its
// slots in it, from the design geometry (the screen layout scales them after).
void placeDrivesPanel(forms::Form& form2, int n);

// The drives panel Frame2.
void showDrivesPanel(forms::Form& form2, bool shown);
void toggleDrivesPanel(forms::Form& form2);

} // namespace orvela::shell
