// Where the model's twips meet the window's pixels. Every conversion of the
// front end goes through these helpers, which use the runtime's one rule
// (forms/geometry.h: the form's twips per pixel, nearest pixel): 15 unless
// the form follows the display's dpi.
#pragma once

#include "forms/form.h"
#include "forms/geometry.h"

#include <windows.h>

namespace orvela::win32 {

// The pixel rectangle of a twips rectangle: each edge goes to its nearest
// pixel, so rectangles that touch in twips touch in pixels.
inline RECT toPixels(const forms::Rect& r, forms::PixelScale scale = {}) {
    return {scale.toPixels(r.left), scale.toPixels(r.top), scale.toPixels(r.right()),
            scale.toPixels(r.bottom())};
}

// The same rectangle of pixels as GDI keeps it.
inline RECT toRect(const forms::PixelRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

inline float toTwips(int pixels, forms::PixelScale scale = {}) {
    return scale.toTwips(pixels);
}

// A length in pixels at 96 dpi (a picture's own size) as the form shows it:
// twice as many pixels at 192 dpi in a form that follows the dpi.
inline int atFormScale(int pixels, forms::PixelScale scale) {
    return scale.toPixels(forms::pixelsToTwips(pixels));
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
inline int fontHeight(float points, forms::PixelScale scale = {}) {
    return -scale.toPixels(points * 20.0f);
}

} // namespace orvela::win32
