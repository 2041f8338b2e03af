// Where the model's twips meet the window's pixels. Every conversion of the
// front end goes through these helpers, which use the runtime's one rule
// (forms/geometry.h: 15 twips per pixel, nearest pixel).
#pragma once

#include "forms/geometry.h"

#include <windows.h>

namespace orvela::win32 {

// The pixel rectangle of a twips rectangle: each edge goes to its nearest
// pixel, so rectangles that touch in twips touch in pixels.
inline RECT toPixels(const forms::Rect& r) {
    return {forms::twipsToPixels(r.left), forms::twipsToPixels(r.top),
            forms::twipsToPixels(r.right()), forms::twipsToPixels(r.bottom())};
}

inline float toTwips(int pixels) {
    return forms::pixelsToTwips(pixels);
}

inline bool isEmpty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

inline RECT intersection(const RECT& a, const RECT& b) {
    RECT out{};
    if (!IntersectRect(&out, &a, &b))
        return RECT{};
    return out;
}

// Font height for CreateFontW: the character height in pixels, negative.
// A point is 20 twips.
inline int fontHeight(float points) {
    return -forms::twipsToPixels(points * 20.0f);
}

} // namespace orvela::win32
