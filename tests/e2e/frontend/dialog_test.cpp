// A dialog form under the front end: its frame and owner, its native
// controls made from the model, their notifications going into the model
// before the handlers run, the dialog keyboard, and its life across unload.
#include "forms/control_kinds.h"
#include "test_forms.h"
#include "win32/front_end.h"
#include "win32/native_adapters.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <array>
#include <string>

namespace orvela::test {
namespace {

using forms::ControlDesign;
using forms::ControlKind;
using forms::EventType;

constexpr const char* colours[] = {"Red", "Green", "Blue"};
constexpr forms::TabDesign pages[] = {{"One", "one", "First page"}, {"Two", "two", "Second"}};

constexpr ControlDesign box(ControlKind kind, const char* name, const char* parent, float left,
                            float top, float width, float height) {
    return {.kind = kind,
            .name = name,
            .parent = parent,
            .left = left * px,
            .top = top * px,
            .width = width * px,
            .height = height * px};
}

// Pixels: tab strip (5,5) 290x170 framing two pages at (10,35) 280x130;
// page one holds the combo at form (20,45) and the text box; page two, hidden,
// a button; OK, Cancel and Apply below.
constexpr auto makeControls() {
    std::array rows{
        box(ControlKind::TabStrip, "Pages", nullptr, 5, 5, 290, 170),
        box(ControlKind::Frame, "PageOne", nullptr, 10, 35, 280, 130),
        box(ControlKind::ComboBox, "Choice", "PageOne", 10, 10, 120, 21),
        box(ControlKind::TextBox, "Name", "PageOne", 10, 50, 120, 21),
        box(ControlKind::Frame, "PageTwo", nullptr, 10, 35, 280, 130),
        box(ControlKind::CommandButton, "Inner", "PageTwo", 10, 10, 75, 23),
        box(ControlKind::CommandButton, "Ok", nullptr, 60, 180, 75, 23),
        box(ControlKind::CommandButton, "Cancel", nullptr, 140, 180, 75, 23),
        box(ControlKind::CommandButton, "Apply", nullptr, 220, 180, 75, 23),
    };
    rows[0].tabs = pages;
    rows[2].list = colours;
    rows[4].visible = false;
    rows[6].caption = "OK";
    rows[6].defaultButton = true;
    rows[7].caption = "Cancel";
    rows[7].cancelButton = true;
    rows[8].caption = "Apply";
    return rows;
}
constexpr auto controls = makeControls();

const forms::FormDesign options{.name = "Options",
                                .caption = "Options",
                                .left = 100 * px,
                                .top = 80 * px,
                                .width = 300 * px,
                                .height = 210 * px,
                                .defaultFont = {.bold = true},
                                .dialog = true,
                                .controls = controls};
const forms::FormDesign desktop{.name = "Main",
                                .width = 100 * px,
                                .height = 100 * px,
                                .borderless = true,
                                .maximized = true,
                                .controls = {}};

class DialogTest : public ::testing::Test {
protected:
    DialogTest() : mainForm(program.add(desktop)), dialog(program.add(options)), frontEnd(program) {
        mainForm.show();
        dialog.show();
        frontEnd.sync();
    }

