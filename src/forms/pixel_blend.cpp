#include "forms/pixel_blend.h"

#include <algorithm>
#include <cstring>

namespace orvela::forms {

namespace {

// The part of area where both the plane and the source placed at (x, y)
// have pixels; empty when they do not meet.
PixelRect overlap(const PixelPlane& plane, const PixelSource& source, int x, int y,
                  const PixelRect& area) {
    PixelRect r;
    r.left = std::max({area.left, 0, x});
    r.top = std::max({area.top, 0, y});
    r.right = std::min({area.right, plane.width, x + source.width});
    r.bottom = std::min({area.bottom, plane.height, y + source.height});
    return r;
}

bool usable(const PixelPlane& plane, const PixelSource& source, const PixelRect& r) {
    return plane.pixels && source.pixels && r.left < r.right && r.top < r.bottom;
}

// One channel (the byte of s and d at shift): the source's plus (255 - a)
// / 255 of the plane's, rounded, at most 255 (a source whose colour exceeds
// its alpha is not premultiplied; it saturates rather than spill over).
inline std::uint32_t channel(std::uint32_t s, std::uint32_t d, std::uint32_t a, int shift) {
    const std::uint32_t sum =
        ((s >> shift) & 0xFF) + (((d >> shift) & 0xFF) * (255 - a) + 127) / 255;
    return std::min<std::uint32_t>(sum, 255) << shift;
}

} // namespace

void blendPremultiplied(const PixelPlane& plane, const PixelSource& source, int x, int y,
                        const PixelRect& area) {
    const PixelRect r = overlap(plane, source, x, y, area);
    if (!usable(plane, source, r))
        return;
    for (int row = r.top; row < r.bottom; ++row) {
        std::uint32_t* to = plane.pixels + static_cast<std::ptrdiff_t>(row) * plane.stride;
        const std::uint32_t* from =
            source.pixels + static_cast<std::ptrdiff_t>(row - y) * source.stride - x;
        for (int col = r.left; col < r.right; ++col) {
            const std::uint32_t s = from[col];
            const std::uint32_t a = s >> 24;
            if (a == 0)
                continue;
            if (a == 255) {
                to[col] = s;
                continue;
            }
            const std::uint32_t d = to[col];
            to[col] = channel(s, d, a, 24) | channel(s, d, a, 16) | channel(s, d, a, 8) |
                      channel(s, d, a, 0);
        }
    }
}

void copyPixels(const PixelPlane& plane, const PixelSource& source, int x, int y,
                const PixelRect& area) {
    const PixelRect r = overlap(plane, source, x, y, area);
    if (!usable(plane, source, r))
        return;
    const std::size_t bytes = static_cast<std::size_t>(r.right - r.left) * sizeof(std::uint32_t);
    for (int row = r.top; row < r.bottom; ++row)
        std::memcpy(plane.pixels + static_cast<std::ptrdiff_t>(row) * plane.stride + r.left,
                    source.pixels + static_cast<std::ptrdiff_t>(row - y) * source.stride +
                        (r.left - x),
                    bytes);
}

} // namespace orvela::forms
