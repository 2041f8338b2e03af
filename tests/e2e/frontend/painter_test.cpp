// What a form looks like once painted: colours, pictures, clipping, text, and
// what must stay unpainted.
#include "test_forms.h"
#include "win32/caption_sprites.h"
#include "win32/dib_section.h"
#include "win32/direct_pixels.h"
#include "win32/form_painter.h"
#include "win32/gdi_guards.h"
#include "win32/label_looks.h"
#include "win32/picture_cache.h"
#include "win32/picture_source.h"
#include "win32/pixel_geometry.h"
#include "win32/utf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>
#include <vector>

namespace orvela::test {
namespace {

using forms::Alignment;
using forms::ControlDesign;
using forms::ControlKind;
using forms::rgb;

constexpr forms::Color background = rgb(10, 20, 30);

constexpr std::array controls{
    // Opaque label at (10,10) 30x10 px.
    ControlDesign{.kind = ControlKind::Label,
                  .name = "Plate",
                  .left = 10 * px,
                  .top = 10 * px,
                  .width = 30 * px,
                  .height = 10 * px,
                  .backColor = rgb(200, 0, 0),
                  .backStyle = 1},
    // Hidden opaque label at (50,10).
    ControlDesign{.kind = ControlKind::Label,
                  .name = "Hidden",
                  .left = 50 * px,
                  .top = 10 * px,
                  .width = 30 * px,
                  .height = 10 * px,
                  .backColor = rgb(255, 255, 0),
                  .backStyle = 1,
                  .visible = false},
    // Frame at (100,10) 60x60 px; its child reaches past its right and bottom edges.
    ControlDesign{.kind = ControlKind::Frame,
                  .name = "Box",
                  .left = 100 * px,
                  .top = 10 * px,
                  .width = 60 * px,
                  .height = 60 * px,
                  .backColor = rgb(0, 200, 0)},
    ControlDesign{.kind = ControlKind::Label,
                  .name = "Inner",
                  .parent = "Box",
                  .left = 30 * px,
                  .top = 30 * px,
                  .width = 60 * px,
                  .height = 60 * px,
                  .backColor = rgb(0, 0, 200),
                  .backStyle = 1},
    // Transparent GIF at natural size at (10,40); a picture that does not exist.
    ControlDesign{.kind = ControlKind::Image,
                  .name = "Drive",
                  .left = 10 * px,
                  .top = 40 * px,
                  .width = 30 * px,
                  .height = 30 * px,
                  .picture = "Image10.gif"},
    ControlDesign{.kind = ControlKind::Image,
                  .name = "Missing",
                  .left = 50 * px,
                  .top = 40 * px,
                  .width = 30 * px,
                  .height = 30 * px,
                  .picture = "NoSuch.gif"},
    // A 312x116 JPEG: stretched into 20x20 px at (170,70); unstretched,
    // clipped to 20x20 px at (40,75).
    ControlDesign{.kind = ControlKind::Image,
                  .name = "Shrunk",
                  .left = 170 * px,
                  .top = 70 * px,
                  .width = 20 * px,
                  .height = 20 * px,
                  .picture = "Form6.jpg",
                  .stretch = true},
    ControlDesign{.kind = ControlKind::Image,
                  .name = "Cropped",
                  .left = 40 * px,
                  .top = 75 * px,
                  .width = 20 * px,
                  .height = 20 * px,
                  .picture = "Form6.jpg"},
    // A white horizontal line along y = 95 px.
    ControlDesign{.kind = ControlKind::Line,
                  .name = "Rule",
                  .x1 = 70 * px,
                  .y1 = 95 * px,
                  .x2 = 160 * px,
                  .y2 = 95 * px,
                  .borderColor = rgb(255, 255, 255)},
    // Text labels: white background, black text, 60x30 px at (200,0) and (200,40).
    ControlDesign{.kind = ControlKind::Label,
                  .name = "Right",
                  .left = 200 * px,
                  .top = 0,
                  .width = 60 * px,
                  .height = 30 * px,
                  .caption = "II",
                  .font = {.name = "Arial", .size = 9.75f},
                  .backColor = rgb(255, 255, 255),
                  .backStyle = 1,
                  .alignment = Alignment::Right},
    ControlDesign{.kind = ControlKind::Label,
                  .name = "Lines",
                  .left = 200 * px,
                  .top = 40 * px,
                  .width = 60 * px,
                  .height = 30 * px,
                  .caption = "I\r\nI",
                  .font = {.name = "Arial", .size = 9.75f},
                  .backColor = rgb(255, 255, 255),
                  .backStyle = 1},
};
const forms::FormDesign design{.name = "Paint",
                               .width = 300 * px,
                               .height = 100 * px,
                               .backColor = background,
                               .controls = controls};

class PainterTest : public ::testing::Test {
protected:
    PainterTest() : form(program.add(design)), painter(pictures, fonts) {
        form.touch();
        bitmap.reset(CreateCompatibleBitmap(screen.get(), 300, 100));
        selection.emplace(dc.get(), bitmap.get());
    }
    void paint() { painter.paint(dc.get(), form); }
    COLORREF at(int x, int y) const { return GetPixel(dc.get(), x, y); }
    // Text pixels (dark) in the rectangle.
    int darkPixels(int left, int top, int right, int bottom) const {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (GetRValue(at(x, y)) < 128)
                    ++n;
        return n;
    }

