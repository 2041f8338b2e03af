// The display's dpi: twips per pixel of the forms that follow it and of those
// that keep 15, the item icons' size, the choice of a picture's render,
// and a program started at 144 and 192 dpi.

#include "desktopitems/item_layout.h"
#include "forms/geometry.h"
#include "forms/picture_renders.h"
#include "forms/picture_size.h"
#include "started_app.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using namespace orvela;

TEST(DisplayDpi, TwipsPerPixelAndIconSizeFollowTheDpi) {
    struct Case {
        int dpi;
        int usable;
        float twipsPerPixel;
        int iconPixels;
    };
    const Case cases[] = {{96, 96, 15, 32},     {120, 120, 12, 40},  {144, 144, 10, 48},
                          {192, 192, 7.5f, 64}, {240, 240, 6, 80},   {480, 480, 3, 160},
                          {72, 72, 20, 24},     {0, 96, 15, 32},     {-5, 96, 15, 32},
                          {10, 72, 20, 24},     {9999, 480, 3, 160}, {168, 168, 1440.0f / 168, 56}};
    for (const Case& k : cases) {
        EXPECT_EQ(forms::usableDpi(k.dpi), k.usable) << k.dpi;
        EXPECT_FLOAT_EQ(forms::PixelScale::atDpi(k.dpi).twipsPerPixel, k.twipsPerPixel) << k.dpi;
        EXPECT_EQ(forms::iconPixelsAt(k.dpi), k.iconPixels) << k.dpi;
    }
    const forms::PixelScale twice = forms::PixelScale::atDpi(192);
    EXPECT_EQ(twice.toPixels(5895), 786); // the Options dialog's width at 200 %
    EXPECT_FLOAT_EQ(twice.toTwips(786), 5895);
    EXPECT_EQ(forms::PixelScale{}.toPixels(5895), 393);
}

TEST(DisplayDpi, RenderNamesAndChoice) {
    struct Name {
        const char *name, *twice, *thrice;
    };
    const Name names[] = {
        {"but1.jpg", "but1@2x.jpg", "but1@3x.jpg"},
        {"Image8.gif", "Image8@2x.gif", "Image8@3x.gif"},
        {"PixDummy", "PixDummy@2x", "PixDummy@3x"},
        {"a.b.jpg", "a.b@2x.jpg", "a.b@3x.jpg"},
        {".hidden", ".hidden@2x", ".hidden@3x"},
        {"dir.x/pic", "dir.x/pic@2x", "dir.x/pic@3x"},
        {"but1@2x.jpg", "", ""},
        {"but1@3x.jpg", "", ""},
        {"", "", ""},
    };
    for (const Name& n : names) {
        EXPECT_EQ(forms::renderName(n.name, 2), n.twice) << n.name;
        EXPECT_EQ(forms::renderName(n.name, 3), n.thrice) << n.name;
        EXPECT_EQ(forms::renderName(n.name, 4), "") << n.name;
    }
    EXPECT_EQ(forms::renderName("but1.jpg", 1), "but1.jpg");

    // The smallest render not magnified past 1.25 on either side, else 3x.
    struct Case {
        int w, h, shownW, shownH, render;
    };
    const Case cases[] = {
        {200, 50, 200, 50, 1},      {200, 50, 250, 62, 1},       {200, 50, 251, 50, 2},
        {200, 50, 200, 63, 2},      {200, 50, 100, 25, 1},       {200, 50, 500, 125, 2},
        {200, 50, 501, 125, 3},     {200, 50, 562, 140, 3},      {200, 50, 5000, 1250, 3},
        {0, 0, 500, 500, 1},        {31, 30, 44, 42, 2},         {1024, 768, 2880, 2160, 3},
        {1024, 768, 1440, 1080, 2}, {1600, 1200, 2880, 2160, 2},
    };
    for (const Case& k : cases)
        EXPECT_EQ(forms::wantedRender(k.w, k.h, k.shownW, k.shownH), k.render)
            << k.w << "x" << k.h << " at " << k.shownW << "x" << k.shownH;
}

TEST(DisplayDpi, MarginPiecesBelongToTheDrawingsThatGoOn) {
    for (const char* render : {"Fon800.jpg", "Fon1024.jpg", "fon1152.JPG", "Fon1600.jpg"}) {
        const forms::MarginDrawing d = forms::marginPieces(render);
        EXPECT_EQ(d.canvasWidth, 1024) << render;
        EXPECT_EQ(d.canvasHeight, 768) << render;
        EXPECT_EQ(d.pieces[0].artwork, "FonLeft.jpg") << render;
        EXPECT_EQ(d.pieces[5].artwork, "FonBottom.jpg") << render;
    }
    EXPECT_EQ(forms::marginPieces("Image1.jpg").pieces[4].artwork, "Image1Top.jpg");
    EXPECT_EQ(forms::marginPieces("Image20.gif").pieces[2].artwork, "Image20Right.jpg");
    EXPECT_EQ(forms::marginPieces("Image20.gif").pieces[3].artwork, "Image20FarRight.jpg");
    // The scenery behind the mirror, a user's picture and the buttons stop at
    // their edges.
    for (const char* other : {"Image19.jpg", "but1.jpg", "C:\\pics\\Fon1024.jpg", ""})
        EXPECT_EQ(forms::marginPieces(other).canvasWidth, 0) << other;
}

