// Layout of the main window by screen size. The window is designed for a
// 1024 x 768 screen; every listed control is scaled once, at start-up, by
// the composition's scale (composition.h), horizontal values with the same
// factor, and what is placed from the screen's top-left corner (on the form
// or directly on a full-screen overlay) moves with the composition's
// offset. Coordinates are twips relative to the parent.
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

    void scaleMainLayout();
    void scaleV1Frame();
    void scaleV3Frame();

private:
    forms::Control& c(const char* name, int index = -1) const;
    void scale(forms::Control& control, double h) const;
    void scaleWithFont(forms::Control& control, double h) const;
    void coverScreen(forms::Control& control) const;
    // A background picture of the design: over the design's area, which is
    // the whole screen on a 4:3 screen; one whose edges are calm continues
    // them across its frame.
    void coverDesign(forms::Control& control, bool continueEdges) const;
    // The composition's offset for a control placed from the screen's
    // corner, none for one inside a frame of the design.
    float offsetX(const forms::Control& control) const;
    float offsetY(const forms::Control& control) const;
    bool placedFromScreenCorner(const forms::Control& control) const;

    forms::Form& form2_;
    Composition composition_;
};

} // namespace orvela::shell
