#include "win32/paint_engine.h"

#include "forms/repaint_tiles.h"

#include "win32/gdi_guards.h"
#include "win32/pixel_geometry.h"

#include <cstdint>
#include <optional>

namespace orvela::win32 {

void PaintEngine::invalidate(HWND window, const std::vector<forms::Rect>& dirty,
                             forms::PixelScale scale) {
    // Rounded out to tiles: a region of a few dozen bands rather than one
    // band at every edge of a few hundred rectangles (forms/repaint_tiles.h).
    const std::vector<forms::PixelRect> tiles = forms::repaintTiles(dirty, scale);
    if (tiles.empty())
        return;
    // One region made in one call, one invalidation: each invalidation is a
    // trip to the window manager (under Wine a server request), and each
    // call that adds a rectangle to a region a trip into the system.
    std::vector<std::uint8_t> bytes(sizeof(RGNDATAHEADER) + tiles.size() * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
    auto* rects = reinterpret_cast<RECT*>(data->Buffer);
    RECT bounds{};
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        rects[i] = toRect(tiles[i]);
        UnionRect(&bounds, &bounds, &rects[i]);
    }
    data->rdh = {sizeof(RGNDATAHEADER), RDH_RECTANGLES, static_cast<DWORD>(tiles.size()),
                 static_cast<DWORD>(tiles.size() * sizeof(RECT)), bounds};
    if (Region all(ExtCreateRegion(nullptr, static_cast<DWORD>(bytes.size()), data)); all) {
        InvalidateRgn(window, all.get(), FALSE);
        return;
    }
    for (std::size_t i = 0; i < tiles.size(); ++i)
        InvalidateRect(window, &rects[i], FALSE);
}

bool PaintEngine::paint(HWND window, const forms::Form& form) {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(window, &ps);
    if (!dc)
        return false;
    // What this paint may draw: the paint DC's own region, in screen
    // coordinates, moved to the window's. It is the update region less what
    // covers the window, had without asking the window manager again (under
    // Wine GetUpdateRgn is two more server requests each paint).
    Region update(CreateRectRgn(0, 0, 0, 0));
    POINT origin{};
    bool haveRegion = update && GetRandomRgn(dc, update.get(), SYSRGN) == 1 &&
                      GetDCOrgEx(dc, &origin) &&
                      OffsetRgn(update.get(), -origin.x, -origin.y) != ERROR;
    RECT client{};
    GetClientRect(window, &client);
    RECT box{};
    const bool covers =
        !haveRegion || (GetRgnBox(update.get(), &box) == SIMPLEREGION && EqualRect(&box, &client));
    // The first frame goes straight to the window, which has nothing on it
    // to flicker: the buffer is made by the paint after it, so that the
    // first frame does not wait for a buffer of the whole window to be made
    // and filled (33 MB at 3840 x 2160). So does any frame for which no
    // buffer can be made: rather a flicker than a window left unpainted.
    const bool first = !everPainted_;
    everPainted_ = true;
    const bool fresh = !first && buffer_.resize(dc, client.right, client.bottom);
    if (first || !buffer_.dc()) {
        painter_.paint(dc, form, nullptr, covers);
        EndPaint(window, &ps);
        return true;
    }
    HDC back = buffer_.dc();
    {
        SavedClip state(back);
        // A new buffer holds nothing yet: paint it whole.
        const bool partly = !fresh && haveRegion;
        SelectClipRgn(back, partly ? update.get() : nullptr);
        std::optional<DirectPixels> direct;
        if (buffer_.pixels()) {
            // Blends and copies keep to the buffer's pixels by themselves.
            const RECT whole{0, 0, buffer_.width(), buffer_.height()};
            std::vector<RECT> clip =
                DirectPixels::regionRects(partly ? update.get() : nullptr, whole);
            direct.emplace(buffer_.pixels(), buffer_.width(), buffer_.height(), std::move(clip));
        }
        painter_.paint(back, form, direct ? &*direct : nullptr, !partly || covers);
    }
    RECT& r = ps.rcPaint;
    const bool painted = BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, back, r.left,
                                r.top, SRCCOPY) != FALSE;
    EndPaint(window, &ps);
    return painted;
}

} // namespace orvela::win32
