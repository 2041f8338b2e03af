#include "win32/back_buffer.h"

namespace orvela::win32 {

bool BackBuffer::resize(HDC compatibleWith, int width, int height) {
    if (dc_ && width == width_ && height == height_)
        return false;
    selection_.reset();
    dc_.reset();
    bitmap_.reset();
    width_ = height_ = 0;
    if (width <= 0 || height <= 0)
        return true;
    auto dc = std::make_unique<MemoryDc>(compatibleWith);
    Bitmap bitmap(CreateCompatibleBitmap(compatibleWith, width, height));
    if (!*dc || !bitmap)
        return true;
    bitmap_ = std::move(bitmap);
    dc_ = std::move(dc);
    selection_ = std::make_unique<Selection>(dc_->get(), bitmap_.get());
    width_ = width;
    height_ = height;
    return true;
}

} // namespace orvela::win32
