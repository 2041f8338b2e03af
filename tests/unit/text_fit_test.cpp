// Fitting a caption to its label: the largest size that fits, in half-point
// steps, never below half the label's own.

#include "forms/text_fit.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using orvela::forms::fittingFontSize;
using orvela::forms::TextSize;

// A caption of `chars` characters, each 0.6 em wide, broken into lines of
// the box's width (a word of `word` characters never breaks).
TextSize measured(float size, float boxWidth, int chars, int word) {
    const float em = size * 96 / 72, charWidth = 0.6f * em;
    const float wordWidth = static_cast<float>(word) * charWidth;
    const int perLine = std::max(static_cast<int>(boxWidth / charWidth), word);
    const int lines = (chars + perLine - 1) / perLine;
    return {std::max(wordWidth, std::min(boxWidth, static_cast<float>(chars) * charWidth)),
            static_cast<float>(lines) * 1.2f * em};
}

TEST(TextFit, TheLargestSizeThatFitsItsBox) {
    struct Case {
        const char* what;
        float size;
        TextSize box;
        int chars, word;
        float expected;
    };
    const Case cases[] = {
        {"fits at its own size", 8, {112, 33}, 9, 9, 8},
        {"two lines need a smaller size", 8, {81, 17}, 23, 8, 5},
        {"a word wider than the box", 24, {60, 40}, 4, 4, 18.5f},
        {"fits nowhere: half its size", 8, {5, 2}, 20, 20, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const float fitted = fittingFontSize(
            c.size, c.box, [&](float s) { return measured(s, c.box.width, c.chars, c.word); });
        EXPECT_FLOAT_EQ(fitted, c.expected);
        const TextSize t = measured(fitted, c.box.width, c.chars, c.word);
        if (fitted > c.size / 2) {
            EXPECT_TRUE(t.width <= c.box.width && t.height <= c.box.height);
        }
    }
}

} // namespace
