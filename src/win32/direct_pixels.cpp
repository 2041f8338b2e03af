#include "win32/direct_pixels.h"

#include <algorithm>

namespace orvela::win32 {

DirectPixels::DirectPixels(std::uint32_t* pixels, int width, int height, std::vector<RECT> clip)
    : plane_{pixels, width, height, width}, clip_(std::move(clip)) {
    SetRectEmpty(&box_);
    for (const RECT& r : clip_)
        UnionRect(&box_, &box_, &r);
}

std::vector<RECT> DirectPixels::regionRects(HRGN region, const RECT& bounds) {
    if (region) {
        const DWORD size = GetRegionData(region, 0, nullptr);
        if (size >= sizeof(RGNDATAHEADER)) {
            std::vector<std::uint8_t> bytes(size);
            auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
            if (GetRegionData(region, size, data) == size) {
                const RECT* first = reinterpret_cast<const RECT*>(data->Buffer);
                return std::vector<RECT>(first, first + data->rdh.nCount);
            }
        }
    }
    return {bounds};
}

bool DirectPixels::visible(const RECT& box) const {
    if (box.left >= box.right || box.top >= box.bottom)
        return false;
    // Bands run top to bottom: skip those above box, stop below it.
    auto r = std::lower_bound(clip_.begin(), clip_.end(), box.top,
                              [](const RECT& c, LONG top) { return c.bottom <= top; });
    for (; r != clip_.end() && r->top < box.bottom; ++r)
        if (r->bottom > box.top && r->left < box.right && r->right > box.left)
            return true;
    return false;
}

template <typename Put> void DirectPixels::eachClipped(const RECT& within, Put put) {
    if (pending_) {
        GdiFlush();
        pending_ = false;
    }
    auto r = std::lower_bound(clip_.begin(), clip_.end(), within.top,
                              [](const RECT& c, LONG top) { return c.bottom <= top; });
    for (; r != clip_.end() && r->top < within.bottom; ++r) {
        const forms::PixelRect area{std::max(r->left, within.left), std::max(r->top, within.top),
                                    std::min(r->right, within.right),
                                    std::min(r->bottom, within.bottom)};
        if (area.left < area.right && area.top < area.bottom)
            put(area);
    }
}

void DirectPixels::blend(const std::uint32_t* sprite, int width, int height, int x, int y,
                         const RECT& within) {
    const forms::PixelSource source{sprite, width, height, width};
    eachClipped(within, [&](const forms::PixelRect& area) {
        forms::blendPremultiplied(plane_, source, x, y, area);
    });
}

void DirectPixels::copy(const std::uint32_t* picture, int width, int height, int x, int y,
                        const RECT& within) {
    const forms::PixelSource source{picture, width, height, width};
    eachClipped(within, [&](const forms::PixelRect& area) {
        forms::copyPixels(plane_, source, x, y, area);
    });
}

} // namespace orvela::win32
