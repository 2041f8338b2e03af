// The star field of variant 2: the grow-and-shrink cycle, which star restarts
// on which count at the generator's point, freezing, and the same sequence
// at every start.

#include "forms/uniform_random.h"
#include "shell/star_field.h"
#include "started_app.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using namespace orvela;

struct Star {
    const char *a, *b;
    int offset;
};
constexpr std::array<Star, 6> stars = {Star{"Line8", "Line9", 0},   Star{"Line10", "Line11", 2},
                                       Star{"Line12", "Line13", 4}, Star{"Line14", "Line15", 6},
                                       Star{"Line16", "Line17", 8}, Star{"Line18", "Line19", 3}};

test::AppOptions variantTwo() {
    test::AppOptions o;
    o.deskvar = "2";
    return o;
}

std::vector<float> starCoordinates(test::StartedApp& app) {
    std::vector<float> out;
    for (const Star& s : stars)
        for (const char* name : {s.a, s.b}) {
            const forms::Control& l = app.c(name);
            out.insert(out.end(), {l.x1(), l.y1(), l.x2(), l.y2()});
        }
    return out;
}

TEST(StarField, PhaseSizesAndDrift) {
    const int n[] = {1, 2, 3, 4, 5, 4, 3, 2, 1, 0};
    const float drift[] = {-5, -10, -15, -20, -25, 20, 15, 10, 5, 0};
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(shell::starPhase(k).n, n[k - 1]) << k;
        EXPECT_EQ(shell::starPhase(k).drift, drift[k - 1]) << k;
    }
}

TEST(StarField, EachStarRestartsOnItsCountAtTheGeneratorsPointAndKeepsItsShape) {
    test::StartedApp app(variantTwo());
    forms::UniformRandom replay;                // the runtime's generator, from the same start
    const float menu = app.c("Frame1").width(); // square: its height is the same
    for (int tick = 1; tick <= 30; ++tick) {
        app.tick();
        const double x = replay.next() * menu / 2.35;
        const double y = replay.next() * menu / 2.35;
        const int c = (tick - 1) % 10 + 1;
        ASSERT_EQ(app.c("Starcoun").caption(), std::to_string(c));
        for (const Star& s : stars) {
            SCOPED_TRACE(testing::Message() << s.a << " on tick " << tick);
            int k = c + s.offset;
            if (k > 10)
                k -= 10;
            const shell::StarPhase p = shell::starPhase(k);
            const forms::Control &a = app.c(s.a), &b = app.c(s.b);
            if (k == 1) {
                EXPECT_FLOAT_EQ(a.y1(), static_cast<float>(5 * y));
                EXPECT_FLOAT_EQ(a.x1(), static_cast<float>(5 * x) + p.drift);
            }
            EXPECT_EQ(a.y2(), a.y1());
            EXPECT_NEAR(a.x2() - a.x1(), 36 * p.n, 0.01);
            EXPECT_EQ(b.x1(), b.x2());
            EXPECT_FLOAT_EQ(b.x1(), (a.x1() + a.x2()) / 2);
            EXPECT_NEAR(b.y1() - a.y1(), 36 * p.n, 0.01);
            EXPECT_NEAR(a.y1() - b.y2(), 36 * p.n, 0.01);
        }
    }
}

TEST(StarField, FreezesWithStarsOffAndResumesFromTheFrozenCount) {
    test::StartedApp app(variantTwo());
    app.tick(4);
    const std::vector<float> frozen = starCoordinates(app);
    app.setting("V2Stars").setCaption("0");
    app.tickAt({2004, 10, 1, 13, 14, 15, 0});
    EXPECT_EQ(app.c("Label31").caption(), "15"); // the clock goes on
    app.tick(7);
    EXPECT_EQ(app.c("Starcoun").caption(), "4");
    EXPECT_EQ(starCoordinates(app), frozen);
    app.setting("V2Stars").setCaption("1");
    app.tick();
    EXPECT_EQ(app.c("Starcoun").caption(), "5");
}

TEST(StarField, EveryStartGivesTheSameSequence) {
    test::StartedApp first(variantTwo()), second(variantTwo());
    first.tick(37);
    second.tick(37);
    EXPECT_EQ(starCoordinates(first), starCoordinates(second));
}

} // namespace
