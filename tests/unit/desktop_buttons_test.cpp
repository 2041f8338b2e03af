// The mouse handlers of the main window on the started program: menu
// placement, the Start toggle, switching off and restarting by click or
// double click per variant, the recycle bin text, item information and the
// variant-2 clock, the hover faces, and the variant-3 strip's pause.

#include "shell/item_info.h"
#include "shell/popup_menu.h"
#include "started_app.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace orvela;
using forms::Event;
using forms::EventType;
using test::AppOptions;
using test::StartedApp;
using Calls = std::vector<std::string>;

AppOptions variant(const char* deskvar) {
    AppOptions o;
    o.deskvar = deskvar;
    return o;
}

void send(StartedApp& app, const char* control, EventType type, int index = -1,
          int button = forms::noButton, float x = 0, float y = 0) {
    Event e{type};
    e.button = button;
    e.x = x;
    e.y = y;
    app.form2().dispatch(control[0] ? &app.c(control, index) : nullptr, e);
}

TEST(PopupMenu, PlacementFollowsThePointerAndTurnsAtTheEdges) {
    struct Case {
        float x, y, left, top;
    };
    // Window 15360 x 11520, menu 2295 x 2295.
    const Case cases[] = {
        {10, 10, 10, 10},           {1000, 1000, 940, 940},
        {30, 31, 30, -29},          {15300, 11500, 15300 + 60 - 2295, 11500 + 60 - 2295},
        {13065, 9225, 13005, 9165}, // exactly at the edges: no turn
    };
    for (const Case& c : cases) {
        const shell::MenuPlace p = shell::placeMenu(c.x, c.y, 15360, 11520, 2295, 2295);
        EXPECT_EQ(p.left, c.left) << c.x << "," << c.y;
        EXPECT_EQ(p.top, c.top) << c.x << "," << c.y;
    }
    // The lower star panel: its own right edge, no bottom rule.
    const forms::Rect panel{600, 6360, 2295, 1815};
    const shell::MenuPlace inside = shell::placeMenuOverLowerPanel(100, 1800, panel, 1000);
    EXPECT_EQ(inside.left, 640);
    EXPECT_EQ(inside.top, 8100);
    const shell::MenuPlace right = shell::placeMenuOverLowerPanel(1500, 100, panel, 1000);
    EXPECT_EQ(right.left, 600 + 1500 + 60 - 1000);
}

TEST(PopupMenu, RightReleaseOnTheBackgroundOpensItAndEntriesAct) {
    StartedApp app(variant("1"));
    send(app, "", EventType::MouseUp, -1, forms::rightButton, 1000, 1000);
    EXPECT_TRUE(app.c("Frame1").visible());
    EXPECT_EQ(app.c("Frame1").left(), 940);
    send(app, "Label9", EventType::MouseMove);
    EXPECT_EQ(app.c("Label9").backStyle(), 1);
    EXPECT_EQ(app.c("Label18").backStyle(), 0);
    send(app, "Label9", EventType::Click);
    EXPECT_FALSE(app.c("Frame1").visible());
    EXPECT_EQ(app.form2().windowState(), 1);
    send(app, "", EventType::MouseUp, -1, forms::rightButton, 10, 10);
    send(app, "", EventType::MouseUp, -1, forms::leftButton, 10, 10);
    EXPECT_FALSE(app.c("Frame1").visible());
}

TEST(DesktopButtons, StartTogglesBetweenTheTaskbarAndItsStartButton) {
    StartedApp app(variant("1"));
    app.fake().takeCalls();
    send(app, "Pusk", EventType::Click);
    EXPECT_EQ(app.setting("checkpusk").caption(), "1");
    EXPECT_EQ(app.fake().takeCalls(), (Calls{"call FindWindowA \"Shell_traywnd\" \"\"",
                                             "call SetWindowPos 65556 0 0 0 0 0 64"}));
    send(app, "Label13", EventType::Click);
    EXPECT_EQ(app.setting("checkpusk").caption(), "0");
    const Calls second = app.fake().takeCalls();
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(second.back().rfind("call ShowWindow", 0), 0u);
    app.setting("checkpusk").setCaption("x");
    send(app, "Label40", EventType::Click);
    EXPECT_EQ(app.fake().takeCalls(), (Calls{"call FindWindowA \"Shell_traywnd\" \"\""}));
    EXPECT_EQ(app.setting("checkpusk").caption(), "0");
}

