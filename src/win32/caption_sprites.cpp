#include "win32/caption_sprites.h"

#include "forms/pixel_blend.h"
#include "win32/dib_section.h"
#include "win32/direct_pixels.h"
#include "win32/pixel_geometry.h"

#include <algorithm>

namespace orvela::win32 {

CaptionSprites::Sprite CaptionSprites::compose(const std::wstring& text, HFONT font, COLORREF color,
                                               UINT flags, int width, int height) {
    void* bits = nullptr;
    Bitmap sprite(topDownSection(width, height, bits));
    if (!sprite)
        return {};
    auto* pixel = static_cast<std::uint32_t*>(bits);
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    // The system smooths text differently light on dark and dark on light:
    // a light caption is drawn white on black (it stands on dark ground),
    // a dark one black on white, so that each looks as the system draws it.
    // Each channel then tells the text's coverage there (per channel where
    // the system smooths by subpixels).
    const std::uint32_t red = GetRValue(color), green = GetGValue(color), blue = GetBValue(color);
    const bool light = red * 299 + green * 587 + blue * 114 >= 128 * 1000;
    std::fill(pixel, pixel + count, light ? 0u : 0x00FFFFFFu);
    {
        HDC dc = text_.with(font, sprite.get());
        if (!dc)
            return {};
        SetTextColor(dc, light ? RGB(255, 255, 255) : RGB(0, 0, 0));
        SetBkMode(dc, TRANSPARENT);
        RECT area{0, 0, width, height};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, flags);
        GdiFlush();
    }
    ++composed_;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t p = light ? pixel[i] : ~pixel[i];
        const std::uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        const std::uint32_t a = std::max({r, g, b});
        // Premultiplied: the colour times its coverage, channel by channel.
        pixel[i] = a << 24 | (red * r + 127) / 255 << 16 | (green * g + 127) / 255 << 8 |
                   (blue * b + 127) / 255;
    }
    Sprite made;
    made.text = text;
    made.font = font;
    made.color = color;
    made.flags = flags;
    made.width = width;
    made.height = height;
    made.bitmap = std::move(sprite);
    made.pixels = pixel;
    made.ink = toRect(forms::inkedArea({pixel, width, height, width}));
    return made;
}

bool CaptionSprites::draw(HDC dc, Owner owner, const std::wstring& text, HFONT font, COLORREF color,
                          UINT flags, const RECT& box, const RECT& within, DirectPixels* direct) {
    const int width = box.right - box.left, height = box.bottom - box.top;
    if (width <= 0 || height <= 0 || text.empty())
        return true;
    RECT part{};
    RECT clip{};
    if (direct)
        clip = direct->clipBox();
    else if (GetClipBox(dc, &clip) == ERROR)
        clip = box;
    if (!IntersectRect(&part, &box, &within) || !IntersectRect(&part, &part, &clip))
        return true; // nothing of it shows now
    Sprite* sprite = nullptr;
    if (auto found = sprites_.find(owner.label);
        found != sprites_.end() && found->second.shows(text, font, color, flags, width, height)) {
        sprite = &found->second;
    } else {
        Sprite made = compose(text, font, color, flags, width, height);
        if (!made.bitmap)
            return false;
        made.group = owner.group;
        if (found != sprites_.end()) {
            drop(found->second); // the owner's caption before this one
        } else if (sprites_.size() >= maxSprites) {
            auto oldest = std::min_element(sprites_.begin(), sprites_.end(), [](auto& x, auto& y) {
                return x.second.lastUsed < y.second.lastUsed;
            });
            drop(oldest->second);
            sprites_.erase(oldest);
        }
        sprite = &(sprites_[owner.label] = std::move(made));
    }
    sprite->lastUsed = ++clock_;
    // Only the text's own pixels: the rest of the box is transparent.
    RECT ink = sprite->ink;
    OffsetRect(&ink, box.left, box.top);
    if (!IntersectRect(&part, &part, &ink))
        return true; // blanks only
    if (direct) {
        direct->blend(sprite->pixels, width, height, box.left, box.top, part);
        return true;
    }
    HDC source = text_.with(nullptr, sprite->bitmap.get());
    if (!source)
        return false;
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    return GdiAlphaBlend(dc, part.left, part.top, part.right - part.left, part.bottom - part.top,
                         source, part.left - box.left, part.top - box.top, part.right - part.left,
                         part.bottom - part.top, blend) != FALSE;
}

void CaptionSprites::forget(const void* group) {
    for (auto i = sprites_.begin(); i != sprites_.end();) {
        if (i->second.group == group) {
            drop(i->second);
            i = sprites_.erase(i);
        } else {
            ++i;
        }
    }
}

} // namespace orvela::win32
