#include "win32/paint_engine.h"

#include "win32/gdi_guards.h"
#include "win32/pixel_geometry.h"

namespace orvela::win32 {

void PaintEngine::invalidate(HWND window, const std::vector<forms::Rect>& dirty,
                             forms::PixelScale scale) {
    if (dirty.empty())
        return;
    // One region, one call: each invalidation is a trip to the window
    // manager (under Wine a server request), so many small ones cost more
    // than painting them.
    Region all(CreateRectRgn(0, 0, 0, 0));
    Region part(CreateRectRgn(0, 0, 0, 0));
    for (const forms::Rect& r : dirty) {
        RECT pixels = toPixels(r, scale);
        // One pixel of margin against rounding of the painted edges.
        pixels.right += 1;
        pixels.bottom += 1;
        if (all && part) {
            SetRectRgn(part.get(), pixels.left, pixels.top, pixels.right, pixels.bottom);
            CombineRgn(all.get(), all.get(), part.get(), RGN_OR);
        } else {
            InvalidateRect(window, &pixels, FALSE);
        }
    }
    if (all && part)
        InvalidateRgn(window, all.get(), FALSE);
}

bool PaintEngine::paint(HWND window, const forms::Form& form) {
    Region update(CreateRectRgn(0, 0, 0, 0));
    bool haveRegion = update && GetUpdateRgn(window, update.get(), FALSE) != ERROR;
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(window, &ps);
    if (!dc)
        return false;
    RECT client{};
    GetClientRect(window, &client);
    bool fresh = buffer_.resize(dc, client.right, client.bottom);
    bool painted = false;
    if (HDC back = buffer_.dc()) {
        {
            SavedState state(back);
            // A new buffer holds nothing yet: paint it whole.
            if (!fresh && haveRegion)
                SelectClipRgn(back, update.get());
            else
                SelectClipRgn(back, nullptr);
            painter_.paint(back, form);
        }
        RECT& r = ps.rcPaint;
        painted = BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, back, r.left, r.top,
                         SRCCOPY) != FALSE;
    }
    EndPaint(window, &ps);
    return painted;
}

} // namespace orvela::win32
