#include "forms/pixel_resample.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace orvela::forms {

namespace {

// Weights in 256ths: a channel times its weights then sums to at most
// 255 * 256, so four channels ride in the 16-bit lanes of one 64-bit word
// (across) and whole rows in 16-bit sums (down), which compilers vectorise.
constexpr int weightBits = 8;
constexpr int weightOne = 1 << weightBits;

// The source pixels and weights of each target pixel along one axis.
struct Taps {
    std::vector<int> first, count;
    std::vector<int> weights; // `width` entries per target pixel
    int width = 0;
};

Taps tapsFor(int from, int to) {
    const double scale = static_cast<double>(to) / from;
    const double support = scale < 1 ? 1 / scale : 1;
    Taps t;
    t.width = static_cast<int>(std::ceil(2 * support)) + 2;
    t.first.resize(static_cast<std::size_t>(to));
    t.count.resize(static_cast<std::size_t>(to));
    t.weights.assign(static_cast<std::size_t>(to) * t.width, 0);
    std::vector<double> w(static_cast<std::size_t>(t.width));
    for (int i = 0; i < to; ++i) {
        const double centre = (i + 0.5) / scale - 0.5;
        int lo = static_cast<int>(std::floor(centre - support)) + 1;
        int hi = static_cast<int>(std::ceil(centre + support)) - 1;
        lo = std::max(lo, 0);
        hi = std::min(hi, from - 1);
        if (hi < lo) // a target pixel between two sources far apart: the nearest
            lo = hi = std::clamp(static_cast<int>(std::lround(centre)), 0, from - 1);
        hi = std::min(hi, lo + t.width - 1);
        double sum = 0;
        for (int s = lo; s <= hi; ++s) {
            const double d = std::abs(s - centre) / support;
            w[static_cast<std::size_t>(s - lo)] = d < 1 ? 1 - d : 0;
            sum += w[static_cast<std::size_t>(s - lo)];
        }
        int* out = &t.weights[static_cast<std::size_t>(i) * t.width];
        if (sum <= 0) {
            out[0] = weightOne;
            hi = lo;
        } else {
            // Rounded weights whose sum is exactly one: the rest goes to the largest.
            int given = 0, largest = 0;
            for (int s = lo; s <= hi; ++s) {
                const int k = s - lo;
                out[k] =
                    static_cast<int>(std::lround(w[static_cast<std::size_t>(k)] / sum * weightOne));
                given += out[k];
                if (out[k] > out[largest])
                    largest = k;
            }
            out[largest] += weightOne - given;
        }
        t.first[static_cast<std::size_t>(i)] = lo;
        t.count[static_cast<std::size_t>(i)] = hi - lo + 1;
    }
    return t;
}

// A pixel's four channels in the four 16-bit lanes of a word, and back.
std::uint64_t spread(const std::uint8_t* p) {
    return static_cast<std::uint64_t>(p[0]) | static_cast<std::uint64_t>(p[1]) << 16 |
           static_cast<std::uint64_t>(p[2]) << 32 | static_cast<std::uint64_t>(p[3]) << 48;
}

void gather(std::uint64_t sum, std::uint8_t* out) {
    sum += 0x0080008000800080ULL; // rounding, in each lane
    for (int c = 0; c < 4; ++c)
        out[c] = static_cast<std::uint8_t>(sum >> (16 * c + weightBits));
}

} // namespace

void resamplePixels(const std::uint8_t* from, int fromWidth, int fromHeight, std::uint8_t* to,
                    int toWidth, int toHeight) {
    if (!from)
        return;
    const std::size_t fromRow = static_cast<std::size_t>(fromWidth > 0 ? fromWidth : 0) * 4;
    resampleRows([&](int y) { return from + static_cast<std::size_t>(y) * fromRow; }, fromWidth,
                 fromHeight, to, toWidth, toHeight);
}

bool resampleRows(const RowSource& rowAt, int fromWidth, int fromHeight, std::uint8_t* to,
                  int toWidth, int toHeight) {
    if (!to || fromWidth <= 0 || fromHeight <= 0 || toWidth <= 0 || toHeight <= 0)
        return true;
    const Taps across = tapsFor(fromWidth, toWidth), down = tapsFor(fromHeight, toHeight);
    const std::size_t toRow = static_cast<std::size_t>(toWidth) * 4;

    // Across first, one source row at a time into a ring of rows of the
    // target's width, as many as one target row reads; then down, a whole
    // target row at a time. The ring stays in the cache, where a picture
    // filtered across whole would not.
    const std::size_t ringRows = static_cast<std::size_t>(down.width);
    std::vector<std::uint8_t> ring(ringRows * toRow);
    std::vector<int> inRing(ringRows, -1);
    auto acrossRow = [&](int y) -> const std::uint8_t* {
        const std::size_t slot = static_cast<std::size_t>(y) % ringRows;
        std::uint8_t* out = &ring[slot * toRow];
        if (inRing[slot] == y)
            return out;
        const std::uint8_t* in = rowAt(y);
        if (!in)
            return nullptr;
        inRing[slot] = y;
        for (std::size_t x = 0; x < static_cast<std::size_t>(toWidth); ++x) {
            const int* w = &across.weights[x * static_cast<std::size_t>(across.width)];
            const std::uint8_t* p = in + static_cast<std::size_t>(across.first[x]) * 4;
            std::uint64_t sum = 0;
            for (int k = 0, n = across.count[x]; k < n; ++k, p += 4)
                sum += spread(p) * static_cast<std::uint64_t>(w[k]);
            gather(sum, out + x * 4);
        }
        return out;
    };
    std::vector<std::uint16_t> sum(toRow);
    for (std::size_t y = 0; y < static_cast<std::size_t>(toHeight); ++y) {
        std::fill(sum.begin(), sum.end(), static_cast<std::uint16_t>(weightOne / 2));
        const int* w = &down.weights[y * static_cast<std::size_t>(down.width)];
        for (int k = 0, n = down.count[y]; k < n; ++k) {
            const std::uint8_t* in = acrossRow(down.first[y] + k);
            if (!in)
                return false;
            const auto weight = static_cast<std::uint16_t>(w[k]);
            for (std::size_t i = 0; i < toRow; ++i)
                sum[i] = static_cast<std::uint16_t>(sum[i] + in[i] * weight);
        }
        std::uint8_t* out = to + y * toRow;
        for (std::size_t i = 0; i < toRow; ++i)
            out[i] = static_cast<std::uint8_t>(sum[i] >> weightBits);
    }
    return true;
}

} // namespace orvela::forms
