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

// Twips. Box is a frame holding a frame (Box2); Spill pokes out of Box; Late
// and Cover are lightweight controls designed after windowed ones they overlap.
constexpr std::array testControls{
    ControlDesign{.kind = ControlKind::Label, .name = "Under", .left = 100, .top = 100,
                  .width = 2000, .height = 1000, .caption = "under"},
    ControlDesign{.kind = ControlKind::Image, .name = "Over", .left = 500, .top = 500,
                  .width = 2000, .height = 1000},
    ControlDesign{.kind = ControlKind::Frame, .name = "Box", .left = 3000, .top = 3000,
                  .width = 4000, .height = 3000},
    ControlDesign{.kind = ControlKind::Label, .name = "Inner", .parent = "Box", .left = 500,
                  .top = 500, .width = 1000, .height = 1000},
    ControlDesign{.kind = ControlKind::Label, .name = "Spill", .parent = "Box", .left = 3500,
                  .top = 2500, .width = 2000, .height = 2000},
    ControlDesign{.kind = ControlKind::Line, .name = "Wire", .parent = "Box", .x1 = 0,
                  .y1 = 1500, .x2 = 4000, .y2 = 1500},
    ControlDesign{.kind = ControlKind::Frame, .name = "Box2", .parent = "Box", .left = 2000,
                  .top = 200, .width = 1500, .height = 1000},
    ControlDesign{.kind = ControlKind::Label, .name = "Deep", .parent = "Box2", .left = 100,
                  .top = 100, .width = 500, .height = 500},
    ControlDesign{.kind = ControlKind::Label, .name = "Late", .left = 3000, .top = 3000,
                  .width = 500, .height = 500},
    ControlDesign{.kind = ControlKind::Timer, .name = "Tick", .left = 9000, .top = 100,
                  .width = 420, .height = 420, .interval = 100},
    ControlDesign{.kind = ControlKind::Frame, .name = "Hidden", .left = 6000, .top = 500,
                  .width = 2000, .height = 1500, .visible = false},
    ControlDesign{.kind = ControlKind::Label, .name = "HiddenChild", .parent = "Hidden",
                  .width = 2000, .height = 1500},
    ControlDesign{.kind = ControlKind::CommandButton, .name = "Btn", .left = 8500, .top = 6500,
                  .width = 1000, .height = 500},
    ControlDesign{.kind = ControlKind::Label, .name = "Cover", .left = 8500, .top = 6500,
                  .width = 1000, .height = 500},
    ControlDesign{.kind = ControlKind::Label, .name = "Off", .left = -500, .top = 7500,
                  .width = 1000, .height = 1000},
    ControlDesign{.kind = ControlKind::Label, .name = "Cell", .index = 1, .count = 3,
                  .left = 100, .top = 5000, .width = 300, .height = 300},
};

const FormDesign testDesign{.name = "Test", .width = 10000, .height = 8000,
                            .controls = testControls};

class FormsRuntime : public ::testing::Test {
protected:
    ManualClock clock;
    Runtime runtime{clock, 15360, 11520};
    Form& form = runtime.addForm(testDesign);

    Control& c(const char* name, int index = -1) { return form.control(name, index); }
};

TEST_F(FormsRuntime, HitTestFindsTheTopmostVisibleControlInItsOwnCoordinates) {
    form.touch();
    struct Case {
        float x, y;
        const char* expected; // qualified name; "" = the form
        float localX, localY;
    };
    const Case cases[] = {
        {200, 200, "Under", 100, 100},    {600, 600, "Over", 100, 100},
        {150, 1050, "Under", 50, 950},    {2400, 1400, "Over", 1900, 900},
        {3600, 3600, "Inner", 100, 100},  {3100, 3100, "Box", 100, 100}, // Late lies beneath
        {6600, 5600, "Spill", 100, 100},  {7200, 5600, "", 7200, 5600},  // Spill clipped by Box
        {5000, 4500, "Box", 2000, 1500},  // on Wire: lines catch nothing
        {5150, 3350, "Deep", 50, 50},     {5050, 3250, "Box2", 50, 50},
        {9100, 200, "", 9100, 200},       // Tick: timers catch nothing
        {6500, 1000, "", 6500, 1000},     // the hidden frame hides its child
        {9000, 6700, "Btn", 500, 200},    // windowed above the later Cover
        {100, 7600, "Off", 600, 100},     {200, 5100, "Cell(3)", 100, 100},
        {-10, -10, "", -10, -10},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "at " << k.x << "," << k.y);
        Hit hit = form.hitTest(k.x, k.y);
        EXPECT_EQ(hit.control ? hit.control->qualifiedName() : "", k.expected);
        EXPECT_EQ(hit.x, k.localX);
        EXPECT_EQ(hit.y, k.localY);
    }
}

