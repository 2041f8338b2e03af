// Layout of the main window by screen height, through the whole program on
// the fake platform: the background, proportional scaling by h / 768, fonts
// rounded down, the 600-line exceptions, the overlays covering the screen,
// and the design layout when the display mode cannot be read.

#include "app/orvela_app.h"
#include "forms/runtime.h"
#include "platform/fake/fake_platform.h"
#include "shell/form2_design.h"
#include "shell/layout.h"
#include "started_app.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
#include <string>

namespace {

using namespace orvela;

using test::StartedApp;

TEST(Layout, BackgroundHolderByScreenHeight) {
    const std::pair<double, const char*> cases[] = {
        {480, "Fon800"},   {600, "Fon800"},    {650, "Fon800"},   {651, "Fon1024"},
        {768, "Fon1024"},  {820, "Fon1024"},   {821, "Fon1152"},  {864, "Fon1152"},
        {999, "Fon1152"},  {1000, "Fon1024"},  {1001, "Fon1600"}, {1024, "Fon1600"},
        {1200, "Fon1600"}, {650.5, "Fon1024"}, {999.5, "Fon1152"}};
    for (const auto& [h, holder] : cases)
        EXPECT_EQ(shell::backgroundHolderFor(h), holder) << h;
}

TEST(Layout, EachScreenGetsItsBackgroundScaleAndFullScreenOverlays) {
    struct Case {
        unsigned w, h;
        std::optional<unsigned> display;
        const char* screeny;
        const char* background;
        float buttonLeft, buttonWidth, clockPoints;
    };
    const Case cases[] = {
        {800, 600, {}, "600", "Fon800.jpg", 10125, 1312.5f, 18},
        {1024, 768, {}, "768", "Fon1024.jpg", 12960, 1680, 24},
        {1152, 864, {}, "864", "Fon1152.jpg", 14580, 1890, 27},
        {1600, 1200, {}, "1200", "Fon1600.jpg", 20250, 2625, 37},
        // Not 4:3: the width decides (s = 1.25, the column ends inside the
        // screen), or the height does and the design moves right.
        {1280, 1000, {}, "1000", "Fon1152.jpg", 16200, 2100, 30},
        {1280, 1024, {}, "1024", "Fon1152.jpg", 16200, 2100, 30},
        {1366, 768, {}, "768", "Fon1024.jpg", 12960 + 2565, 1680, 24},
        {1920, 1080, {}, "1080", "Fon1600.jpg", 18225 + 3600, 2362.5f, 33},
        {1280, 1024, 0u, "768", "Fon1024.jpg", 12960 + 1920, 1680, 24}, // the query fails
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.w << "x" << k.h << (k.display ? " failed query" : ""));
        StartedApp app(k.w, k.h, k.display);
        const float sw = static_cast<float>(k.w) * 15, sh = static_cast<float>(k.h) * 15;
        EXPECT_EQ(app.c("screeny").caption(), k.screeny);
        EXPECT_EQ(app.form2().picture().describe(), k.background);
        EXPECT_EQ(app.c("Fon").picture().describe(), k.background);
        EXPECT_FALSE(app.c("Fon").visible());
        for (const char* button : {"exitbut", "Korzina", "Vihod", "Perezagruzka"}) {
            EXPECT_FLOAT_EQ(app.c(button).left(), k.buttonLeft) << button;
            EXPECT_FLOAT_EQ(app.c(button).width(), k.buttonWidth) << button;
        }
        EXPECT_EQ(app.c("Label209").font().size, k.clockPoints);
        EXPECT_EQ(app.c("Label57").font().size, k.clockPoints);
        for (const char* cover : {"V1Frame", "V3Frame"})
            EXPECT_EQ(app.c(cover).bounds(), (forms::Rect{0, 0, sw, sh})) << cover;
        // The design's backgrounds keep its shape, centred.
        const float left = k.buttonLeft - 12960 * k.buttonWidth / 1680;
        const float dw = 15360 * k.buttonWidth / 1680, dh = 11520 * k.buttonWidth / 1680;
        for (const char* background : {"Image1", "Image19", "Image20"})
            EXPECT_EQ(app.c(background).bounds(), (forms::Rect{left, (sh - dh) / 2, dw, dh}))
                << background;
        const forms::Control& strip = app.c("Frame5");
        EXPECT_FLOAT_EQ(strip.top(), static_cast<float>(sh / 4 * 2.85));
        EXPECT_FLOAT_EQ(strip.height(), static_cast<float>(sh / 8 * 0.98));
        EXPECT_EQ(strip.left(), 0);
        EXPECT_EQ(strip.width(), 8655);
        const auto calls = app.fake().takeCalls();
        EXPECT_NE(std::find(calls.begin(), calls.end(), "call EnumDisplaySettingsA 0 -1"),
                  calls.end());
    }
}