    TestProgram program;
    forms::Form& form;
    win32::PictureCache pictures;
    win32::FontCache fonts;
    win32::FormPainter painter;
    win32::ScreenDc screen;
    win32::MemoryDc dc{screen.get()};
    win32::Bitmap bitmap;
    std::optional<win32::Selection> selection;
};

TEST_F(PainterTest, FillsColoursExactlyOverTheirPixelRectangles) {
    paint();
    EXPECT_EQ(at(5, 5), background);
    EXPECT_EQ(at(10, 10), rgb(200, 0, 0));
    EXPECT_EQ(at(39, 19), rgb(200, 0, 0));
    EXPECT_EQ(at(40, 19), background);
    EXPECT_EQ(at(39, 20), background);
    EXPECT_EQ(at(60, 15), background) << "hidden control painted";
}

TEST_F(PainterTest, FrameClipsItsChildren) {
    paint();
    EXPECT_EQ(at(110, 20), rgb(0, 200, 0));
    EXPECT_EQ(at(130, 40), rgb(0, 0, 200));
    EXPECT_EQ(at(159, 69), rgb(0, 0, 200));
    EXPECT_EQ(at(160, 50), background);
    EXPECT_EQ(at(140, 70), background);
    form.control("Box").setVisible(false);
    paint();
    EXPECT_EQ(at(130, 40), background) << "child of a hidden frame painted";
}

TEST_F(PainterTest, GifTransparencyShowsWhatLiesBelow) {
    paint();
    EXPECT_EQ(at(10, 40), background);
    COLORREF centre = at(25, 55);
    EXPECT_NE(centre, background);
    EXPECT_NE(centre, RGB(255, 0, 255));
}

TEST_F(PainterTest, StretchScalesToTheControlAndNaturalSizeIsClippedToIt) {
    paint();
    // The JPEG has no background colour: its corners are drawn.
    EXPECT_NE(at(170, 70), background);
    EXPECT_NE(at(189, 89), background);
    EXPECT_EQ(at(190, 89), background);
    EXPECT_NE(at(59, 94), background);
    EXPECT_EQ(at(60, 90), background) << "unstretched picture not clipped";
}

TEST_F(PainterTest, ArtworkNoLongerShownIsReleasedByAWholePaintAndComesBackWhenShown) {
    const forms::Picture gif = forms::Picture::artwork("Image10.gif");
    const forms::Picture jpeg = forms::Picture::artwork("Form6.jpg");
    const RECT gifBox{10, 40, 40, 70}, jpegBox{170, 70, 190, 90};
    painter.paint(dc.get(), form, nullptr, true);
    ASSERT_TRUE(pictures.holds(gif, gifBox));
    form.control("Drive").setVisible(false);
    paint(); // a part of the window: it may not have shown everything
    EXPECT_TRUE(pictures.holds(gif, gifBox));
    painter.paint(dc.get(), form, nullptr, true);
    EXPECT_FALSE(pictures.holds(gif, gifBox));
    EXPECT_TRUE(pictures.holds(jpeg, jpegBox));
    EXPECT_EQ(at(25, 55), background);
    form.control("Drive").setVisible(true);
    paint();
    EXPECT_TRUE(pictures.holds(gif, gifBox));
    EXPECT_NE(at(25, 55), background);
    // Another window's whole paint keeps what this one shows, until this
    // window is gone.
    const forms::Form& other =
        program.add({.name = "Other", .width = 10, .height = 10, .controls = {}});
    painter.paint(dc.get(), other, nullptr, true);
    EXPECT_TRUE(pictures.holds(jpeg, jpegBox));
    painter.forget(form);
    painter.paint(dc.get(), other, nullptr, true);
    EXPECT_FALSE(pictures.holds(jpeg, jpegBox));
}

TEST_F(PainterTest, MissingPictureDrawsNothing) {
    paint();
    EXPECT_EQ(at(65, 55), background);
    EXPECT_EQ(pictures.get(forms::Picture::artwork("NoSuch.gif")), nullptr);
    EXPECT_EQ(pictures.get(forms::Picture::file("Z:\\no\\such\\file.jpg")), nullptr);
}

TEST_F(PainterTest, AFormsPictureCoversItsColourWhichShowsOnlyWithoutIt) {
    // A backdrop drawn over the middle of the form, its edges continued to
    // the form's; what lay on the buffer before must not show anywhere.
    forms::Form& backdrop = program.add({.name = "Backdrop",
                                         .width = 60 * px,
                                         .height = 40 * px,
                                         .backColor = background,
                                         .controls = {}});
    backdrop.touch();
    backdrop.setPictureArea({20 * px, 10 * px, 20 * px, 20 * px});
    constexpr COLORREF stale = RGB(255, 0, 255);
    // Each painted twice: decoding it, then with it at hand.
    for (const char* name : {"Form6.jpg", "Form6.jpg", "NoSuch.jpg", "NoSuch.jpg"}) {
        SCOPED_TRACE(name);
        const bool missing = name[0] == 'N';
        const RECT all{0, 0, 60, 40};
        win32::Brush brush(CreateSolidBrush(stale));
        FillRect(dc.get(), &all, brush.get());
        backdrop.setPicture(forms::Picture::artwork(name));
        painter.paint(dc.get(), backdrop, nullptr, true);
        for (int y = 0; y < 40; y += 3)
            for (int x = 0; x < 60; x += 3) {
                ASSERT_NE(at(x, y), stale) << x << "," << y;
                ASSERT_EQ(at(x, y) == background, missing) << x << "," << y;
            }
    }
}

TEST_F(PainterTest, LineRunsBetweenItsEndsInItsColour) {
    paint();
    EXPECT_EQ(at(70, 95), rgb(255, 255, 255));
    EXPECT_EQ(at(120, 95), rgb(255, 255, 255));
    EXPECT_EQ(at(120, 94), background);
    EXPECT_EQ(at(65, 95), background);
}

TEST_F(PainterTest, TextFollowsAlignmentAndLineBreaks) {
    paint();
    EXPECT_EQ(darkPixels(200, 0, 230, 30), 0) << "right-aligned text on the left";
    EXPECT_GT(darkPixels(230, 0, 260, 30), 0);
    int firstLine = darkPixels(200, 40, 260, 53), secondLine = darkPixels(200, 56, 260, 70);
    EXPECT_GT(firstLine, 0);
    EXPECT_GT(secondLine, 0) << "CR LF did not start a second line";
}

TEST_F(PainterTest, PaintsOnlyInsideTheClipRegion) {
    paint();
    form.control("Plate").setBackColor(rgb(0, 0, 255));
    {
        win32::SavedState state(dc.get());
        IntersectClipRect(dc.get(), 0, 0, 20, 100);
        paint();
    }
    EXPECT_EQ(at(15, 15), rgb(0, 0, 255));
    EXPECT_EQ(at(25, 15), rgb(200, 0, 0)) << "painted outside the clip";
}

TEST_F(PainterTest, OnTheBuffersOwnPixelsAsTheSystemPaintsAndOnlyWithinTheRegion) {
    // The same form painted into a 32-bit section through the system and
    // through its own pixels, clipped to a region of two rectangles.
    constexpr std::uint32_t untouched = 0x00123456;
    win32::Region region(CreateRectRgn(10, 5, 150, 60));
    win32::Region second(CreateRectRgn(180, 20, 290, 90));
    CombineRgn(region.get(), region.get(), second.get(), RGN_OR);
    auto paintInto = [&](bool own) {
        void* bits = nullptr;
        win32::Bitmap section(win32::topDownSection(300, 100, bits));
        auto* pixels = static_cast<std::uint32_t*>(bits);
        std::fill_n(pixels, 300 * 100, untouched);
        win32::MemoryDc target(screen.get());
        win32::Selection into(target.get(), section.get());
        SelectClipRgn(target.get(), region.get());
        std::optional<win32::DirectPixels> direct;
        if (own)
            direct.emplace(pixels, 300, 100,
                           win32::DirectPixels::regionRects(region.get(), {0, 0, 300, 100}));
        painter.paint(target.get(), form, direct ? &*direct : nullptr);
        GdiFlush();
        return std::vector<std::uint32_t>(pixels, pixels + 300 * 100);
    };
    const std::vector<std::uint32_t> system = paintInto(false), own = paintInto(true);
    int differ = 0, outside = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 300; ++x) {
            const std::uint32_t a = system[y * 300 + x], b = own[y * 300 + x];
            if (!PtInRegion(region.get(), x, y)) {
                outside += b != untouched;
                continue;
            }
            for (int shift : {0, 8, 16}) // the colour; a blend may round one step apart
                if (std::abs(static_cast<int>((a >> shift) & 0xFF) -
                             static_cast<int>((b >> shift) & 0xFF)) > 1) {
                    ++differ;
                    break;
                }
        }
    EXPECT_EQ(differ, 0);
    EXPECT_EQ(outside, 0);
    EXPECT_NE(own[30 * 300 + 100], untouched) << "nothing painted";
}

TEST(PictureCacheTest, DecodesEachReferenceOnceAtItsPixelSize) {
    win32::PictureCache cache;
    const win32::DecodedPicture* background = cache.get(forms::Picture::artwork("Fon1024.jpg"));
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(background->width(), 1024);
    EXPECT_EQ(background->height(), 768);
    EXPECT_FALSE(background->transparent());
    EXPECT_EQ(cache.get(forms::Picture::artwork("fon1024.JPG")), background)
        << "resource names ignore case";
    const win32::DecodedPicture* icon = cache.get(forms::Picture::artwork("Image8.gif"));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->width(), 30);
    EXPECT_TRUE(icon->transparent());
    EXPECT_EQ(cache.get(forms::Picture{}), nullptr);
}