TEST(DesktopButtons, SwitchOffAndRestartWantADoubleClickExceptInVariantThree) {
    struct Case {
        const char* deskvar;
        const char* control;
        EventType type;
        const char* exitCall; // nullptr: nothing happens
    };
    const Case cases[] = {
        {"1", "Vihod", EventType::Click, nullptr},
        {"1", "Label10", EventType::DblClick, "call ExitWindowsEx 25 4294967295"},
        {"1", "Perezagruzka", EventType::DblClick, "call ExitWindowsEx 19 4294967295"},
        {"2", "Label45", EventType::Click, nullptr},
        {"2", "Label45", EventType::DblClick, "call ExitWindowsEx 19 4294967295"},
        {"2", "Label46", EventType::DblClick, "call ExitWindowsEx 25 4294967295"},
        {"3", "Image28", EventType::Click, "call ExitWindowsEx 19 4294967295"},
        {"3", "Image29", EventType::Click, "call ExitWindowsEx 25 4294967295"},
        {"1", "Label19", EventType::Click, "call ExitWindowsEx 25 4294967295"},
        {"1", "Label20", EventType::Click, "call ExitWindowsEx 19 4294967295"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.deskvar) + " " + c.control);
        StartedApp app(variant(c.deskvar));
        app.fake().takeCalls();
        send(app, c.control, c.type);
        const Calls calls = app.fake().takeCalls();
        if (c.exitCall) {
            ASSERT_FALSE(calls.empty());
            EXPECT_EQ(calls.back(), c.exitCall);
        } else {
            EXPECT_TRUE(calls.empty());
        }
    }
}

TEST(DesktopButtons, FoldersOpenAndTheRecycleBinTextIsRefreshedAfterEmptying) {
    StartedApp app(variant("3"));
    app.c("korzinainf").setCaption("stale");
    app.fake().takeCalls();
    send(app, "Image26", EventType::Click);
    send(app, "Image22", EventType::Click);
    const Calls calls = app.fake().takeCalls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0],
              "call ShellExecuteA 0 \"Open\" \"C:\\\\Users\\\\me\\\\Documents\" \"\" \"\" 1");
    EXPECT_EQ(calls[1], "call SHEmptyRecycleBinA 0 \"\" 0");
    const std::string empty = "There are \r\n0 files in recycle\r\nof general size of \r\n0 kb";
    for (const char* label : {"korzinainf", "Label59", "Label33"})
        EXPECT_EQ(app.c(label).caption(), empty) << label;
}

TEST(DesktopButtons, ItemInformationReplacesTheVariantTwoClockUntilThePointerLeaves) {
    StartedApp app(variant("2"));
    send(app, "Image4", EventType::MouseMove, 1); // no item in slot 1: empty fields
    EXPECT_EQ(app.c("Label23").caption(), "Type: ");
    EXPECT_EQ(app.c("Label25").caption(), "The size of a file: ");
    EXPECT_FALSE(app.c("Label30").visible());
    EXPECT_FALSE(app.c("Label26").visible());
    send(app, "Image1", EventType::MouseMove);
    EXPECT_EQ(app.c("Label23").caption(), "");
    EXPECT_TRUE(app.c("Label30").visible());
    EXPECT_TRUE(app.c("Label32").visible());
    send(app, "Image3", EventType::MouseMove, 2);
    EXPECT_EQ(app.c("Label4").caption(), "Date of creation: ");
    send(app, "", EventType::MouseMove);
    EXPECT_EQ(app.c("Label4").caption(), "");
}

