// The pop-up menu Frame1: where a right-button release opens it, its
// entries' highlight and their actions. Twips of the main window.
#pragma once

#include "forms/form.h"
#include "forms/geometry.h"

namespace orvela::shell {

struct MenuPlace {
    float left = 0, top = 0;
};

// The menu's place for a release at (x, y) in window twips: 60 twips up and
// left of the pointer (unless within 30 of the edge), and turned up or left
// of the pointer where it would cross the window's bottom or right edge.
MenuPlace placeMenu(float x, float y, float windowWidth, float windowHeight, float menuWidth,
                    float menuHeight);

// The same over the lower star panel Frame4, whose rule differs: (x, y) in
// the panel's own twips, panel its place in the window; no bottom-edge rule,
// and the right edge is the panel's own.
MenuPlace placeMenuOverLowerPanel(float x, float y, const forms::Rect& panel, float menuWidth);

void hidePopupMenu(forms::Form& form2);
// The menu's width and height in twips.
forms::Rect popupMenuSize(const forms::Form& form2);

} // namespace orvela::shell
