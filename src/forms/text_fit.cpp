#include "forms/text_fit.h"

namespace orvela::forms {

float fittingFontSize(float size, TextSize box, const std::function<TextSize(float)>& measure) {
    constexpr float step = 0.5f;
    const float smallest = size / 2;
    for (float s = size; s > smallest; s -= step) {
        const TextSize t = measure(s);
        if (t.width <= box.width && t.height <= box.height)
            return s;
    }
    return smallest;
}

} // namespace orvela::forms
