#include "win32/back_buffer.h"

#include "win32/dib_section.h"

namespace orvela::win32 {

bool BackBuffer::resize(HDC compatibleWith, int width, int height) {
    if (dc_ && width == width_ && height == height_)
        return false;
    selection_.reset();
    dc_.reset();
    bitmap_.reset();
    width_ = height_ = 0;
    pixels_ = nullptr;
    if (width <= 0 || height <= 0)
        return true;
    auto dc = std::make_unique<MemoryDc>(compatibleWith);
    void* bits = nullptr;
    Bitmap bitmap(topDownSection(width, height, bits));
    if (!bitmap)
        bitmap = Bitmap(CreateCompatibleBitmap(compatibleWith, width, height));
    if (!*dc || !bitmap)
        return true;
    pixels_ = static_cast<std::uint32_t*>(bits);
    bitmap_ = std::move(bitmap);
    dc_ = std::move(dc);
    selection_ = std::make_unique<Selection>(dc_->get(), bitmap_.get());
    width_ = width;
    height_ = height;
    return true;
}

} // namespace orvela::win32
