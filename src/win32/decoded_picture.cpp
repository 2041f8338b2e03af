#include "win32/decoded_picture.h"

#include "forms/pixel_blend.h"
#include "forms/pixel_resample.h"
#include "win32/dib_section.h"
#include "win32/direct_pixels.h"
#include "win32/large_icon.h"
#include "win32/pixel_geometry.h"

#include <ole2.h>
#include <olectl.h>
#include <wincodec.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace orvela::win32 {

namespace {

// Transparent pixels of a decoded picture carry this colour, which no
// visible pixel of the artwork uses.
constexpr COLORREF transparentKey = RGB(255, 0, 255);
constexpr std::size_t maxScaledCopies = 4;

template <typename T> class ComRef {
public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef() {
        if (p_)
            p_->Release();
    }
    T* get() const { return p_; }
    T** out() { return &p_; }
    T* operator->() const { return p_; }

private:
    T* p_ = nullptr;
};

// A stream over a private copy of the bytes.
bool openStream(std::string_view bytes, ComRef<IStream>& stream) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!memory)
        return false;
    void* data = GlobalLock(memory);
    if (!data) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(data, bytes.data(), bytes.size());
    GlobalUnlock(memory);
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, stream.out()))) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

// The picture's size in pixels: the bitmap's own size when it has one,
// otherwise its HIMETRIC size at the screen's resolution.
bool pixelSize(IPicture& picture, int& width, int& height) {
    SHORT type = PICTYPE_UNINITIALIZED;
    OLE_HANDLE handle = 0;
    if (SUCCEEDED(picture.get_Type(&type)) && type == PICTYPE_BITMAP &&
        SUCCEEDED(picture.get_Handle(&handle)) && handle) {
        BITMAP info{};
        if (GetObjectW(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), sizeof info,
                       &info)) {
            width = info.bmWidth;
            height = info.bmHeight;
            return width > 0 && height > 0;
        }
    }
    OLE_XSIZE_HIMETRIC hmWidth = 0;
    OLE_YSIZE_HIMETRIC hmHeight = 0;
    if (FAILED(picture.get_Width(&hmWidth)) || FAILED(picture.get_Height(&hmHeight)))
        return false;
    ScreenDc screen;
    width = MulDiv(hmWidth, GetDeviceCaps(screen.get(), LOGPIXELSX), 2540);
    height = MulDiv(hmHeight, GetDeviceCaps(screen.get(), LOGPIXELSY), 2540);
    return width > 0 && height > 0;
}

// The imaging component's factory (version 1, which Vista has, and XP with
// the component installed) and its pixel formats, named here so that the
// program needs no import of its library and starts where it is missing.
constexpr CLSID imagingFactoryClass = {
    0xcacaf262, 0x9370, 0x4615, {0xa1, 0x3b, 0x9f, 0x55, 0x39, 0xda, 0x4c, 0x0a}};
constexpr GUID format24bppBgr = {
    0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x0c}};
constexpr GUID format32bppBgr = {
    0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x0e}};
// Larger pictures are refused rather than allocated: 64 megapixels is a
// quarter of a gigabyte of pixels.
constexpr long long largestPixels = 64LL * 1024 * 1024;

} // namespace

std::unique_ptr<DecodedPicture> DecodedPicture::decode(std::string_view bytes, int width,
                                                       int height) {
    if (bytes.empty() || bytes.size() > 0x7FFFFFFF)
        return nullptr;
    const bool jpeg = bytes.size() > 3 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
                      static_cast<unsigned char>(bytes[1]) == 0xD8;
    if (jpeg)
        if (auto picture = decodeJpeg(bytes, width, height))
            return picture;
    auto picture = decodeWithOle(bytes);
    if (picture && width > 0 && height > 0)
        picture->prepare(width, height);
    return picture;
}

namespace {

// The rows of a decoded frame in 32-bit pixels, a band at a time: the
// decoder keeps the picture in its own form, and only one band of it is
// ever held in ours.
class FrameRows {
public:
    FrameRows(IWICBitmapSource& source, UINT width, UINT height, bool narrow)
        : source_(source), width_(width), height_(height), narrow_(narrow),
          stride_(narrow ? (width * 3 + 3) & ~3u : width * 4),
          band_(static_cast<std::size_t>(stride_) * bandRows),
          row_(narrow ? static_cast<std::size_t>(width) * 4 : 0) {}

