// 32-bit top-down DIB sections: the pixel buffers the painter composes
// sprites in, decodes pictures into and reads icons back from.
#pragma once

#include <windows.h>

namespace orvela::win32 {

// The header of a 32-bit top-down bitmap of width x height (BI_RGB), for
// CreateDIBSection and GetDIBits alike.
inline BITMAPINFO topDownInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A 32-bit top-down DIB section of width x height, rows of width pixels;
// bits receives its pixels. Null (and bits null) when GDI fails.
inline HBITMAP topDownSection(int width, int height, void*& bits) {
    const BITMAPINFO info = topDownInfo(width, height);
    bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (section && !bits) {
        DeleteObject(section);
        bits = nullptr;
        return nullptr;
    }
    return section;
}

} // namespace orvela::win32
