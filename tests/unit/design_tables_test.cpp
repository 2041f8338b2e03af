// Consistency of the designer tables of Form1, Form2, form3 and Form6: the forms
// build, the control arrays have the ranges the logic indexes, nothing visible
// lies outside its container, pictures name artwork files, the calendar is a
// regular grid, and what should lie on top does.

#include "desktopitems/form1_design.h"
#include "forms/runtime.h"
#include "options/form3_design.h"
#include "shell/form2_design.h"
#include "shell/form6_design.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

namespace {

using namespace orvela;
using forms::Control;
using forms::ControlKind;

class DesignTables : public ::testing::Test {
protected:
    forms::ManualClock clock;
    forms::Runtime runtime{clock, 15360, 11520};
    forms::Form& form1 = runtime.addForm(desktopitems::form1Design()).touch();
    forms::Form& form2 = runtime.addForm(shell::form2Design()).touch();
    forms::Form& form3 = runtime.addForm(options::form3Design()).touch();
    forms::Form& form6 = runtime.addForm(shell::form6Design()).touch();
    std::vector<forms::Form*> all{&form1, &form2, &form3, &form6};

    std::size_t paintIndex(const Control& c) const {
        auto order = c.form().paintOrder();
        return static_cast<std::size_t>(std::find(order.begin(), order.end(), &c) - order.begin());
    }
};

// The area a control is placed in: its frame, or the form's client area.
forms::Rect containerArea(const Control& c) {
    if (const Control* p = c.parent())
        return {0, 0, p->width(), p->height()};
    return {0, 0, c.form().width(), c.form().height()};
}

TEST(DesignTablesBuild, EveryFormLoadsFromItsTable) {
    for (const forms::FormDesign* design : {&desktopitems::form1Design(), &shell::form2Design(),
                                            &options::form3Design(), &shell::form6Design()}) {
        forms::ManualClock clock;
        forms::Runtime runtime(clock, 15360, 11520);
        forms::Form& form = runtime.addForm(*design);
        EXPECT_NO_THROW(form.touch()) << design->name;
        EXPECT_TRUE(form.loaded()) << design->name;
    }
}

TEST_F(DesignTables, ControlArraysHaveTheIndexedRanges) {
    struct Range {
        forms::Form* form;
        const char* name;
        int first, last;
    };
    const Range ranges[] = {
        {&form2, "Label21", 1, 12},  {&form2, "Image12", 1, 12}, {&form2, "Label3", 0, 12},
        {&form2, "Label6", 0, 101},  {&form2, "Image3", 0, 101}, {&form2, "Image4", 0, 100},
        {&form2, "Image21", 1, 130}, {&form2, "Labe59", 0, 130},
    };
    for (const Range& r : ranges) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(r.form->find(r.name), nullptr) << "also designed as a single control";
        EXPECT_EQ(r.form->find(r.name, r.first - 1), nullptr);
        EXPECT_EQ(r.form->find(r.name, r.last + 1), nullptr);
        const Control& first = r.form->control(r.name, r.first);
        for (int i = r.first; i <= r.last; ++i) {
            const Control* c = r.form->find(r.name, i);
            ASSERT_NE(c, nullptr) << "element " << i;
            EXPECT_EQ(c->kind(), first.kind()) << "element " << i;
            EXPECT_EQ(c->parent(), first.parent()) << "element " << i;
        }
    }
}

TEST_F(DesignTables, VisibleControlsLieInsideTheirContainer) {
    for (forms::Form* form : all) {
        for (const auto& owned : form->controls()) {
            const Control& c = *owned;
            // The overlays are moved over the whole screen by the layout;
            // timers, image lists and menus have no place on the form.
            if (!c.effectivelyVisible() || c.kind() == ControlKind::Timer ||
                c.kind() == ControlKind::ImageList || c.kind() == ControlKind::Menu ||
                c.name() == "V1Frame" || c.name() == "V3Frame")
                continue;
            SCOPED_TRACE(form->name() + "." + c.qualifiedName());
            forms::Rect area = containerArea(c);
            if (c.kind() == ControlKind::Line) {
                for (float x : {c.x1(), c.x2()})
                    EXPECT_TRUE(x >= 0 && x <= area.width) << x;
                for (float y : {c.y1(), c.y2()})
                    EXPECT_TRUE(y >= 0 && y <= area.height) << y;
                continue;
            }
            ASSERT_FALSE(c.bounds().empty());
            // Overhanging edges are clipped; most of the control must show.
            forms::Rect shown = c.bounds().intersected(area);
            EXPECT_GE(shown.width * shown.height, c.width() * c.height() / 2);
        }
    }
}

TEST_F(DesignTables, PicturesNameArtworkFiles) {
    const std::regex artwork("[A-Za-z0-9_]+\\.(jpg|gif|bmp)");
    for (forms::Form* form : all) {
        if (!form->picture().isNone()) {
            EXPECT_TRUE(std::regex_match(form->picture().source, artwork)) << form->name();
        }
        for (const auto& owned : form->controls()) {
            const Control& c = *owned;
            SCOPED_TRACE(form->name() + "." + c.qualifiedName());
            const forms::Picture& p = c.picture();
            if (c.kind() == ControlKind::Image && c.effectivelyVisible()) {
                EXPECT_FALSE(p.isNone()) << "a visible image shows nothing";
            }
            if (p.isNone())
                continue;
            EXPECT_EQ(p.kind, forms::Picture::Kind::Artwork);
            EXPECT_TRUE(std::regex_match(p.source, artwork)) << p.source;
            // A hidden holder keeps the artwork named after it.
            if (!c.visible()) {
                EXPECT_EQ(p.source.substr(0, p.source.find('.')), c.name());
            }
        }
    }
}

