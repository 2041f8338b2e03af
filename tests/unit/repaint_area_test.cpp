// What a tick of the main timer hands the front end to repaint: the areas of
// the controls that changed, not a few large rectangles around them.

#include "started_app.h"

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
            for (const Rect& r : app.form2().takeDirty())
                repainted.add(r);
            EXPECT_TRUE(repainted.covers(changed)) << "tick " << t;
            EXPECT_LE(repainted.count(), changed.count() * 3 / 2 + 1024) << "tick " << t;
        }
    }
    std::error_code ec;
    std::filesystem::remove_all(desktop, ec);
}

} // namespace
} // namespace orvela::test
