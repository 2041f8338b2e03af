// The forms runtime on a small hand-made form: hit-testing, paint order,
// dirty rectangles, load-on-touch, timers, the manual clock and the uniform
// generator.

#include "forms/runtime.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace orvela::forms;

constexpr ControlDesign row(ControlKind kind, const char* name, const char* parent, float left,
                            float top, float width, float height) {
    return {.kind = kind,
            .name = name,
            .parent = parent,
            .left = left,
            .top = top,
            .width = width,
            .height = height};
}

// Twips. Box is a frame holding a frame (Box2); Spill pokes out of Box; Late
// and Cover are lightweight controls designed after windowed ones they overlap.
constexpr auto makeTestControls() {
    using K = ControlKind;
    std::array rows{row(K::Label, "Under", nullptr, 100, 100, 2000, 1000),
                    row(K::Image, "Over", nullptr, 500, 500, 2000, 1000),
                    row(K::Frame, "Box", nullptr, 3000, 3000, 4000, 3000),
                    row(K::Label, "Inner", "Box", 500, 500, 1000, 1000),
                    row(K::Label, "Spill", "Box", 3500, 2500, 2000, 2000),
                    row(K::Line, "Wire", "Box", 0, 0, 0, 0),
                    row(K::Frame, "Box2", "Box", 2000, 200, 1500, 1000),
                    row(K::Label, "Deep", "Box2", 100, 100, 500, 500),
                    row(K::Label, "Late", nullptr, 3000, 3000, 500, 500),
                    row(K::Timer, "Tick", nullptr, 9000, 100, 420, 420),
                    row(K::Frame, "Hidden", nullptr, 6000, 500, 2000, 1500),
                    row(K::Label, "HiddenChild", "Hidden", 0, 0, 2000, 1500),
                    row(K::CommandButton, "Btn", nullptr, 8500, 6500, 1000, 500),
                    row(K::Label, "Cover", nullptr, 8500, 6500, 1000, 500),
                    row(K::Label, "Off", nullptr, -500, 7500, 1000, 1000),
                    row(K::Label, "Cell", nullptr, 100, 5000, 300, 300)};
    rows[0].caption = "under";
    rows[5].y1 = rows[5].y2 = 1500; // Wire runs across Box
    rows[5].x2 = 4000;
    rows[9].interval = 100;
    rows[10].visible = false;
    rows[15].index = 1; // Cell(1..3)
    rows[15].count = 3;
    return rows;
}
constexpr auto testControls = makeTestControls();

const FormDesign testDesign{
    .name = "Test", .width = 10000, .height = 8000, .controls = testControls};

class FormsRuntime : public ::testing::Test {
protected:
    ManualClock clock;
    Runtime runtime{clock, 15360, 11520};
    Form& form = runtime.addForm(testDesign);

    Control& c(const char* name, int index = -1) { return form.control(name, index); }
};

TEST_F(FormsRuntime, HitTestFindsTheTopmostVisibleControlInItsOwnCoordinates) {
    EXPECT_EQ(form.hitTest(3600, 3600).control, nullptr); // not loaded
    form.touch();
    struct Case {
        float x, y;
        const char* expected; // qualified name; "" = the form
        float localX, localY;
    };
    const Case cases[] = {
        {200, 200, "Under", 100, 100},   {600, 600, "Over", 100, 100},
        {150, 1050, "Under", 50, 950},   {2400, 1400, "Over", 1900, 900},
        {3600, 3600, "Inner", 100, 100}, {3100, 3100, "Box", 100, 100}, // Late lies beneath
        {6600, 5600, "Spill", 100, 100}, {7200, 5600, "", 7200, 5600},  // Spill clipped by Box
        {5000, 4500, "Box", 2000, 1500}, // on Wire: lines catch nothing
        {5150, 3350, "Deep", 50, 50},    {5050, 3250, "Box2", 50, 50},
        {9100, 200, "", 9100, 200},    // Tick: timers catch nothing
        {6500, 1000, "", 6500, 1000},  // the hidden frame hides its child
        {9000, 6700, "Btn", 500, 200}, // windowed above the later Cover
        {100, 7600, "Off", 600, 100},    {200, 5100, "Cell(3)", 100, 100},
        {-10, -10, "", -10, -10},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "at " << k.x << "," << k.y);
        Hit hit = form.hitTest(k.x, k.y);
        EXPECT_EQ(hit.control ? hit.control->qualifiedName() : "", k.expected);
        EXPECT_EQ(hit.x, k.localX);
        EXPECT_EQ(hit.y, k.localY);
    }
    c("Box").setVisible(false); // uncovers Late and takes its children along
    EXPECT_EQ(form.hitTest(3100, 3100).control, &c("Late"));
    EXPECT_EQ(form.hitTest(3600, 3600).control, nullptr);
}