TEST_F(DesignTables, CalendarCellsFormASixBySevenGrid) {
    auto cell = [&](int k) -> const Control& {
        return form2.control("Label" + std::to_string(110 + k));
    };
    const Control& first = cell(0);
    const float pitchX = cell(1).left() - first.left();
    const float pitchY = cell(7).top() - first.top();
    EXPECT_GE(pitchX, first.width());
    EXPECT_GE(pitchY, first.height());
    for (int k = 0; k < 42; ++k) {
        const Control& c = cell(k);
        const int row = k / 7, column = k % 7;
        SCOPED_TRACE(c.name());
        EXPECT_FLOAT_EQ(c.left(), first.left() + column * pitchX);
        EXPECT_FLOAT_EQ(c.top(), first.top() + row * pitchY);
        EXPECT_EQ(c.bounds().width, first.width());
        EXPECT_EQ(c.bounds().height, first.height());
        EXPECT_EQ(c.backStyle(), 0);
        const Control& header = form2.control("Label" + std::to_string(103 + column));
        EXPECT_EQ(c.foreColor(), header.foreColor()) << "column colour differs from its header";
        EXPECT_GE(c.top(), header.top() + header.height());
    }
    EXPECT_EQ(form2.find("Label152"), nullptr);
}

TEST_F(DesignTables, CaptionsAndMenuLieOnTop) {
    // A visible label lying mostly on a visible image of the same container
    // (a button caption, a text on a backdrop) paints above it.
    for (const auto& label : form2.controls()) {
        if (label->kind() != ControlKind::Label || !label->effectivelyVisible())
            continue;
        const float area = label->width() * label->height();
        for (const auto& image : form2.controls()) {
            forms::Rect common = label->bounds().intersected(image->bounds());
            if (image->kind() != ControlKind::Image || !image->effectivelyVisible() ||
                image->parent() != label->parent() || common.width * common.height < area / 2)
                continue;
            EXPECT_GT(paintIndex(*label), paintIndex(*image))
                << label->name() << " under " << image->name();
        }
    }
    // The pop-up menu opens above either overlay, the drives panel above its neighbours.
    for (const auto& c : form2.controls()) {
        if (c.get() == &form2.control("Frame1") || c->parent() == &form2.control("Frame1"))
            continue;
        EXPECT_LT(paintIndex(*c), paintIndex(form2.control("Frame1"))) << c->name();
    }
    for (const Control* sibling : form2.control("V1Frame").children()) {
        if (sibling->isWindowed() && sibling->name() != "Frame2") {
            EXPECT_LT(paintIndex(*sibling), paintIndex(form2.control("Frame2"))) << sibling->name();
        }
    }
}

TEST_F(DesignTables, VariantTwoIconsReachTheirHitAreas) {
    // As in variant 2: the overlay over the whole screen, variant 3 hidden.
    form2.control("V1Frame").move(0, 0, form2.width(), form2.height());
    form2.control("V3Frame").setVisible(false);
    const std::pair<const char*, const char*> buttons[] = {
        {"Image6", "Label38"},  {"Image5", "Label39"},  {"Image2", "Label40"},
        {"Image7", "Label42"},  {"Image14", "Label45"}, {"Image15", "Label46"},
        {"Image16", "Label49"}, {"Image17", "Label50"}, {"Image18", "Label52"},
    };
    for (const auto& [icon, hitArea] : buttons) {
        const Control& image = form2.control(icon);
        float x = 0, y = 0;
        image.originInForm(x, y);
        forms::Hit hit = form2.hitTest(x + image.left() + image.width() / 2,
                                       y + image.top() + image.height() / 2);
        ASSERT_NE(hit.control, nullptr) << icon;
        EXPECT_EQ(hit.control->name(), hitArea) << icon;
    }
}

} // namespace

namespace {

// The placement column agrees with where a row lies: what moves with the
// composition's offset is placed from the screen's corner (on the form or an
// overlay), what is only scaled lies inside a frame of the design, and the
// overlays, backgrounds and strip are the rows the layout stretches.
TEST(DesignTablesPlacement, Form2PlacementsMatchTheirParents) {
    using forms::Placement;
    auto overlay = [](const char* parent) {
        return std::string(parent) == "V1Frame" || std::string(parent) == "V3Frame";
    };
    for (const forms::ControlDesign& row : shell::form2Design().controls) {
        SCOPED_TRACE(row.name);
        switch (row.placement) {
        case Placement::Composition:
        case Placement::CompositionText:
        case Placement::CalendarCell:
        case Placement::RecycleText:
            EXPECT_TRUE(!row.parent || overlay(row.parent));
            break;
        case Placement::InFrame:
        case Placement::InFrameText:
            EXPECT_TRUE(row.parent && !overlay(row.parent));
            break;
        case Placement::WholeScreen:
        case Placement::InfoLine:
            EXPECT_EQ(row.parent, nullptr);
            break;
        case Placement::DesignArea:
        case Placement::DesignAreaEdges:
        case Placement::StripBand:
            EXPECT_TRUE(row.parent && overlay(row.parent));
            break;
        case Placement::Fixed:
            break;
        }
        EXPECT_EQ(row.rise != 0, row.placement == Placement::InfoLine);
    }
}

} // namespace
