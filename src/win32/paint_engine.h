// The one paint engine of the form windows: dirty rectangles of the model
// (twips) become invalid pixel rectangles of the window; WM_PAINT repaints
// only the update region into the back buffer and copies it to the window
// (the first frame, with nothing under it to flicker, straight to the window).
#pragma once

#include "forms/form.h"
#include "win32/back_buffer.h"
#include "win32/form_painter.h"

#include <windows.h>

#include <vector>

namespace orvela::win32 {

class PaintEngine {
public:
    explicit PaintEngine(FormPainter& painter) : painter_(painter) {}
    PaintEngine(const PaintEngine&) = delete;
    PaintEngine& operator=(const PaintEngine&) = delete;

    // Invalidates the pixel rectangles of the dirty twips rectangles.
    static void invalidate(HWND window, const std::vector<forms::Rect>& dirty,
                           forms::PixelScale scale = {});

    // Handles WM_PAINT of window, which shows form. True when a frame was
    // copied to the window.
    bool paint(HWND window, const forms::Form& form);

    // Drops the back buffer (form's window is going away).
    void release(const forms::Form& form) {
        buffer_.resize(nullptr, 0, 0);
        everPainted_ = false;
        painter_.forget(form);
    }

private:
    FormPainter& painter_;
    BackBuffer buffer_;
    bool everPainted_ = false; // the first frame went straight to the window
};

} // namespace orvela::win32
