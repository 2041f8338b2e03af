// Draws a form's content with GDI: its BackColor, its Picture at natural size
// at the top-left, then every effectively visible control in paint order
// (labels, images, frames, lines, picture boxes). Native kinds (buttons,
// combo boxes, text boxes, tab strips) are child windows that draw themselves
// and are left out. Labels use the control's font as FontCache::fontFor
// gives it (the system's dialog font in dialogs), and in dialogs the
// designer's grey is the system's face colour. Pixel (0, 0) of the device
// context is the top-left of the form's client area; only the part inside the
// dc's clipping region is touched.
#pragma once

#include "forms/form.h"
#include "win32/caption_sprites.h"
#include "win32/direct_pixels.h"
#include "win32/font_cache.h"
#include "win32/label_looks.h"
#include "win32/picture_cache.h"
#include "win32/text_dc.h"

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <unordered_set>
#include <vector>

namespace orvela::win32 {

class FormPainter {
public:
    FormPainter(PictureCache& pictures, FontCache& fonts) : pictures_(pictures), fonts_(fonts) {}

    // With direct (dc's own pixels and the rectangles being painted),
    // sprites and opaque renders are put on those pixels without the
    // system, and what is visible is told without asking it. whole says
    // the paint covers the form's whole window: the artwork it draws is
    // then all that window shows, and artwork no window showed since its
    // last whole paint is released (another variant's backdrop and
    // buttons, a stand-in render the sharp one has replaced).
    void paint(HDC dc, const forms::Form& form, DirectPixels* direct = nullptr, bool whole = false);
    // The form's window is gone: what it showed no longer holds pictures.
    void forget(const forms::Form& form) {
        drawnBy_.erase(&form);
        looks_.forget(form);
        captions_.forget(&form);
    }
    // Starts decoding the artwork a first paint of form over client (its
    // window's client rectangle) will show, in the background.
    void prefetch(const forms::Form& form, const RECT& client);
    // Where a label's caption lands when painted, in the form's pixels,
    // before clipping: its lines' rectangle, wider or taller than the label
    // where the caption does not fit it (empty for no caption), and the
    // font it is drawn in (the font cache's).
    struct CaptionExtent {
        RECT lines{};
        HFONT font = nullptr;
    };
    CaptionExtent captionExtent(HDC dc, const forms::Control& label);

private:
    // The form's surface and controls within clip (dc's clip box).
    void paintForm(HDC dc, const forms::Form& form, const RECT& clip);
    // Whether any of box is being painted.
    bool shows(HDC dc, const RECT& box) const;
    // Paints a control touching nothing outside within (its clipped box).
    void paintControl(HDC dc, const forms::Control& control, const RECT& within);
    // Whether a control's painting keeps within its clipped box by itself
    // (labels, images that do not fill their frame), needing no clip.
    static bool drawsWithin(const forms::Control& control);
    void paintLabel(HDC dc, const forms::Control& label, const RECT& box, const RECT& within);
    // A picture stretched over box, or at its own size (scaled to the form's
    // pixels) from box's top-left corner; the render that suits the shown
    // size. Gives the render drawn, if any.
    const DecodedPicture* paintPicture(HDC dc, forms::PixelScale scale,
                                       const forms::Picture& picture, const RECT& box, bool stretch,
                                       const RECT* within = nullptr);
    // Where a picture is shown for box: box itself when stretched, else its
    // own size from box's top-left corner; nothing without a size.
    std::optional<RECT> shownAt(forms::PixelScale scale, const forms::Picture& picture,
                                const RECT& box, bool stretch);
    void paintLine(HDC dc, const forms::Control& line);
    // Draws the render of a picture for the shown size, quickly while a
    // sharper one is decoded in the background; the render drawn, if any.
    const DecodedPicture* drawRender(HDC dc, const forms::Picture& picture, const RECT& shown,
                                     const RECT* within = nullptr);
    // Draws picture, the render of reference get() found for the shown size.
    void drawFound(HDC dc, const forms::Picture& reference, const DecodedPicture& picture,
                   bool provisional, const RECT& shown, const RECT* within);
    // A picture shown at box (drawn from the render drawn) continued across
    // fill: its edges stretched, then over them the pieces of its drawing
    // beyond the canvas where it has them (forms::marginPieces), each
    // continued by its own edges.
    void paintMargins(HDC dc, const forms::Picture& picture, const DecodedPicture* drawn,
                      const RECT& box, const RECT& fill);
    // Each margin piece of a picture shown at box that has a margin within
    // fill: the piece, where it goes at box's scale, and its margin.
    struct MarginPlace {
        forms::Picture art;
        RECT place, margin;
    };
    std::vector<MarginPlace> marginPlaces(const forms::Picture& picture, const RECT& box,
                                          const RECT& fill);
    // The font a label's caption fits its box in (forms/text_fit.h), its
    // own where it fits. The fit depends only on the caption, the box's
    // size and the font, so it is measured once for each of those, whichever
    // label shows them.
    HFONT fittedFont(const forms::Control& label, const std::wstring& text, const RECT& box);
    HFONT labelFont(const forms::Control& label, const std::wstring& text, const RECT& box);

    PictureCache& pictures_;
    FontCache& fonts_;
    DirectPixels* direct_ = nullptr; // during paint()
    // The artwork renders each form's window drew since its last whole paint.
    using Drawn = std::unordered_set<const DecodedPicture*>;
    std::map<const forms::Form*, Drawn> drawnBy_;
    Drawn* drawn_ = nullptr; // during paint(): the painted form's
    CaptionSprites captions_;
    LabelLooks looks_;
    using FitKey = std::tuple<std::wstring, int, int, std::string, float, bool, bool, int, float>;
    std::map<FitKey, float> fittedSizes_;
    static constexpr std::size_t maxFits = 4096;
    TextDc measure_; // where captions are measured
};

// Colours of the model are COLORREFs: red in the low byte.
inline COLORREF toColorRef(forms::Color color) {
    return static_cast<COLORREF>(color & 0xFFFFFF);
}

// The grey the designer gives forms, frames and labels by default.
inline constexpr forms::Color designerFace = forms::rgb(192, 192, 192);

// The colour a surface of form (its background, a frame, an opaque label)
// is filled with.
COLORREF surfaceColor(const forms::Form& form, forms::Color color);

// DrawTextW flags of a label: alignment, breaking at blanks to fit the
// label's width, CR LF line breaks.
UINT labelTextFlags(const forms::Control& label);

} // namespace orvela::win32