TEST_F(FormsRuntime, PaintOrderPutsLightweightControlsBelowWindowedOnesInEachContainer) {
    form.touch();
    std::vector<std::string> names;
    for (const Control* p : form.paintOrder())
        names.push_back(p->qualifiedName());
    const std::vector<std::string> expected = {
        "Under", "Over",  "Late",  "Tick", "Cover", "Off",  "Cell(1)", "Cell(2)",     "Cell(3)",
        "Box",   "Inner", "Spill", "Wire", "Box2",  "Deep", "Hidden",  "HiddenChild", "Btn"};
    EXPECT_EQ(names, expected);
}

TEST_F(FormsRuntime, PropertyChangesMarkTheControlsFormRectClippedByItsFrames) {
    using Change = std::function<void(Control&)>;
    struct Case {
        const char* control;
        Change change;
        std::vector<Rect> expected;
    };
    const Case cases[] = {
        {"Inner", [](Control& c) { c.setCaption("x"); }, {{3500, 3500, 1000, 1000}}},
        {"Under", [](Control& c) { c.setCaption("under"); }, {}}, // unchanged
        {"Under", [](Control& c) { c.setFontSize(8.25f); }, {}},  // unchanged
        {"Spill", [](Control& c) { c.setForeColor(255); }, {{6500, 5500, 500, 500}}},
        {"Deep", [](Control& c) { c.setCaption("d"); }, {{5100, 3300, 500, 500}}},
        // A picture that fills its frame repaints with the whole frame.
        {"Inner",
         [](Control& c) {
             c.setFillsParent(true);
             c.form().takeDirty();
             c.setCaption("x");
         },
         {{3000, 3000, 4000, 3000}}},
        {"Off", [](Control& c) { c.setCaption("o"); }, {{0, 7500, 500, 500}}}, // form clips
        {"Wire", [](Control& c) { c.setBorderColor(255); }, {{3000, 4485, 4000, 30}}},
        {"HiddenChild", [](Control& c) { c.setCaption("h"); }, {}},
        {"Hidden", [](Control& c) { c.setBackColor(0); }, {}},
        {"Tick", [](Control& c) { c.setEnabled(false); }, {}},
        {"Under",
         [](Control& c) { c.move(5000, 6000, 1000, 1000); },
         {{100, 100, 2000, 1000}, {5000, 6000, 1000, 1000}}},
        {"Under",
         [](Control& c) { c.setLeft(400); },
         {{100, 100, 2000, 1000}, {400, 100, 2000, 1000}}},
        {"Under", [](Control& c) { c.move(100, 100, 2000, 1000); }, {}},
        {"Under", [](Control& c) { c.setWidth(500); }, {{100, 100, 2000, 1000}}}, // inside old
        {"Over", [](Control& c) { c.setVisible(false); }, {{500, 500, 2000, 1000}}},
        {"Hidden", [](Control& c) { c.setVisible(true); }, {{6000, 500, 2000, 1500}}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.control);
        form.unload();
        form.touch();
        ASSERT_EQ(form.takeDirty(), std::vector<Rect>({{0, 0, 10000, 8000}}));
        k.change(c(k.control));
        EXPECT_EQ(form.takeDirty(), k.expected);
    }
    // However many changes, a bounded list still covers every marked
    // rectangle, without growing into one rectangle around all of them.
    std::vector<Rect> marked{c("Under").formRect()};
    for (int i = 0; i < 1500; ++i) {
        c("Under").move(static_cast<float>(i * 61 % 9000), static_cast<float>(i % 7 * 1100), 100,
                        100);
        marked.push_back(c("Under").formRect());
    }
    const std::vector<Rect> dirty = form.takeDirty();
    EXPECT_LE(dirty.size(), 1024u);
    Rect around;
    float area = 0;
    for (const Rect& d : dirty) {
        around = around.united(d);
        area += d.width * d.height;
    }
    EXPECT_LT(area, around.width * around.height / 4);
    for (const Rect& r : marked)
        EXPECT_TRUE(std::any_of(dirty.begin(), dirty.end(),
                                [&](const Rect& d) { return d.intersected(r) == r; }));
}

