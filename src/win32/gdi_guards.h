// Small owners for GDI handles: each releases what it holds, and selections
// put back what they replaced. Moving is allowed, copying is not.
#pragma once

#include <windows.h>

#include <optional>

#include <utility>

namespace orvela::win32 {

// Owns a GDI object (bitmap, font, pen, brush, region) and deletes it.
template <typename Handle> class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset(Handle handle = nullptr) {
        if (handle_)
            DeleteObject(handle_);
        handle_ = handle;
    }
    // Gives the handle up to a new owner (a window taking a region).
    Handle release() { return std::exchange(handle_, nullptr); }

private:
    Handle handle_ = nullptr;
};

using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using FontHandle = GdiObject<HFONT>;
using Region = GdiObject<HRGN>;

// Selects an object into a device context and selects the previous one back.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() {
        if (previous_ && previous_ != HGDI_ERROR)
            SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Saves the whole state of a device context (clipping, colours, modes) and
// restores it at the end of the scope.
class SavedState {
public:
    explicit SavedState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    SavedState(const SavedState&) = delete;
    SavedState& operator=(const SavedState&) = delete;
    ~SavedState() {
        if (saved_)
            RestoreDC(dc_, saved_);
    }

private:
    HDC dc_;
    int saved_;
};

// Keeps a device context's clipping region and puts it back at the end of
// the scope: SaveDC and RestoreDC for the clip alone. RestoreDC selects the
// DC's font, pen and brush again, and under Wine each font selection reads
// the X resources. Where the region cannot be kept, the whole state is.
class SavedClip {
public:
    explicit SavedClip(HDC dc) : dc_(dc), region_(CreateRectRgn(0, 0, 0, 0)) {
        const int kept = region_ ? GetClipRgn(dc, region_.get()) : -1;
        if (kept == -1)
            whole_.emplace(dc);
        else
            had_ = kept == 1;
    }
    SavedClip(const SavedClip&) = delete;
    SavedClip& operator=(const SavedClip&) = delete;
    ~SavedClip() {
        if (!whole_)
            SelectClipRgn(dc_, had_ ? region_.get() : nullptr);
    }

private:
    HDC dc_;
    Region region_;
    bool had_ = false;
    std::optional<SavedState> whole_;
};

// A memory device context compatible with the screen (or with another DC).
class MemoryDc {
public:
    explicit MemoryDc(HDC compatibleWith = nullptr) : dc_(CreateCompatibleDC(compatibleWith)) {}
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    ~MemoryDc() {
        if (dc_)
            DeleteDC(dc_);
    }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HDC dc_;
};

// The screen's device context, for creating compatible bitmaps.
class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    ~ScreenDc() {
        if (dc_)
            ReleaseDC(nullptr, dc_);
    }
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

} // namespace orvela::win32
