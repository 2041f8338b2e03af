// A picture turned into pixels: a bitmap compatible with the screen (JPEG,
// GIF, BMP decoded through OLE) or an icon. Sizes are device pixels.
#pragma once

#include "win32/gdi_guards.h"

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

namespace orvela::win32 {

class DecodedPicture {
public:
    // Decodes JPEG, GIF or BMP bytes; nothing if they are not a picture.
    // A GIF's transparent colour stays transparent when drawn.
    static std::unique_ptr<DecodedPicture> decode(std::string_view bytes);
    // Takes ownership of an icon (destroyed with the picture); nothing for null.
    static std::unique_ptr<DecodedPicture> adoptIcon(HICON icon);

    DecodedPicture(const DecodedPicture&) = delete;
    DecodedPicture& operator=(const DecodedPicture&) = delete;
    ~DecodedPicture();

    int width() const { return width_; }
    int height() const { return height_; }
    bool transparent() const { return transparent_ || icon_; }

    // Draws the picture scaled to dest (pixels of dc); only the part inside
    // the dc's clipping region is touched. Stretched copies are made once per
    // size and kept.
    void draw(HDC dc, const RECT& dest) const;

private:
    DecodedPicture() = default;
    HBITMAP bitmapOfSize(int width, int height) const;

    struct Scaled {
        int width, height;
        Bitmap bitmap;
    };

    Bitmap bitmap_;
    HICON icon_ = nullptr;
    int width_ = 0, height_ = 0;
    bool transparent_ = false;
    mutable std::vector<Scaled> scaled_; // most recently used last
};

} // namespace orvela::win32
