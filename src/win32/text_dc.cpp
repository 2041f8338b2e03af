#include "win32/text_dc.h"

namespace orvela::win32 {

namespace {

// Selects object into dc unless it is there already; remembers the DC's
// own object of that kind the first time. False when the selection fails.
template <typename Handle>
bool selectOnce(HDC dc, Handle object, Handle& current, HGDIOBJ& original) {
    if (!object || object == current)
        return true;
    HGDIOBJ previous = SelectObject(dc, object);
    if (!previous || previous == HGDI_ERROR)
        return false;
    if (!original)
        original = previous;
    current = object;
    return true;
}

} // namespace

TextDc::TextDc() = default;

TextDc::~TextDc() {
    if (!dc_)
        return;
    if (originalFont_)
        SelectObject(dc_.get(), originalFont_);
    if (originalBitmap_)
        SelectObject(dc_.get(), originalBitmap_);
}

HDC TextDc::with(HFONT font, HBITMAP bitmap) {
    if (!dc_ || !selectOnce(dc_.get(), font, font_, originalFont_) ||
        !selectOnce(dc_.get(), bitmap, bitmap_, originalBitmap_))
        return nullptr;
    return dc_.get();
}

void TextDc::release(HBITMAP bitmap) {
    if (bitmap && bitmap == bitmap_ && originalBitmap_) {
        SelectObject(dc_.get(), originalBitmap_);
        bitmap_ = nullptr;
    }
}

} // namespace orvela::win32
