// Artwork comes in two renders from one drawing: the design's size (1x) and
// twice that (2x, "but1@2x.jpg" beside "but1.jpg"). Which one a picture is
// drawn from depends only on the size it is shown at, so a 2x screen and a
// large screen both get the sharper render.
#pragma once

#include <string>

namespace orvela::forms {

// Shown larger than this times its 1x size (either side), a picture is
// drawn from its 2x render.
inline constexpr double doubleRenderThreshold = 1.25;

// The name of an artwork file's 2x render: "@2x" before the extension
// ("but1.jpg" -> "but1@2x.jpg", "PixDummy" -> "PixDummy@2x"); the empty text
// for the empty name and for a name that is already a 2x render.
std::string doubleRenderName(const std::string& name);

// Whether a picture of width x height pixels (1x) shown at shownWidth x
// shownHeight pixels is drawn from its 2x render. A picture without size
// never is.
bool wantsDoubleRender(int width, int height, int shownWidth, int shownHeight);

} // namespace orvela::forms
