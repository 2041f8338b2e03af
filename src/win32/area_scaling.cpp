#include "win32/area_scaling.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace orvela::win32 {

std::vector<std::uint32_t> shrinkSquare(const std::vector<std::uint32_t>& pixels, int side,
                                        int target) {
    if (side <= 0 || target <= 0 || target > side ||
        pixels.size() != static_cast<std::size_t>(side) * static_cast<std::size_t>(side))
        return {};
    if (target == side)
        return pixels;
    const double step = static_cast<double>(side) / target; // source pixels per target pixel
    // The source pixels a target pixel covers along one axis, with weights.
    struct Span {
        int first = 0, last = 0;
        std::vector<double> weights;
    };
    std::vector<Span> spans(static_cast<std::size_t>(target));
    for (int t = 0; t < target; ++t) {
        const double from = t * step, to = from + step;
        Span& s = spans[static_cast<std::size_t>(t)];
        s.first = static_cast<int>(std::floor(from));
        s.last = std::min(side - 1, static_cast<int>(std::ceil(to)) - 1);
        for (int i = s.first; i <= s.last; ++i)
            s.weights.push_back(std::min<double>(to, i + 1) - std::max<double>(from, i));
    }
    std::vector<std::uint32_t> out(static_cast<std::size_t>(target) * target);
    const double area = step * step;
    for (int ty = 0; ty < target; ++ty) {
        const Span& sy = spans[static_cast<std::size_t>(ty)];
        for (int tx = 0; tx < target; ++tx) {
            const Span& sx = spans[static_cast<std::size_t>(tx)];
            std::array<double, 4> sum{};
            for (int y = sy.first; y <= sy.last; ++y) {
                const double wy = sy.weights[static_cast<std::size_t>(y - sy.first)];
                for (int x = sx.first; x <= sx.last; ++x) {
                    const double w = wy * sx.weights[static_cast<std::size_t>(x - sx.first)];
                    const std::uint32_t p =
                        pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(side) +
                               static_cast<std::size_t>(x)];
                    for (int c = 0; c < 4; ++c)
                        sum[static_cast<std::size_t>(c)] += w * ((p >> (8 * c)) & 0xFF);
                }
            }
            std::uint32_t p = 0;
            for (int c = 0; c < 4; ++c) {
                const long v = std::lround(sum[static_cast<std::size_t>(c)] / area);
                p |= static_cast<std::uint32_t>(std::clamp(v, 0L, 255L)) << (8 * c);
            }
            out[static_cast<std::size_t>(ty) * static_cast<std::size_t>(target) +
                static_cast<std::size_t>(tx)] = p;
        }
    }
    return out;
}

bool showsOutsideCorner(const std::vector<std::uint32_t>& pixels, int side, int corner) {
    if (side <= 0 ||
        pixels.size() != static_cast<std::size_t>(side) * static_cast<std::size_t>(side))
        return false;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if ((x >= corner || y >= corner) &&
                (pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(side) +
                        static_cast<std::size_t>(x)] >>
                 24) != 0)
                return true;
    return false;
}

} // namespace orvela::win32
