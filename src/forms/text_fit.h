// Fitting a caption to its label: the largest font size, from the label's
// own down to half of it in steps of half a point, at which the caption
// (broken at blanks to the label's width) is no wider and no taller than the
// label. The front end measures; this decides, so the rule is the same on
// every platform and is tested without one.
#pragma once

#include <functional>

namespace orvela::forms {

struct TextSize {
    float width = 0, height = 0;
};

// measure(size) gives the caption's extent at that font size, broken to the
// label's width; a word wider than the label makes the width larger than it.
// A caption that fits nowhere down to half its size gets half its size.
float fittingFontSize(float size, TextSize box, const std::function<TextSize(float)>& measure);

} // namespace orvela::forms
