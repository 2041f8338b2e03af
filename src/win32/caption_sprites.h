// Label captions as sprites: each caption is drawn once, for its text,
// font, colour, flags and box, into a 32-bit bitmap with premultiplied
// alpha, and put on the frame with one alpha blend from then on. A tick that
// moves a hundred desktop items so draws no text and selects no font; only
// a caption that changes (a clock's digits) is drawn anew, into the sprite
// of its label in place of the one before.
#pragma once

#include "win32/gdi_guards.h"
#include "win32/text_dc.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <unordered_map>

namespace orvela::win32 {

class DirectPixels;

class CaptionSprites {
public:
    // Who draws a caption: each keeps one sprite, its last caption's, so a
    // caption that changes (a clock's digits, every second) replaces its
    // sprite instead of adding one. group (the label's form) lets all of a
    // window's sprites go at once.
    struct Owner {
        const void* label = nullptr;
        const void* group = nullptr;
    };

    CaptionSprites() = default;
    CaptionSprites(const CaptionSprites&) = delete;
    CaptionSprites& operator=(const CaptionSprites&) = delete;

    // Draws text in font and color as DrawTextW with flags draws it in box
    // (which clips it), touching only what lies within `within` and the
    // dc's clipping region. False when no sprite can be made (the caller
    // then draws the text itself). With direct (the dc's own pixels), the
    // sprite is blended there without the system.
    bool draw(HDC dc, Owner owner, const std::wstring& text, HFONT font, COLORREF color, UINT flags,
              const RECT& box, const RECT& within, DirectPixels* direct = nullptr);
    // The sprites of group's owners go (their window is going).
    void forget(const void* group);
    // How many sprites were composed so far (each one drawing of its text),
    // and how many are held.
    std::size_t composed() const { return composed_; }
    std::size_t held() const { return sprites_.size(); }

    // Beyond this many owners (windows made again and again without being
    // forgotten), the least recently drawn sprite goes.
    static constexpr std::size_t maxSprites = 4096;

private:
    struct Sprite {
        // What it shows.
        std::wstring text;
        HFONT font = nullptr;
        COLORREF color = 0;
        UINT flags = 0;
        int width = 0, height = 0;
        const void* group = nullptr;

        Bitmap bitmap;
        const std::uint32_t* pixels = nullptr; // the bitmap's, rows of its width
        RECT ink{};                            // its pixels with some alpha, in its own
        std::uint64_t lastUsed = 0;

        bool shows(const std::wstring& t, HFONT f, COLORREF c, UINT fl, int w, int h) const {
            return font == f && color == c && flags == fl && width == w && height == h && text == t;
        }
    };
    Sprite compose(const std::wstring& text, HFONT font, COLORREF color, UINT flags, int width,
                   int height);
    void drop(Sprite& sprite) { text_.release(sprite.bitmap.get()); }

    std::unordered_map<const void*, Sprite> sprites_; // by owner
    std::uint64_t clock_ = 0;
    std::size_t composed_ = 0;
    // Where captions are drawn into their sprites and the sprites are
    // blended from, the last font and sprite kept selected. Declared after
    // the sprites, so that it gives them back before they go.
    TextDc text_;
};

} // namespace orvela::win32
