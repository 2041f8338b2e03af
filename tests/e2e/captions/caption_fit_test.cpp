// Every caption of the main window reads whole with its real font: at each
// screen size people use and in each display variant, the text the painter
// draws for a visible label lies inside the label, and no two labels' texts
// overlap. The logic runs on the fake platform; the fonts and the measuring
// are Windows' own (DrawTextW with DT_CALCRECT, as the painter draws).
#include "platform/fake/fake_platform.h"
#include "sim_programs.h"
#include "win32/font_cache.h"
#include "win32/form_painter.h"
#include "win32/gdi_guards.h"
#include "win32/picture_cache.h"
#include "win32/utf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace orvela::test {
namespace {

namespace fs = std::filesystem;

struct Screen {
    unsigned width, height;
};

constexpr Screen screens[] = {{800, 600},   {1024, 768},  {1280, 1024}, {1366, 768},
                              {1920, 1080}, {2560, 1440}, {3840, 2160}, {1080, 1920}};

// Desktop items with short, long, Cyrillic and extension-less names.
const char* const desktopNames[] = {"Notes.txt", "Quarterly report of the team.txt",
                                    "\xD0\x9E\xD1\x82\xD1\x87\xD1\x91\xD1\x82.txt", "data",
                                    "Projects"};

struct Placed {
    std::string name;
    RECT box, text;
    // Where the text's strokes are: its lines hold blank room above the
    // capitals and beside the glyphs that another caption may share.
    RECT ink;
    // In the strip, which scrolls through the screen and past its edges.
    bool scrolls = false;
};

bool overlap(const RECT& a, const RECT& b) {
    RECT common{};
    return IntersectRect(&common, &a, &b) != 0;
}

std::string describe(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

class CaptionFit : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("orvela-captions-" + std::to_string(GetTickCount()));
        fs::create_directories(root_ / "program");
        fs::create_directories(root_ / "desktop");
        for (const char* name : desktopNames) {
            const fs::path path = root_ / "desktop" / fs::u8path(name);
            if (std::string(name) == "Projects")
                fs::create_directory(path);
            else
                std::ofstream(path) << "text";
        }
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }

    // The visible labels of the main window with their texts as painted,
    // the program started at that size in that variant.
    std::vector<Placed> captionsOf(Screen screen, int variant, const char* language) {
        std::ofstream settings(root_ / "program" / "ovdata.dat", std::ios::binary);
        for (int i = 0; i < 11; ++i)
            settings << "\r\n";
        settings << '"' << variant << "\"\r\n5\r\n\"" << language
                 << "\"\r\n1\r\n1\r\n0\r\n1\r\n15\r\n0\r\n\r\n";
        settings.close();

        platform::fake::FakeMachine machine;
        machine.screenWidth = screen.width;
        machine.screenHeight = screen.height;
        // The fake's drive Q: is the test's folder.
        machine.driveRoots['Q'] = root_.generic_string();
        machine.programDir = "Q:\\program";
        machine.desktop = "Q:\\desktop";
        platform::fake::FakePlatform fake(machine);
        platform::Platform platform = fake.platform();
        // The language's longest weekday (Wednesday, Sunday in Russian), a
        // long month and a two-digit day.
        const bool russian = std::string(language) == "Russian";
        forms::ManualClock clock(
            {.year = 2026, .month = 9, .day = russian ? 27 : 30, .hour = 23, .minute = 58});
        auto program = sim::makeProgram(sim::ProgramKind::orvela, fake, platform, clock,
                                        static_cast<float>(screen.width) * 15.0f,
                                        static_cast<float>(screen.height) * 15.0f);
        program->start();
        // One tick of the main timer places the ring, the grid and the strip.
        clock.advanceMilliseconds(100);
        program->runtime().advance(100);
        const forms::Form* main = program->runtime().findForm("Form2");
        EXPECT_NE(main, nullptr);

        std::vector<Placed> placed;
        if (!main)
            return placed;
        win32::MemoryDc dc;
        const std::vector<forms::Control*> order = main->paintOrder();
        for (std::size_t i = 0; i < order.size(); ++i) {
            const forms::Control& c = *order[i];
            if (c.kind() != forms::ControlKind::Label || !c.effectivelyVisible() ||
                c.caption().empty())
                continue;
            const win32::FormPainter::CaptionExtent extent = painter_.captionExtent(dc.get(), c);
            Placed p{c.name() + (c.index() >= 0 ? "(" + std::to_string(c.index()) + ")" : ""),
                     pixels(c), extent.lines, inkOf(c, extent),
                     c.parent() && c.parent()->name() == "Frame5"};
            if (!coveredLater(order, i, p.text))
                placed.push_back(p);
        }
        return placed;
    }

