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

// How the screen layout places a control for the screen it runs on. The
// design is for 1024 x 768; s is the composition's scale and the offset that
// of its top-left corner on the screen (shell/composition.h).
enum class Placement {
    Fixed,           // left as designed, or placed by the part that owns it
    Composition,     // scaled by s, moved by the offset (on the form or an overlay)
    CompositionText, // the same, its font scaled by s too
    InFrame,         // scaled by s inside a frame of the design, no offset
    InFrameText,     // the same, its font scaled by s too
    CalendarCell,    // moved as Composition; sized and font scaled above 700 lines only
    RecycleText,     // CompositionText, a little higher and taller on 600-line screens
    InfoLine,        // centred 200 s right of the screen's middle, rise × s above it
    WholeScreen,     // covers the screen
    DesignArea,      // covers the design's area on the screen
    DesignAreaEdges, // the same, its drawing continued across the margins
    StripBand,       // a band across its overlay, its left edge kept by its owner
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
    Placement placement = Placement::Fixed;
    float rise = 0; // InfoLine: design twips above the screen's middle
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