TEST_F(FormsRuntime, HitTestFollowsVisibilityChangesAndSkipsAnUnloadedForm) {
    EXPECT_EQ(form.hitTest(3600, 3600).control, nullptr); // not loaded: nothing to hit
    form.touch();
    c("Inner").setVisible(false);
    EXPECT_EQ(form.hitTest(3600, 3600).control, &c("Box"));
    c("Hidden").setVisible(true);
    EXPECT_EQ(form.hitTest(6500, 1000).control, &c("HiddenChild"));
    c("Box").setVisible(false);
    EXPECT_EQ(form.hitTest(3100, 3100).control, &c("Late"));
    EXPECT_EQ(form.hitTest(5150, 3350).control, nullptr);
}

TEST_F(FormsRuntime, PaintOrderPutsLightweightControlsBelowWindowedOnesInEachContainer) {
    form.touch();
    std::vector<std::string> names;
    for (const Control* p : form.paintOrder())
        names.push_back(p->qualifiedName());
    const std::vector<std::string> expected = {
        "Under", "Over",  "Late",  "Tick", "Cover", "Off",         "Cell(1)", "Cell(2)",
        "Cell(3)", "Box", "Inner", "Spill", "Wire", "Box2",        "Deep",    "Hidden",
        "HiddenChild", "Btn"};
    EXPECT_EQ(names, expected);
}