    // Row y, or null when the decoder fails; rows are asked for in order.
    const std::uint8_t* at(int y) {
        const UINT row = static_cast<UINT>(y);
        if (row >= height_)
            return nullptr;
        if (!filled_ || row < top_ || row >= top_ + rows_) {
            rows_ = std::min(bandRows, height_ - row);
            const WICRect part{0, y, static_cast<INT>(width_), static_cast<INT>(rows_)};
            if (FAILED(source_.CopyPixels(&part, stride_, stride_ * rows_, band_.data())))
                return nullptr;
            top_ = row;
            filled_ = true;
        }
        const std::uint8_t* from = &band_[static_cast<std::size_t>(row - top_) * stride_];
        if (!narrow_)
            return from;
        // Three bytes a pixel spread to four.
        std::uint8_t* to = row_.data();
        for (UINT x = 0; x < width_; ++x, from += 3, to += 4) {
            to[0] = from[0];
            to[1] = from[1];
            to[2] = from[2];
            to[3] = 0;
        }
        return row_.data();
    }

private:
    static constexpr UINT bandRows = 64;
    IWICBitmapSource& source_;
    UINT width_, height_;
    bool narrow_;
    UINT stride_;
    std::vector<std::uint8_t> band_, row_;
    UINT top_ = 0, rows_ = 0;
    bool filled_ = false;
};

} // namespace

std::unique_ptr<DecodedPicture> DecodedPicture::decodeJpeg(std::string_view bytes, int wantWidth,
                                                           int wantHeight) {
    // The component's decoder hands over the pixels as they are; OLE's
    // picture object converts them twice more, which costs three times as
    // long for a large render. Made straight at the wanted size, a render
    // never exists here at its own: the memory a picture first touches is
    // the dearest part of decoding it.
    ComRef<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(imagingFactoryClass, nullptr, CLSCTX_INPROC_SERVER,
                                __uuidof(IWICImagingFactory),
                                reinterpret_cast<void**>(factory.out()))))
        return nullptr;
    ComRef<IStream> stream;
    if (!openStream(bytes, stream))
        return nullptr;
    ComRef<IWICBitmapDecoder> decoder;
    ComRef<IWICBitmapFrameDecode> frame;
    UINT width = 0, height = 0;
    WICPixelFormatGUID format{};
    if (FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, decoder.out())) ||
        FAILED(decoder->GetFrame(0, frame.out())) || FAILED(frame->GetSize(&width, &height)) ||
        FAILED(frame->GetPixelFormat(&format)) || width == 0 || height == 0 ||
        static_cast<long long>(width) * height > largestPixels)
        return nullptr;
    const bool sized = wantWidth > 0 && wantHeight > 0;
    const int outWidth = sized ? wantWidth : static_cast<int>(width);
    const int outHeight = sized ? wantHeight : static_cast<int>(height);
    if (static_cast<long long>(outWidth) * outHeight > largestPixels)
        return nullptr;

    // Grey, CMYK and the rest: the component converts to 32 bits.
    IWICBitmapSource* source = frame.get();
    ComRef<IWICFormatConverter> converter;
    const bool narrow = IsEqualGUID(format, format24bppBgr);
    if (!narrow && !IsEqualGUID(format, format32bppBgr)) {
        if (FAILED(factory->CreateFormatConverter(converter.out())) ||
            FAILED(converter->Initialize(frame.get(), format32bppBgr, WICBitmapDitherTypeNone,
                                         nullptr, 0, WICBitmapPaletteTypeCustom)))
            return nullptr;
        source = converter.get();
    }
    FrameRows rows(*source, width, height, narrow);

    std::unique_ptr<DecodedPicture> out(new DecodedPicture());
    out->width_ = outWidth;
    out->height_ = outHeight;
    void* bits = nullptr;
    out->bitmap_.reset(topDownSection(outWidth, outHeight, bits));
    if (!out->bitmap_)
        return nullptr;
    auto* target = static_cast<std::uint8_t*>(bits);
    if (outWidth == static_cast<int>(width) && outHeight == static_cast<int>(height)) {
        const std::size_t row = static_cast<std::size_t>(width) * 4;
        for (int y = 0; y < outHeight; ++y) {
            const std::uint8_t* from = rows.at(y);
            if (!from)
                return nullptr;
            std::memcpy(target + static_cast<std::size_t>(y) * row, from, row);
        }
    } else if (!forms::resampleRows([&](int y) { return rows.at(y); }, static_cast<int>(width),
                                    static_cast<int>(height), target, outWidth, outHeight)) {
        return nullptr;
    }
    out->bits_ = bits;
    return out;
}