TEST_F(FormsRuntime, TouchLoadsOnceAndUnloadDropsTheControlsUntilTheNextTouch) {
    int loads = 0;
    form.onLoad([&](const Event&) {
        ++loads;
        form.control("Inner").setCaption("set by Load");
    });
    EXPECT_TRUE(form.controls().empty());
    EXPECT_EQ(form.find("Inner"), nullptr);
    EXPECT_FALSE(runtime.ended()); // nothing loaded yet
    form.touch();
    form.touch();
    form.show();
    EXPECT_EQ(loads, 1);
    EXPECT_TRUE(form.visible());
    EXPECT_EQ(c("Inner").caption(), "set by Load");
    EXPECT_EQ(form.controls().size(), testControls.size() + 2); // Cell has three elements
    EXPECT_EQ(form.find("Cell", 4), nullptr);
    EXPECT_THROW(form.control("Nope"), std::out_of_range);

    c("Under").setCaption("changed");
    c("Under").move(1, 2, 3, 4);
    c("Hidden").setVisible(true);
    c("Cell", 2).setFontSize(20);
    form.unload();
    EXPECT_FALSE(form.loaded() || form.visible() || form.hasDirty());
    EXPECT_TRUE(form.controls().empty());
    EXPECT_EQ(form.find("Under"), nullptr);
    EXPECT_TRUE(runtime.ended());

    form.touch(); // rebuilt from the design; the Load handler survived the unload
    EXPECT_EQ(loads, 2);
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(c("Under").caption(), "under");
    EXPECT_EQ(c("Under").bounds(), (Rect{100, 100, 2000, 1000}));
    EXPECT_FALSE(c("Hidden").visible());
    EXPECT_EQ(c("Cell", 2).font().size, 8.25f);
}

TEST_F(FormsRuntime, AFrameMovedWhileItsClippedBoxStaysMarksOnlyWhatItHolds) {
    form.touch();
    c("Box2").move(-3000, 200, 10000, 1000); // wider than Box on both sides
    c("Deep").setLeft(3500);                 // where Box shows it
    form.takeDirty();
    const Rect was = c("Deep").formRect();
    c("Box2").setLeft(-3100); // Deep moves with it, and only Deep is repainted
    EXPECT_EQ(form.takeDirty(), std::vector<Rect>({was, c("Deep").formRect()}));
    c("Deep").setVisible(false);
    form.takeDirty();
    c("Box2").setLeft(-3200);
    EXPECT_TRUE(form.takeDirty().empty());
    c("Box2").setTop(300); // the clipped box changes
    EXPECT_FALSE(form.takeDirty().empty());
}

