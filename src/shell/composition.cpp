#include "shell/composition.h"

#include <algorithm>

namespace orvela::shell {

namespace {
constexpr double twipsPerPixel = 15;
// 768 / 1024 and 1024 / 768 in twips per design pixel of height: both exact.
constexpr double heightPerWidth = 0.75;
constexpr double widthTwipsPerHeightPixel = 20;
} // namespace

forms::Rect Composition::area() const {
    const auto width = static_cast<float>(height * widthTwipsPerHeightPixel);
    const auto tall = static_cast<float>(height * twipsPerPixel);
    return {left, top, width, tall};
}

Composition compositionFor(double heightPixels, float screenWidth, float screenHeight) {
    Composition c;
    // min(h, 0.75 w) is h itself on every 4:3 screen, so the design's
    // numbers there come out exactly as for h.
    c.height = std::min(heightPixels, screenWidth / twipsPerPixel * heightPerWidth);
    const forms::Rect area = c.area();
    c.left = (screenWidth - area.width) / 2;
    c.top = (screenHeight - area.height) / 2;
    return c;
}

} // namespace orvela::shell