std::unique_ptr<DecodedPicture> DecodedPicture::decodeWithOle(std::string_view bytes) {
    ComRef<IStream> stream;
    if (!openStream(bytes, stream))
        return nullptr;
    ComRef<IPicture> picture;
    if (FAILED(OleLoadPicture(stream.get(), static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(picture.out()))) ||
        !picture.get())
        return nullptr;

    std::unique_ptr<DecodedPicture> out(new DecodedPicture());
    if (!pixelSize(*picture.get(), out->width_, out->height_))
        return nullptr;
    DWORD attributes = 0;
    if (SUCCEEDED(picture->get_Attributes(&attributes)))
        out->transparent_ = (attributes & PICTURE_TRANSPARENT) != 0;
    OLE_XSIZE_HIMETRIC hmWidth = 0;
    OLE_YSIZE_HIMETRIC hmHeight = 0;
    if (FAILED(picture->get_Width(&hmWidth)) || FAILED(picture->get_Height(&hmHeight)))
        return nullptr;

    ScreenDc screen;
    out->bitmap_.reset(CreateCompatibleBitmap(screen.get(), out->width_, out->height_));
    MemoryDc target(screen.get());
    if (!out->bitmap_ || !target)
        return nullptr;
    Selection selected(target.get(), out->bitmap_.get());
    RECT all{0, 0, out->width_, out->height_};
    // Transparent pixels keep the key colour that draw() leaves out.
    Brush key(CreateSolidBrush(out->transparent_ ? transparentKey : RGB(0, 0, 0)));
    FillRect(target.get(), &all, key.get());
    if (FAILED(picture->Render(target.get(), 0, 0, out->width_, out->height_, 0, hmHeight, hmWidth,
                               -hmHeight, nullptr)))
        return nullptr;
    return out;
}

std::unique_ptr<DecodedPicture> DecodedPicture::adoptIcon(HICON icon) {
    if (!icon)
        return nullptr;
    std::unique_ptr<DecodedPicture> out(new DecodedPicture());
    out->icon_ = icon;
    out->width_ = GetSystemMetrics(SM_CXICON);
    out->height_ = GetSystemMetrics(SM_CYICON);
    ICONINFO info{};
    if (GetIconInfo(icon, &info)) {
        BITMAP bitmap{};
        HBITMAP measured = info.hbmColor ? info.hbmColor : info.hbmMask;
        if (measured && GetObjectW(measured, sizeof bitmap, &bitmap)) {
            out->width_ = bitmap.bmWidth;
            // A monochrome icon stacks its AND and XOR masks.
            out->height_ = info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2;
        }
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
        if (info.hbmMask)
            DeleteObject(info.hbmMask);
    }
    return out;
}

DecodedPicture::DrawDc::~DrawDc() {
    if (original)
        SelectObject(dc.get(), original);
}

void DecodedPicture::releaseDrawDc() const {
    if (drawDc_ && drawDc_->original) {
        SelectObject(drawDc_->dc.get(), drawDc_->original);
        drawDc_->selected = nullptr;
    }
}

HDC DecodedPicture::selectForDrawing(HBITMAP bitmap) const {
    if (!drawDc_) {
        drawDc_ = std::make_unique<DrawDc>();
        if (!drawDc_->dc) {
            drawDc_.reset();
            return nullptr;
        }
    }
    if (drawDc_->selected != bitmap) {
        HGDIOBJ previous = SelectObject(drawDc_->dc.get(), bitmap);
        if (!previous || previous == HGDI_ERROR)
            return nullptr;
        if (!drawDc_->original)
            drawDc_->original = previous;
        drawDc_->selected = bitmap;
    }
    return drawDc_->dc.get();
}

