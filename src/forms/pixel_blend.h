// Puts 32-bit pixels on a 32-bit plane: premultiplied alpha blended over
// what is there (as the system's alpha blend with per-pixel alpha does), or
// copied. The painter uses these on its back buffer's own pixels, so that a
// hundred moving sprites cost a pass over their pixels rather than a
// hundred calls into the system, each clipping against the repainted area.
#pragma once

#include "forms/geometry.h"

#include <cstdint>

namespace orvela::forms {

// width x height pixels, rows top to bottom of stride pixels each.
struct PixelPlane {
    std::uint32_t* pixels = nullptr;
    int width = 0, height = 0, stride = 0;
};

// A source of the same layout that is only read.
struct PixelSource {
    const std::uint32_t* pixels = nullptr;
    int width = 0, height = 0, stride = 0;
};

// Blends the source with its top-left pixel at (x, y) of the plane over the
// plane, premultiplied source over: each channel becomes source + plane *
// (255 - source alpha) / 255, rounded. Only plane pixels inside area (and
// the plane) are touched. Fully transparent source pixels leave the plane
// as it is, opaque ones replace it.
void blendPremultiplied(const PixelPlane& plane, const PixelSource& source, int x, int y,
                        const PixelRect& area);

// The smallest rectangle of the source (in its own pixels) that holds every
// pixel with some alpha: all a blend of it can change. Empty when the
// source is wholly transparent. A caption's sprite is as large as its
// label, its text often half as wide; blending only this part skips the
// rest.
PixelRect inkedArea(const PixelSource& source);

// The same placement, the source copied as it is.
void copyPixels(const PixelPlane& plane, const PixelSource& source, int x, int y,
                const PixelRect& area);

} // namespace orvela::forms