TEST(DisplayDpi, EveryMarginPieceIsShippedAtEachRender) {
    // Sides reach a 3840 x 2160 screen (3x), top and bottom a portrait one (2x).
    const std::string art = std::string(ORVELA_SOURCE_DIR) + "/resources/art/";
    const auto sizeOf = [&](const std::string& name) {
        std::ifstream in(art + name, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        return forms::pictureSize(bytes).value_or(forms::PixelSize{});
    };
    for (const char* render : {"Fon1024.jpg", "Image1.jpg", "Image20.gif"})
        for (const forms::MarginPiece& piece : forms::marginPieces(render).pieces) {
            const bool side =
                piece.side == forms::MarginSide::Left || piece.side == forms::MarginSide::Right;
            const forms::PixelSize own = sizeOf(piece.artwork);
            for (int m = 1; m <= (side ? 3 : 2); ++m) {
                const std::string name = forms::renderName(piece.artwork, m);
                EXPECT_EQ(sizeOf(name).width, own.width * m) << name;
                EXPECT_EQ(sizeOf(name).height, own.height * m) << name;
            }
            // The near piece covers a 16:9 screen's margin, the far one goes on
            // from its edge out to a 3440 x 1440 screen's (405.3 drawing pixels).
            if (side)
                EXPECT_EQ(piece.from + own.width, piece.from ? 406 : forms::nearSideWidth)
                    << piece.artwork;
            else
                EXPECT_EQ(own.height, 527) << piece.artwork;
        }
    EXPECT_GE((1024 + 2 * forms::nearSideWidth) * 9, 768 * 16) << "16:9 needs the far pieces";
    // The backgrounds a 3840 x 2160 screen shows, at most 1.25 times magnified.
    for (const char* name : {"Fon1600@2x.jpg", "Image1@3x.jpg", "Image19@3x.jpg", "Image20@3x.gif"})
        EXPECT_TRUE(std::filesystem::exists(art + name)) << name;
}

TEST(DisplayDpi, OnlyTheFormsThatFollowTheDpiChangeTheirScale) {
    for (int dpi : {96, 144, 192}) {
        test::AppOptions o;
        o.dpi = dpi;
        o.width = 1920;
        o.height = 1080;
        test::StartedApp app(o);
        const float dialogTwips = 1440.0f / static_cast<float>(dpi);
        EXPECT_FLOAT_EQ(app.form2().pixelScale().twipsPerPixel, 15) << dpi;
        EXPECT_FLOAT_EQ(app.form1().pixelScale().twipsPerPixel, 15) << dpi;
        EXPECT_FLOAT_EQ(app.form("form3").pixelScale().twipsPerPixel, dialogTwips) << dpi;
        EXPECT_FLOAT_EQ(app.form("Form6").pixelScale().twipsPerPixel, dialogTwips) << dpi;
        // The same screen in each form's twips: 1920 pixels.
        EXPECT_FLOAT_EQ(app.form2().screenWidth(), 1920 * 15.0f) << dpi;
        EXPECT_FLOAT_EQ(app.form("form3").screenWidth(), 1920 * dialogTwips) << dpi;
        EXPECT_FLOAT_EQ(app.form("form3").screenHeight(), 1080 * dialogTwips) << dpi;
    }
}

TEST(DisplayDpi, ItemIconsCaptionsAndCellsGrowWithTheIcon) {
    struct Case {
        int dpi;
        float icon, captionWidth, drop, pitch;
    };
    const Case cases[] = {
        {96, 480, 1440, 490, 1400}, {144, 720, 2160, 735, 2100}, {192, 960, 2880, 980, 2800}};
    for (const Case& k : cases) {
        const desktopitems::ItemMetrics m = desktopitems::itemMetricsAt(k.dpi);
        EXPECT_FLOAT_EQ(m.icon, k.icon) << k.dpi;
        EXPECT_FLOAT_EQ(m.ringCaptionWidth, k.captionWidth) << k.dpi;
        EXPECT_FLOAT_EQ(m.ringCaptionDrop, k.drop) << k.dpi;
        EXPECT_FLOAT_EQ(m.stripPitch, k.pitch) << k.dpi;

        test::AppOptions o;
        o.dpi = k.dpi;
        test::StartedApp app(o);
        desktopitems::ItemLayout& layout = app.layout();
        layout.layoutDesktopItems(12);
        app.tick();
        // Ring and grid icons at the dpi's size, the ring caption below its icon.
        EXPECT_FLOAT_EQ(app.c("Image3", 1).width(), k.icon) << k.dpi;
        EXPECT_FLOAT_EQ(app.c("Image4", 5).height(), k.icon) << k.dpi;
        EXPECT_FLOAT_EQ(app.c("Label6", 1).width(), k.captionWidth) << k.dpi;
        EXPECT_FLOAT_EQ(app.c("Label6", 1).top() - app.c("Image3", 1).top(), k.drop) << k.dpi;
        EXPECT_FLOAT_EQ(app.c("Label6", 1).font().size, 8.25f * k.icon / 480) << k.dpi;
        // Grid cells one icon apart; strip cells one pitch apart, the icon
        // centred in its cell (the screen's scale 1 at 1024 x 768).
        EXPECT_FLOAT_EQ(app.c("Image4", 2).left() - app.c("Image4", 1).left(), k.icon) << k.dpi;
        EXPECT_FLOAT_EQ(app.c("Labe59", 2).left() - app.c("Labe59", 1).left(), k.pitch) << k.dpi;
        EXPECT_FLOAT_EQ(app.c("Image21", 1).width(), k.icon) << k.dpi;
        EXPECT_FLOAT_EQ(app.c("Image21", 1).left(), (k.pitch - k.icon) / 2) << k.dpi;
    }
}

} // namespace