    HWND window() const {
        win32::FormWindow* w = frontEnd.windowOf(dialog);
        return w ? w->handle() : nullptr;
    }
    HWND child(const char* name) const {
        win32::FormWindow* w = frontEnd.windowOf(dialog);
        return w ? w->controlWindow({name, -1}) : nullptr;
    }
    // The window's rectangle in the dialog's client pixels.
    RECT placeOf(HWND w) const {
        RECT r{};
        GetWindowRect(w, &r);
        MapWindowPoints(nullptr, window(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    // A key as the message loop would get it, through the front end.
    bool key(HWND target, WPARAM key) {
        MSG msg{target, WM_KEYDOWN, key, 1, 0, {}};
        return frontEnd.preTranslate(msg);
    }
    void notify(HWND from, UINT code) {
        NMHDR header{from, static_cast<UINT_PTR>(GetDlgCtrlID(from)), code};
        SendMessageW(window(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    }
    void command(HWND from, UINT code) {
        SendMessageW(window(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(from), code),
                     reinterpret_cast<LPARAM>(from));
    }
    // Records "Name.Click" with the control's ListIndex and Text as the handler sees them.
    void recordClick(const char* name) {
        dialog.on(name, EventType::Click, [this, name](const forms::Event& e) {
            log.lines.push_back(std::string(name) + ".Click " +
                                std::to_string(e.control->listIndex()) + " " + e.control->text());
        });
    }

    TestProgram program{800, 600};
    forms::Form& mainForm;
    forms::Form& dialog;
    win32::FrontEnd frontEnd;
    EventLog log;
};

std::wstring classOf(HWND w) {
    wchar_t name[64] = {};
    GetClassNameW(w, name, 64);
    return name;
}

TEST_F(DialogTest, DialogFrameOwnedByTheMainWindowWithTheDesignsClientArea) {
    HWND w = window();
    ASSERT_NE(w, nullptr);
    const LONG style = GetWindowLongW(w, GWL_STYLE), exStyle = GetWindowLongW(w, GWL_EXSTYLE);
    EXPECT_TRUE((style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU));
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX));
    EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME);
    EXPECT_EQ(GetWindow(w, GW_OWNER), frontEnd.windowOf(mainForm)->handle());
    RECT client{}, outer{};
    GetClientRect(w, &client);
    GetWindowRect(w, &outer);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 210);
    EXPECT_EQ(outer.left, 100);
    EXPECT_EQ(outer.top, 80);
}

TEST_F(DialogTest, NativeControlsComeFromTheModelInFormCoordinates) {
    for (int k = 0; k <= static_cast<int>(ControlKind::Menu); ++k) {
        const auto kind = static_cast<ControlKind>(k);
        EXPECT_EQ(win32::nativeAdapterOf(kind) != nullptr, forms::rulesOf(kind).native)
            << forms::kindName(kind);
    }
    HWND combo = child("Choice"), edit = child("Name"), tabs = child("Pages"), ok = child("Ok");
    ASSERT_TRUE(combo && edit && tabs && ok && child("Inner"));
    EXPECT_EQ(classOf(combo), L"ComboBox");
    EXPECT_EQ(classOf(edit), L"Edit");
    EXPECT_EQ(classOf(tabs), WC_TABCONTROLW);
    EXPECT_EQ(classOf(ok), L"Button");
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(GetWindowLongW(ok, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(GetWindowLongW(child("Apply"), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);

    const RECT comboPlace = placeOf(combo), editPlace = placeOf(edit);
    EXPECT_EQ(comboPlace.left, 20);
    EXPECT_EQ(comboPlace.top, 45);
    RECT dropped{};
    SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    const auto entry = static_cast<LONG>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
    EXPECT_GE(dropped.bottom - dropped.top, 3 * entry) << "no room for the three entries";
    EXPECT_EQ(editPlace.left, 20);
    EXPECT_EQ(editPlace.top, 85);
    EXPECT_TRUE(IsWindowVisible(combo));
    EXPECT_FALSE(IsWindowVisible(child("Inner"))) << "shown inside a hidden frame";

    // The tab strip lies below everything, and its region leaves the page
    // area to the form's painting.
    EXPECT_EQ(GetWindow(tabs, GW_HWNDNEXT), nullptr);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(tabs, region), ERROR);
    EXPECT_TRUE(PtInRegion(region, 10, 8)) << "tab row";
    EXPECT_TRUE(PtInRegion(region, 1, 100)) << "left border";
    EXPECT_FALSE(PtInRegion(region, 100, 100)) << "page area";
    DeleteObject(region);

    // Dialog controls use the system's dialog font with the design's weight.
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(ok, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, win32::FontCache::systemDialogFont().lfFaceName);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
}

TEST_F(DialogTest, ComboChoiceReachesTheModelBeforeClickAndIsNotPushedBack) {
    recordClick("Choice");
    HWND combo = child("Choice");
    SendMessageW(combo, CB_SETCURSEL, 2, 0);
    command(combo, CBN_SELCHANGE);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Choice.Click 2 Blue"}));
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 2);

    // The logic's own changes reach the window without a Click.
    dialog.control("Choice").setListIndex(0);
    frontEnd.sync();
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(log.lines.size(), 1u);

    // A handler that overrules the choice wins over the window.
    dialog.on("Choice", EventType::Click,
              [this](const forms::Event&) { dialog.control("Choice").setListIndex(1); });
    SendMessageW(combo, CB_SETCURSEL, 2, 0);
    command(combo, CBN_SELCHANGE);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
}

TEST_F(DialogTest, TabChoiceReachesTheModelBeforeClickAndItsPagesFollow) {
    dialog.on("Pages", EventType::Click, [this](const forms::Event& e) {
        log.lines.push_back("Pages.Click " + std::to_string(e.control->listIndex()));
        dialog.control("PageOne").setVisible(e.control->listIndex() == 0);
        dialog.control("PageTwo").setVisible(e.control->listIndex() == 1);
    });
    HWND tabs = child("Pages");
    SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
    notify(tabs, TCN_SELCHANGE);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Pages.Click 1"}));
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 1);
    EXPECT_FALSE(IsWindowVisible(child("Choice")));
    EXPECT_TRUE(IsWindowVisible(child("Inner")));

    // Ctrl+Tab steps through the tabs, round to the first.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    EXPECT_TRUE(key(child("Inner"), VK_TAB));
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Pages.Click 1", "Pages.Click 0"}));
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(IsWindowVisible(child("Choice")));
}

TEST_F(DialogTest, TypingSetsTheTextWithoutAnEventAndTheModelsTextReachesTheBox) {
    log.record(dialog, "Name", EventType::Click);
    HWND edit = child("Name");
    SetWindowTextW(edit, L"typed \u00e9"); // the edit box notifies EN_CHANGE itself
    EXPECT_EQ(dialog.control("Name").text(), "typed \xc3\xa9");
    dialog.control("Name").setText("from the model");
    frontEnd.sync();
    wchar_t text[64] = {};
    GetWindowTextW(edit, text, 64);
    EXPECT_STREQ(text, L"from the model");
    EXPECT_EQ(dialog.control("Name").text(), "from the model");
    EXPECT_TRUE(log.lines.empty());
    // The box is painted in the text box's BackColor.
    dialog.control("Name").setBackColor(12632319); // light red
    HDC dc = GetDC(edit);
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        window(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit)));
    LOGBRUSH painted{};
    ASSERT_TRUE(brush && GetObjectW(brush, sizeof painted, &painted));
    EXPECT_EQ(painted.lbColor, 12632319u);
    EXPECT_EQ(GetBkColor(dc), 12632319u);
    ReleaseDC(edit, dc);
}

TEST_F(DialogTest, KeyboardMovesBetweenControlsAndPressesDefaultAndCancel) {
    log.record(dialog, "Ok", EventType::Click);
    log.record(dialog, "Cancel", EventType::Click);
    log.record(dialog, "Apply", EventType::Click);
    EXPECT_EQ(GetFocus(), child("Choice")) << "not on the first tab stop";
    SetFocus(child("Choice"));
    EXPECT_TRUE(key(child("Choice"), VK_TAB));
    EXPECT_EQ(GetFocus(), child("Name"));
    EXPECT_TRUE(key(child("Name"), VK_RETURN));
    EXPECT_TRUE(key(child("Name"), VK_ESCAPE));
    SetFocus(child("Apply"));
    EXPECT_TRUE(key(child("Apply"), VK_RETURN)); // a focused push button
    SendMessageW(window(), WM_CLOSE, 0, 0);      // the close box
    dialog.control("Cancel").setEnabled(false);
    frontEnd.sync();
    EXPECT_TRUE(key(child("Name"), VK_ESCAPE));
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Ok.Click", "Cancel.Click", "Apply.Click",
                                                   "Cancel.Click"}));
    EXPECT_FALSE(key(frontEnd.windowOf(mainForm)->handle(), VK_ESCAPE)) << "not a dialog";
}

TEST_F(DialogTest, UnloadedByItsButtonTheDialogGoesAndComesBackWorking) {
    dialog.on("Ok", EventType::Click, [this](const forms::Event&) { dialog.unload(); });
    HWND first = window();
    SendMessageW(child("Ok"), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(window(), nullptr);

    log.record(dialog, "Cancel", EventType::Click);
    dialog.show();
    frontEnd.sync();
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(SendMessageW(child("Choice"), CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(GetFocus(), child("Choice"));
    EXPECT_TRUE(key(child("Choice"), VK_ESCAPE));
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Cancel.Click"}));
}

} // namespace
} // namespace orvela::test
