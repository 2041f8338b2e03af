#include "forms/picture_size.h"

#include <cstdint>
#include <cstdlib>

namespace orvela::forms {

namespace {

unsigned byteAt(std::string_view b, std::size_t i) {
    return static_cast<unsigned char>(b[i]);
}
unsigned big16(std::string_view b, std::size_t i) {
    return byteAt(b, i) << 8 | byteAt(b, i + 1);
}
unsigned little16(std::string_view b, std::size_t i) {
    return byteAt(b, i) | byteAt(b, i + 1) << 8;
}
std::int32_t little32(std::string_view b, std::size_t i) {
    return static_cast<std::int32_t>(little16(b, i) | little16(b, i + 2) << 16);
}

std::optional<PixelSize> sized(long long width, long long height) {
    if (width <= 0 || height <= 0)
        return std::nullopt;
    return PixelSize{static_cast<int>(width), static_cast<int>(height)};
}

// Walks the segments to the first start-of-frame marker (baseline,
// extended, progressive or lossless; not DHT, JPG or DAC, which share the
// range), whose body holds the height, then the width.
std::optional<PixelSize> jpegSize(std::string_view b) {
    std::size_t at = 2;
    while (at + 4 <= b.size()) {
        if (byteAt(b, at) != 0xFF)
            return std::nullopt;
        const unsigned marker = byteAt(b, at + 1);
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += 2; // markers without a length
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA)
            return std::nullopt; // the image data begins before any frame header
        const unsigned length = big16(b, at + 2);
        if (length < 2)
            return std::nullopt;
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (length < 7 || at + 9 > b.size())
                return std::nullopt;
            return sized(big16(b, at + 7), big16(b, at + 5));
        }
        at += 2 + length;
    }
    return std::nullopt;
}

} // namespace

std::optional<PixelSize> pictureSize(std::string_view b) {
    if (b.size() >= 4 && byteAt(b, 0) == 0xFF && byteAt(b, 1) == 0xD8 && byteAt(b, 2) == 0xFF)
        return jpegSize(b);
    if (b.size() >= 10 && (b.substr(0, 6) == "GIF87a" || b.substr(0, 6) == "GIF89a"))
        return sized(little16(b, 6), little16(b, 8));
    if (b.size() >= 26 && b.substr(0, 2) == "BM") {
        const std::int32_t header = little32(b, 14);
        if (header == 12) // the old core header: 16-bit sizes
            return sized(little16(b, 18), little16(b, 20));
        if (header >= 40) // height is negative for a top-down bitmap
            return sized(little32(b, 18), std::llabs(static_cast<long long>(little32(b, 22))));
    }
    return std::nullopt;
}

} // namespace orvela::forms