// Writes bytes to a file in the temp folder; its UTF-8 path.
std::string temporaryFile(const std::wstring& name, const std::string& bytes) {
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    std::wstring path = std::wstring(dir) + name;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return win32::toUtf8(path);
}

TEST(PictureCacheTest, ReadsFilesByUtf8PathAndRefusesWhatIsNotAPicture) {
    std::optional<std::string> jpeg = win32::artworkBytes("Form6.jpg");
    ASSERT_TRUE(jpeg);
    std::string picturePath =
        temporaryFile(L"orvela-\u043a\u0430\u0440\u0442\u0438\u043d\u043a\u0430.jpg", *jpeg);
    std::string garbagePath = temporaryFile(L"orvela-garbage.jpg", "not a picture");
    win32::PictureCache cache;
    const win32::DecodedPicture* picture = cache.get(forms::Picture::file(picturePath));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width(), 312);
    EXPECT_EQ(picture->height(), 116);
    EXPECT_EQ(cache.get(forms::Picture::file(garbagePath)), nullptr);
    EXPECT_EQ(cache.get(forms::Picture::artwork(picturePath)), nullptr)
        << "a file path is not an artwork name";
    DeleteFileW(win32::toWide(picturePath)->c_str());
    DeleteFileW(win32::toWide(garbagePath)->c_str());
}