    static RECT pixels(const forms::Control& c) {
        float x = 0, y = 0;
        c.originInForm(x, y);
        const forms::Rect r = c.bounds().translated(x, y);
        return {forms::twipsToPixels(r.left), forms::twipsToPixels(r.top),
                forms::twipsToPixels(r.right()), forms::twipsToPixels(r.bottom())};
    }

    // The strokes' bounds: the caption drawn black on white as the painter
    // draws it, then the rows and columns that hold a dark pixel.
    static RECT inkOf(const forms::Control& label, const win32::FormPainter::CaptionExtent& e) {
        const int w = e.lines.right - e.lines.left, h = e.lines.bottom - e.lines.top;
        if (w <= 0 || h <= 0)
            return RECT{};
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        win32::MemoryDc dc;
        HBITMAP bitmap = CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!bitmap)
            return e.lines;
        HGDIOBJ oldBitmap = SelectObject(dc.get(), bitmap);
        HGDIOBJ oldFont = SelectObject(dc.get(), e.font);
        RECT all{0, 0, w, h};
        FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetTextColor(dc.get(), RGB(0, 0, 0));
        SetBkMode(dc.get(), TRANSPARENT);
        const std::wstring text = win32::toWide(label.caption()).value_or(std::wstring());
        DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &all,
                  win32::labelTextFlags(label));
        GdiFlush();
        RECT ink{w, h, 0, 0};
        const auto* pixel = static_cast<const std::uint32_t*>(bits);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if ((pixel[y * w + x] & 0xFF) < 128) {
                    ink.left = std::min<LONG>(ink.left, x);
                    ink.top = std::min<LONG>(ink.top, y);
                    ink.right = std::max<LONG>(ink.right, x + 1);
                    ink.bottom = std::max<LONG>(ink.bottom, y + 1);
                }
        SelectObject(dc.get(), oldFont);
        SelectObject(dc.get(), oldBitmap);
        DeleteObject(bitmap);
        if (ink.right <= ink.left)
            return RECT{};
        OffsetRect(&ink, e.lines.left, e.lines.top);
        return ink;
    }

    // A frame painted after the label, not around it, hides it (the
    // variants' full-screen overlays hide the main layout).
    static bool coveredLater(const std::vector<forms::Control*>& order, std::size_t at,
                             const RECT& text) {
        for (std::size_t j = at + 1; j < order.size(); ++j) {
            const forms::Control& f = *order[j];
            if (f.kind() != forms::ControlKind::Frame || !f.effectivelyVisible())
                continue;
            bool around = false;
            for (const forms::Control* p = order[at]->parent(); p; p = p->parent())
                around = around || p == &f;
            const RECT frame = pixels(f);
            if (!around && frame.left <= text.left && frame.top <= text.top &&
                frame.right >= text.right && frame.bottom >= text.bottom)
                return true;
        }
        return false;
    }

    fs::path root_;
    win32::PictureCache pictures_;
    win32::FontCache fonts_;
    win32::FormPainter painter_{pictures_, fonts_};
};

TEST_F(CaptionFit, everyCaptionReadsWholeAndAlone) {
    for (const Screen screen : screens)
        for (int variant = 1; variant <= 3; ++variant)
            for (const char* language : {"English", "Russian"}) {
                const std::string where = std::to_string(screen.width) + "x" +
                                          std::to_string(screen.height) + " variant " +
                                          std::to_string(variant) + " " + language + ": ";
                const std::vector<Placed> labels = captionsOf(screen, variant, language);
                ASSERT_GT(labels.size(), 5u) << where;
                for (const Placed& p : labels) {
                    EXPECT_TRUE(p.text.left >= p.box.left && p.text.right <= p.box.right &&
                                p.text.bottom <= p.box.bottom)
                        << where << p.name << " text " << describe(p.text) << " outside its box "
                        << describe(p.box);
                    EXPECT_TRUE(p.scrolls || (p.text.right <= static_cast<LONG>(screen.width) &&
                                              p.text.bottom <= static_cast<LONG>(screen.height) &&
                                              p.text.left >= 0 && p.text.top >= 0))
                        << where << p.name << " text " << describe(p.text) << " past the screen";
                }
                for (std::size_t i = 0; i < labels.size(); ++i)
                    for (std::size_t j = i + 1; j < labels.size(); ++j)
                        EXPECT_FALSE(overlap(labels[i].ink, labels[j].ink))
                            << where << labels[i].name << " " << describe(labels[i].ink) << " and "
                            << labels[j].name << " " << describe(labels[j].ink);
            }
}

} // namespace
} // namespace orvela::test
