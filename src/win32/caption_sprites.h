// Label captions as sprites: each caption is drawn once, for its text,
// font, colour, flags and box, into a 32-bit bitmap with premultiplied
// alpha, and put on the frame with one alpha blend from then on. A tick that
// moves a hundred desktop items so draws no text and selects no font; only
// a caption that changes (a clock's digits) is drawn anew.
#pragma once

#include "win32/gdi_guards.h"
#include "win32/text_dc.h"

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <tuple>

namespace orvela::win32 {

class DirectPixels;

class CaptionSprites {
public:
    CaptionSprites() = default;
    CaptionSprites(const CaptionSprites&) = delete;
    CaptionSprites& operator=(const CaptionSprites&) = delete;

    // Draws text in font and color as DrawTextW with flags draws it in box
    // (which clips it), touching only what lies within `within` and the
    // dc's clipping region. False when no sprite can be made (the caller
    // then draws the text itself). With direct (the dc's own pixels), the
    // sprite is blended there without the system.
    bool draw(HDC dc, const std::wstring& text, HFONT font, COLORREF color, UINT flags,
              const RECT& box, const RECT& within, DirectPixels* direct = nullptr);
    // How many sprites were composed so far (each one drawing of its text).
    std::size_t composed() const { return composed_; }

    // Beyond this many, the least recently drawn sprite goes.
    static constexpr std::size_t maxSprites = 512;

private:
    using Key = std::tuple<std::wstring, HFONT, COLORREF, UINT, int, int>;
    // A sprite is looked up without copying its text (done for every
    // caption each tick); the text is copied only for a new sprite.
    using KeyView = std::tuple<std::wstring_view, HFONT, COLORREF, UINT, int, int>;
    struct Sprite {
        Bitmap bitmap;
        const std::uint32_t* pixels = nullptr; // the bitmap's, rows of its width
        RECT ink{};                            // its pixels with some alpha, in its own
        std::uint64_t lastUsed = 0;
    };
    Sprite compose(const std::wstring& text, HFONT font, COLORREF color, UINT flags, int width,
                   int height);

    std::map<Key, Sprite, std::less<>> sprites_;
    std::uint64_t clock_ = 0;
    std::size_t composed_ = 0;
    // Where captions are drawn into their sprites and the sprites are
    // blended from, the last font and sprite kept selected. Declared after
    // the sprites, so that it gives them back before they go.
    TextDc text_;
};

} // namespace orvela::win32
