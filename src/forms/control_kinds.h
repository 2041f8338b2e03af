// The rules of each kind of control, in one table: how it stacks and paints,
// whether it catches the mouse, whether Windows shows it as a child window of
// its own, and which properties the driver's dump lists. The runtime, the
// front end and the driver look kinds up here instead of switching on them.
#pragma once

#include "forms/control.h"

namespace orvela::forms {

// Property groups of the driver's dump, printed in this order when a kind
// has them.
enum DumpGroup : unsigned {
    dumpLine = 1u << 0,         // X1, Y1, X2, Y2, BorderWidth, BorderColor, Visible
    dumpTimer = 1u << 1,        // Interval, Enabled
    dumpKeys = 1u << 2,         // Keys (of an image list, "|"-separated)
    dumpMenuEntry = 1u << 3,    // Caption, Visible, Checked
    dumpBox = 1u << 4,          // Left, Top, Width, Height, Visible, Enabled
    dumpCaption = 1u << 5,      // Caption
    dumpFont = 1u << 6,         // FontName ... FontCharset, ForeColor
    dumpBackColor = 1u << 7,    // BackColor
    dumpLabelStyle = 1u << 8,   // BackStyle, Alignment, WordWrap
    dumpPicture = 1u << 9,      // Picture
    dumpStretch = 1u << 10,     // Stretch
    dumpList = 1u << 11,        // ListCount, List(i), ListIndex
    dumpSelectedTab = 1u << 12, // SelectedItem (the caption of the selected tab)
    dumpText = 1u << 13,        // Text
    dumpRows = 1u << 14,        // SortKey ... Item(n) of a list view
};

struct KindRules {
    const char* name = "Control";
    // Paints above the lightweight controls of its container (frames and
    // dialog controls; not labels, images, lines).
    bool windowed = false;
    // Can be under the pointer (lines, timers, image lists and menus cannot).
    bool catchesMouse = false;
    // Holds other controls, clips them and catches what none of them does.
    bool container = false;
    // On Windows a child window of the system's own class draws it and
    // takes its input; the form's painter leaves it out.
    bool native = false;
    unsigned dumped = 0; // DumpGroup bits
};

const KindRules& rulesOf(ControlKind kind);

} // namespace orvela::forms
