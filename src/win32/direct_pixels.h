// The back buffer's own pixels during one paint, with the parts of it the
// paint may touch (the update region's rectangles). Sprites and opaque
// copies are put here by the painter itself: the same pixels as the
// system's alpha blend and blit, without a call into the system per sprite,
// and visibility is tested here without asking the system for each control.
#pragma once

#include "forms/pixel_blend.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace orvela::win32 {

class DirectPixels {
public:
    // pixels: width x height, top-down rows of width pixels. clip: the
    // rectangles that may be touched, in the order a region gives them
    // (bands top to bottom, left to right within a band).
    DirectPixels(std::uint32_t* pixels, int width, int height, std::vector<RECT> clip);

    // The rectangles of a region, in its order; the whole of bounds when
    // region is null or cannot be read.
    static std::vector<RECT> regionRects(HRGN region, const RECT& bounds);

    // Whether any pixel of box may be touched.
    bool visible(const RECT& box) const;
    // The smallest rectangle holding every one that may be touched.
    const RECT& clipBox() const { return box_; }

    // A premultiplied sprite of width x height (rows of width pixels) with
    // its top-left at (x, y), blended over the pixels within `within`.
    void blend(const std::uint32_t* sprite, int width, int height, int x, int y,
               const RECT& within);
    // The same placement, the pixels copied (an opaque picture).
    void copy(const std::uint32_t* picture, int width, int height, int x, int y,
              const RECT& within);

    // To be called after drawing on the buffer through the system, which
    // may hold its drawing back: the next blend or copy waits for it.
    void drewThroughSystem() { pending_ = true; }

private:
    template <typename Put> void eachClipped(const RECT& within, Put put);

    forms::PixelPlane plane_;
    std::vector<RECT> clip_;
    RECT box_{};
    bool pending_ = true;
};

} // namespace orvela::win32
