#include "forms/pixel_blend.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orvela::forms {

namespace {

// The part of area where both the plane and the source placed at (x, y)
// have pixels; empty when they do not meet.
PixelRect overlap(const PixelPlane& plane, const PixelSource& source, int x, int y,
                  const PixelRect& area) {
    PixelRect r;
    r.left = std::max({area.left, 0, x});
    r.top = std::max({area.top, 0, y});
    r.right = std::min({area.right, plane.width, x + source.width});
    r.bottom = std::min({area.bottom, plane.height, y + source.height});
    return r;
}

bool usable(const PixelPlane& plane, const PixelSource& source, const PixelRect& r) {
    return plane.pixels && source.pixels && r.left < r.right && r.top < r.bottom;
}

// s over d for a source pixel of alpha a (0 < a < 255): two channels at a
// time, each of d's kept at (255 - a) / 255, rounded ((t + (t >> 8)) >> 8
// with t = v + 128 is v / 255 rounded for every v a channel can give).
// A premultiplied channel never exceeds its alpha, so the sums stay within
// a byte; one that does (a source not premultiplied) saturates instead of
// spilling into its neighbour.
inline std::uint32_t over(std::uint32_t s, std::uint32_t d, std::uint32_t a) {
    const std::uint32_t keep = 255 - a;
    std::uint32_t rb = (d & 0x00FF00FF) * keep + 0x00800080;
    std::uint32_t ag = ((d >> 8) & 0x00FF00FF) * keep + 0x00800080;
    rb = ((rb + ((rb >> 8) & 0x00FF00FF)) >> 8) & 0x00FF00FF;
    ag = ((ag + ((ag >> 8) & 0x00FF00FF)) >> 8) & 0x00FF00FF;
    // Sums per channel in 9 bits: a carry out of a byte marks saturation.
    std::uint32_t sumRb = (s & 0x00FF00FF) + rb;
    std::uint32_t sumAg = ((s >> 8) & 0x00FF00FF) + ag;
    if ((sumRb | sumAg) & 0x01000100) {
        sumRb |= ((sumRb & 0x01000100) >> 8) * 0xFF;
        sumAg |= ((sumAg & 0x01000100) >> 8) * 0xFF;
    }
    return (sumRb & 0x00FF00FF) | (sumAg & 0x00FF00FF) << 8;
}

#if defined(__SSE2__)
// The same for four pixels at once, in 16-bit lanes; a source pixel of
// alpha 0 has its colour bits cleared first so that it leaves d as it is.
// Returns how many pixels of the row it did (a multiple of four).
int over4(const std::uint32_t* from, std::uint32_t* to, int count) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i full = _mm_set1_epi32(255);
    const __m128i max = _mm_set1_epi16(255), half = _mm_set1_epi16(128);
    int done = 0;
    for (; done + 4 <= count; done += 4) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + done));
        const __m128i alpha = _mm_srli_epi32(s, 24);
        const __m128i none = _mm_cmpeq_epi32(alpha, zero);
        if (_mm_movemask_epi8(none) == 0xFFFF)
            continue;
        __m128i* out = reinterpret_cast<__m128i*>(to + done);
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(alpha, full)) == 0xFFFF) {
            _mm_storeu_si128(out, s);
            continue;
        }
        const __m128i src = _mm_andnot_si128(none, s);
        const __m128i d = _mm_loadu_si128(out);
        auto kept = [&](__m128i s16, __m128i d16) {
            const __m128i a16 = _mm_shufflehi_epi16(_mm_shufflelo_epi16(s16, 0xFF), 0xFF);
            __m128i t = _mm_add_epi16(_mm_mullo_epi16(d16, _mm_sub_epi16(max, a16)), half);
            return _mm_srli_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), 8);
        };
        const __m128i low = kept(_mm_unpacklo_epi8(src, zero), _mm_unpacklo_epi8(d, zero));
        const __m128i high = kept(_mm_unpackhi_epi8(src, zero), _mm_unpackhi_epi8(d, zero));
        _mm_storeu_si128(out, _mm_adds_epu8(src, _mm_packus_epi16(low, high)));
    }
    return done;
}
#else
int over4(const std::uint32_t*, std::uint32_t*, int) {
    return 0;
}
#endif

} // namespace

void blendPremultiplied(const PixelPlane& plane, const PixelSource& source, int x, int y,
                        const PixelRect& area) {
    const PixelRect r = overlap(plane, source, x, y, area);
    if (!usable(plane, source, r))
        return;
    for (int row = r.top; row < r.bottom; ++row) {
        std::uint32_t* to = plane.pixels + static_cast<std::ptrdiff_t>(row) * plane.stride;
        const std::uint32_t* from =
            source.pixels + static_cast<std::ptrdiff_t>(row - y) * source.stride - x;
        for (int col = r.left + over4(from + r.left, to + r.left, r.right - r.left); col < r.right;
             ++col) {
            const std::uint32_t s = from[col];
            const std::uint32_t a = s >> 24;
            if (a == 0)
                continue;
            if (a == 255) {
                to[col] = s;
                continue;
            }
            to[col] = over(s, to[col], a);
        }
    }
}

PixelRect inkedArea(const PixelSource& source) {
    PixelRect ink{source.width, source.height, 0, 0};
    if (!source.pixels)
        return {};
    for (int y = 0; y < source.height; ++y) {
        const std::uint32_t* row = source.pixels + static_cast<std::ptrdiff_t>(y) * source.stride;
        int first = 0;
        while (first < source.width && !(row[first] >> 24))
            ++first;
        if (first == source.width)
            continue;
        int last = source.width - 1;
        while (!(row[last] >> 24))
            --last;
        ink = {std::min(ink.left, first), std::min(ink.top, y), std::max(ink.right, last + 1),
               y + 1};
    }
    return ink.empty() ? PixelRect{} : ink;
}

void copyPixels(const PixelPlane& plane, const PixelSource& source, int x, int y,
                const PixelRect& area) {
    const PixelRect r = overlap(plane, source, x, y, area);
    if (!usable(plane, source, r))
        return;
    const std::size_t bytes = static_cast<std::size_t>(r.right - r.left) * sizeof(std::uint32_t);
    for (int row = r.top; row < r.bottom; ++row)
        std::memcpy(plane.pixels + static_cast<std::ptrdiff_t>(row) * plane.stride + r.left,
                    source.pixels + static_cast<std::ptrdiff_t>(row - y) * source.stride +
                        (r.left - x),
                    bytes);
}

} // namespace orvela::forms
