// Item icons at the display's dpi: the area averaging that shrinks the
// system's large images, and (with ORVELA_EXPECT_DPI set, as tests/e2e/dpi.sh
// runs it in a prefix whose LogPixels is that dpi) the dpi read at start-up
// and the size of the icons the platform gives.
#include "forms/geometry.h"
#include "win32/area_scaling.h"
#include "win32/win32_platform.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace orvela::win32 {
namespace {

TEST(AreaScaling, AveragesTheAreaEachPixelCovers) {
    // 4 x 4 to 2 x 2: each target pixel the mean of a 2 x 2 block.
    const std::vector<std::uint32_t> blocks = {
        0xFF000000, 0xFF000000, 0x00000000, 0xFFFFFFFF, //
        0xFF000000, 0xFF000000, 0x00000000, 0xFFFFFFFF, //
        0xFF0000FF, 0xFF0000FF, 0x80404040, 0x80404040, //
        0xFF0000FF, 0xFF0000FF, 0x80404040, 0x80404040,
    };
    EXPECT_EQ(shrinkSquare(blocks, 4, 2),
              (std::vector<std::uint32_t>{0xFF000000, 0x80808080, 0xFF0000FF, 0x80404040}));
    // 3 x 3 to 2 x 2: the middle row and column count half to each side.
    const std::vector<std::uint32_t> cross = {0, 0xFF000000, 0, 0xFF000000, 0xFF000000, 0xFF000000,
                                              0, 0xFF000000, 0};
    const std::vector<std::uint32_t> shrunk = shrinkSquare(cross, 3, 2);
    ASSERT_EQ(shrunk.size(), 4u);
    for (std::uint32_t p : shrunk) // (0.5 + 0.5 + 0.25) / 2.25 of 255
        EXPECT_EQ(p >> 24, 142u);
    EXPECT_EQ(shrinkSquare(cross, 3, 3), cross);
    EXPECT_TRUE(shrinkSquare(cross, 3, 4).empty());
    EXPECT_TRUE(shrinkSquare(cross, 4, 2).empty());
    EXPECT_TRUE(shrinkSquare(cross, 3, 0).empty());
}

TEST(AreaScaling, SmallImageInTheCornerOfALargeList) {
    std::vector<std::uint32_t> pixels(8 * 8, 0);
    pixels[2 * 8 + 3] = 0xFF123456; // inside the 4 x 4 corner
    EXPECT_FALSE(showsOutsideCorner(pixels, 8, 4));
    pixels[5 * 8 + 1] = 0x01000000; // below it, barely showing
    EXPECT_TRUE(showsOutsideCorner(pixels, 8, 4));
    EXPECT_FALSE(showsOutsideCorner({}, 8, 4));
}

int expectedDpi() {
    const char* text = std::getenv("ORVELA_EXPECT_DPI");
    return text ? std::atoi(text) : 0;
}

// Orvela.exe is DPI-aware by its manifest; this test program becomes so here.
void becomeDpiAware() {
    if (HMODULE user32 = GetModuleHandleW(L"user32.dll")) {
        using Aware = BOOL(WINAPI*)();
        auto proc = reinterpret_cast<Aware>(
            reinterpret_cast<void (*)()>(GetProcAddress(user32, "SetProcessDPIAware")));
        if (proc)
            proc();
    }
}

int iconSide(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info))
        return 0;
    BITMAP bitmap{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

TEST(LargeIcons, IconsAtTheDisplaysDpi) {
    const int dpi = expectedDpi();
    if (dpi == 0)
        GTEST_SKIP() << "run by tests/e2e/dpi.sh with ORVELA_EXPECT_DPI";
    becomeDpiAware();
    Win32Platform windows;
    EXPECT_EQ(windows.screenDpi(), dpi);
    const int side = forms::iconPixelsAt(dpi);
    wchar_t system[MAX_PATH] = {};
    ASSERT_GT(GetWindowsDirectoryW(system, MAX_PATH), 0u);
    std::string path;
    for (const wchar_t* c = system; *c; ++c)
        path += static_cast<char>(*c); // "C:\windows"
    // A program's own icon, and a type's icon from the system image list.
    const auto icon = windows.extractAssociatedIcon(path + "\\notepad.exe", 0);
    ASSERT_NE(icon, 0u);
    EXPECT_EQ(iconSide(reinterpret_cast<HICON>(icon)), side);
    DestroyIcon(reinterpret_cast<HICON>(icon));
    platform::FileInfo info;
    const auto list =
        windows.getFileInfo("x.txt", FILE_ATTRIBUTE_NORMAL,
                            platform::shgfiSysIconIndex | platform::shgfiUseFileAttributes, info);
    ASSERT_NE(list, 0u);
    const auto typeIcon = windows.imageListIcon(list, info.iconIndex);
    ASSERT_NE(typeIcon, 0u);
    EXPECT_EQ(iconSide(reinterpret_cast<HICON>(typeIcon)), side);
    DestroyIcon(reinterpret_cast<HICON>(typeIcon));
}

} // namespace
} // namespace orvela::win32
