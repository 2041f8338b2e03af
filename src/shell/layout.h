// Layout of the main window by screen size. The window is designed for a
// 1024 x 768 screen; each control is placed by the placement column of the
// design table (forms::Placement): scaled by the composition's scale
// (composition.h), horizontal values with the same factor, moved by its
// offset when placed from the screen's top-left corner, centred, or over the
// whole screen. Coordinates are twips relative to the parent.
//
// A layout starts from the design: restoreDesign() puts every placed
// control back to its design geometry and font size, so the layout can run
// again for another screen.
#pragma once

#include "forms/control.h"
#include "forms/form.h"
#include "shell/composition.h"

#include <string>

namespace orvela::shell {

// h * (v / 768) with v / 768 in single precision, the product in double,
// stored as single.
float scaledLength(float v, double h);
// Int(h * (points / 768)) with the quotient in double: whole points, down.
float scaledFontSize(float points, double h);
// The background holder for a screen height: Fon800, Fon1024, Fon1152, Fon1600.
std::string backgroundHolderFor(double h);

class ScreenLayout {
public:
    ScreenLayout(forms::Form& form2, const Composition& composition)
        : form2_(form2), composition_(composition) {}

    // Every control the layout places back at its design geometry and font size.
    void restoreDesign();
    // The background picture for the screen, then every control by its
    // placement, from the geometry it has now. The strip's left edge is 0.
    void layOut();

private:
    void place(forms::Control& control, const forms::ControlDesign& row) const;
    void scale(forms::Control& control, bool offset) const;
    void scaleFont(forms::Control& control) const;
    void placeRecycleText(forms::Control& control) const;
    void placeInfoLine(forms::Control& control, float rise) const;
    void placeStripBand(forms::Control& strip) const;
    void coverScreen(forms::Control& control) const;
    // A background picture of the design: over the design's area, which is
    // the whole screen on a 4:3 screen; one whose edges are calm continues
    // them across its frame.
    void coverDesign(forms::Control& control, bool continueEdges) const;

    forms::Form& form2_;
    Composition composition_;
};

} // namespace orvela::shell
