// Item icons larger than Windows' 32-pixel large icon, for displays above
// 96 dpi: taken from the system's larger image lists and shrunk to the size
// with a good filter, as Windows itself shows them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace orvela::win32 {

// The image `index` of the system image lists as an icon of pixels x pixels
// (above 32): from the extra-large list (48 px) up to 48, else from the
// jumbo list (256 px) unless it holds that image only as a small one in its
// corner, then the extra-large; shrunk by area averaging (area_scaling.h),
// or stretched where the list's image is smaller. Null where neither list
// exists (SHGetImageList is looked up: Windows XP has the extra-large list
// only, earlier systems none) or the index has no image.
HICON systemImageIcon(int index, int pixels);

// The icon drawn at width x height as premultiplied 0xAARRGGBB pixels, rows
// top to bottom: drawn once on black and once on white, the difference
// gives each pixel's alpha (so masked and alpha icons alike), the black
// drawing its colour. Empty when GDI fails.
std::vector<std::uint32_t> iconPixels(HICON icon, int width, int height);

// The file's index in the system image lists (SHGetFileInfoW with
// SHGFI_SYSICONINDEX); -1 for none.
int systemImageIndex(const std::wstring& path);

} // namespace orvela::win32
