// A picture turned into pixels: a bitmap (JPEG through the imaging
// component where the system has one, GIF, BMP and the rest through OLE) or
// an icon. Sizes are device pixels.
#pragma once

#include "win32/gdi_guards.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace orvela::win32 {

class DirectPixels;

class DecodedPicture {
public:
    // Decodes JPEG, GIF or BMP bytes; nothing if they are not a picture.
    // A GIF's transparent colour stays transparent when drawn. Given a
    // size, for drawing at that size: a JPEG is then made at that size
    // straight from its decoder (the picture's own size is that size), the
    // others get their copy at that size ahead.
    static std::unique_ptr<DecodedPicture> decode(std::string_view bytes, int width = 0,
                                                  int height = 0);
    // Takes ownership of an icon (destroyed with the picture); nothing for null.
    static std::unique_ptr<DecodedPicture> adoptIcon(HICON icon);

    DecodedPicture(const DecodedPicture&) = delete;
    DecodedPicture& operator=(const DecodedPicture&) = delete;
    ~DecodedPicture();

    int width() const { return width_; }
    int height() const { return height_; }
    bool transparent() const { return transparent_ || icon_; }

    // Draws the picture scaled to dest (pixels of dc); only the part inside
    // the dc's clipping region (and within, if given) is touched. Stretched
    // copies are made once per size and kept; an icon becomes a sprite at
    // its size, so that drawing it is one alpha blend.
    // With direct (the dc's own pixels), a sprite or an opaque render of
    // its own pixels is put there without the system.
    void draw(HDC dc, const RECT& dest, const RECT* within = nullptr,
              DirectPixels* direct = nullptr) const;
    // Draws the picture at dest at once, stretched pixel by pixel: for a
    // first frame while a sharper render is on its way. A transparent
    // picture or an icon is drawn as draw() draws it.
    void drawQuickly(HDC dc, const RECT& dest) const;
    // Makes the copy at width x height that draw() uses, ahead of drawing
    // (on any thread, before the picture is shared).
    void prepare(int width, int height) const {
        bool blend = false;
        (void)sized(width, height, blend);
    }
    // Continues an opaque picture drawn at dest across the rest of fill: its
    // edge columns stretched sideways, its edge rows up and down, its corner
    // pixels into the corners. Transparent pictures and icons add nothing.
    void drawEdges(HDC dc, const RECT& dest, const RECT& fill) const;

private:
    DecodedPicture() = default;
    // The picture at a size; for a transparent picture a 32-bit bitmap with
    // premultiplied alpha (blend is then true), so that drawing is one alpha
    // blend. Null when GDI fails.
    struct Render {
        HBITMAP bitmap = nullptr;
        // Its pixels when it is a 32-bit top-down section, else null.
        const std::uint32_t* pixels = nullptr;
        // For a sprite, its pixels with some alpha (in its own pixels).
        RECT ink{};
    };
    Render sized(int width, int height, bool& blend) const;
    // A copy at a size: filtered from bits_ (opaque pictures), or stretched
    // by GDI; an empty bitmap when that fails. bits: its pixels, when it is
    // a 32-bit top-down section.
    Bitmap filteredCopy(int width, int height, void*& bits) const;
    // The icon drawn once at a size as premultiplied 32-bit pixels.
    Bitmap iconSprite(int width, int height, void*& bits) const;
    Bitmap stretchedCopy(int width, int height, void*& bits) const;

    struct Scaled {
        int width, height;
        Bitmap bitmap;
        const std::uint32_t* pixels;
        RECT ink;
    };

    // A 32-bit top-down bitmap of the JPEG's pixels, at width x height when
    // given, or nothing.
    static std::unique_ptr<DecodedPicture> decodeJpeg(std::string_view bytes, int width,
                                                      int height);
    static std::unique_ptr<DecodedPicture> decodeWithOle(std::string_view bytes);

    Bitmap bitmap_;
    // The pixels of bitmap_ when it is a 32-bit top-down section (rows of
    // width_ pixels): stretched copies are then filtered here, not by GDI.
    void* bits_ = nullptr;
    HICON icon_ = nullptr;
    int width_ = 0, height_ = 0;
    bool transparent_ = false;
    mutable std::vector<Scaled> scaled_; // most recently used last
    // A memory DC kept for drawing, with the last drawn bitmap selected:
    // selecting a large bitmap anew for every small repaint costs more than
    // the blit. Declared last, so it goes before the bitmaps.
    struct DrawDc {
        MemoryDc dc;
        HGDIOBJ original = nullptr;
        HBITMAP selected = nullptr;
        ~DrawDc();
    };
    mutable std::unique_ptr<DrawDc> drawDc_;
    HDC selectForDrawing(HBITMAP bitmap) const;
    // Frees the bitmap held by the drawing DC (a bitmap lives in one DC at a time).
    void releaseDrawDc() const;
};

} // namespace orvela::win32
