// Shrinking a square picture by area averaging: each target pixel is the
// mean of the source area it covers, parts of pixels weighted by how much
// of them it covers. Pixels are premultiplied 0xAARRGGBB, rows top-down.
#pragma once

#include <cstdint>
#include <vector>

namespace orvela::win32 {

// The side x side picture scaled to target x target (1 <= target <= side);
// the picture unchanged when target is side, empty when the sizes do not fit.
std::vector<std::uint32_t> shrinkSquare(const std::vector<std::uint32_t>& pixels, int side,
                                        int target);

// Whether anything of the side x side picture shows (alpha above 0) outside
// its top-left corner x corner: a large system image list keeps an icon
// without a large image as its small one in that corner.
bool showsOutsideCorner(const std::vector<std::uint32_t>& pixels, int side, int corner);

} // namespace orvela::win32
