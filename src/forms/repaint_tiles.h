// The pixels a window is told to repaint for a tick's dirty rectangles.
// A hundred moving items give a few hundred small rectangles that overlap;
// as a region the system splits them into a band at every edge, thousands
// of rectangles that each call on the region (made, sent to the window
// manager, clipped to) walks. Rounded out to a grid of tiles they give a
// few dozen bands of a few runs each, for a little more area.
#pragma once

#include "forms/geometry.h"

#include <vector>

namespace orvela::forms {

// The side of a tile in pixels: small enough that the rounding adds little
// to an item's box, large enough that bands stay few.
inline constexpr int repaintTile = 8;

// The tiles of repaintTile pixels (counted from pixel 0, 0) that any of the
// dirty twips rectangles touches, each rectangle taken to every pixel it
// touches at scale and one more to the right and below (against rounding of
// painted edges), as a region's rectangles: bands top to bottom, runs left
// to right within a band, no two overlapping, and a band joined with the
// one below it when they have the same runs.
std::vector<PixelRect> repaintTiles(const std::vector<Rect>& dirty, PixelScale scale = {});

} // namespace orvela::forms
