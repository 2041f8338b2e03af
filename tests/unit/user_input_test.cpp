// What a user can do to a control: only what is shown and enabled, on a form
// that is shown; choices reach the model before the Click handler runs, and
// a refused input changes nothing.
#include "forms/user_input.h"
#include "test_dialog_form.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace orvela::test {
namespace {

using forms::Refusal;
using forms::UserInput;
using Lines = std::vector<std::string>;

// The state a user's input can change, in one line.
std::string stateOf(TestDialog& d) {
    return "Choice " + std::to_string(d["Choice"].listIndex()) + " Pages " +
           std::to_string(d["Pages"].listIndex()) + " Name '" + d["Name"].text() + "'";
}

struct Case {
    const char* what;
    std::function<void(TestDialog&)> before;
    std::function<Refusal(UserInput&, TestDialog&)> input;
    Refusal refusal;
    Lines clicks;
    std::string state;
};

void nothing(TestDialog&) {}

const std::string untouched = "Choice -1 Pages 0 Name ''";

const Case cases[] = {
    // press
    {"a button",
     nothing,
     [](UserInput& u, TestDialog& d) { return u.press(d["Ok"]); },
     Refusal::none,
     {"Ok.Click -1 "},
     untouched},
    {"a label",
     nothing,
     [](UserInput& u, TestDialog& d) { return u.press(d["Note"]); },
     Refusal::none,
     {"Note.Click -1 "},
     untouched},
    {"a line catches nothing",
     nothing,
     [](UserInput& u, TestDialog& d) { return u.press(d["Rule"]); },
     Refusal::wrongKind,
     {},
     untouched},
    {"a hidden button",
     [](TestDialog& d) { d["Apply"].setVisible(false); },
     [](UserInput& u, TestDialog& d) { return u.press(d["Apply"]); },
     Refusal::hidden,
     {},
     untouched},
    {"a button in a hidden frame",
     nothing,
     [](UserInput& u, TestDialog& d) { return u.press(d["Inner"]); },
     Refusal::frameHidden,
     {},
     untouched},
    {"a disabled button",
     [](TestDialog& d) { d["Apply"].setEnabled(false); },
     [](UserInput& u, TestDialog& d) { return u.press(d["Apply"]); },
     Refusal::disabled,
     {},
     untouched},
    {"a button of a hidden form",
     [](TestDialog& d) { d.form.hide(); },
     [](UserInput& u, TestDialog& d) { return u.press(d["Ok"]); },
     Refusal::formHidden,
     {},
     untouched},
    {"a frame shown again",
     [](TestDialog& d) { d["PageTwo"].setVisible(true); },
     [](UserInput& u, TestDialog& d) { return u.press(d["Inner"]); },
     Refusal::none,
     {"Inner.Click -1 "},
     untouched},
    // select
    {"an entry",
     nothing,
     [](UserInput& u, TestDialog& d) { return u.select(d["Choice"], 2); },
     Refusal::none,
     {"Choice.Click 2 Blue"},
     "Choice 2 Pages 0 Name ''"},
    {"the first entry",
     nothing,
     [](UserInput& u, TestDialog& d) { return u.select(d["Choice"], 0); },
     Refusal::none,
     {"Choice.Click 0 Red"},
     "Choice 0 Pages 0 Name ''"},
    {"an entry past the end",
     nothing,
     [](UserInput& u, TestDialog& d) { return u.select(d["Choice"], 3); },
     Refusal::noSuchEntry,
     {},
     untouched},
    {"no entry",
     nothing,
     [](UserInput& u, TestDialog& d) { return u.select(d["Choice"], -1); },
     Refusal::noSuchEntry,
     {},
     untouched},
    {"an entry of a disabled combo box",
     [](TestDialog& d) { d["Choice"].setEnabled(false); },
     [](UserInput& u, TestDialog& d) { return u.select(d["Choice"], 1); },
     Refusal::disabled,
     {},
     untouched},
    {"an entry of a combo box on a hidden page",
     [](TestDialog& d) { d["PageOne"].setVisible(false); },
     [](UserInput& u, TestDialog& d) { return u.select(d["Choice"], 1); },
     Refusal::frameHidden,
     {},
     untouched},
    {"a tab strip is no combo box",
     nothing,
     [](UserInput& u, TestDialog& d) { return u.select(d["Pages"], 1); },
     Refusal::wrongKind,
     {},
     untouched},
    // pickTab
    {"a tab",
     nothing,
     [](UserInput& u, TestDialog& d) { return u.pickTab(d["Pages"], 1); },
     Refusal::none,
     {"Pages.Click 1 Two"},
     "Choice -1 Pages 1 Name ''"},
    {"a tab past the end",
     nothing,
     [](UserInput& u, TestDialog& d) { return u.pickTab(d["Pages"], 3); },
     Refusal::noSuchEntry,
     {},
     untouched},
    {"a tab of a hidden strip",
     [](TestDialog& d) { d["Pages"].setVisible(false); },
     [](UserInput& u, TestDialog& d) { return u.pickTab(d["Pages"], 1); },
     Refusal::hidden,
     {},
     untouched},
    {"a combo box has no tabs",
     nothing,
     [](UserInput& u, TestDialog& d) { return u.pickTab(d["Choice"], 1); },
     Refusal::wrongKind,
     {},
     untouched},
    // type
    {"text",
     nothing,
     [](UserInput& u, TestDialog& d) { return u.type(d["Name"], "D:\\x y"); },
     Refusal::none,
     {},
     "Choice -1 Pages 0 Name 'D:\\x y'"},
    {"text into a disabled box",
     [](TestDialog& d) { d["Name"].setEnabled(false); },
     [](UserInput& u, TestDialog& d) { return u.type(d["Name"], "x"); },
     Refusal::disabled,
     {},
     untouched},
    {"text into a box on a hidden form",
     [](TestDialog& d) { d.form.hide(); },
     [](UserInput& u, TestDialog& d) { return u.type(d["Name"], "x"); },
     Refusal::formHidden,
     {},
     untouched},
    {"text into a button",
     nothing,
     [](UserInput& u, TestDialog& d) { return u.type(d["Ok"], "x"); },
     Refusal::wrongKind,
     {},
     untouched},
};

TEST(UserInputTest, DoesOnlyWhatAUserCanAndRefusalsChangeNothing) {
    for (const Case& c : cases) {
        TestDialog d;
        c.before(d);
        UserInput input(d.form);
        EXPECT_EQ(c.input(input, d), c.refusal) << c.what;
        EXPECT_EQ(d.clicks, c.clicks) << c.what;
        EXPECT_EQ(stateOf(d), c.state) << c.what;
    }
}

TEST(UserInputTest, ReachFollowsTheControlTheFramesAndTheForm) {
    TestDialog d;
    UserInput input(d.form);
    EXPECT_EQ(input.reach(d["Choice"]), Refusal::none);
    d["PageOne"].setVisible(false);
    EXPECT_EQ(input.reach(d["Choice"]), Refusal::frameHidden);
    d["Choice"].setVisible(false);
    EXPECT_EQ(input.reach(d["Choice"]), Refusal::hidden) << "its own state comes first";
    d["PageOne"].setVisible(true);
    d["Choice"].setVisible(true);
    d["Choice"].setEnabled(false);
    d.form.hide();
    EXPECT_EQ(input.reach(d["Choice"]), Refusal::formHidden) << "the form comes first";
    d.form.show();
    EXPECT_EQ(input.reach(d["Choice"]), Refusal::disabled);
}

TEST(UserInputTest, AHandlerThatUnloadsTheFormEndsThePressCleanly) {
    TestDialog d;
    d.form.on("Ok", forms::EventType::Click, [&d](const forms::Event&) { d.form.unload(); });
    UserInput input(d.form);
    EXPECT_EQ(input.press(d["Ok"]), Refusal::none);
    EXPECT_FALSE(d.form.loaded());
}

} // namespace
} // namespace orvela::test
