// The GDI fonts of the controls, created once per distinct font and kept for
// the life of the front end (buttons keep using the font they were given).
#pragma once

#include "forms/control.h"
#include "win32/gdi_guards.h"

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

namespace orvela::win32 {

class FontCache {
public:
    FontCache() = default;
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    // The font at its size in points (negative height of size * 20 / 15
    // pixels), weight, slant and character set; a font Windows cannot make
    // gives the stock GUI font.
    HFONT font(const forms::Font& font);

private:
    using Key = std::tuple<std::string, float, bool, bool, int>;
    std::map<Key, FontHandle> fonts_;
};

} // namespace orvela::win32