DecodedPicture::~DecodedPicture() {
    if (icon_)
        DestroyIcon(icon_);
}

DecodedPicture::Render DecodedPicture::sized(int width, int height, bool& blend) const {
    blend = transparent_ || icon_;
    if (!blend && width == width_ && height == height_)
        return {bitmap_.get(), static_cast<const std::uint32_t*>(bits_), {0, 0, width, height}};
    auto found = std::find_if(scaled_.begin(), scaled_.end(), [&](const Scaled& s) {
        return s.width == width && s.height == height;
    });
    if (found != scaled_.end()) {
        std::rotate(found, found + 1, scaled_.end());
        return {scaled_.back().bitmap.get(), scaled_.back().pixels, scaled_.back().ink};
    }
    releaseDrawDc(); // the original is the source of the copy; an old copy may go
    void* bits = nullptr;
    Bitmap copy = icon_                    ? iconSprite(width, height, bits)
                  : bits_ && !transparent_ ? filteredCopy(width, height, bits)
                                           : stretchedCopy(width, height, bits);
    if (!copy)
        return {};
    if (scaled_.size() >= maxScaledCopies)
        scaled_.erase(scaled_.begin());
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    const RECT ink = blend && pixels ? toRect(forms::inkedArea({pixels, width, height, width}))
                                     : RECT{0, 0, width, height};
    scaled_.push_back({width, height, std::move(copy), pixels, ink});
    return {scaled_.back().bitmap.get(), pixels, ink};
}

Bitmap DecodedPicture::iconSprite(int width, int height, void*& bits) const {
    bits = nullptr;
    const std::vector<std::uint32_t> pixels = iconPixels(icon_, width, height);
    if (pixels.empty())
        return Bitmap();
    Bitmap sprite(topDownSection(width, height, bits));
    if (sprite)
        std::memcpy(bits, pixels.data(), pixels.size() * sizeof pixels[0]);
    return sprite;
}

Bitmap DecodedPicture::filteredCopy(int width, int height, void*& bits) const {
    bits = nullptr;
    Bitmap copy(topDownSection(width, height, bits));
    if (copy)
        forms::resamplePixels(static_cast<const std::uint8_t*>(bits_), width_, height_,
                              static_cast<std::uint8_t*>(bits), width, height);
    return copy;
}

Bitmap DecodedPicture::stretchedCopy(int width, int height, void*& bits) const {
    bits = nullptr;
    ScreenDc screen;
    Bitmap copy(CreateCompatibleBitmap(screen.get(), width, height));
    MemoryDc source(screen.get()), target(screen.get());
    if (!copy || !source || !target)
        return Bitmap();
    {
        Selection from(source.get(), bitmap_.get());
        Selection to(target.get(), copy.get());
        // Averaging would blend the transparent key into the edges.
        SetStretchBltMode(target.get(), transparent_ ? COLORONCOLOR : HALFTONE);
        SetBrushOrgEx(target.get(), 0, 0, nullptr);
        StretchBlt(target.get(), 0, 0, width, height, source.get(), 0, 0, width_, height_, SRCCOPY);
    }
    if (!transparent_)
        return copy;
    // Premultiplied alpha: 0 where the key colour was, opaque elsewhere.
    BITMAPINFO info = topDownInfo(width, height);
    Bitmap alpha(topDownSection(width, height, bits));
    if (!alpha || GetDIBits(screen.get(), copy.get(), 0, static_cast<UINT>(height), bits, &info,
                            DIB_RGB_COLORS) != height) {
        bits = nullptr;
        return Bitmap();
    }
    const DWORD key = (GetRValue(transparentKey) << 16) | (GetGValue(transparentKey) << 8) |
                      GetBValue(transparentKey);
    auto* pixel = static_cast<DWORD*>(bits);
    for (std::size_t i = 0, n = static_cast<std::size_t>(width) * height; i < n; ++i)
        pixel[i] = (pixel[i] & 0xFFFFFF) == key ? 0 : (pixel[i] | 0xFF000000);
    GdiFlush();
    return alpha;
}

