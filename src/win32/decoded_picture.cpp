#include "win32/decoded_picture.h"

#include <ole2.h>
#include <olectl.h>

#include <algorithm>
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

} // namespace

std::unique_ptr<DecodedPicture> DecodedPicture::decode(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > 0x7FFFFFFF)
        return nullptr;
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

DecodedPicture::~DecodedPicture() {
    if (icon_)
        DestroyIcon(icon_);
}

HBITMAP DecodedPicture::bitmapOfSize(int width, int height) const {
    if (width == width_ && height == height_)
        return bitmap_.get();
    auto found = std::find_if(scaled_.begin(), scaled_.end(), [&](const Scaled& s) {
        return s.width == width && s.height == height;
    });
    if (found != scaled_.end()) {
        std::rotate(found, found + 1, scaled_.end());
        return scaled_.back().bitmap.get();
    }
    ScreenDc screen;
    Bitmap copy(CreateCompatibleBitmap(screen.get(), width, height));
    MemoryDc source(screen.get()), target(screen.get());
    if (!copy || !source || !target)
        return nullptr;
    {
        Selection from(source.get(), bitmap_.get());
        Selection to(target.get(), copy.get());
        // Averaging would blend the transparent key into the edges.
        SetStretchBltMode(target.get(), transparent_ ? COLORONCOLOR : HALFTONE);
        SetBrushOrgEx(target.get(), 0, 0, nullptr);
        StretchBlt(target.get(), 0, 0, width, height, source.get(), 0, 0, width_, height_, SRCCOPY);
    }
    if (scaled_.size() >= maxScaledCopies)
        scaled_.erase(scaled_.begin());
    scaled_.push_back({width, height, std::move(copy)});
    return scaled_.back().bitmap.get();
}

void DecodedPicture::draw(HDC dc, const RECT& dest) const {
    int width = dest.right - dest.left, height = dest.bottom - dest.top;
    if (width <= 0 || height <= 0)
        return;
    if (icon_) {
        DrawIconEx(dc, dest.left, dest.top, icon_, width, height, 0, nullptr, DI_NORMAL);
        return;
    }
    RECT clip{};
    if (GetClipBox(dc, &clip) == ERROR)
        clip = dest;
    RECT part{};
    if (!IntersectRect(&part, &dest, &clip))
        return;
    HBITMAP bitmap = bitmapOfSize(width, height);
    if (!bitmap)
        return;
    MemoryDc source(dc);
    if (!source)
        return;
    Selection selected(source.get(), bitmap);
    int partWidth = part.right - part.left, partHeight = part.bottom - part.top;
    int sourceX = part.left - dest.left, sourceY = part.top - dest.top;
    if (transparent_)
        GdiTransparentBlt(dc, part.left, part.top, partWidth, partHeight, source.get(), sourceX,
                          sourceY, partWidth, partHeight, transparentKey);
    else
        BitBlt(dc, part.left, part.top, partWidth, partHeight, source.get(), sourceX, sourceY,
               SRCCOPY);
}

} // namespace orvela::win32
