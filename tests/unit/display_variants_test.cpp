// The tick of the three display variants: the ring's angle accumulator and
// positions, the strip, the midnight refresh of variant 1, what variants 2
// and 3 never touch, and an unknown deskvar.

#include "shell/display_variants.h"
#include "started_app.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace orvela;

test::AppOptions withVariant(const char* deskvar) {
    test::AppOptions o;
    o.deskvar = deskvar;
    return o;
}

// Lays out n ring items, as a scan of n files does.
void giveRingItems(test::StartedApp& app, int n) {
    app.layout().layoutDesktopItems(n);
}

// Everything of variant 1 that only its own tick may move.
std::vector<float> variantOneState(test::StartedApp& app) {
    std::vector<float> out;
    for (const char* line : {"Line1", "Line2", "Line3", "Line4"}) {
        const forms::Control& l = app.c(line);
        out.insert(out.end(), {l.x1(), l.y1(), l.x2(), l.y2()});
    }
    for (int i = 0; i <= 101; ++i)
        out.insert(out.end(), {app.c("Image3", i).left(), app.c("Image3", i).top(),
                               app.c("Label6", i).left(), app.c("Label6", i).top()});
    return out;
}

TEST(DisplayVariants, Geometry) {
    const shell::TwipsPoint centre = shell::clockCentre(15360, 11520, 1);
    EXPECT_EQ(centre.x, 7880);
    EXPECT_EQ(centre.y, 5510);
    for (auto [v, rounded] : {std::pair{2.5, 2.0}, {3.5, 4.0}, {-2.5, -2.0}, {7.49, 7.0}})
        EXPECT_EQ(shell::roundHalfEven(v), rounded) << v;
    // Ring of 4 at A = 0: item 0 at twelve o'clock, item 1 at three.
    const shell::TwipsPoint top = shell::ringIconPosition(0, 4, 0, centre, 1);
    const shell::TwipsPoint right = shell::ringIconPosition(1, 4, 0, centre, 1);
    EXPECT_EQ(top.x, 7640);
    EXPECT_EQ(top.y, 770);
    EXPECT_EQ(right.x, 12140);
    EXPECT_EQ(right.y, 5270);
    // The strip creeps left until its right edge reaches the screen's, then
    // starts again at -2d; with d = 0 it stands, or goes to 0 once at the edge.
    struct Strip {
        float left, width, step, next;
    };
    const Strip strips[] = {{0, 40000, 15, -15},      {-24000, 40000, 15, -24015},
                            {-24640, 40000, 15, -30}, {-30, 8655, 15, -30},
                            {-100, 40000, 0, -100},   {-24640, 40000, 0, 0}};
    for (const Strip& s : strips)
        EXPECT_EQ(shell::nextStripLeft(s.left, s.width, 15360, s.step), s.next) << s.left;
}

TEST(DisplayVariants, AccumulatorGrowsByTwoFifthsOfTheSpeedAndWrapsAbove36000) {
    test::StartedApp app;
    app.tick();
    EXPECT_EQ(app.c("Label7").caption(), "2");
    app.c("Label7").setCaption("35998");
    app.tick();
    EXPECT_EQ(app.c("Label7").caption(), "36000");
    app.tick();
    EXPECT_EQ(app.c("Label7").caption(), "0");
    app.setting("V1speed").setCaption("2.5");
    app.tick();
    EXPECT_EQ(app.c("Label7").caption(), "1");
}

TEST(DisplayVariants, RingTurnsWithTheAccumulatorAndStandsAtSpeedZero) {
    test::StartedApp app;
    giveRingItems(app, 4);
    app.c("Label7").setCaption("1088"); // + 2 = 1090: a quarter turn back
    app.tick();
    EXPECT_EQ(app.c("Image3", 1).left(), 7640); // item 1 moved up to twelve o'clock
    EXPECT_EQ(app.c("Image3", 1).top(), 770);
    EXPECT_EQ(app.c("Label6", 1).left(), 7640 + 240 - 720);
    EXPECT_EQ(app.c("Label6", 1).top(), 770 + 490);

    int second = 0;
    for (const char* still : {"0", "abc"}) {
        SCOPED_TRACE(still);
        app.setting("V1speed").setCaption(still);
        const std::vector<float> before = variantOneState(app);
        app.tickAt({2004, 10, 1, 12, 30, second += 10, 0});
        const std::vector<float> after = variantOneState(app);
        EXPECT_NE(std::vector<float>(after.begin(), after.begin() + 16),
                  std::vector<float>(before.begin(), before.begin() + 16)); // hands move
        EXPECT_EQ(std::vector<float>(after.begin() + 16, after.end()),
                  std::vector<float>(before.begin() + 16, before.end())); // the ring stands
    }
}

