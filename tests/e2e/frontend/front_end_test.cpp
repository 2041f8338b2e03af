// The native windows that the front end keeps in step with the forms: their
// life, placement, buttons, timers, closing, invalidation, and the mouse as
// it arrives in window messages.
#include "test_forms.h"
#include "win32/front_end.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace orvela::test {
namespace {

using forms::ControlDesign;
using forms::ControlKind;
using forms::EventType;

constexpr std::array dialogControls{
    ControlDesign{.kind = ControlKind::Label,
                  .name = "Message",
                  .left = 10 * px,
                  .top = 10 * px,
                  .width = 100 * px,
                  .height = 20 * px,
                  .caption = "Hello"},
    ControlDesign{.kind = ControlKind::CommandButton,
                  .name = "Ok",
                  .left = 20 * px,
                  .top = 50 * px,
                  .width = 80 * px,
                  .height = 25 * px,
                  .caption = "OK"},
    ControlDesign{.kind = ControlKind::Timer, .name = "Ticker", .interval = 50},
};
const forms::FormDesign dialog{.name = "Dialog",
                               .caption = "A dialog",
                               .left = 30 * px,
                               .top = 40 * px,
                               .width = 200 * px,
                               .height = 100 * px,
                               .borderless = true,
                               .controls = dialogControls};
const forms::FormDesign framed{.name = "Framed",
                               .caption = "Framed",
                               .left = 300 * px,
                               .top = 200 * px,
                               .width = 150 * px,
                               .height = 90 * px,
                               .controls = {}};
const forms::FormDesign fullScreen{.name = "Main",
                                   .caption = "Main",
                                   .width = 100 * px,
                                   .height = 100 * px,
                                   .borderless = true,
                                   .maximized = true,
                                   .controls = {}};

class FrontEndTest : public ::testing::Test {
protected:
    FrontEndTest()
        : dialogForm(program.add(dialog)), framedForm(program.add(framed)),
          mainForm(program.add(fullScreen)), frontEnd(program) {}

    HWND windowOf(const forms::Form& form) const {
        win32::FormWindow* w = frontEnd.windowOf(form);
        return w ? w->handle() : nullptr;
    }
    static std::wstring textOf(HWND window) {
        wchar_t buffer[256] = {};
        GetWindowTextW(window, buffer, 256);
        return buffer;
    }
    static RECT windowRect(HWND window) {
        RECT r{};
        GetWindowRect(window, &r);
        return r;
    }
    // Delivers pending messages until done() or a generous bound of waits.
    template <typename Done> bool pumpUntil(Done done) {
        for (int i = 0; i < 200 && !done(); ++i) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
        }
        return done();
    }

    TestProgram program{800, 600};
    forms::Form& dialogForm;
    forms::Form& framedForm;
    forms::Form& mainForm;
    win32::FrontEnd frontEnd;
    EventLog log;
};

TEST_F(FrontEndTest, WindowLivesWhileTheFormIsLoadedAndShowsWhileItIsVisible) {
    frontEnd.sync();
    EXPECT_EQ(windowOf(dialogForm), nullptr) << "window for a form never loaded";
    dialogForm.touch();
    frontEnd.sync();
    HWND window = windowOf(dialogForm);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(textOf(window), L"A dialog");
    dialogForm.show();
    dialogForm.setCaption("Renamed");
    frontEnd.sync();
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(textOf(window), L"Renamed");
    dialogForm.hide();
    frontEnd.sync();
    EXPECT_FALSE(IsWindowVisible(window));
    dialogForm.unload();
    frontEnd.sync();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(windowOf(dialogForm), nullptr);
    dialogForm.show();
    frontEnd.sync();
    EXPECT_NE(windowOf(dialogForm), nullptr) << "no window after loading again";
}

TEST_F(FrontEndTest, PlacesFormsByTheirGeometryAndMaximisedOnesOverTheScreen) {
    dialogForm.show();
    framedForm.show();
    mainForm.show();
    frontEnd.sync();
    RECT r = windowRect(windowOf(dialogForm));
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_EQ(r.bottom - r.top, 100);
    EXPECT_FALSE(GetWindowLongW(windowOf(dialogForm), GWL_STYLE) & WS_CAPTION);

    HWND window = windowOf(framedForm);
    EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & WS_CAPTION);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 150);
    EXPECT_EQ(client.bottom, 90);
    EXPECT_EQ(windowRect(window).left, 300);

    r = windowRect(windowOf(mainForm));
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 800);
    EXPECT_EQ(r.bottom, 600);
    EXPECT_EQ(mainForm.width(), 800 * px) << "maximised form does not measure the screen";
    EXPECT_EQ(mainForm.height(), 600 * px);

    dialogForm.move(50 * px, 60 * px, 120 * px, 80 * px);
    frontEnd.sync();
    r = windowRect(windowOf(dialogForm));
    EXPECT_EQ(r.left, 50);
    EXPECT_EQ(r.right - r.left, 120);
}

TEST_F(FrontEndTest, ADisplayChangeReachesTheProgramAndTheMainWindowCoversTheNewScreen) {
    mainForm.show();
    frontEnd.sync();
    HWND window = windowOf(mainForm);
    ASSERT_NE(window, nullptr);
    SendMessageW(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 720));
    EXPECT_EQ(program.displayChanges, std::vector<std::string>{"1280x720"});
    RECT r = windowRect(window);
    EXPECT_EQ(r.right - r.left, 1280);
    EXPECT_EQ(r.bottom - r.top, 720);
    EXPECT_EQ(mainForm.width(), 1280 * px);

    // A monitor of another scaling: the suggested rectangle is the new screen.
    RECT suggested{0, 0, 1600, 900};
    SendMessageW(window, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(program.displayChanges, (std::vector<std::string>{"1280x720", "1600x900"}));
    r = windowRect(window);
    EXPECT_EQ(r.right - r.left, 1600);
    EXPECT_EQ(r.bottom - r.top, 900);
}

