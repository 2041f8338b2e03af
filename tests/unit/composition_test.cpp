// The composition rule of the main window: the design's scale and offset on
// screens of every shape, and nothing of it past the screen's edge.

#include "forms/control_kinds.h"
#include "shell/composition.h"
#include "started_app.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace orvela;

TEST(Composition, ScaleAndOffsetOnEveryScreenShape) {
    struct Case {
        unsigned w, h;
        double height;   // 768 s
        float left, top; // twips
    };
    const Case cases[] = {
        // 4:3: the design fills the screen, the numbers are the screen's own.
        {800, 600, 600, 0, 0},
        {1024, 768, 768, 0, 0},
        {1600, 1200, 1200, 0, 0},
        // Wider: the height decides, margins left and right.
        {1366, 768, 768, 2565, 0},
        {1920, 1080, 1080, 3600, 0},
        {2560, 1440, 1440, 4800, 0},
        {3440, 1440, 1440, 11400, 0},
        {3840, 2160, 2160, 7200, 0},
        {1280, 800, 800, 1600, 0},
        // Taller: the width decides, margins above and below.
        {1280, 1024, 960, 0, 480},
        {1080, 1920, 810, 0, 8325},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        const float sw = static_cast<float>(c.w) * 15, sh = static_cast<float>(c.h) * 15;
        const shell::Composition k = shell::compositionFor(c.h, sw, sh);
        EXPECT_EQ(k.height, c.height);
        EXPECT_EQ(k.left, c.left);
        EXPECT_EQ(k.top, c.top);
        const forms::Rect area = k.area();
        EXPECT_FLOAT_EQ(area.width * 3, area.height * 4) << "the design's shape";
        EXPECT_FLOAT_EQ(area.left + area.right(), sw) << "centred across";
        EXPECT_FLOAT_EQ(area.top + area.bottom(), sh) << "centred down";
    }
}

TEST(Composition, NothingShownLiesPastTheScreenEdge) {
    const std::pair<unsigned, unsigned> screens[] = {
        {800, 600},   {1024, 768},  {1280, 1024}, {1366, 768}, {1920, 1080},
        {2560, 1440}, {3440, 1440}, {3840, 2160}, {1280, 800}, {1080, 1920}};
    for (const auto& [w, h] : screens)
        for (const char* variant : {"1", "2", "3"}) {
            SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h) + " variant " + variant);
            test::AppOptions o;
            o.width = w;
            o.height = h;
            o.deskvar = variant;
            test::StartedApp app(o);
            const float sw = static_cast<float>(w) * 15, sh = static_cast<float>(h) * 15;
            for (const auto& c : app.form2().controls()) {
                // The strip scrolls through the screen by design.
                const bool inStrip =
                    c->name() == "Frame5" || (c->parent() && c->parent()->name() == "Frame5");
                if (inStrip || !c->effectivelyVisible() || c->kind() == forms::ControlKind::Line)
                    continue;
                const forms::Rect r = c->formRect();
                EXPECT_TRUE(r.left >= -0.5f && r.top >= -0.5f && r.right() <= sw + 0.5f &&
                            r.bottom() <= sh + 0.5f)
                    << c->qualifiedName() << " at " << r.left << "," << r.top << " " << r.width
                    << "x" << r.height;
            }
        }
}

} // namespace