TEST(DisplayVariants, AStillRingIsPlacedOnceForItsItems) {
    test::StartedApp app;
    app.setting("V1speed").setCaption("0");
    giveRingItems(app, 4);
    app.tick();
    EXPECT_EQ(app.c("Image3", 1).left(), 12140); // placed: item 1 at three o'clock
    app.c("Image3", 1).setLeft(0);
    app.tick(3);
    EXPECT_EQ(app.c("Image3", 1).left(), 0); // and then left alone
}

TEST(DisplayVariants, NoItemsStillMovesTheHands) {
    test::StartedApp app;
    app.tickAt({2004, 10, 1, 12, 0, 15, 0});
    EXPECT_EQ(app.c("Line1").x2(), 11680);
    EXPECT_EQ(app.c("Image3", 0).left(), 7640); // design place: no ring to turn
}

TEST(DisplayVariants, VariantsTwoAndThreeNeverTouchTheClockOrTheRing) {
    for (const char* deskvar : {"2", "3"}) {
        SCOPED_TRACE(deskvar);
        test::StartedApp app(withVariant(deskvar));
        giveRingItems(app, 5);
        const std::vector<float> before = variantOneState(app);
        app.tick(25);
        app.tickAt({2004, 10, 2, 0, 0, 2, 0});
        EXPECT_EQ(variantOneState(app), before);
        EXPECT_EQ(app.c("Label7").caption(), "0");
        EXPECT_EQ(app.c("Label102").caption(), "2004");
        EXPECT_EQ(app.c("Label101").caption(), "October"); // no midnight refresh
    }
}

TEST(DisplayVariants, EveryVariantShowsTheNewDayAtItsFirstTick) {
    for (const char* deskvar : {"1", "2", "3"}) {
        SCOPED_TRACE(deskvar);
        test::AppOptions o = withVariant(deskvar);
        o.now = {2004, 10, 31, 23, 59, 59, 0};
        test::StartedApp app(o);
        app.tick(9); // 23:59:59.9
        EXPECT_EQ(app.c("Label101").caption(), "October");
        app.tick(); // 00:00:00.0
        EXPECT_EQ(app.c("Label101").caption(), "November");
        EXPECT_EQ(app.setting("dennn").caption(), "1");
        EXPECT_EQ(app.c("Label202").caption(), "Monday 11/1/2004");
    }
}

TEST(DisplayVariants, ClockSetOrWakingFromSleepShowsTodayAtOnce) {
    test::StartedApp app;
    app.clock().set({2005, 3, 9, 8, 0, 0, 0}); // asleep since October
    app.program().clockChanged();
    EXPECT_EQ(app.c("Label102").caption(), "2005");
    EXPECT_EQ(app.c("Label101").caption(), "March");
    EXPECT_EQ(app.c("Label202").caption(), "Wednesday 3/9/2005");
}

TEST(DisplayVariants, StripStepsAndJumpsBackOnTheScreensWidth) {
    test::StartedApp app(withVariant("3"));
    EXPECT_EQ(app.setting("v3shag2").caption(), "15");
    forms::Control& strip = app.c("Frame5");
    strip.setWidth(15360 + 300);
    app.tick(); // at 0 the right edge is 300 past the screen's
    EXPECT_EQ(strip.left(), -15);
    app.tick(20);
    EXPECT_EQ(strip.left(), -30); // crept to -300, then jumped back to -2d
    app.setting("v3shag").setCaption("bad");
    app.tick(3);
    EXPECT_EQ(strip.left(), -30);
}

TEST(DisplayVariants, AnUnknownVariantShowsVariantOneAndKeepsItsText) {
    for (const char* deskvar : {"", "7", "x"}) {
        SCOPED_TRACE(deskvar);
        test::StartedApp app(withVariant(deskvar));
        EXPECT_FALSE(app.c("V1Frame").visible());
        EXPECT_FALSE(app.c("V3Frame").visible());
        app.tickAt({2004, 10, 1, 12, 0, 15, 0});
        EXPECT_EQ(app.c("Line1").x2(), 11680);
        EXPECT_EQ(app.setting("deskvar").caption(), deskvar);
    }
}

} // namespace
