#include "win32/large_icon.h"

#include "win32/area_scaling.h"
#include "win32/dib_section.h"
#include "win32/gdi_guards.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace orvela::win32 {

namespace {

constexpr int extraLargeList = 2; // SHIL_EXTRALARGE, 48 px
constexpr int jumboList = 4;      // SHIL_JUMBO, 256 px (Vista and later)
constexpr int extraLargeSide = 48;
// IID_IImageList {46EB5926-582E-4017-9FDF-E8998DAA0950}
constexpr GUID imageListInterface = {
    0x46eb5926, 0x582e, 0x4017, {0x9f, 0xdf, 0xe8, 0x99, 0x8d, 0xaa, 0x09, 0x50}};

// A system image list; the interface it answers stands for the list's
// handle (as documented). The lists belong to the shell: they are asked for
// once and kept.
HIMAGELIST systemList(int which) {
    using GetImageList = HRESULT(WINAPI*)(int, REFIID, void**);
    static const GetImageList proc = [] {
        HMODULE shell = GetModuleHandleW(L"shell32.dll");
        if (!shell)
            return GetImageList{};
        FARPROC found = GetProcAddress(shell, "SHGetImageList");
        if (!found) // Windows XP exports it by ordinal only
            found = GetProcAddress(shell, MAKEINTRESOURCEA(727));
        return reinterpret_cast<GetImageList>(reinterpret_cast<void (*)()>(found));
    }();
    if (!proc)
        return nullptr;
    void* list = nullptr;
    if (FAILED(proc(which, imageListInterface, &list)))
        return nullptr;
    return static_cast<HIMAGELIST>(list);
}

// An icon of the premultiplied pixels (side x side).
HICON iconOf(const std::vector<std::uint32_t>& pixels, int side) {
    void* bits = nullptr;
    Bitmap color(topDownSection(side, side, bits));
    Bitmap mask(CreateBitmap(side, side, 1, 1, nullptr));
    if (!color || !mask)
        return nullptr;
    // An icon's colour image is straight alpha, not premultiplied.
    auto* pixel = static_cast<std::uint32_t*>(bits);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::uint32_t p = pixels[i], a = p >> 24;
        std::uint32_t straight = 0;
        if (a > 0)
            for (int c = 0; c < 3; ++c) {
                const std::uint32_t v =
                    std::min<std::uint32_t>(255, ((p >> (8 * c)) & 0xFF) * 255 / a);
                straight |= v << (8 * c);
            }
        pixel[i] = (a << 24) | straight;
    }
    GdiFlush();
    ICONINFO parts{};
    parts.fIcon = TRUE;
    parts.hbmColor = color.get();
    parts.hbmMask = mask.get();
    return CreateIconIndirect(&parts); // copies both bitmaps
}

// The list's image as pixels at the list's own size; empty for none.
std::vector<std::uint32_t> listImage(HIMAGELIST list, int index, int& side) {
    int cx = 0, cy = 0;
    if (!list || !ImageList_GetIconSize(list, &cx, &cy) || cx <= 0 || cx != cy)
        return {};
    HICON icon = ImageList_GetIcon(list, index, ILD_TRANSPARENT);
    if (!icon)
        return {};
    side = cx;
    std::vector<std::uint32_t> pixels = iconPixels(icon, side, side);
    DestroyIcon(icon);
    return pixels;
}

} // namespace

std::vector<std::uint32_t> iconPixels(HICON icon, int width, int height) {
    if (!icon || width <= 0 || height <= 0)
        return {};
    ScreenDc screen;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::vector<std::uint32_t> drawn[2];
    for (int pass = 0; pass < 2; ++pass) {
        void* bits = nullptr;
        Bitmap bitmap(topDownSection(width, height, bits));
        MemoryDc dc(screen.get());
        if (!bitmap || !dc)
            return {};
        auto* pixel = static_cast<std::uint32_t*>(bits);
        std::fill(pixel, pixel + count, pass == 0 ? 0u : 0x00FFFFFFu);
        {
            Selection into(dc.get(), bitmap.get());
            DrawIconEx(dc.get(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
            GdiFlush();
        }
        drawn[pass].assign(pixel, pixel + count);
    }
    std::vector<std::uint32_t> out(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t black = drawn[0][i], white = drawn[1][i];
        const int through =
            static_cast<int>((white >> 8) & 0xFF) - static_cast<int>((black >> 8) & 0xFF);
        const std::uint32_t alpha = static_cast<std::uint32_t>(255 - std::clamp(through, 0, 255));
        out[i] = (alpha << 24) | (black & 0xFFFFFF);
    }
    return out;
}

HICON systemImageIcon(int index, int pixels) {
    if (index < 0 || pixels <= 0)
        return nullptr;
    int side = 0;
    std::vector<std::uint32_t> image;
    if (pixels > extraLargeSide) {
        image = listImage(systemList(jumboList), index, side);
        if (!image.empty() && !showsOutsideCorner(image, side, extraLargeSide))
            image.clear(); // only its small image, in the corner
    }
    if (image.empty())
        image = listImage(systemList(extraLargeList), index, side);
    if (image.empty())
        return nullptr;
    if (side >= pixels)
        return iconOf(shrinkSquare(image, side, pixels), pixels);
    // A smaller image than asked for: stretched by the icon's own drawing.
    HICON small = iconOf(image, side);
    if (!small)
        return nullptr;
    HICON stretched = static_cast<HICON>(CopyImage(small, IMAGE_ICON, pixels, pixels, 0));
    DestroyIcon(small);
    return stretched;
}

int systemImageIndex(const std::wstring& path) {
    SHFILEINFOW info{};
    if (path.empty() || !SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX))
        return -1;
    return info.iIcon;
}

} // namespace orvela::win32