TEST_F(FrontEndTest, CommandButtonIsANativeButtonWhoseClickReachesTheControl) {
    log.record(dialogForm, "Ok", EventType::Click);
    dialogForm.show();
    frontEnd.sync();
    win32::FormWindow* window = frontEnd.windowOf(dialogForm);
    HWND button = window->controlWindow({"Ok", -1});
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(textOf(button), L"OK");
    EXPECT_EQ(GetParent(button), window->handle());
    EXPECT_TRUE(IsWindowVisible(button));

    SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Ok.Click"}));

    dialogForm.control("Ok").setCaption("Fine");
    dialogForm.control("Ok").setVisible(false);
    frontEnd.sync();
    EXPECT_EQ(textOf(button), L"Fine");
    EXPECT_FALSE(IsWindowVisible(button));

    // Reloaded, the form's new button control still gets the click.
    dialogForm.unload();
    dialogForm.show();
    frontEnd.sync();
    button = frontEnd.windowOf(dialogForm)->controlWindow({"Ok", -1});
    ASSERT_NE(button, nullptr);
    SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_EQ(log.lines.size(), 2u);
}

TEST_F(FrontEndTest, TimerControlsTickWhileEnabledWithAnInterval) {
    int ticks = 0;
    dialogForm.on("Ticker", EventType::Timer, [&](const forms::Event&) { ++ticks; });
    dialogForm.touch(); // hidden forms tick too
    frontEnd.sync();
    EXPECT_EQ(frontEnd.windowOf(dialogForm)->timerCount(), 1u);
    EXPECT_TRUE(pumpUntil([&] { return ticks >= 2; })) << "the timer never ticked";

    dialogForm.control("Ticker").setEnabled(false);
    frontEnd.sync();
    EXPECT_EQ(frontEnd.windowOf(dialogForm)->timerCount(), 0u);
    dialogForm.control("Ticker").setEnabled(true);
    dialogForm.control("Ticker").setInterval(0);
    frontEnd.sync();
    EXPECT_EQ(frontEnd.windowOf(dialogForm)->timerCount(), 0u);
}

TEST_F(FrontEndTest, CloseAsksTheProgramAndEndingClosesEverything) {
    dialogForm.show();
    mainForm.show();
    frontEnd.sync();
    HWND dialogWindow = windowOf(dialogForm), mainWindow = windowOf(mainForm);
    SendMessageW(dialogWindow, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.closeRequests, (std::vector<std::string>{"Dialog"}));
    EXPECT_TRUE(IsWindow(dialogWindow)) << "the window closed itself";

    program.unloadOnClose = true;
    SendMessageW(dialogWindow, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(dialogWindow));
    EXPECT_FALSE(frontEnd.quitPosted());
    SendMessageW(mainWindow, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(mainWindow));
    EXPECT_TRUE(frontEnd.quitPosted());
    MSG msg;
    EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(FrontEndTest, ChangedControlsInvalidateOnlyTheirPixels) {
    dialogForm.show();
    frontEnd.sync();
    HWND window = windowOf(dialogForm);
    UpdateWindow(window);
    ValidateRect(window, nullptr);
    dialogForm.control("Message").setCaption("Changed");
    frontEnd.sync();
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetUpdateRgn(window, region, FALSE), NULLREGION);
    EXPECT_TRUE(PtInRegion(region, 10, 10));
    EXPECT_TRUE(PtInRegion(region, 109, 29));
    EXPECT_FALSE(PtInRegion(region, 150, 80)) << "more than the label was invalidated";
    DeleteObject(region);
}

TEST_F(FrontEndTest, MouseMessagesArriveAsEventsInLocalTwips) {
    log.record(dialogForm, "Message", EventType::MouseMove);
    log.record(dialogForm, "Message", EventType::MouseUp);
    log.record(dialogForm, "Message", EventType::Click);
    log.record(dialogForm, "Message", EventType::DblClick);
    log.record(dialogForm, "", EventType::MouseUp);
    dialogForm.show();
    frontEnd.sync();
    HWND window = windowOf(dialogForm);
    SendMessageW(window, WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(15, 12));
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 12));
    EXPECT_EQ(GetCapture(), window);
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(20, 14));
    EXPECT_NE(GetCapture(), window);
    SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 14));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(20, 14));
    SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(150, 90));
    SendMessageW(window, WM_RBUTTONUP, 0, MAKELPARAM(150, 90));
    EXPECT_EQ(log.lines,
              (std::vector<std::string>{"Message.MouseMove 2 5 2", "Message.MouseUp 1 10 4",
                                        "Message.Click", "Message.DblClick",
                                        "Message.MouseUp 1 10 4", "Form.MouseUp 2 150 90"}));
}

TEST_F(FrontEndTest, HandlerThatThrowsDoesNotEscapeTheWindowProcedure) {
    dialogForm.on("Message", EventType::Click,
                  [](const forms::Event&) -> void { throw std::runtime_error("handler failed"); });
    dialogForm.show();
    frontEnd.sync();
    HWND window = windowOf(dialogForm);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 12));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(15, 12));
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(IsWindowVisible(window));
}

} // namespace
} // namespace orvela::test
