// How the main window's 1024 x 768 design fits a screen of any shape: scaled
// by s = min(h / 768, w / 1024) and centred. On a 4:3 screen s = h / 768 and
// the design fills the screen; on any other the design keeps its shape and
// the screen's margins lie beside it or above and below it.
#pragma once

#include "forms/geometry.h"

namespace orvela::shell {

struct Composition {
    // The height the design is scaled to, in pixels: 768 s (h on a 4:3
    // screen). Every length the design gives for a 768-line screen is
    // scaled by height / 768.
    double height = 768;
    // Where the design's top-left corner lies on the screen, twips.
    float left = 0, top = 0;

    double scale() const { return height / 768; }
    // The design's area on the screen, twips.
    forms::Rect area() const;
};

// The composition for a screen reported heightPixels high (the display
// query's answer) and screenWidth x screenHeight twips large.
Composition compositionFor(double heightPixels, float screenWidth, float screenHeight);

} // namespace orvela::shell