TEST(PixelGeometryTest, EdgesRoundToTheNearestPixelAndFontsScaleByPoints) {
    RECT r = win32::toPixels({22, 8, 30, 15}); // 1.47, 0.53 .. 3.47, 1.53 px
    EXPECT_EQ(r.left, 1);
    EXPECT_EQ(r.top, 1);
    EXPECT_EQ(r.right, 3);
    EXPECT_EQ(r.bottom, 2);
    EXPECT_EQ(win32::fontHeight(8.25f), -11);
    EXPECT_EQ(win32::fontHeight(9.75f), -13);
    EXPECT_EQ(win32::fontHeight(13.5f), -18);
    EXPECT_EQ(win32::fontHeight(21), -28);
    // At 192 dpi (7.5 twips a pixel) twice as many pixels.
    const forms::PixelScale twice = forms::PixelScale::atDpi(192);
    r = win32::toPixels({0, 0, 5895, 4740}, twice);
    EXPECT_EQ(r.right, 786);
    EXPECT_EQ(r.bottom, 632);
    EXPECT_EQ(win32::fontHeight(8.25f, twice), -22);
    EXPECT_EQ(win32::atFormScale(200, twice), 400);
}

TEST(PictureCacheTest, TheSmallestRenderNotMagnifiedPastAQuarterIsDrawn) {
    win32::PictureCache pictures;
    struct Case {
        const char* name;
        RECT shown;
        int width; // of the render drawn
    };
    const Case cases[] = {
        {"but1.jpg", {0, 0, 200, 50}, 200},        {"but1.jpg", {0, 0, 250, 62}, 200},
        {"but1.jpg", {10, 10, 291, 80}, 400},      {"but1press.jpg", {0, 0, 500, 125}, 400},
        {"but1press.jpg", {0, 0, 560, 140}, 600},  {"v2pro1.jpg", {0, 0, 44, 42}, 62},
        {"Image8.gif", {0, 0, 60, 60}, 60},        {"Image8.gif", {0, 0, 90, 90}, 90},
        {"Fon1024.jpg", {0, 0, 2048, 1536}, 1024}, // no larger render: the 1x one
        {"Image1.jpg", {0, 0, 2880, 2160}, 3072},  // without a decoding thread: at once
    };
    for (const Case& k : cases) {
        const win32::DecodedPicture* picture =
            pictures.get(forms::Picture::artwork(k.name), k.shown);
        ASSERT_NE(picture, nullptr) << k.name;
        EXPECT_EQ(picture->width(), k.width) << k.name << " at " << k.shown.right - k.shown.left;
    }
}

