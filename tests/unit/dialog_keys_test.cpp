// The dialog keyboard on the model: which button Enter and Esc press, the
// close box, Ctrl+Tab through the tabs, and the tab order of the controls.
#include "forms/dialog_keys.h"
#include "test_dialog_form.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace orvela::test {
namespace {

using forms::ControlKey;
using forms::DialogKeys;
using Lines = std::vector<std::string>;

void nothing(TestDialog&) {}

TEST(DialogKeysTest, EnterPressesTheFocusedButtonElseTheDefaultOne) {
    struct Case {
        const char* what;
        std::function<void(TestDialog&)> before;
        ControlKey focused;
        std::string pressed; // "" for none
    };
    const Case cases[] = {
        {"no focus", nothing, {}, "Ok"},
        {"a focused button", nothing, {"Apply", -1}, "Apply"},
        {"the focus on a combo box", nothing, {"Choice", -1}, "Ok"},
        {"the focus on a control that is gone", nothing, {"Gone", -1}, "Ok"},
        {"a disabled default button", [](TestDialog& d) { d["Ok"].setEnabled(false); }, {}, ""},
        {"a hidden default button",
         [](TestDialog& d) { d["Ok"].setVisible(false); },
         {"Name", -1},
         ""},
        {"a focused button beside a disabled default",
         [](TestDialog& d) { d["Ok"].setEnabled(false); },
         {"Cancel", -1},
         "Cancel"},
    };
    for (const Case& c : cases) {
        TestDialog d;
        c.before(d);
        DialogKeys keys(d.form);
        EXPECT_EQ(keys.enterButton(c.focused).name, c.pressed) << c.what;
        EXPECT_EQ(keys.enter(c.focused), !c.pressed.empty()) << c.what;
        EXPECT_EQ(d.clicks, c.pressed.empty() ? Lines{} : Lines{c.pressed + ".Click -1 "})
            << c.what;
    }
}

TEST(DialogKeysTest, EscAndTheCloseBoxPressTheCancelButtonOnlyIfAUserCould) {
    TestDialog d;
    DialogKeys keys(d.form);
    EXPECT_TRUE(keys.cancel());
    EXPECT_EQ(d.clicks, Lines{"Cancel.Click -1 "});
    d["Cancel"].setEnabled(false);
    EXPECT_FALSE(keys.cancel());
    d["Cancel"].setEnabled(true);
    d["Cancel"].setVisible(false);
    EXPECT_FALSE(keys.cancel());
    EXPECT_EQ(d.clicks.size(), 1u);
    EXPECT_TRUE(d.form.visible()) << "a dialog with a cancel button is never hidden by Esc";
}

TEST(DialogKeysTest, ADialogWithoutCancelButtonIsHidden) {
    constexpr forms::ControlDesign only[] = {
        {.kind = forms::ControlKind::CommandButton, .name = "Ok", .defaultButton = true}};
    const forms::FormDesign design{.name = "Plain", .dialog = true, .controls = only};
    forms::ManualClock clock;
    forms::Runtime runtime(clock, 12000, 9000);
    forms::Form& form = runtime.addForm(design);
    int clicks = 0;
    form.on("Ok", forms::EventType::Click, [&clicks](const forms::Event&) { ++clicks; });
    form.show();
    EXPECT_TRUE(DialogKeys(form).cancel());
    EXPECT_FALSE(form.visible());
    EXPECT_TRUE(form.loaded());
    EXPECT_EQ(clicks, 0);
}

TEST(DialogKeysTest, CtrlTabStepsThroughTheTabsRoundEitherEnd) {
    struct Case {
        int from, step, to;
    };
    const Case cases[] = {{0, 1, 1},  {1, 1, 2},  {2, 1, 0},  {0, -1, 2},
                          {2, -1, 1}, {-1, 1, 0}, {-1, -1, 2}};
    for (const Case& c : cases) {
        TestDialog d;
        d["Pages"].setListIndex(c.from);
        EXPECT_TRUE(DialogKeys(d.form).stepTab(c.step)) << c.from << " " << c.step;
        const char* captions[] = {"One", "Two", "Three"};
        EXPECT_EQ(d.clicks, Lines{"Pages.Click " + std::to_string(c.to) + " " + captions[c.to]})
            << c.from << " " << c.step;
    }
}

TEST(DialogKeysTest, CtrlTabLeavesAStripTheUserCannotReach) {
    for (auto hide :
         {std::function<void(forms::Control&)>([](forms::Control& c) { c.setVisible(false); }),
          std::function<void(forms::Control&)>([](forms::Control& c) { c.setEnabled(false); })}) {
        TestDialog d;
        hide(d["Pages"]);
        EXPECT_FALSE(DialogKeys(d.form).stepTab(1));
        EXPECT_EQ(d["Pages"].listIndex(), 0);
        EXPECT_TRUE(d.clicks.empty());
    }
}

TEST(DialogKeysTest, TabOrderIsTheDialogControlsInDesignOrderTabStripsLast) {
    TestDialog d;
    std::vector<std::string> names;
    for (const ControlKey& key : DialogKeys::tabOrder(d.form))
        names.push_back(key.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Choice", "Name", "Inner", "Ok", "Cancel", "Apply",
                                               "Pages"}));
}

} // namespace
} // namespace orvela::test
