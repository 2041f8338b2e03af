// The desktop items on the main window: the variant-2 grid and its star
// panels, the variant-3 strip with its fill copies, and a second layout
// leaving nothing stale.

#include "desktopitems/item_layout.h"
#include "started_app.h"

#include <gtest/gtest.h>

namespace {

using namespace orvela;
using desktopitems::ItemLayout;

TEST(ItemLayout, GridShapeAndFillCopies) {
    struct Case {
        int n, rows, columns;
    };
    const Case cases[] = {{0, 1, 0},   {1, 1, 1},  {2, 1, 2},  {3, 1, 3},   {10, 1, 10},
                          {11, 1, 11}, {12, 2, 6}, {13, 3, 6}, {100, 5, 20}};
    for (const Case& k : cases) {
        const desktopitems::GridShape g = desktopitems::gridShape(k.n);
        EXPECT_EQ(g.rows, k.rows) << k.n;
        EXPECT_EQ(g.columns, k.columns) << k.n;
    }
    EXPECT_EQ(desktopitems::fillCopies(15360), 12); // Int(10.97) * 1.2
    EXPECT_EQ(desktopitems::fillCopies(19200), 16); // 13 * 1.2 = 15.6
}

TEST(ItemLayout, GridRowsShortLastRowAndStarPanelsOn1024x768) {
    test::StartedApp app;
    ItemLayout layout(app.form2());
    auto at = [&](int i) { return std::pair{app.c("Image4", i).left(), app.c("Image4", i).top()}; };

    layout.layoutDesktopItems(100); // T0 2640, L0 1920: rows from 3120, columns from 2400
    EXPECT_EQ(at(1), (std::pair{2400.0f, 3120.0f}));
    EXPECT_EQ(at(20), (std::pair{11520.0f, 3120.0f}));
    EXPECT_EQ(at(21), (std::pair{2400.0f, 3600.0f}));
    EXPECT_EQ(at(100), (std::pair{11520.0f, 5040.0f}));

    layout.layoutDesktopItems(12); // two rows of six, no shift
    EXPECT_EQ(at(7).first, at(1).first);
    EXPECT_EQ(at(7).second, at(1).second + 480);

    layout.layoutDesktopItems(13); // the lone icon of the third row, three cells in
    EXPECT_EQ(at(13).first, at(1).first + 2 * 480);
    EXPECT_EQ(at(13).second, at(1).second + 2 * 480);

    layout.layoutDesktopItems(11); // one row; the panels flank it
    const forms::Control &left = app.c("Frame3"), &right = app.c("Frame4");
    EXPECT_FLOAT_EQ(left.width(), at(1).first / 1.1f);
    EXPECT_FLOAT_EQ(right.left(), at(1).first + 11 * 480 * 1.05f);
    EXPECT_FLOAT_EQ(left.top(), 11520.0f / 7 * 1.3f);
    EXPECT_FLOAT_EQ(right.height(), static_cast<float>(11520.0 / 2 / 1.08));
}

TEST(ItemLayout, StripCopiesFollowTheItemsAndASecondLayoutLeavesNothingStale) {
    test::StartedApp app;
    ItemLayout layout(app.form2());
    for (int k = 1; k <= 10; ++k)
        app.c("Label6", k).setCaption("item " + std::to_string(k));
    layout.layoutDesktopItems(10);
    layout.layoutDesktopItems(5);

    EXPECT_EQ(app.c("Label6", 0).caption(), "5");
    EXPECT_EQ(app.c("Frame5").width(), 5 * 1400 + 2 * 15360);
    for (int j = 1; j <= 130; ++j) {
        SCOPED_TRACE(j);
        // Items in slots 1..5, slot 6 empty, twelve copies in slots 7..18.
        const bool shown = (j >= 1 && j <= 5) || (j >= 7 && j <= 18);
        EXPECT_EQ(app.c("Image21", j).visible(), shown);
        EXPECT_EQ(app.c("Labe59", j).visible(), shown);
        if (j >= 7 && j <= 18) {
            const int item = (j - 7) % 5 + 1; // the items repeat past the fifth
            EXPECT_EQ(app.c("Labe59", j).left(), (j - 2) * 1400.0f);
            EXPECT_EQ(app.c("Labe59", j).caption(), "item " + std::to_string(item));
            EXPECT_EQ(app.c("Image21", j).left(), (j - 2) * 1400.0f + 460);
        }
    }
    for (int i = 6; i <= 101; ++i) {
        EXPECT_FALSE(app.c("Image3", i).visible()) << i;
        EXPECT_FALSE(app.c("Label6", i).visible()) << i;
        if (i <= 100) {
            EXPECT_FALSE(app.c("Image4", i).visible()) << i;
        }
    }
    EXPECT_FALSE(app.c("Labe59", 0).visible());
    EXPECT_FALSE(app.c("Label6", 0).visible());
    EXPECT_TRUE(app.c("Label6", 5).visible());
    EXPECT_EQ(app.c("Labe59", 7).top(), 1.7f * 480);
    EXPECT_EQ(app.c("Image21", 7).top(), 0.2f * 480);
}

} // namespace

TEST(ItemLayout, TheRingMovesTheControlsOfTheFormAsLoadedNow) {
    test::StartedApp app;
    ItemLayout layout(app.form2());
    for (int round = 0; round < 2; ++round) {
        layout.placeRingItem(3, 1500, 2400);
        EXPECT_EQ(app.c("Image3", 3).left(), 1500) << round;
        EXPECT_EQ(app.c("Label6", 3).top(), 2400 + layout.metrics().ringCaptionDrop) << round;
        // Unloaded and loaded again, Form2 has new controls: they move.
        app.form2().unload();
        app.form2().touch();
    }
    EXPECT_THROW(layout.placeRingItem(5000, 0, 0), std::out_of_range);
}