TEST_F(FormsRuntime, EachTimerFiresWhenItsOwnIntervalHasPassed) {
    int fired = 0;
    form.on("Tick", EventType::Timer, [&](const Event&) { ++fired; });
    auto firesOver = [&](int steps) {
        fired = 0;
        for (int i = 0; i < steps; ++i)
            runtime.advance(100);
        return fired;
    };
    EXPECT_EQ(firesOver(3), 0); // not loaded
    form.touch();
    EXPECT_EQ(firesOver(5), 5);
    c("Tick").setInterval(250); // re-armed: fires after 300 and 500 ms
    EXPECT_EQ(firesOver(5), 2);
    runtime.advance(1000); // a long wait fires once, as one pending WM_TIMER
    EXPECT_EQ(fired, 3);
    c("Tick").setEnabled(false);
    EXPECT_FALSE(c("Tick").timerRuns());
    EXPECT_EQ(firesOver(5), 0);
    c("Tick").setEnabled(true);
    c("Tick").setInterval(0);
    EXPECT_EQ(firesOver(5), 0);
}

TEST(ManualClock, AdvancesAcrossDayMonthYearAndLeapDays) {
    struct Case {
        DateTime start;
        std::int64_t ms;
        DateTime expected;
    };
    const std::int64_t day = 86400000;
    const Case cases[] = {
        {{2004, 12, 31, 23, 59, 59, 950}, 100, {2005, 1, 1, 0, 0, 0, 50}},
        {{2004, 2, 28, 23, 59, 59, 900}, 100, {2004, 2, 29, 0, 0, 0, 0}},
        {{2004, 2, 29, 23, 59, 59, 999}, 1, {2004, 3, 1, 0, 0, 0, 0}},
        {{2003, 2, 28, 23, 59, 59, 999}, 1, {2003, 3, 1, 0, 0, 0, 0}},
        {{1900, 2, 28, 12, 0, 0, 0}, day, {1900, 3, 1, 12, 0, 0, 0}},
        {{2000, 2, 28, 12, 0, 0, 0}, day, {2000, 2, 29, 12, 0, 0, 0}},
        {{2004, 4, 30, 23, 59, 59, 999}, 1, {2004, 5, 1, 0, 0, 0, 0}},
        {{2004, 10, 1, 12, 0, 0, 0}, 36 * day + 3723004, {2004, 11, 6, 13, 2, 3, 4}},
        {{2005, 1, 1, 0, 0, 0, 0}, -1, {2004, 12, 31, 23, 59, 59, 999}},
        {{2004, 3, 1, 0, 0, 0, 0}, -day, {2004, 2, 29, 0, 0, 0, 0}},
    };
    for (const Case& k : cases) {
        ManualClock clock(k.start);
        clock.advanceMilliseconds(k.ms);
        const DateTime t = clock.now();
        EXPECT_EQ(t, k.expected) << t.year << "-" << t.month << "-" << t.day << " " << t.hour << ":"
                                 << t.minute << ":" << t.second << "." << t.millisecond;
    }
    ManualClock ticking({2004, 12, 31, 23, 0, 0, 0});
    for (int i = 0; i < 36000; ++i)
        ticking.advanceMilliseconds(100);
    EXPECT_EQ(ticking.now(), (DateTime{2005, 1, 1, 0, 0, 0, 0}));
}

TEST(UniformRandom, RepeatsTheSameSequenceOnEveryRunWithinTheUnitInterval) {
    // The first numbers of the unseeded 24-bit sequence.
    ManualClock clock;
    Runtime runtime(clock, 15360, 11520);
    for (float expected : {0.7055475f, 0.5334240f, 0.5795186f, 0.2895625f, 0.3019480f})
        EXPECT_FLOAT_EQ(runtime.random().next(), expected);

    UniformRandom random;
    const float start = random.next();
    float lowest = 1, highest = 0;
    for (std::uint32_t i = 1; i < (1u << 24); ++i) {
        const float v = random.next();
        lowest = std::min(lowest, v);
        highest = std::max(highest, v);
    }
    EXPECT_EQ(lowest, 0.0f);
    EXPECT_LT(highest, 1.0f);
    EXPECT_EQ(random.next(), start); // the full period of 2^24
}

} // namespace
