// Designer data of a form: one table row per control (or per control array),
// in z-order from the bottom. Forms are built from these tables on load, so the
// geometry of every form lives as data, one table per form.
#pragma once

#include "forms/control.h"

#include <span>

namespace orvela::forms {

struct FontDesign {
    const char* name = nullptr; // null = the form's default font
    float size = 0;
    bool bold = true;
    bool italic = false;
    int charset = -1; // -1 = the form's default charset
};

// One tab of a tab strip: its caption, key and tool tip.
struct TabDesign {
    const char* caption = "";
    const char* key = "";
    const char* toolTip = "";
};

struct ControlDesign {
    ControlKind kind = ControlKind::Label;
    const char* name = "";
    const char* parent = nullptr; // null = the form; a frame's name otherwise
    int index = -1;               // first element of a control array, -1 for none
    int count = 1;                // elements of the array, all alike
    float left = 0, top = 0, width = 0, height = 0;
    const char* caption = "";
    FontDesign font{};
    Color foreColor = 0;
    Color backColor = rgb(192, 192, 192);
    int backStyle = 0;
    Alignment alignment = Alignment::Left;
    bool wordWrap = false;
    bool visible = true;
    const char* picture = ""; // artwork file name
    bool stretch = false;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int borderWidth = 1;
    Color borderColor = 0;
    int interval = 0;
    bool defaultButton = false;          // Enter presses it (a dialog's OK)
    bool cancelButton = false;           // Esc presses it (a dialog's Cancel)
    std::span<const char* const> list{}; // combo box entries, entry 0 first
    std::span<const TabDesign> tabs{};   // tab strip tabs; the first is selected
};

struct FormDesign {
    const char* name = "";
    const char* caption = "";
    float left = 0, top = 0, width = 0, height = 0; // client area, twips
    Color backColor = rgb(192, 192, 192);
    const char* picture = "";
    Font defaultFont{};
    bool borderless = false;
    bool maximized = false;
    // A dialog: a fixed frame with a caption, the system's dialog font for
    // its controls, and keyboard navigation between them.
    bool dialog = false;
    // Laid out in twips at the display's dpi (1440 to an inch), so the form
    // grows with the Windows scaling; otherwise 15 twips to a pixel at any
    // dpi (the main window, whose layout scales its design to the screen).
    bool followsDpi = false;
    std::span<const ControlDesign> controls;
};

} // namespace orvela::forms
