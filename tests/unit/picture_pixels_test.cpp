// Reading a picture's size from its header, resizing its pixels, and
// putting sprites on a plane.

#include "forms/picture_size.h"
#include "forms/pixel_blend.h"
#include "forms/pixel_resample.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using orvela::forms::pictureSize;
using orvela::forms::PixelSize;
using orvela::forms::resamplePixels;

std::string bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

std::string artwork(const std::string& name) {
    std::ifstream in(std::string(ORVELA_SOURCE_DIR) + "/resources/art/" + name, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

TEST(PictureSize, ReadFromTheHeader) {
    // JPEG: start of image, an APP0 segment of 16 bytes, then a frame.
    const std::string app0 = bytes({0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10}) + std::string(14, '\0');
    const std::string sof0 = bytes({0xFF, 0xC0, 0x00, 0x11, 0x08, 0x02, 0x58, 0x03, 0x20});
    const std::string sof2 = bytes({0xFF, 0xC2, 0x00, 0x11, 0x08, 0x00, 0x10, 0x00, 0x20});
    const std::string dht = bytes({0xFF, 0xC4, 0x00, 0x04, 0x00, 0x00});
    struct Case {
        const char* what;
        std::string data;
        std::optional<PixelSize> expected;
    };
    const Case cases[] = {
        {"baseline JPEG", app0 + sof0, PixelSize{800, 600}},
        {"progressive JPEG after a Huffman table", app0 + dht + sof2, PixelSize{32, 16}},
        {"fill bytes before a marker", app0 + bytes({0xFF}) + sof0, PixelSize{800, 600}},
        {"JPEG cut inside the frame header", (app0 + sof0).substr(0, app0.size() + 6), {}},
        {"JPEG whose data starts before any frame", app0 + bytes({0xFF, 0xDA, 0, 2}), {}},
        {"JPEG segment of impossible length", app0 + bytes({0xFF, 0xE1, 0x00, 0x01}), {}},
        {"JPEG of width zero", app0 + bytes({0xFF, 0xC0, 0, 0x11, 8, 0, 5, 0, 0}), {}},
        {"GIF89a", std::string("GIF89a") + bytes({0x40, 0x01, 0xF0, 0x00}), PixelSize{320, 240}},
        {"GIF cut short", std::string("GIF87a") + bytes({0x40}), {}},
        {"top-down BMP",
         std::string("BM") + std::string(12, '\0') +
             bytes({40, 0, 0, 0, 3, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF}),
         PixelSize{3, 2}},
        {"core-header BMP",
         std::string("BM") + std::string(12, '\0') + bytes({12, 0, 0, 0, 7, 0, 9, 0}) +
             std::string(6, '\0'),
         PixelSize{7, 9}},
        {"text", "not a picture at all", {}},
        {"nothing", "", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pictureSize(c.data), c.expected) << c.what;
}

TEST(PictureSize, TheShippedArtwork) {
    EXPECT_EQ(pictureSize(artwork("Fon1600@2x.jpg")), (PixelSize{3200, 2400}));
    EXPECT_EQ(pictureSize(artwork("Fon800.jpg")), (PixelSize{800, 600}));
    EXPECT_TRUE(pictureSize(artwork("Image20.gif")));
}

std::vector<std::uint8_t> image(int w, int h, std::uint8_t (*f)(int x, int y, int c)) {
    std::vector<std::uint8_t> p(static_cast<std::size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 4; ++c)
                p[(static_cast<std::size_t>(y) * w + x) * 4 + c] = f(x, y, c);
    return p;
}

std::vector<std::uint8_t> resized(const std::vector<std::uint8_t>& from, int w, int h, int tw,
                                  int th) {
    std::vector<std::uint8_t> to(static_cast<std::size_t>(tw) * th * 4, 7);
    resamplePixels(from.data(), w, h, to.data(), tw, th);
    return to;
}

TEST(PixelResample, KeepsWhatMustStay) {
    const auto flat = image(37, 23, [](int, int, int c) { return std::uint8_t(40 + 50 * c); });
    const auto ramp = image(64, 8, [](int x, int, int) { return std::uint8_t(x * 4); });
    const auto noise = image(
        9, 7, [](int x, int y, int c) { return std::uint8_t((x * 73 + y * 151 + c * 29) % 256); });
    // The same size is an exact copy.
    EXPECT_EQ(resized(noise, 9, 7, 9, 7), noise);
    // A flat picture stays flat at any size, up or down.
    for (auto [tw, th] : {std::pair{30, 20}, {46, 28}, {1, 1}, {37, 1}, {100, 60}})
        EXPECT_EQ(resized(flat, 37, 23, tw, th),
                  image(tw, th, [](int, int, int c) { return std::uint8_t(40 + 50 * c); }))
            << tw << "x" << th;
    // A ramp stays a ramp: every row rises from left to right, within its range.
    const auto smaller = resized(ramp, 64, 8, 45, 8);
    for (int x = 1; x < 45; ++x)
        EXPECT_GT(smaller[static_cast<std::size_t>(x) * 4], smaller[(x - 1) * 4u]) << x;
    EXPECT_LE(smaller[0], 8);
    EXPECT_GE(smaller[44 * 4], 244);
}

TEST(PixelResample, ShrinkingAveragesInsteadOfDropping) {
    // One-pixel lines every third column: at 9/10 of the size a dropping
    // stretch loses some of them; the filter keeps each one's ink.
    const auto lines = image(90, 4, [](int x, int, int) { return std::uint8_t(x % 3 ? 0 : 255); });
    const auto shrunk = resized(lines, 90, 4, 81, 4);
    long ink = 0;
    for (int x = 0; x < 81; ++x)
        ink += shrunk[static_cast<std::size_t>(x) * 4];
    EXPECT_NEAR(static_cast<double>(ink), 30 * 255 * 0.9, 30 * 255 * 0.9 * 0.02);
    // Halving a checkerboard of single pixels gives the grey between (away
    // from the edges, where the filter has only one side).
    const auto checks =
        image(8, 8, [](int x, int y, int) { return std::uint8_t((x + y) % 2 ? 255 : 0); });
    const auto grey = resized(checks, 8, 8, 4, 4);
    for (int y = 1; y < 3; ++y)
        for (int x = 1; x < 3; ++x)
            EXPECT_NEAR(grey[(static_cast<std::size_t>(y) * 4 + x) * 4], 128, 1) << x << "," << y;
}

TEST(PixelResample, RowsComeInOrderOnceAndAFailedRowStops) {
    const auto noise = image(40, 30, [](int x, int y, int c) {
        return std::uint8_t((x * 37 + y * 101 + c * 53) % 256);
    });
    for (auto [tw, th] : {std::pair{32, 24}, {50, 37}, {10, 7}}) {
        std::vector<int> asked;
        std::vector<std::uint8_t> streamed(static_cast<std::size_t>(tw) * th * 4);
        EXPECT_TRUE(orvela::forms::resampleRows(
            [&](int y) {
                asked.push_back(y);
                return &noise[static_cast<std::size_t>(y) * 40 * 4];
            },
            40, 30, streamed.data(), tw, th));
        EXPECT_TRUE(std::is_sorted(asked.begin(), asked.end())) << tw;
        EXPECT_EQ(std::adjacent_find(asked.begin(), asked.end()), asked.end()) << tw;
        // The same pixels as from the whole picture at once.
        EXPECT_EQ(streamed, resized(noise, 40, 30, tw, th)) << tw;
    }
    std::vector<std::uint8_t> to(32 * 24 * 4);
    EXPECT_FALSE(orvela::forms::resampleRows(
        [&](int y) { return y < 10 ? &noise[static_cast<std::size_t>(y) * 40 * 4] : nullptr; }, 40,
        30, to.data(), 32, 24));
}

TEST(PixelResample, EmptySizesTouchNothing) {
    std::vector<std::uint8_t> to(16, 7);
    const std::vector<std::uint8_t> from(16, 1);
    resamplePixels(from.data(), 0, 2, to.data(), 2, 2);
    resamplePixels(from.data(), 2, 2, to.data(), 2, 0);
    resamplePixels(nullptr, 2, 2, to.data(), 2, 2);
    EXPECT_EQ(to, std::vector<std::uint8_t>(16, 7));
}

TEST(PixelBlend, PremultipliedSourceOver) {
    using orvela::forms::PixelPlane;
    using orvela::forms::PixelSource;
    struct Case {
        const char* what;
        std::uint32_t source, plane, expected;
    };
    const Case cases[] = {
        {"transparent leaves the plane", 0x00000000, 0xFF123456, 0xFF123456},
        {"transparent with colour bits still leaves it", 0x00FFFFFF, 0xFF123456, 0xFF123456},
        {"opaque replaces it", 0xFF0A0B0C, 0xFF123456, 0xFF0A0B0C},
        // Half white over black: 128 + 0; black at half over white: 0 + 255 * 127 / 255.
        {"half white over black", 0x80808080, 0xFF000000, 0xFF808080},
        {"half black over white", 0x80000000, 0xFFFFFFFF, 0xFF7F7F7F},
        {"a quarter of red over blue", 0x40400000, 0xFF0000FF, 0xFF4000BF},
        {"colour beyond its alpha saturates", 0x10FFFFFF, 0xFFFFFFFF, 0xFFFFFFFF},
    };
    for (const Case& c : cases) {
        std::uint32_t plane = c.plane;
        orvela::forms::blendPremultiplied(PixelPlane{&plane, 1, 1, 1},
                                          PixelSource{&c.source, 1, 1, 1}, 0, 0, {0, 0, 1, 1});
        EXPECT_EQ(plane, c.expected) << c.what;
    }
}

// Long rows, done several pixels at a time where the processor can, agree
// pixel by pixel with the per-channel formula: every alpha, colours at,
// below and past it, over planes light, dark and mixed, at every offset.
TEST(PixelBlend, RowsAgreeWithTheRoundedFormula) {
    auto expected = [](std::uint32_t s, std::uint32_t d) {
        const std::uint32_t a = s >> 24;
        if (a == 0)
            return d;
        std::uint32_t out = 0;
        for (int shift = 0; shift < 32; shift += 8) {
            const std::uint32_t c = (s >> shift) & 0xFF, p = (d >> shift) & 0xFF;
            const std::uint32_t kept = (p * (255 - a) * 2 + 255) / 510; // rounded
            out |= std::min<std::uint32_t>(255, c + kept) << shift;
        }
        return out;
    };
    std::vector<std::uint32_t> source, plane;
    const std::uint32_t planes[] = {0xFFFFFFFF, 0xFF000000, 0x80C04020, 0x00FF7F01};
    for (std::uint32_t a = 0; a < 256; ++a)
        for (std::uint32_t c : {0u, a / 2, a, std::min(255u, a + 9)})
            for (std::uint32_t d : planes) {
                source.push_back(a << 24 | c << 16 | (a - a / 3) << 8 | (c + a) / 2);
                plane.push_back(d);
            }
    for (int offset : {0, 1, 3}) {
        std::vector<std::uint32_t> blended = plane;
        const int width = static_cast<int>(source.size()) - offset;
        orvela::forms::blendPremultiplied({blended.data() + offset, width, 1, width},
                                          {source.data(), width, 1, width}, 0, 0, {0, 0, width, 1});
        for (int i = 0; i < width; ++i)
            ASSERT_EQ(blended[static_cast<std::size_t>(i + offset)],
                      expected(source[static_cast<std::size_t>(i)],
                               plane[static_cast<std::size_t>(i + offset)]))
                << std::hex << "source " << source[static_cast<std::size_t>(i)] << " offset "
                << offset;
    }
}

TEST(PixelBlend, InkedAreaHoldsEveryPixelWithAlpha) {
    using orvela::forms::PixelRect;
    struct Case {
        const char* what;
        std::vector<std::string> rows; // '#' some alpha, '.' none (colour bits set)
        PixelRect expected;
    };
    const Case cases[] = {
        {"wholly transparent", {"...", "..."}, {}},
        {"one pixel", {"....", "..#.", "...."}, {2, 1, 3, 2}},
        {"opposite corners", {"#...", "....", "...#"}, {0, 0, 4, 3}},
        {"rows apart", {".#..", "....", "..#."}, {1, 0, 3, 3}},
    };
    for (const Case& c : cases) {
        const int w = static_cast<int>(c.rows[0].size()), h = static_cast<int>(c.rows.size());
        std::vector<std::uint32_t> pixels;
        for (const std::string& row : c.rows)
            for (char p : row)
                pixels.push_back(p == '#' ? 0x01000000u : 0x00FFFFFFu);
        EXPECT_EQ(orvela::forms::inkedArea({pixels.data(), w, h, w}), c.expected) << c.what;
    }
}

TEST(PixelBlend, TouchesOnlyTheAreaThePlaneAndTheSourceShare) {
    using orvela::forms::PixelRect;
    // A 3 x 2 opaque source (pixel values 1..6) placed on a 5 x 4 plane of
    // rows 6 wide (one pixel of padding that must stay), clipped by area.
    const std::vector<std::uint32_t> source = {0xFF000001, 0xFF000002, 0xFF000003,
                                               0xFF000004, 0xFF000005, 0xFF000006};
    struct Case {
        const char* what;
        int x, y;
        PixelRect area;
        std::vector<std::string> rows; // '.' untouched, digits the source pixel
    };
    const Case cases[] = {
        {"inside", 1, 1, {0, 0, 5, 4}, {".....", ".123.", ".456.", "....."}},
        {"cut by the area", 1, 1, {2, 0, 5, 2}, {".....", "..23.", ".....", "....."}},
        {"hanging over the top-left", -1, -1, {0, 0, 5, 4}, {"56...", ".....", ".....", "....."}},
        {"hanging over the bottom-right", 3, 3, {0, 0, 9, 9}, {".....", ".....", ".....", "...12"}},
        {"area outside the plane", 0, 0, {-5, -5, 0, 9}, {".....", ".....", ".....", "....."}},
        {"empty area", 0, 0, {2, 2, 2, 3}, {".....", ".....", ".....", "....."}},
    };
    for (const Case& c : cases)
        for (bool blend : {false, true}) {
            std::vector<std::uint32_t> plane(6 * 4, 0xAA);
            const orvela::forms::PixelPlane target{plane.data(), 5, 4, 6};
            const orvela::forms::PixelSource from{source.data(), 3, 2, 3};
            if (blend)
                orvela::forms::blendPremultiplied(target, from, c.x, c.y, c.area);
            else
                orvela::forms::copyPixels(target, from, c.x, c.y, c.area);
            for (int y = 0; y < 4; ++y) {
                std::string row;
                for (int x = 0; x < 5; ++x) {
                    const std::uint32_t p = plane[static_cast<std::size_t>(y) * 6 + x];
                    row += p == 0xAA ? '.' : static_cast<char>('0' + (p & 0xFF));
                }
                EXPECT_EQ(row, c.rows[static_cast<std::size_t>(y)])
                    << c.what << (blend ? ", blended" : ", copied") << ", row " << y;
                EXPECT_EQ(plane[static_cast<std::size_t>(y) * 6 + 5], 0xAAu) << c.what;
            }
        }
}

} // namespace