TEST(PictureCacheTest, LargeRendersComeFromTheBackground) {
    win32::PictureCache pictures;
    HANDLE ready = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    ASSERT_NE(ready, nullptr);
    pictures.setOnReady([ready] { SetEvent(ready); });
    const forms::Picture background = forms::Picture::artwork("Image19.jpg");
    const RECT design{0, 0, 1024, 768}, screen{0, 0, 2880, 2160};
    bool provisional = true;
    // Nothing at hand: the wanted render is finished before get returns.
    const win32::DecodedPicture* first = pictures.get(background, design, &provisional);
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(provisional);
    EXPECT_EQ(first->width(), 1024);
    // A larger screen: the 1x stands in, drawn quickly, while the 3x is
    // decoded; asked again before it is ready, it is not decoded twice.
    EXPECT_EQ(pictures.get(background, screen, &provisional), first);
    EXPECT_TRUE(provisional);
    EXPECT_EQ(pictures.get(background, screen, &provisional), first);
    EXPECT_TRUE(provisional);
    // The 1x may have been decoded by the thread while get waited for it,
    // which signals too: waited for until a render actually arrives.
    bool arrived = false;
    for (int i = 0; i < 3 && !arrived; ++i)
        arrived = WaitForSingleObject(ready, 30000) == WAIT_OBJECT_0 && pictures.takeReady();
    EXPECT_TRUE(arrived);
    const win32::DecodedPicture* sharp = pictures.get(background, screen, &provisional);
    ASSERT_NE(sharp, nullptr);
    EXPECT_FALSE(provisional);
    EXPECT_EQ(sharp->width(), 2880); // the 3x render, made at the size it is shown at
    // Shown larger than it was made, it is made again whole.
    const win32::DecodedPicture* larger =
        pictures.get(background, {0, 0, 3000, 2250}, &provisional);
    ASSERT_NE(larger, nullptr);
    EXPECT_EQ(larger->width(), 3072);
    // Fetched ahead, a render is there when first asked for.
    const forms::Picture other = forms::Picture::artwork("Image1.jpg");
    pictures.prefetch(other, screen);
    ASSERT_EQ(WaitForSingleObject(ready, 30000), WAIT_OBJECT_0);
    const win32::DecodedPicture* fetched = pictures.get(other, screen, &provisional);
    ASSERT_NE(fetched, nullptr);
    EXPECT_FALSE(provisional);
    EXPECT_EQ(fetched->width(), 2880);
    // A small render is decoded at once, never provisional.
    EXPECT_EQ(
        pictures.get(forms::Picture::artwork("but1.jpg"), {0, 0, 560, 140}, &provisional)->width(),
        600);
    EXPECT_FALSE(provisional);
    pictures.setOnReady({});
    CloseHandle(ready);
}

