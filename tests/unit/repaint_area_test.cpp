// What a tick of the main timer hands the front end to repaint: the areas of
// the controls that changed, not a few large rectangles around them.

#include "started_app.h"

#include "forms/repaint_tiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace orvela::test {
namespace {

using forms::Rect;

// What of a control shows: where, whether, and with what.
struct Face {
    Rect rect;
    bool visible;
    std::string caption;
    forms::Picture picture;
    float x1, y1, x2, y2;
    forms::Color fore, back;
    bool operator==(const Face&) const = default;
};

std::map<const forms::Control*, Face> faces(const forms::Form& form) {
    std::map<const forms::Control*, Face> out;
    for (const auto& c : form.controls())
        out[c.get()] = {c->formRect(),  c->effectivelyVisible(),
                        c->caption(),   c->picture(),
                        c->x1(),        c->y1(),
                        c->x2(),        c->y2(),
                        c->foreColor(), c->backColor()};
    return out;
}

// The pixels (15 twips each) of a set of rectangles, each counted once.
class Coverage {
public:
    Coverage(int width, int height) : width_(width), height_(height), on_(width * height) {}
    void add(const Rect& r) {
        const int l = std::max(0, static_cast<int>(std::floor(r.left / 15)));
        const int t = std::max(0, static_cast<int>(std::floor(r.top / 15)));
        const int ri = std::min(width_, static_cast<int>(std::ceil(r.right() / 15)));
        const int b = std::min(height_, static_cast<int>(std::ceil(r.bottom() / 15)));
        for (int y = t; y < b; ++y)
            for (int x = l; x < ri; ++x)
                on_[static_cast<std::size_t>(y * width_ + x)] = true;
    }
    void add(const forms::PixelRect& r) {
        for (int y = std::max(0, r.top); y < std::min(height_, r.bottom); ++y)
            for (int x = std::max(0, r.left); x < std::min(width_, r.right); ++x)
                on_[static_cast<std::size_t>(y * width_ + x)] = true;
    }
    long count() const { return std::count(on_.begin(), on_.end(), true); }
    bool covers(const Coverage& o) const {
        for (std::size_t i = 0; i < on_.size(); ++i)
            if (o.on_[i] && !on_[i])
                return false;
        return true;
    }

private:
    int width_, height_;
    std::vector<bool> on_;
};

TEST(RepaintArea, ATickRepaintsWhatChangedAndLittleMore) {
    const auto desktop = std::filesystem::temp_directory_path() /
                         ("orvela-area-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(desktop);
    for (int i = 0; i < 100; ++i)
        std::ofstream(desktop / ("Document " + std::to_string(i) + ".txt")) << i;
    for (const char* variant : {"1", "2", "3"}) {
        SCOPED_TRACE(testing::Message() << "variant " << variant);
        AppOptions o;
        o.deskvar = variant;
        o.desktop = desktop.string();
        StartedApp app(o);
        app.tick(12);
        for (int t = 0; t < 10; ++t) {
            (void)app.form2().takeDirty();
            const auto before = faces(app.form2());
            app.tick();
            const auto after = faces(app.form2());
            Coverage changed(1024, 768), repainted(1024, 768);
            for (const auto& [control, face] : after) {
                const Face& was = before.at(control);
                if (face == was)
                    continue;
                if (was.visible)
                    changed.add(was.rect);
                if (face.visible)
                    changed.add(face.rect);
            }
            const std::vector<Rect> dirty = app.form2().takeDirty();
            for (const Rect& r : dirty)
                repainted.add(r);
            EXPECT_TRUE(repainted.covers(changed)) << "tick " << t;
            EXPECT_LE(repainted.count(), changed.count() * 3 / 2 + 1024) << "tick " << t;
            // What the window is told: the same rounded out to tiles, a few
            // hundred rectangles at most, still within half as much again.
            const std::vector<forms::PixelRect> tiles = forms::repaintTiles(dirty);
            Coverage told(1024, 768);
            for (const forms::PixelRect& r : tiles)
                told.add(r);
            EXPECT_TRUE(told.covers(repainted)) << "tick " << t;
            EXPECT_LE(told.count(), changed.count() * 3 / 2 + 4096) << "tick " << t;
            EXPECT_LE(tiles.size(), 300u) << "tick " << t;
        }
    }
    std::error_code ec;
    std::filesystem::remove_all(desktop, ec);
}

TEST(RepaintArea, TilesFormARegion) {
    using forms::PixelRect;
    const int T = forms::repaintTile;
    // Twips of whole pixels: a pixel rectangle [l, r) is Rect{15 l, 15 t, ...}
    // less its margin pixel, so a box ending one pixel short of a tile
    // edge stays within that tile.
    auto px = [](int l, int t, int r, int b) {
        return Rect{15.0f * l, 15.0f * t, 15.0f * (r - l - 1), 15.0f * (b - t - 1)};
    };
    struct Case {
        const char* what;
        std::vector<Rect> dirty;
        std::vector<PixelRect> expected;
    };
    const Case cases[] = {
        {"nothing", {}, {}},
        {"an empty rectangle", {Rect{30, 30, 0, 15}}, {}},
        {"one tile", {px(1, 1, 5, 5)}, {{0, 0, T, T}}},
        {"the margin pixel crosses into the next tile",
         {px(0, 0, T + 1, T + 1)},
         {{0, 0, 2 * T, 2 * T}}},
        {"two overlapping boxes: bands with their runs",
         {px(0, 0, 2 * T, T), px(T, 0, 3 * T, 3 * T)},
         {{0, 0, 3 * T, T}, {T, T, 3 * T, 3 * T}}},
        {"two apart in one band, joined down the rows they share",
         {px(0, 0, T, 2 * T), px(4 * T, 0, 5 * T, 2 * T)},
         {{0, 0, T, 2 * T}, {4 * T, 0, 5 * T, 2 * T}}},
        {"left of and above the window", {px(-T - 3, -2, -T + 1, 1)}, {{-2 * T, -T, 0, T}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(forms::repaintTiles(c.dirty), c.expected) << c.what;
}

} // namespace
} // namespace orvela::test