TEST_F(FormsRuntime, PropertyChangesMarkTheControlsFormRectClippedByItsFrames) {
    form.touch();
    struct Case {
        const char* what;
        std::function<void(Form&)> change;
        std::vector<Rect> expected;
    };
    const Case cases[] = {
        {"caption", [](Form& f) { f.control("Inner").setCaption("x"); },
         {{3500, 3500, 1000, 1000}}},
        {"unchanged caption", [](Form& f) { f.control("Under").setCaption("under"); }, {}},
        {"unchanged font", [](Form& f) { f.control("Under").setFontSize(8.25f); }, {}},
        {"clipped by its frame", [](Form& f) { f.control("Spill").setForeColor(255); },
         {{6500, 5500, 500, 500}}},
        {"in a frame in a frame", [](Form& f) { f.control("Deep").setCaption("d"); },
         {{5100, 3300, 500, 500}}},
        {"clipped by the form", [](Form& f) { f.control("Off").setCaption("o"); },
         {{0, 7500, 500, 500}}},
        {"line with its width", [](Form& f) { f.control("Wire").setBorderColor(255); },
         {{3000, 4485, 4000, 30}}},
        {"inside a hidden frame", [](Form& f) { f.control("HiddenChild").setCaption("h"); },
         {}},
        {"hidden control", [](Form& f) { f.control("Hidden").setBackColor(0); }, {}},
        {"timer", [](Form& f) { f.control("Tick").setEnabled(false); }, {}},
        {"move", [](Form& f) { f.control("Under").move(5000, 6000, 1000, 1000); },
         {{100, 100, 2000, 1000}, {5000, 6000, 1000, 1000}}},
        {"left", [](Form& f) { f.control("Under").setLeft(400); },
         {{100, 100, 2000, 1000}, {400, 100, 2000, 1000}}},
        {"unchanged move", [](Form& f) { f.control("Under").move(100, 100, 2000, 1000); }, {}},
        {"shrink", [](Form& f) { f.control("Under").setWidth(500); },
         {{100, 100, 2000, 1000}}}, // the new rect lies inside the old one
        {"hide", [](Form& f) { f.control("Over").setVisible(false); },
         {{500, 500, 2000, 1000}}},
        {"show", [](Form& f) { f.control("Hidden").setVisible(true); },
         {{6000, 500, 2000, 1500}}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        form.unload();
        form.touch();
        ASSERT_EQ(form.takeDirty(), std::vector<Rect>({{0, 0, 10000, 8000}}));
        k.change(form);
        EXPECT_EQ(form.takeDirty(), k.expected);
    }
}

TEST_F(FormsRuntime, ManyChangesStayCoveredByABoundedDirtyList) {
    form.touch();
    form.takeDirty();
    std::vector<Rect> marked{c("Under").formRect()};
    for (int i = 0; i < 60; ++i) {
        c("Under").move(static_cast<float>(i * 150), static_cast<float>(6000 + i % 7 * 200), 100,
                        100);
        marked.push_back(c("Under").formRect());
    }
    std::vector<Rect> dirty = form.takeDirty();
    EXPECT_LE(dirty.size(), 32u);
    for (const Rect& r : marked) {
        bool covered = false;
        for (const Rect& d : dirty)
            covered = covered || d.intersected(r) == r;
        EXPECT_TRUE(covered) << r.left << "," << r.top;
    }
}

TEST_F(FormsRuntime, TouchLoadsOnceAndUnloadDropsTheControls) {
    int loads = 0;
    form.onLoad([&](const Event&) {
        ++loads;
        form.control("Inner").setCaption("set by Load");
    });
    EXPECT_FALSE(form.loaded());
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
    EXPECT_NE(form.find("Cell", 3), nullptr);
    EXPECT_EQ(form.find("Cell", 4), nullptr);
    EXPECT_EQ(form.find("Cell"), nullptr);
    EXPECT_THROW(form.control("Nope"), std::out_of_range);

    c("Under").setCaption("changed");
    c("Under").move(1, 2, 3, 4);
    c("Hidden").setVisible(true);
    c("Cell", 2).setFontSize(20);
    form.unload();
    EXPECT_FALSE(form.loaded());
    EXPECT_FALSE(form.visible());
    EXPECT_TRUE(form.controls().empty());
    EXPECT_EQ(form.find("Under"), nullptr);
    EXPECT_FALSE(form.hasDirty());
    EXPECT_TRUE(runtime.ended());

    form.touch(); // rebuilt from the design; the Load handler survived the unload
    EXPECT_EQ(loads, 2);
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(c("Under").caption(), "under");
    EXPECT_EQ(c("Under").bounds(), (Rect{100, 100, 2000, 1000}));
    EXPECT_FALSE(c("Hidden").visible());
    EXPECT_EQ(c("Cell", 2).font().size, 8.25f);
    EXPECT_EQ(c("Inner").caption(), "set by Load");
}

TEST_F(FormsRuntime, EventsReachHandlersByNameOnlyWhileLoaded) {
    std::vector<std::string> seen;
    form.on("Cell", EventType::Click, [&](const Event& e) {
        seen.push_back(e.control->name() + " " + std::to_string(e.index));
    });
    form.on("Tick", EventType::Timer, [&](const Event&) { seen.push_back("tick"); });
    runtime.tick(); // not loaded
    form.touch();
    form.dispatch(&c("Cell", 2), Event{EventType::Click});
    form.dispatch(&c("Cell", 2), Event{EventType::DblClick}); // no handler
    runtime.tick();
    c("Tick").setInterval(0);
    runtime.tick();
    c("Tick").setInterval(100);
    c("Tick").setEnabled(false);
    runtime.tick();
    form.on({}, EventType::Click, [&](const Event&) { seen.push_back("form"); });
    form.dispatch(nullptr, Event{EventType::Click});
    form.unload();
    form.dispatch(nullptr, Event{EventType::Click});
    EXPECT_EQ(seen, std::vector<std::string>({"Cell 2", "tick", "form"}));
}

TEST(ManualClock, AdvancesAcrossDayMonthYearAndLeapDays) {
    struct Case {
        DateTime start;
        std::int64_t ms;
        DateTime expected;
    };
    const Case cases[] = {
        {{2004, 12, 31, 23, 59, 59, 950}, 100, {2005, 1, 1, 0, 0, 0, 50}},
        {{2004, 2, 28, 23, 59, 59, 900}, 100, {2004, 2, 29, 0, 0, 0, 0}},
        {{2004, 2, 29, 23, 59, 59, 999}, 1, {2004, 3, 1, 0, 0, 0, 0}},
        {{2003, 2, 28, 23, 59, 59, 999}, 1, {2003, 3, 1, 0, 0, 0, 0}},
        {{1900, 2, 28, 12, 0, 0, 0}, 86400000, {1900, 3, 1, 12, 0, 0, 0}},
        {{2000, 2, 28, 12, 0, 0, 0}, 86400000, {2000, 2, 29, 12, 0, 0, 0}},
        {{2004, 4, 30, 23, 59, 59, 999}, 1, {2004, 5, 1, 0, 0, 0, 0}},
        {{2004, 10, 1, 12, 0, 0, 0}, 36LL * 86400000 + 3723004, {2004, 11, 6, 13, 2, 3, 4}},
        {{2005, 1, 1, 0, 0, 0, 0}, -1, {2004, 12, 31, 23, 59, 59, 999}},
        {{2004, 3, 1, 0, 0, 0, 0}, -86400000, {2004, 2, 29, 0, 0, 0, 0}},
        {{1970, 1, 1, 0, 0, 0, 0}, -1, {1969, 12, 31, 23, 59, 59, 999}},
    };
    for (const Case& k : cases) {
        ManualClock clock(k.start);
        clock.advanceMilliseconds(k.ms);
        const DateTime got = clock.now();
        EXPECT_EQ(got, k.expected) << got.year << "-" << got.month << "-" << got.day << " "
                                   << got.hour << ":" << got.minute << ":" << got.second << "."
                                   << got.millisecond;
    }
}

TEST(ManualClock, TenthsOfASecondAddUpWithoutDrift) {
    ManualClock clock({2004, 12, 31, 23, 0, 0, 0});
    for (int i = 0; i < 36000; ++i)
        clock.advanceMilliseconds(100);
    EXPECT_EQ(clock.now(), (DateTime{2005, 1, 1, 0, 0, 0, 0}));
}

TEST(CivilDays, RoundTripsAndCountsFromTheEpoch) {
    EXPECT_EQ(daysFromCivil(1970, 1, 1), 0);
    EXPECT_EQ(daysFromCivil(2000, 3, 1) - daysFromCivil(2000, 2, 28), 2);
    EXPECT_EQ(daysFromCivil(2100, 3, 1) - daysFromCivil(2100, 2, 28), 1);
    for (std::int64_t d = daysFromCivil(1899, 12, 1); d < daysFromCivil(2101, 2, 1); d += 7) {
        int y = 0, m = 0, day = 0;
        civilFromDays(d, y, m, day);
        ASSERT_EQ(daysFromCivil(y, m, day), d);
    }
}

TEST(UniformRandom, RepeatsTheSameSequenceOnEveryRun) {
    // The first numbers of the unseeded 24-bit sequence.
    const float expected[] = {0.7055475f, 0.5334240f, 0.5795186f, 0.2895625f, 0.3019480f};
    ManualClock clock;
    Runtime first(clock, 15360, 11520), second(clock, 15360, 11520);
    for (float e : expected) {
        EXPECT_FLOAT_EQ(first.random().next(), e);
        EXPECT_FLOAT_EQ(second.random().next(), e);
    }
}

TEST(UniformRandom, CoversItsWholePeriodInsideTheUnitInterval) {
    UniformRandom random;
    const float start = random.next();
    float lowest = 1, highest = 0;
    for (std::uint32_t i = 1; i < (1u << 24); ++i) {
        float v = random.next();
        lowest = std::min(lowest, v);
        highest = std::max(highest, v);
    }
    EXPECT_EQ(lowest, 0.0f);
    EXPECT_LT(highest, 1.0f);
    EXPECT_EQ(random.next(), start); // period 2^24
}

} // namespace
