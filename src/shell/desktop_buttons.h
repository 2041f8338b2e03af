// The mouse handlers of the main window, one binder per group of controls.
// Each binds its controls from a table of rows (control, event, action);
// the main window calls them once, before anything is loaded.
#pragma once

#include "shell/desktop_actions.h"

namespace orvela::shell {

// Colours of the variant-2 texts and the drive names.
inline constexpr forms::Color v2TextColor = 16744576;   // normal button text
inline constexpr forms::Color v2LitColor = 16761024;    // lit text, normal drive name
inline constexpr forms::Color driveLitColor = 16777152; // the drive under the pointer

// variant_one_buttons.cpp: the eight buttons, the window background and the
// ring items.
void bindVariantOneButtons(DesktopActions& actions);
// variant_two_buttons.cpp: the nine buttons in their hover groups, the
// panel backgrounds and the grid items.
void bindVariantTwoButtons(DesktopActions& actions);
// variant_three_buttons.cpp: the eight buttons, their small frames, the
// background and the item strip.
void bindVariantThreeButtons(DesktopActions& actions);
// drive_list.cpp: the drive entries of the drives panel.
void bindDrivesPanel(DesktopActions& actions);
// popup_menu.cpp: opening the menu, its entries and their highlight.
void bindPopupMenu(DesktopActions& actions);

// The variant-2 drives button (its hit label) and the frame of its group,
// which the drives panel stands on.
inline constexpr const char* v2DrivesButton = "Label42";
inline constexpr const char* v2ButtonPanel = "Frame14";

// The captions of each group, written once at start-up; variant 2 copies
// the variant-1 texts of the buttons that share an action, so it comes last.
void setVariantOneCaptions(forms::Form& form2);
void setPopupMenuCaptions(forms::Form& form2);
void setVariantTwoCaptions(forms::Form& form2);
// The caption of the variant-1 button of an action; empty for none.
const char* variantOneCaption(DesktopAction action);

} // namespace orvela::shell
