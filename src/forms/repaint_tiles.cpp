#include "forms/repaint_tiles.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace orvela::forms {

namespace {

int tileBelow(int pixel) { // floor division, also left of and above pixel 0
    return pixel >= 0 ? pixel / repaintTile : -((-pixel + repaintTile - 1) / repaintTile);
}

} // namespace

std::vector<PixelRect> repaintTiles(const std::vector<Rect>& dirty, PixelScale scale) {
    // The dirty rectangles in tiles: columns [left, right), rows [top, bottom).
    std::vector<PixelRect> tiles;
    PixelRect bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (const Rect& r : dirty) {
        if (r.empty())
            continue;
        // Every pixel the rectangle touches, whichever way its painted
        // edges round, and one more to the right and below.
        const float step = scale.twipsPerPixel;
        const PixelRect pixels{static_cast<int>(std::floor(r.left / step)),
                               static_cast<int>(std::floor(r.top / step)),
                               static_cast<int>(std::ceil(r.right() / step)) + 1,
                               static_cast<int>(std::ceil(r.bottom() / step)) + 1};
        const PixelRect t{tileBelow(pixels.left), tileBelow(pixels.top),
                          tileBelow(pixels.right - 1) + 1, tileBelow(pixels.bottom - 1) + 1};
        tiles.push_back(t);
        bounds = {std::min(bounds.left, t.left), std::min(bounds.top, t.top),
                  std::max(bounds.right, t.right), std::max(bounds.bottom, t.bottom)};
    }
    std::vector<PixelRect> region;
    if (tiles.empty())
        return region;
    // One flag per tile of the bounds; a very large spread (far outside any
    // window) is left as the rectangles themselves rather than grown into.
    const long long columns = bounds.right - bounds.left, rows = bounds.bottom - bounds.top;
    if (columns * rows > 4'000'000) {
        for (const PixelRect& t : tiles)
            region.push_back({t.left * repaintTile, t.top * repaintTile, t.right * repaintTile,
                              t.bottom * repaintTile});
        return region; // overlapping, which a region made of them unites
    }
    std::vector<unsigned char> on(static_cast<std::size_t>(columns * rows));
    for (const PixelRect& t : tiles)
        for (int y = t.top; y < t.bottom; ++y)
            std::fill_n(on.begin() + (static_cast<long long>(y - bounds.top) * columns +
                                      (t.left - bounds.left)),
                        t.right - t.left, 1);
    // Row by row: its runs, joined to the band above when they are the same.
    std::vector<PixelRect> runs, band;
    int bandTop = 0;
    auto flush = [&](int bottom) {
        for (PixelRect r : band) {
            r.top = bandTop * repaintTile;
            r.bottom = bottom * repaintTile;
            region.push_back(r);
        }
        band.clear();
    };
    for (int y = bounds.top; y < bounds.bottom; ++y) {
        runs.clear();
        const unsigned char* row = on.data() + static_cast<long long>(y - bounds.top) * columns;
        for (long long x = 0; x < columns;) {
            if (!row[x]) {
                ++x;
                continue;
            }
            long long end = x;
            while (end < columns && row[end])
                ++end;
            runs.push_back({static_cast<int>((bounds.left + x) * repaintTile), 0,
                            static_cast<int>((bounds.left + end) * repaintTile), 0});
            x = end;
        }
        const bool same = std::equal(runs.begin(), runs.end(), band.begin(), band.end(),
                                     [](const PixelRect& a, const PixelRect& b) {
                                         return a.left == b.left && a.right == b.right;
                                     });
        if (same && !band.empty())
            continue;
        flush(y);
        band = runs;
        bandTop = y;
    }
    flush(bounds.bottom);
    return region;
}

} // namespace orvela::forms