TEST(ItemInfo, ShowsASlotAndClearsForNoItemOrAnIndexOutsideTheTable) {
    StartedApp app(variant("1"));
    desktopitems::DesktopItemTable table;
    table.set(desktopitems::ItemField::DisplayName, 100, "Last");
    table.set(desktopitems::ItemField::Size, 100, "3kb");
    for (int cleared : {shell::noItem, -1, 101, 9999}) {
        shell::showItemInfo(app.form2(), table, 100);
        EXPECT_EQ(app.c("Label1").caption(), "Last");
        EXPECT_EQ(app.c("Label8").caption(), "The size of a file: 3kb");
        shell::showItemInfo(app.form2(), table, cleared);
        EXPECT_EQ(app.c("Label1").caption(), "") << cleared;
        EXPECT_EQ(app.c("Label8").caption(), "") << cleared;
    }
}

TEST(DesktopButtons, HoverLightsOneFaceAndTheBackgroundsPutThemBack) {
    StartedApp app(variant("1"));
    const auto face = [&](const char* c) { return app.c(c).picture(); };
    send(app, "Label17", EventType::MouseMove);
    EXPECT_EQ(face("Korzina"), face("but1press"));
    EXPECT_EQ(face("Pusk"), face("but1"));
    send(app, "", EventType::MouseMove);
    EXPECT_EQ(face("Korzina"), face("but1"));
    send(app, "Vihod", EventType::MouseUp, -1, forms::leftButton);
    EXPECT_EQ(face("Vihod"), face("but1press"));

    const auto holder = [&](const char* h) { return app.form1().control(h).picture(); };
    send(app, "Label38", EventType::MouseMove);
    send(app, "Label39", EventType::MouseMove); // same group: Program Files goes out
    send(app, "Label52", EventType::MouseMove); // another group: Documents stays lit
    EXPECT_EQ(face("Image6"), holder("v2pro2"));
    EXPECT_EQ(face("Image5"), holder("v2doc1"));
    EXPECT_EQ(app.c("Label36").foreColor(), 16761024u);
    EXPECT_EQ(face("Image18"), holder("v2rec1"));
    send(app, "Frame14", EventType::MouseMove);
    EXPECT_EQ(face("Image5"), holder("v2doc2"));
    EXPECT_EQ(app.c("Label36").foreColor(), 16744576u);

    send(app, "Image23", EventType::MouseMove);
    send(app, "Image22", EventType::MouseMove);
    send(app, "Frame8", EventType::MouseMove); // its own images only
    EXPECT_EQ(face("Image23"), holder("v3op"));
    EXPECT_EQ(face("Image22"), holder("v3rec1"));
    send(app, "Label59", EventType::MouseMove);
    EXPECT_EQ(face("Image22"), holder("v3rec"));
}

TEST(DesktopButtons, TheStripStopsUnderThePointerAndRestartsAtTheConfiguredStep) {
    StartedApp app(variant("3"));
    app.setting("v3shag2").setCaption("12");
    send(app, "Frame5", EventType::MouseMove);
    EXPECT_EQ(app.setting("v3shag").caption(), "0");
    const float left = app.c("Frame5").left();
    app.tick();
    EXPECT_EQ(app.c("Frame5").left(), left);
    send(app, "Label59", EventType::MouseMove); // not the background: still stopped
    EXPECT_EQ(app.setting("v3shag").caption(), "0");
    send(app, "Image20", EventType::MouseMove);
    EXPECT_EQ(app.setting("v3shag").caption(), "12");
}

TEST(DesktopButtons, ABindingToANameTheDesignLacksOrAnEventItNeverRaisesFailsAtOnce) {
    StartedApp app;
    struct Case {
        const char* control;
        EventType type;
        bool valid;
    };
    const Case cases[] = {
        {"Label9999", EventType::Click, false}, {"Label21", EventType::Click, true},
        {"Timer1", EventType::Timer, true},     {"Timer1", EventType::Click, false},
        {"Label21", EventType::Timer, false},   {"Line3", EventType::MouseMove, false},
        {"Label21", EventType::Load, false},    {"", EventType::Load, true},
        {"", EventType::Timer, false},
    };
    for (const Case& c : cases) {
        const auto bind = [&] { app.form2().on(c.control, c.type, [](const Event&) {}); };
        if (c.valid)
            EXPECT_NO_THROW(bind()) << c.control << " " << forms::eventName(c.type);
        else
            EXPECT_THROW(bind(), std::logic_error) << c.control << " " << forms::eventName(c.type);
    }
}

} // namespace
