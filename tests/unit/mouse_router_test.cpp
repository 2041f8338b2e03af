// The input rules of the mouse: which control receives the events, in whose
// coordinates, when a release is a click, and double clicks.
#include "forms/mouse_router.h"
#include "forms/runtime.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace orvela::test {
namespace {

using forms::ControlDesign;
using forms::ControlKind;
using forms::EventType;
using forms::MouseRouter;

constexpr float px = 15.0f; // twips of one pixel

// Every event the handlers received, as "Control.Event button x y" (x, y in
// pixels of the receiving control).
struct EventLog {
    std::vector<std::string> lines;
    void record(forms::Form& form, const std::string& control, EventType type) {
        form.on(control, type, [this, control, type](const forms::Event& e) {
            std::string line = control.empty() ? std::string("Form") : control;
            line.append(".").append(forms::eventName(type));
            if (type == EventType::MouseMove || type == EventType::MouseUp)
                for (long v :
                     {static_cast<long>(e.button), std::lround(e.x / px), std::lround(e.y / px)})
                    line.append(" ").append(std::to_string(v));
            lines.push_back(line);
        });
    }
};

// Button at (10,10) 40x20 px; frame at (100,10) 60x60 px holding Icon at
// (10,10) 20x20 px within it.
constexpr std::array controls{
    ControlDesign{.kind = ControlKind::Image,
                  .name = "Button",
                  .left = 10 * px,
                  .top = 10 * px,
                  .width = 40 * px,
                  .height = 20 * px},
    ControlDesign{.kind = ControlKind::Frame,
                  .name = "Panel",
                  .left = 100 * px,
                  .top = 10 * px,
                  .width = 60 * px,
                  .height = 60 * px},
    ControlDesign{.kind = ControlKind::Image,
                  .name = "Icon",
                  .parent = "Panel",
                  .left = 10 * px,
                  .top = 10 * px,
                  .width = 20 * px,
                  .height = 20 * px},
};
const forms::FormDesign design{
    .name = "Mouse", .width = 200 * px, .height = 100 * px, .controls = controls};

class MouseRouterTest : public ::testing::Test {
protected:
    MouseRouterTest() : form(runtime.addForm(design)), mouse(form) {
        form.touch();
        for (const char* c : {"", "Button", "Panel", "Icon"})
            for (EventType t :
                 {EventType::MouseMove, EventType::MouseUp, EventType::Click, EventType::DblClick})
                log.record(form, c, t);
    }
    forms::ManualClock clock;
    forms::Runtime runtime{clock, 800 * px, 600 * px};
    forms::Form& form;
    MouseRouter mouse;
    EventLog log;
};

using Lines = std::vector<std::string>;

TEST_F(MouseRouterTest, MovesGoToTheControlUnderThePointerInItsOwnCoordinates) {
    mouse.move(15 * px, 12 * px, 0);
    mouse.move(125 * px, 35 * px, 0); // Icon inside Panel
    mouse.move(145 * px, 65 * px, 0); // Panel, outside Icon
    mouse.move(190 * px, 90 * px, 0); // nothing: the form
    EXPECT_EQ(log.lines, (Lines{"Button.MouseMove 0 5 2", "Icon.MouseMove 0 15 15",
                                "Panel.MouseMove 0 45 55", "Form.MouseMove 0 190 90"}));
}

TEST_F(MouseRouterTest, LeftPressAndReleaseOnOneControlIsMouseUpThenClick) {
    mouse.press(forms::leftButton, 20 * px, 20 * px);
    EXPECT_TRUE(mouse.capturing());
    mouse.release(forms::leftButton, 22 * px, 21 * px);
    EXPECT_FALSE(mouse.capturing());
    EXPECT_EQ(log.lines, (Lines{"Button.MouseUp 1 12 11", "Button.Click"}));
}

TEST_F(MouseRouterTest, ReleaseElsewhereGoesToThePressedControlWithoutClick) {
    mouse.press(forms::leftButton, 20 * px, 20 * px);
    mouse.move(-5 * px, 50 * px, forms::leftButton); // captured, even outside the window
    mouse.release(forms::leftButton, 125 * px, 35 * px);
    EXPECT_EQ(log.lines, (Lines{"Button.MouseMove 1 -15 40", "Button.MouseUp 1 115 25"}));
}

TEST_F(MouseRouterTest, RightAndMiddleButtonsGiveMouseUpWithTheirCodeAndNoClick) {
    mouse.press(forms::rightButton, 20 * px, 20 * px);
    mouse.release(forms::rightButton, 20 * px, 20 * px);
    mouse.press(forms::middleButton, 190 * px, 90 * px);
    mouse.release(forms::middleButton, 190 * px, 90 * px);
    EXPECT_EQ(log.lines, (Lines{"Button.MouseUp 2 10 10", "Form.MouseUp 4 190 90"}));
}

TEST_F(MouseRouterTest, SecondButtonKeepsTheFirstTargetUntilAllAreUp) {
    mouse.press(forms::leftButton, 20 * px, 20 * px);
    mouse.press(forms::rightButton, 125 * px, 35 * px);
    mouse.release(forms::rightButton, 125 * px, 35 * px);
    EXPECT_TRUE(mouse.capturing());
    mouse.release(forms::leftButton, 20 * px, 20 * px);
    EXPECT_EQ(log.lines,
              (Lines{"Button.MouseUp 2 115 25", "Button.MouseUp 1 10 10", "Button.Click"}));
}

TEST_F(MouseRouterTest, DoubleClickGivesDblClickAndItsReleaseNoSecondClick) {
    mouse.press(forms::leftButton, 20 * px, 20 * px);
    mouse.release(forms::leftButton, 20 * px, 20 * px);
    mouse.doubleClick(20 * px, 20 * px);
    mouse.release(forms::leftButton, 20 * px, 20 * px);
    mouse.press(forms::leftButton, 20 * px, 20 * px);
    mouse.release(forms::leftButton, 20 * px, 20 * px);
    EXPECT_EQ(log.lines,
              (Lines{"Button.MouseUp 1 10 10", "Button.Click", "Button.DblClick",
                     "Button.MouseUp 1 10 10", "Button.MouseUp 1 10 10", "Button.Click"}));
}

TEST_F(MouseRouterTest, WholeGesturesGiveTheSystemsSequence) {
    mouse.click(forms::rightButton, 125 * px, 35 * px);
    mouse.doubleClickGesture(20 * px, 20 * px);
    EXPECT_FALSE(mouse.capturing());
    EXPECT_EQ(log.lines, (Lines{"Icon.MouseUp 2 15 15", "Button.MouseUp 1 10 10", "Button.Click",
                                "Button.DblClick", "Button.MouseUp 1 10 10"}));
}

TEST_F(MouseRouterTest, ReleaseWithoutPressOrAfterLostCaptureIsNoClick) {
    mouse.release(forms::leftButton, 20 * px, 20 * px);
    mouse.press(forms::leftButton, 20 * px, 20 * px);
    mouse.cancel();
    mouse.release(forms::leftButton, 20 * px, 20 * px);
    EXPECT_EQ(log.lines, (Lines{"Button.MouseUp 1 10 10", "Button.MouseUp 1 10 10"}));
}

TEST_F(MouseRouterTest, HandlerThatHidesOrUnloadsStopsTheClick) {
    form.on("Button", EventType::MouseUp,
            [&](const forms::Event&) { form.control("Button").setVisible(false); });
    log.record(form, "Button", EventType::Click);
    mouse.press(forms::leftButton, 20 * px, 20 * px);
    mouse.release(forms::leftButton, 20 * px, 20 * px);
    EXPECT_TRUE(log.lines.empty());

    form.on("", EventType::MouseUp, [&](const forms::Event&) { form.unload(); });
    mouse.press(forms::leftButton, 190 * px, 90 * px);
    mouse.release(forms::leftButton, 190 * px, 90 * px); // no Click, no crash
    mouse.move(20 * px, 20 * px, 0);
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(MouseRouterTest, ReleaseFindsThePressedControlAgainAfterAReload) {
    mouse.press(forms::leftButton, 125 * px, 35 * px);
    form.unload();
    form.touch();
    form.control("Icon").setVisible(true);
    mouse.release(forms::leftButton, 125 * px, 35 * px);
    // The reloaded Icon is found by name: the release still reaches it.
    EXPECT_EQ(log.lines, (Lines{"Icon.MouseUp 1 15 15", "Icon.Click"}));
}

} // namespace
} // namespace orvela::test
