// The rules of each control kind where they decide something: the table's
// rows line up with the kinds, dialog controls are windowed (Windows shows
// them above painted controls), and hit-testing and the driver's dump on the
// Options dialog follow the table.
#include "dump.h"
#include "forms/control_kinds.h"
#include "forms/runtime.h"
#include "options/form3_design.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using namespace orvela;
using forms::ControlKind;

TEST(ControlKinds, EachRowBelongsToItsKindAndNativeKindsAreWindowed) {
    struct Case {
        ControlKind kind;
        const char* name;
        bool windowed, native;
    };
    const Case cases[] = {
        {ControlKind::Label, "Label", false, false},
        {ControlKind::Image, "Image", false, false},
        {ControlKind::Frame, "Frame", true, false},
        {ControlKind::Line, "Line", false, false},
        {ControlKind::Timer, "Timer", false, false},
        {ControlKind::CommandButton, "CommandButton", true, true},
        {ControlKind::ComboBox, "ComboBox", true, true},
        {ControlKind::TextBox, "TextBox", true, true},
        {ControlKind::TabStrip, "TabStrip", true, true},
        {ControlKind::ListView, "ListView", true, false},
        {ControlKind::PictureBox, "PictureBox", true, false},
        {ControlKind::ImageList, "ImageList", false, false},
        {ControlKind::Menu, "Menu", false, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        const forms::KindRules& rules = forms::rulesOf(k.kind);
        EXPECT_STREQ(rules.name, k.name);
        EXPECT_EQ(rules.windowed, k.windowed);
        EXPECT_EQ(rules.native, k.native);
        if (rules.native) { // a child window takes the pointer and is no container
            EXPECT_TRUE(rules.catchesMouse && !rules.container);
        }
    }
}

class OptionsDialogKinds : public ::testing::Test {
protected:
    forms::ManualClock clock;
    forms::Runtime runtime{clock, 15360, 11520};
    forms::Form& form3 = runtime.addForm(options::form3Design()).touch();

    std::string hitAt(float x, float y) const {
        const forms::Hit hit = form3.hitTest(x, y);
        return hit.control ? hit.control->qualifiedName() + " " + std::to_string(int(hit.x)) + " " +
                                 std::to_string(int(hit.y))
                           : "form";
    }
    std::string dumped(const char* control, const char* property) const {
        const sim::PropertyList list = sim::controlProperties(form3.control(control));
        auto it = std::find_if(list.begin(), list.end(),
                               [&](const auto& p) { return p.first == property; });
        return it == list.end() ? "(none)" : it->second;
    }
};

TEST_F(OptionsDialogKinds, CombosInsidePageFramesAreHitInTheirOwnCoordinatesOnTheShownPage) {
    EXPECT_EQ(hitAt(200, 200), "frmOptions 140 140"); // the tab row
    EXPECT_EQ(hitAt(3700, 2200), "Combo2 100 40");    // in FGeneral, form (3600, 2160)
    EXPECT_EQ(hitAt(3700, 2700), "FGeneral 3580 2220") << "a hidden page's combo caught it";
    form3.control("FGeneral").setVisible(false);
    form3.control("FVariant1").setVisible(true);
    EXPECT_EQ(hitAt(3700, 2700), "Combo4 100 60");
    EXPECT_EQ(hitAt(3700, 2200), "FVariant1 3580 1720");
}

TEST_F(OptionsDialogKinds, DumpListsEntriesSelectionAndSelectedTab) {
    EXPECT_EQ(dumped("Combo2", "ListCount"), "3");
    EXPECT_EQ(dumped("Combo2", "List(1)"), "\"Stellix\"");
    EXPECT_EQ(dumped("Combo2", "ListIndex"), "-1");
    form3.control("Combo2").setListIndex(1);
    EXPECT_EQ(dumped("Combo2", "ListIndex"), "1");
    EXPECT_EQ(dumped("Combo2", "Text"), "\"Stellix\"");
    EXPECT_EQ(dumped("Combo2", "SelectedItem"), "(none)");

    EXPECT_EQ(dumped("frmOptions", "SelectedItem"), "\"General Settings\"");
    form3.control("frmOptions").setListIndex(3);
    EXPECT_EQ(dumped("frmOptions", "ListIndex"), "3");
    EXPECT_EQ(dumped("frmOptions", "SelectedItem"), "\"Variant 3\"");
    EXPECT_EQ(dumped("frmOptions", "Text"), "(none)");
}

} // namespace