TEST(Layout, At768EveryControlKeepsItsDesignGeometryAndFontsRoundDown) {
    StartedApp app(1024, 768);
    forms::ManualClock clock;
    forms::Runtime designRuntime(clock, 15360, 11520);
    forms::Form& design = designRuntime.addForm(shell::form2Design()).touch();
    // Placed on purpose: the overlays and strip, the file-information block, the drive panel.
    const std::set<std::string> placed = {"V1Frame", "Image1",  "V3Frame", "Image19", "Image20",
                                          "Frame5",  "Label1",  "Label2",  "Label4",  "Label8",
                                          "Frame2",  "Image13", "Label21"};
    for (const auto& d : design.controls()) {
        if (placed.count(d->name()))
            continue;
        const forms::Control& c = app.c(d->name().c_str(), d->index());
        SCOPED_TRACE(c.qualifiedName());
        EXPECT_EQ(c.bounds(), d->bounds());
        EXPECT_EQ(c.x1(), d->x1());
        EXPECT_EQ(c.y2(), d->y2());
        EXPECT_TRUE(c.font().size == d->font().size || c.font().size == std::floor(d->font().size));
    }
    const std::pair<const char*, float> fonts[] = {
        {"Label202", 8},   {"Label209", 24}, {"Label23", 13}, {"Label101", 9}, {"Label35", 9},
        {"Label26", 15},   {"Label32", 21},  {"Label30", 33}, {"Label110", 8}, {"Label103", 8},
        {"korzinainf", 8}, {"kompinfo", 8},  {"Label14", 8},  {"Label53", 8},  {"Label18", 8.25f},
        {"Label1", 12},    {"Label2", 8.25f}};
    for (const auto& [name, points] : fonts)
        EXPECT_EQ(app.c(name).font().size, points) << name;
    EXPECT_EQ(app.c("Frame5").top(), 8208);
    EXPECT_FLOAT_EQ(app.c("Frame5").height(), 1411.2f);
}

TEST(Layout, FileInformationBlockIsCentredWithAnOffsetAboveTheMiddle) {
    struct Case {
        unsigned w, h;
        const char* name;
        float left, top;
    };
    const Case cases[] = {
        {1024, 768, "Label1", 7460, 3060},         {1024, 768, "Label2", 5952.5f, 3570},
        {1024, 768, "Label4", 5772.5f, 3960},      {1024, 768, "Label8", 6440, 4260},
        {800, 600, "Label1", 5736.25f, 2390.625f}, {800, 600, "Label8", 4716.25f, 3328.125f},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.name << " at " << k.h);
        StartedApp app(k.w, k.h);
        EXPECT_FLOAT_EQ(app.c(k.name).left(), k.left);
        EXPECT_FLOAT_EQ(app.c(k.name).top(), k.top);
    }
}

TEST(Layout, At600TheRecycleTextAndTheCalendarFollowTheirOwnRules) {
    StartedApp app(800, 600);
    const forms::Control& info = app.c("korzinainf");
    EXPECT_FLOAT_EQ(info.top(), 8160 * 0.78125f - 150);
    EXPECT_FLOAT_EQ(info.height(), 855 * 0.78125f + 100);
    EXPECT_FLOAT_EQ(info.left(), 9843.75f);
    EXPECT_FLOAT_EQ(info.width(), 1886.71875f);
    EXPECT_EQ(info.font().size, 6);

    struct Cell {
        const char* name;
        float left, top, width, height;
    };
    const Cell cells[] = {
        {"Label103", 562.5f, 1757.8125f, 240, 180}, {"Label105", 972.65625f, 1757.8125f, 270, 195},
        {"Label110", 562.5f, 1945.3125f, 210, 180}, {"Label111", 773.4375f, 1945.3125f, 210, 180},
        {"Label117", 562.5f, 2109.375f, 210, 180},  {"Label151", 1828.125f, 2765.625f, 210, 180},
    };
    for (const Cell& k : cells) {
        SCOPED_TRACE(k.name);
        EXPECT_EQ(app.c(k.name).bounds(), (forms::Rect{k.left, k.top, k.width, k.height}));
        EXPECT_EQ(app.c(k.name).font().size, 8.25f);
    }
    EXPECT_EQ(app.c("Label111").left() - app.c("Label110").left(), 210.9375f);
    EXPECT_EQ(app.c("Label117").top() - app.c("Label110").top(), 164.0625f);
    EXPECT_EQ(app.c("Label101").font().size, 7); // month and year labels do scale
    EXPECT_EQ(app.c("Label102").font().size, 18);
}

TEST(Layout, AboveSevenHundredLinesCalendarCellsAndFontsScaleToo) {
    StartedApp app(1152, 864);
    EXPECT_EQ(app.c("Label110").bounds(), (forms::Rect{810, 2801.25f, 236.25f, 202.5f}));
    EXPECT_EQ(app.c("Label110").font().size, 9);
    EXPECT_EQ(app.c("Label30").font().size, 37); // 33 pt * 1.125 = 37.125
    EXPECT_EQ(app.c("Label202").font().size, 9);
    EXPECT_EQ(app.c("korzinainf").top(), 9180); // no 600-line offset
}

TEST(Layout, AFailedDisplayQueryGivesExactlyTheDesignScreenLayout) {
    StartedApp failed(1024, 768, 0u), plain(1024, 768);
    EXPECT_EQ(failed.c("screeny").caption(), "768");
    const auto& controls = plain.form2().controls();
    for (const auto& p : controls) {
        const forms::Control& f = failed.c(p->name().c_str(), p->index());
        SCOPED_TRACE(f.qualifiedName());
        EXPECT_EQ(f.bounds(), p->bounds());
        EXPECT_EQ(f.font(), p->font());
        EXPECT_EQ(f.visible(), p->visible());
    }
}

} // namespace
