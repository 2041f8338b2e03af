// Layout of the main window by screen height. The window is designed for a
// 768-pixel-high screen; every listed control is scaled once, at start-up,
// by h / 768 (h = the screen height in pixels), horizontal
// values with the same factor. Coordinates are twips relative to the parent.
#pragma once

#include "forms/control.h"
#include "forms/form.h"

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
    ScreenLayout(forms::Form& form2, double screenHeightPixels)
        : form2_(form2), screenHeight_(screenHeightPixels) {}

    void scaleMainLayout();
    void scaleV1Frame();
    void scaleV3Frame();

private:
    forms::Control& c(const char* name, int index = -1) const;
    void scale(forms::Control& control, double h) const;
    void scaleWithFont(forms::Control& control, double h) const;
    void coverScreen(forms::Control& control) const;

    forms::Form& form2_;
    double screenHeight_;
};

} // namespace orvela::shell
