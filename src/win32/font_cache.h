// The GDI fonts of the controls, created once per distinct font and kept for
// the life of the front end (child windows keep using the font they were
// given).
//
// Controls of a dialog form use the system's dialog font (the message font
// of the non-client metrics) in place of their design's face: its size in
// points scaled by the design's size relative to 8.25 pt (a larger title
// stays larger), with the design's bold and italic. Other forms keep their
// design fonts.
#pragma once

#include "forms/control.h"
#include "forms/geometry.h"
#include "win32/gdi_guards.h"

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <tuple>

namespace orvela::win32 {

class FontCache {
public:
    FontCache() = default;
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    // The font at its size in points (negative height of size * 20 twips
    // in the form's pixels: 15 twips to a pixel at 96 dpi), weight, slant
    // and character set; a font Windows cannot make gives the stock GUI font.
    HFONT font(const forms::Font& font, forms::PixelScale scale = {});
    // The system's dialog font scaled and styled as font, in the form's
    // pixels: as the system gives it in a form that follows the dpi.
    HFONT dialogFont(const forms::Font& font, forms::PixelScale scale = {});
    // The font a control is drawn in: dialogFont() in dialog forms, font() elsewhere.
    HFONT fontFor(const forms::Control& control);

    // The system's dialog font at its own size: the message font, or the
    // stock GUI font's where the system does not say.
    static LOGFONTW systemDialogFont();

private:
    using Key = std::tuple<std::string, float, bool, bool, int, float>;
    using DialogKey = std::tuple<float, bool, bool, float>;
    std::map<Key, FontHandle> fonts_;
    std::map<DialogKey, FontHandle> dialogFonts_;
    std::optional<LOGFONTW> dialogBase_;
};

} // namespace orvela::win32