void DecodedPicture::draw(HDC dc, const RECT& dest, const RECT* within,
                          DirectPixels* direct) const {
    int width = dest.right - dest.left, height = dest.bottom - dest.top;
    if (width <= 0 || height <= 0)
        return;
    RECT clip{};
    if (direct)
        clip = direct->clipBox();
    else if (GetClipBox(dc, &clip) == ERROR)
        clip = dest;
    if (within && !IntersectRect(&clip, &clip, within))
        return;
    RECT part{};
    if (!IntersectRect(&part, &dest, &clip))
        return;
    bool blend = false;
    const Render render = sized(width, height, blend);
    if (!render.bitmap)
        return;
    // A sprite's transparent border changes nothing.
    RECT ink = render.ink;
    OffsetRect(&ink, dest.left, dest.top);
    if (!IntersectRect(&part, &part, &ink))
        return;
    if (direct && render.pixels) {
        if (blend)
            direct->blend(render.pixels, width, height, dest.left, dest.top, part);
        else
            direct->copy(render.pixels, width, height, dest.left, dest.top, part);
        return;
    }
    int partWidth = part.right - part.left, partHeight = part.bottom - part.top;
    int sourceX = part.left - dest.left, sourceY = part.top - dest.top;
    HDC source = selectForDrawing(render.bitmap);
    if (!source)
        return;
    if (direct)
        direct->drewThroughSystem();
    if (blend) {
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        GdiAlphaBlend(dc, part.left, part.top, partWidth, partHeight, source, sourceX, sourceY,
                      partWidth, partHeight, blend);
        return;
    }
    BitBlt(dc, part.left, part.top, partWidth, partHeight, source, sourceX, sourceY, SRCCOPY);
}

void DecodedPicture::drawQuickly(HDC dc, const RECT& dest) const {
    if (icon_ || transparent_ ||
        (dest.right - dest.left == width_ && dest.bottom - dest.top == height_)) {
        draw(dc, dest);
        return;
    }
    HDC source = selectForDrawing(bitmap_.get());
    if (!source)
        return;
    const int previousMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, source, 0,
               0, width_, height_, SRCCOPY);
    if (previousMode)
        SetStretchBltMode(dc, previousMode);
}

void DecodedPicture::drawEdges(HDC dc, const RECT& dest, const RECT& fill) const {
    if (icon_ || transparent_ || width_ <= 0 || height_ <= 0)
        return;
    HDC source = selectForDrawing(bitmap_.get());
    if (!source)
        return;
    // Column (or row) bands of the picture's own edge pixels, one call each:
    // left, right, above, below, and the four corners.
    const int lastX = width_ - 1, lastY = height_ - 1;
    struct Band {
        RECT to;
        int x, y, w, h; // source pixels
    };
    const Band bands[] = {
        {{fill.left, dest.top, dest.left, dest.bottom}, 0, 0, 1, height_},
        {{dest.right, dest.top, fill.right, dest.bottom}, lastX, 0, 1, height_},
        {{dest.left, fill.top, dest.right, dest.top}, 0, 0, width_, 1},
        {{dest.left, dest.bottom, dest.right, fill.bottom}, 0, lastY, width_, 1},
        {{fill.left, fill.top, dest.left, dest.top}, 0, 0, 1, 1},
        {{dest.right, fill.top, fill.right, dest.top}, lastX, 0, 1, 1},
        {{fill.left, dest.bottom, dest.left, fill.bottom}, 0, lastY, 1, 1},
        {{dest.right, dest.bottom, fill.right, fill.bottom}, lastX, lastY, 1, 1},
    };
    const int previousMode = SetStretchBltMode(dc, COLORONCOLOR);
    for (const Band& b : bands) {
        if (b.to.right <= b.to.left || b.to.bottom <= b.to.top || !RectVisible(dc, &b.to))
            continue;
        StretchBlt(dc, b.to.left, b.to.top, b.to.right - b.to.left, b.to.bottom - b.to.top, source,
                   b.x, b.y, b.w, b.h, SRCCOPY);
    }
    if (previousMode)
        SetStretchBltMode(dc, previousMode);
}

} // namespace orvela::win32