TEST(DecodedPictureTest, AJpegShrunkKeepsItsColoursAndFillsItsSize) {
    // The filtered copy of an opaque render: no transparency, no black
    // rows at the edges, and the colours of the original around the middle.
    win32::PictureCache pictures;
    const win32::DecodedPicture* full = pictures.get(forms::Picture::artwork("Image19@3x.jpg"));
    ASSERT_NE(full, nullptr);
    ASSERT_EQ(full->width(), 3072);
    const int w = 2880, h = 2160;
    win32::ScreenDc screen;
    win32::MemoryDc dc(screen.get());
    win32::Bitmap target(CreateCompatibleBitmap(screen.get(), w, h));
    win32::Selection selected(dc.get(), target.get());
    full->draw(dc.get(), {0, 0, w, h});
    win32::Bitmap original(CreateCompatibleBitmap(screen.get(), full->width(), full->height()));
    win32::MemoryDc dc2(screen.get());
    win32::Selection selected2(dc2.get(), original.get());
    full->draw(dc2.get(), {0, 0, full->width(), full->height()});
    for (const auto& [x, y] : {std::pair{0.5, 0.5}, {0.25, 0.75}, {0.75, 0.3}}) {
        const COLORREF shrunk =
            GetPixel(dc.get(), static_cast<int>(x * w), static_cast<int>(y * h));
        const COLORREF same = GetPixel(dc2.get(), static_cast<int>(x * full->width()),
                                       static_cast<int>(y * full->height()));
        EXPECT_NEAR(GetRValue(shrunk), GetRValue(same), 24) << x << "," << y;
        EXPECT_NEAR(GetGValue(shrunk), GetGValue(same), 24) << x << "," << y;
        EXPECT_NEAR(GetBValue(shrunk), GetBValue(same), 24) << x << "," << y;
    }
    EXPECT_NE(GetPixel(dc.get(), w - 1, h - 1), RGB(0, 0, 0));
    EXPECT_NE(GetPixel(dc.get(), 0, 0), RGB(0, 0, 0));
}

// A white 200 x 60 DIB to draw on, and its pixels.
struct Canvas {
    Canvas() {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof info.bmiHeader, 200, -60, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        bitmap.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        selected.emplace(dc.get(), bitmap.get());
        clear();
    }
    void clear() { std::fill(pixels(), pixels() + 200 * 60, 0x00FFFFFFu); }
    std::uint32_t* pixels() const { return static_cast<std::uint32_t*>(bits); }
    std::vector<std::uint32_t> copy() const {
        GdiFlush();
        return {pixels(), pixels() + 200 * 60};
    }
    win32::MemoryDc dc;
    win32::Bitmap bitmap;
    void* bits = nullptr;
    std::optional<win32::Selection> selected;
};

TEST(CaptionSpritesTest, ComposedOncePerCaptionAndDrawnWhereTheTextWouldBe) {
    Canvas canvas;
    win32::FontHandle font(CreateFontW(-16, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                       ANTIALIASED_QUALITY, 0, L"Arial"));
    const std::wstring text = L"Documents";
    const RECT box{10, 10, 150, 40}, everywhere{0, 0, 200, 60};
    const UINT flags = DT_CENTER | DT_WORDBREAK;
    // The text drawn by GDI, for comparison.
    {
        win32::Selection f(canvas.dc.get(), font.get());
        SetTextColor(canvas.dc.get(), RGB(0, 0, 0));
        SetBkMode(canvas.dc.get(), TRANSPARENT);
        RECT area = box;
        DrawTextW(canvas.dc.get(), text.c_str(), static_cast<int>(text.size()), &area, flags);
    }
    const std::vector<std::uint32_t> direct = canvas.copy();
    canvas.clear();
    win32::CaptionSprites sprites;
    int label = 0, other = 0, form = 0;
    const win32::CaptionSprites::Owner owner{&label, &form};
    ASSERT_TRUE(sprites.draw(canvas.dc.get(), owner, text, font.get(), RGB(0, 0, 0), flags, box,
                             everywhere));
    const std::vector<std::uint32_t> sprite = canvas.copy();
    int inked = 0, apart = 0;
    for (std::size_t i = 0; i < direct.size(); ++i) {
        const int a = direct[i] & 0xFF, b = sprite[i] & 0xFF;
        inked += a < 128;
        apart += std::abs(a - b) > 48;
    }
    EXPECT_GT(inked, 40);
    EXPECT_LT(apart, inked / 10) << "the sprite's text lies elsewhere than the text's";
    auto draw = [&](win32::CaptionSprites::Owner who, const std::wstring& t, COLORREF color,
                    const RECT& in) {
        sprites.draw(canvas.dc.get(), who, t, font.get(), color, flags, in, everywhere);
    };
    // Drawn again: the same sprite; a change of text, colour or box: a new
    // one, in place of the label's one before (a clock's caption, changing
    // every second, holds one sprite).
    for (int i = 0; i < 3; ++i)
        draw(owner, text, RGB(0, 0, 0), box);
    EXPECT_EQ(sprites.composed(), 1u);
    draw(owner, L"Notes", RGB(0, 0, 0), box);
    draw(owner, text, RGB(255, 0, 0), box);
    draw(owner, text, RGB(0, 0, 0), {10, 10, 160, 40});
    EXPECT_EQ(sprites.composed(), 4u);
    EXPECT_EQ(sprites.held(), 1u);
    // Another label has its own; its window gone, so are its sprites.
    draw({&other, &form}, text, RGB(0, 0, 0), box);
    EXPECT_EQ(sprites.held(), 2u);
    sprites.forget(&form);
    EXPECT_EQ(sprites.held(), 0u);
    // Nothing is touched outside within.
    canvas.clear();
    sprites.draw(canvas.dc.get(), owner, text, font.get(), RGB(0, 0, 0), flags, box,
                 {0, 0, 200, 5});
    EXPECT_EQ(canvas.copy(), std::vector<std::uint32_t>(200 * 60, 0x00FFFFFFu));
}

