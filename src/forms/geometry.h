// Twips, pixels and rectangles of the forms runtime.
// All coordinates of the model are twips as float, as the forms designer keeps
// them; the only conversion to device pixels lives here: 15 twips per pixel
// for a form laid out at 96 dpi, 1440 / dpi for one that follows the display.
#pragma once

#include <algorithm>
#include <cmath>

namespace orvela::forms {

inline constexpr int designDpi = 96;
inline constexpr float twipsPerInch = 1440.0f;
inline constexpr float twipsPerPixel = twipsPerInch / designDpi; // 15

// The dpi a display reports, held within what Windows offers (72 to 480 dpi,
// 75 % to 500 %); 0 or anything unreadable is the design's 96.
inline int usableDpi(int dpi) {
    return dpi <= 0 ? designDpi : std::clamp(dpi, 72, 480);
}

// The size of an item icon at a display's dpi, as Windows sizes its large
// icons: 32 px at 96 dpi, 48 at 144, 64 at 192.
inline int iconPixelsAt(int dpi) {
    return static_cast<int>(std::lround(32.0 * usableDpi(dpi) / designDpi));
}

// The step between a form's twips and device pixels.
struct PixelScale {
    float twipsPerPixel = forms::twipsPerPixel;

    // 1440 twips to an inch at the display's dpi.
    static PixelScale atDpi(int dpi) { return {twipsPerInch / static_cast<float>(usableDpi(dpi))}; }
    // Nearest device pixel of a twips coordinate.
    int toPixels(float twips) const { return static_cast<int>(std::lround(twips / twipsPerPixel)); }
    float toTwips(int pixels) const { return static_cast<float>(pixels) * twipsPerPixel; }
    bool operator==(const PixelScale&) const = default;
};

// The same at 96 dpi (15 twips per pixel), the main window's scale.
inline int twipsToPixels(float twips) {
    return PixelScale{}.toPixels(twips);
}
inline float pixelsToTwips(int pixels) {
    return PixelScale{}.toTwips(pixels);
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

// A rectangle of device pixels: left and top inside, right and bottom outside.
struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool empty() const { return right <= left || bottom <= top; }
    long long area() const { return empty() ? 0 : 1LL * (right - left) * (bottom - top); }
    bool operator==(const PixelRect&) const = default;
};

} // namespace orvela::forms
