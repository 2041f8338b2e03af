// Twips, pixels and rectangles of the forms runtime.
// All coordinates of the model are twips as float, as the forms designer keeps
// them; the only conversion to device pixels lives here (15 twips per pixel).
#pragma once

#include <algorithm>
#include <cmath>

namespace orvela::forms {

inline constexpr float twipsPerPixel = 15.0f;

// Nearest device pixel of a twips coordinate.
inline int twipsToPixels(float twips) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}
inline float pixelsToTwips(int pixels) {
    return static_cast<float>(pixels) * twipsPerPixel;
}

// An axis-aligned rectangle in twips: left/top inclusive, width/height >= 0.
struct Rect {
    float left = 0, top = 0, width = 0, height = 0;

    float right() const { return left + width; }
    float bottom() const { return top + height; }
    bool empty() const { return !(width > 0 && height > 0); }
    bool contains(float x, float y) const {
        return x >= left && y >= top && x < right() && y < bottom();
    }
    Rect translated(float dx, float dy) const { return {left + dx, top + dy, width, height}; }
    Rect intersected(const Rect& o) const {
        float l = std::max(left, o.left), t = std::max(top, o.top);
        float r = std::min(right(), o.right()), b = std::min(bottom(), o.bottom());
        if (r <= l || b <= t)
            return {};
        return {l, t, r - l, b - t};
    }
    Rect united(const Rect& o) const {
        if (empty())
            return o;
        if (o.empty())
            return *this;
        float l = std::min(left, o.left), t = std::min(top, o.top);
        float r = std::max(right(), o.right()), b = std::max(bottom(), o.bottom());
        return {l, t, r - l, b - t};
    }
    bool operator==(const Rect&) const = default;
};

} // namespace orvela::forms