TEST_F(PainterTest, ALabelsLookIsWorkedOutAgainOnlyWhenWhatItDependsOnChanges) {
    win32::LabelLooks looks;
    forms::Control& label = form.control("Right");
    int fits = 0;
    const auto look = [&](int width) {
        return looks
            .of(label, width, 30,
                [&](const std::wstring&) {
                    ++fits;
                    return reinterpret_cast<HFONT>(static_cast<std::uintptr_t>(fits));
                })
            .text;
    };
    EXPECT_EQ(look(60), L"II");
    EXPECT_EQ(look(60), L"II");
    EXPECT_EQ(fits, 1) << "drawn again as it was, the label is fitted again";
    const struct {
        const char* change;
        std::function<void()> make;
        int width;
    } changes[] = {
        {"caption", [&] { label.setCaption("\xC3\xA9t\xC3\xA9"); }, 60},
        {"width", [] {}, 61},
        {"font", [&] { label.setFontSize(12); }, 61},
        {"form forgotten", [&] { looks.forget(form); }, 61},
    };
    for (const auto& c : changes) {
        const int before = fits;
        c.make();
        EXPECT_EQ(look(c.width), L"\u00E9t\u00E9") << c.change;
        EXPECT_EQ(fits, before + 1) << c.change;
    }
    // A caption that is no UTF-8 has no text and needs no font.
    label.setCaption("\xFF");
    EXPECT_EQ(look(61), L"");
    EXPECT_EQ(fits, 5);
}

TEST(DecodedPictureTest, AnIconIsDrawnAsDrawIconExDrawsIt) {
    Canvas canvas;
    HICON shown = LoadIconW(nullptr, MAKEINTRESOURCEW(32516)); // IDI_INFORMATION
    ASSERT_NE(shown, nullptr);
    DrawIconEx(canvas.dc.get(), 20, 10, shown, 32, 32, 0, nullptr, DI_NORMAL);
    const std::vector<std::uint32_t> direct = canvas.copy();
    canvas.clear();
    auto picture = win32::DecodedPicture::adoptIcon(CopyIcon(shown));
    ASSERT_NE(picture, nullptr);
    picture->draw(canvas.dc.get(), {20, 10, 52, 42});
    const std::vector<std::uint32_t> sprite = canvas.copy();
    int differ = 0;
    for (std::size_t i = 0; i < direct.size(); ++i)
        for (int shift : {0, 8, 16})
            differ += std::abs(static_cast<int>((direct[i] >> shift) & 0xFF) -
                               static_cast<int>((sprite[i] >> shift) & 0xFF)) > 8;
    EXPECT_LT(differ, 16);
    EXPECT_NE(direct, std::vector<std::uint32_t>(200 * 60, 0x00FFFFFFu));
}

} // namespace
} // namespace orvela::test
