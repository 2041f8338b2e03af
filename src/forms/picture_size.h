// The pixel size a picture file declares in its header, read without
// decoding it: the program chooses a render, and places a picture, before
// (or instead of) spending the time to decode it.
#pragma once

#include <optional>
#include <string_view>

namespace orvela::forms {

struct PixelSize {
    int width = 0, height = 0;
    bool operator==(const PixelSize&) const = default;
};

// The size of JPEG, GIF or BMP bytes; nothing for other, truncated or
// damaged bytes, and for a size of zero.
std::optional<PixelSize> pictureSize(std::string_view bytes);

} // namespace orvela::forms
