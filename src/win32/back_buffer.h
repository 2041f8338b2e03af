// A memory bitmap of a window's client size with its own device context:
// the window is painted here and then copied to the screen in one BitBlt.
// It is a 32-bit top-down DIB section where the system can make one, so
// that the painter can also put pixels on it itself.
#pragma once

#include "win32/gdi_guards.h"

#include <windows.h>

#include <cstdint>
#include <memory>

namespace orvela::win32 {

class BackBuffer {
public:
    BackBuffer() = default;
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    // Makes the buffer exactly width x height pixels. True when it was
    // (re)created: its content is then undefined and must be painted whole.
    bool resize(HDC compatibleWith, int width, int height);

    HDC dc() const { return dc_ ? dc_->get() : nullptr; }
    int width() const { return width_; }
    int height() const { return height_; }
    // Its pixels, top-down rows of width() pixels; null when it is not a
    // section of its own.
    std::uint32_t* pixels() const { return pixels_; }

private:
    // Declared in this order so that the selection is undone before the DC
    // and the bitmap go.
    Bitmap bitmap_;
    std::unique_ptr<MemoryDc> dc_;
    std::unique_ptr<Selection> selection_;
    int width_ = 0, height_ = 0;
    std::uint32_t* pixels_ = nullptr;
};

} // namespace orvela::win32
