#include "win32/form_painter.h"

#include "forms/text_fit.h"

#include "forms/control_kinds.h"
#include "forms/picture_renders.h"
#include "win32/gdi_guards.h"
#include "win32/pixel_geometry.h"
#include "win32/utf.h"

#include <algorithm>
#include <cmath>

namespace orvela::win32 {

namespace {

constexpr LONG everywhere = 1 << 24;

void fill(HDC dc, const RECT& box, COLORREF color) {
    Brush brush(CreateSolidBrush(color));
    if (brush)
        FillRect(dc, &box, brush.get());
}

// The control's own rectangle in form pixels, before clipping by its frames.
RECT ownBox(const forms::Control& c) {
    float x = 0, y = 0;
    c.originInForm(x, y);
    return toPixels(c.bounds().translated(x, y), c.form().pixelScale());
}

bool covers(const RECT& outer, const RECT& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
           outer.bottom >= inner.bottom;
}

// Where a control may draw: inside its frames (or the whole form); a
// picture that fills its frame, the whole frame.
RECT clipBox(const forms::Control& c) {
    const forms::PixelScale scale = c.form().pixelScale();
    if (c.fillsParent() && c.parent())
        return toPixels(c.parent()->formRect(), scale);
    if (c.kind() == forms::ControlKind::Line) {
        if (!c.parent())
            return RECT{-everywhere, -everywhere, everywhere, everywhere};
        return toPixels(c.parent()->formRect(), scale);
    }
    return toPixels(c.formRect(), scale);
}

// The part of fill on one side of box, as wide as box along that side; with
// fill = box, the reach pixels beyond box on that side.
RECT marginBeside(forms::MarginSide side, const RECT& box, const RECT& fill, long reach) {
    RECT r = box;
    const LONG by = static_cast<LONG>(reach);
    switch (side) {
    case forms::MarginSide::Left:
        r.left = std::min(fill.left, box.left - by);
        r.right = box.left;
        break;
    case forms::MarginSide::Right:
        r.left = box.right;
        r.right = std::max(fill.right, box.right + by);
        break;
    case forms::MarginSide::Top:
        r.top = std::min(fill.top, box.top - by);
        r.bottom = box.top;
        break;
    case forms::MarginSide::Bottom:
        r.top = box.bottom;
        r.bottom = std::max(fill.bottom, box.bottom + by);
        break;
    }
    return r;
}

// A frame paints its whole box: what lies below the topmost frame that
// covers the clip box cannot show, so painting starts there.
std::size_t firstShown(const std::vector<forms::Control*>& order, const RECT& clip) {
    for (std::size_t i = order.size(); i-- > 0;) {
        const forms::Control& c = *order[i];
        if (c.kind() == forms::ControlKind::Frame && c.effectivelyVisible() &&
            covers(clipBox(c), clip))
            return i;
    }
    return 0;
}

} // namespace

COLORREF surfaceColor(const forms::Form& form, forms::Color color) {
    // The designer's grey stands for the system's face colour; in a dialog
    // it must match the native controls painted in that colour.
    if (form.dialog() && color == designerFace)
        return GetSysColor(COLOR_BTNFACE);
    return toColorRef(color);
}

UINT labelTextFlags(const forms::Control& label) {
    UINT flags = 0;
    switch (label.alignment()) {
    case forms::Alignment::Left:
        flags |= DT_LEFT;
        break;
    case forms::Alignment::Right:
        flags |= DT_RIGHT;
        break;
    case forms::Alignment::Center:
        flags |= DT_CENTER;
        break;
    }
    // A label of fixed size breaks its caption at blanks to fit its width,
    // whatever WordWrap says (that property only steers automatic sizing,
    // which these forms do not use); CR LF starts a new line too.
    return flags | DT_WORDBREAK;
}

bool FormPainter::shows(HDC dc, const RECT& box) const {
    return direct_ ? direct_->visible(box) : RectVisible(dc, &box) != FALSE;
}

void FormPainter::paint(HDC dc, const forms::Form& form, DirectPixels* direct, bool whole) {
    RECT clip{};
    int clipKind = GetClipBox(dc, &clip);
    if (clipKind == ERROR || clipKind == NULLREGION)
        return;
    Drawn& drawn = drawnBy_[&form];
    if (whole)
        drawn.clear();
    direct_ = direct;
    drawn_ = &drawn;
    {
        struct Forget { // the pixels are this paint's only
            DirectPixels*& direct;
            Drawn*& drawn;
            ~Forget() {
                direct = nullptr;
                drawn = nullptr;
            }
        } forget{direct_, drawn_};
        paintForm(dc, form, clip);
    }
    if (!whole)
        return;
    Drawn shown;
    for (const auto& [painted, pictures] : drawnBy_)
        shown.insert(pictures.begin(), pictures.end());
    pictures_.keepArtwork(shown);
}

void FormPainter::paintForm(HDC dc, const forms::Form& form, const RECT& clip) {
    const std::vector<forms::Control*> order =
        form.loaded() ? form.paintOrder() : std::vector<forms::Control*>();
    const std::size_t first = firstShown(order, clip);
    if (order.empty() || first == 0) {
        // The form's own surface first: colour, then picture; the window may
        // be larger than the form, so fill the whole clip box.
        const forms::Rect& area = form.pictureArea();
        if (area.empty()) {
            fill(dc, clip, surfaceColor(form, form.backColor()));
            paintPicture(dc, form.pixelScale(), form.picture(), {0, 0, 0, 0}, false);
        } else {
            // Drawn over its area, its edges continued to the window's. An
            // opaque picture so drawn covers the clip whole: no colour under
            // it (each tick's repaint would write its pixels twice). Not yet
            // decoded (the first frame's, finished on its thread while the
            // window is made), the colour goes first: filling the window
            // while the decoding ends is work done meanwhile.
            const RECT box = toPixels(area, form.pixelScale());
            const COLORREF color = surfaceColor(form, form.backColor());
            const bool ready = pictures_.holds(form.picture(), box);
            if (!ready)
                fill(dc, clip, color);
            bool provisional = false;
            const DecodedPicture* shown = pictures_.get(form.picture(), box, &provisional);
            if (ready && (!shown || shown->transparent()))
                fill(dc, clip, color);
            if (shown)
                drawFound(dc, form.picture(), *shown, provisional, box, nullptr);
            paintMargins(dc, form.picture(), shown, box, clip);
        }
    }
    for (std::size_t i = first; i < order.size(); ++i) {
        const forms::Control* c = order[i];
        // Native controls are child windows that draw themselves.
        if (!c->effectivelyVisible() || forms::rulesOf(c->kind()).native)
            continue;
        RECT box = intersection(clipBox(*c), clip);
        // The clip box bounds the update region; skip what lies outside it.
        if (isEmpty(box) || !shows(dc, box))
            continue;
        // Labels and plain images touch nothing outside box by themselves;
        // the rest get a clip of their own (the clip kept and put back,
        // which is dear under Wine for each of a hundred items).
        if (drawsWithin(*c)) {
            paintControl(dc, *c, box);
            continue;
        }
        SavedClip state(dc);
        IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
        paintControl(dc, *c, box);
    }
}

bool FormPainter::drawsWithin(const forms::Control& c) {
    return c.kind() == forms::ControlKind::Label ||
           (c.kind() == forms::ControlKind::Image && !c.fillsParent());
}

void FormPainter::paintControl(HDC dc, const forms::Control& c, const RECT& within) {
    RECT box = ownBox(c);
    // Labels and images say themselves whether they drew through the system.
    if (direct_ && c.kind() != forms::ControlKind::Label && c.kind() != forms::ControlKind::Image)
        direct_->drewThroughSystem();
    switch (c.kind()) {
    case forms::ControlKind::Label:
        paintLabel(dc, c, box, within);
        break;
    case forms::ControlKind::Image:
        if (const DecodedPicture* drawn =
                paintPicture(dc, c.form().pixelScale(), c.picture(), box, c.stretch(), &within);
            c.fillsParent() && c.parent()) {
            paintMargins(dc, c.picture(), drawn, box, clipBox(c));
            if (direct_)
                direct_->drewThroughSystem(); // the edges are stretched by the system
        }
        break;
    case forms::ControlKind::Frame:
        fill(dc, box, surfaceColor(c.form(), c.backColor()));
        break;
    case forms::ControlKind::PictureBox:
        fill(dc, box, surfaceColor(c.form(), c.backColor()));
        paintPicture(dc, c.form().pixelScale(), c.picture(), box, false, &within);
        break;
    case forms::ControlKind::Line:
        paintLine(dc, c);
        break;
    default:
        break; // timers, image lists and menus have no face
    }
}

void FormPainter::paintLabel(HDC dc, const forms::Control& label, const RECT& box,
                             const RECT& within) {
    if (label.backStyle() == 1) {
        fill(dc, intersection(box, within), surfaceColor(label.form(), label.backColor()));
        if (direct_)
            direct_->drewThroughSystem();
    }
    if (label.caption().empty())
        return;
    const LabelLooks::Look& look =
        looks_.of(label, box.right - box.left, box.bottom - box.top,
                  [&](const std::wstring& text) { return labelFont(label, text, box); });
    const std::wstring& text = look.text;
    if (text.empty())
        return;
    const HFONT chosen = look.font;
    const COLORREF color = toColorRef(label.foreColor());
    const UINT flags = labelTextFlags(label);
    if (captions_.draw(dc, {&label, &label.form()}, text, chosen, color, flags, box, within,
                       direct_))
        return;
    // No sprite (GDI out of memory): the text itself, clipped.
    if (direct_)
        direct_->drewThroughSystem();
    SavedState state(dc);
    IntersectClipRect(dc, within.left, within.top, within.right, within.bottom);
    Selection font(dc, chosen);
    SetTextColor(dc, color);
    SetBkMode(dc, TRANSPARENT);
    RECT area = box;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, flags);
}

FormPainter::CaptionExtent FormPainter::captionExtent(HDC dc, const forms::Control& label) {
    const std::wstring text = toWide(label.caption()).value_or(std::wstring());
    if (text.empty())
        return {};
    const RECT box = ownBox(label);
    HFONT chosen = labelFont(label, text, box);
    Selection font(dc, chosen);
    RECT r{0, 0, box.right - box.left, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              labelTextFlags(label) | DT_CALCRECT);
    const LONG width = r.right - r.left, spare = (box.right - box.left) - width;
    LONG left = box.left;
    if (label.alignment() == forms::Alignment::Center)
        left += spare / 2;
    else if (label.alignment() == forms::Alignment::Right)
        left += spare;
    return {{left, box.top, left + width, box.top + (r.bottom - r.top)}, chosen};
}

HFONT FormPainter::labelFont(const forms::Control& label, const std::wstring& text,
                             const RECT& box) {
    return label.form().dialog() ? fonts_.fontFor(label) : fittedFont(label, text, box);
}

HFONT FormPainter::fittedFont(const forms::Control& label, const std::wstring& text,
                              const RECT& box) {
    const int width = box.right - box.left, height = box.bottom - box.top;
    const forms::Font& design = label.font();
    const forms::PixelScale scale = label.form().pixelScale();
    const FitKey key{text,        width,         height,         design.name,        design.size,
                     design.bold, design.italic, design.charset, scale.twipsPerPixel};
    auto found = fittedSizes_.find(key);
    if (found == fittedSizes_.end()) {
        const UINT flags = labelTextFlags(label) | DT_CALCRECT;
        const float size = forms::fittingFontSize(
            design.size, {static_cast<float>(width), static_cast<float>(height)}, [&](float s) {
                forms::Font f = design;
                f.size = s;
                // Measured where the last font stays selected: a clock's
                // new caption each second, fitting at its own size, then
                // selects nothing.
                HDC measuring = measure_.with(fonts_.font(f, scale));
                if (!measuring)
                    return forms::TextSize{};
                RECT r{0, 0, width, 0};
                DrawTextW(measuring, text.c_str(), static_cast<int>(text.size()), &r, flags);
                return forms::TextSize{static_cast<float>(r.right - r.left),
                                       static_cast<float>(r.bottom - r.top)};
            });
        // A clock brings a caption of its own every second: the fits are
        // kept for the captions of the moment, not for every one ever shown.
        if (fittedSizes_.size() >= maxFits)
            fittedSizes_.clear();
        found = fittedSizes_.emplace(key, size).first;
    }
    forms::Font f = design;
    f.size = found->second;
    return fonts_.font(f, scale);
}

const DecodedPicture* FormPainter::paintPicture(HDC dc, forms::PixelScale scale,
                                                const forms::Picture& reference, const RECT& box,
                                                bool stretch, const RECT* within) {
    const std::optional<RECT> shown = shownAt(scale, reference, box, stretch);
    return shown ? drawRender(dc, reference, *shown, within) : nullptr;
}

std::optional<RECT> FormPainter::shownAt(forms::PixelScale scale, const forms::Picture& reference,
                                         const RECT& box, bool stretch) {
    if (stretch)
        return box;
    // Its own size in pixels at 96 dpi, in the form's pixels.
    const std::optional<forms::PixelSize> natural = pictures_.size(reference);
    if (!natural)
        return std::nullopt;
    return RECT{box.left, box.top, box.left + atFormScale(natural->width, scale),
                box.top + atFormScale(natural->height, scale)};
}

const DecodedPicture* FormPainter::drawRender(HDC dc, const forms::Picture& reference,
                                              const RECT& shown, const RECT* within) {
    bool provisional = false;
    const DecodedPicture* picture = pictures_.get(reference, shown, &provisional);
    if (picture)
        drawFound(dc, reference, *picture, provisional, shown, within);
    return picture;
}

void FormPainter::drawFound(HDC dc, const forms::Picture& reference, const DecodedPicture& picture,
                            bool provisional, const RECT& shown, const RECT* within) {
    if (drawn_ && reference.kind == forms::Picture::Kind::Artwork)
        drawn_->insert(&picture); // only artwork is ever released; icons pass every tick
    if (provisional) {
        if (direct_)
            direct_->drewThroughSystem();
        // A stretched stand-in, clipped here if it has to stay within.
        std::optional<SavedClip> state;
        if (within) {
            state.emplace(dc);
            IntersectClipRect(dc, within->left, within->top, within->right, within->bottom);
        }
        picture.drawQuickly(dc, shown);
    } else {
        picture.draw(dc, shown, within, direct_);
    }
}

std::vector<FormPainter::MarginPlace> FormPainter::marginPlaces(const forms::Picture& reference,
                                                                const RECT& box, const RECT& fill) {
    std::vector<MarginPlace> places;
    if (reference.kind != forms::Picture::Kind::Artwork)
        return places; // a picture of the user's own stops at its edges
    const forms::MarginDrawing drawing = forms::marginPieces(reference.source);
    if (drawing.canvasWidth <= 0 || drawing.canvasHeight <= 0)
        return places;
    const double perX = static_cast<double>(box.right - box.left) / drawing.canvasWidth;
    const double perY = static_cast<double>(box.bottom - box.top) / drawing.canvasHeight;
    for (const forms::MarginPiece& piece : drawing.pieces) {
        const forms::Picture art = forms::Picture::artwork(piece.artwork);
        const bool across =
            piece.side == forms::MarginSide::Left || piece.side == forms::MarginSide::Right;
        // A far piece starts where the near one ends, both edges rounded alike.
        RECT start = box;
        if (piece.from > 0) {
            const RECT nearPart = marginBeside(piece.side, box, box,
                                               std::lround(piece.from * (across ? perX : perY)));
            UnionRect(&start, &box, &nearPart);
        }
        const RECT margin = marginBeside(piece.side, start, fill, 0);
        if (IsRectEmpty(&margin))
            continue; // no margin on this side, or none as far out as this piece
        const std::optional<forms::PixelSize> natural = pictures_.size(art);
        if (!natural)
            continue;
        const RECT place =
            marginBeside(piece.side, start, start,
                         std::lround(across ? natural->width * perX : natural->height * perY));
        places.push_back({art, place, margin});
    }
    return places;
}

void FormPainter::paintMargins(HDC dc, const forms::Picture& reference, const DecodedPicture* drawn,
                               const RECT& box, const RECT& fill) {
    if (drawn)
        drawn->drawEdges(dc, box, fill);
    for (const MarginPlace& m : marginPlaces(reference, box, fill)) {
        if (!shows(dc, m.margin))
            continue; // none to paint now
        if (const DecodedPicture* picture = drawRender(dc, m.art, m.place, &m.margin))
            picture->drawEdges(dc, m.place, m.margin); // past the piece on a still wider screen
    }
}

void FormPainter::prefetch(const forms::Form& form, const RECT& client) {
    if (!form.loaded())
        return;
    const forms::PixelScale scale = form.pixelScale();
    auto want = [&](const forms::Picture& picture, const std::optional<RECT>& shown,
                    const RECT* margins) {
        if (!shown)
            return;
        pictures_.prefetch(picture, *shown);
        if (margins)
            for (const MarginPlace& m : marginPlaces(picture, *shown, *margins))
                pictures_.prefetch(m.art, m.place);
    };
    const std::vector<forms::Control*> order = form.paintOrder();
    const std::size_t first = firstShown(order, client);
    if (first == 0) {
        const forms::Rect& area = form.pictureArea();
        if (area.empty())
            want(form.picture(), shownAt(scale, form.picture(), {0, 0, 0, 0}, false), nullptr);
        else
            want(form.picture(), toPixels(area, scale), &client);
    }
    for (std::size_t i = first; i < order.size(); ++i) {
        const forms::Control& c = *order[i];
        if (!c.effectivelyVisible() || forms::rulesOf(c.kind()).native ||
            isEmpty(intersection(clipBox(c), client)))
            continue;
        const RECT fill = clipBox(c);
        if (c.kind() == forms::ControlKind::Image)
            want(c.picture(), shownAt(scale, c.picture(), ownBox(c), c.stretch()),
                 c.fillsParent() && c.parent() ? &fill : nullptr);
        else if (c.kind() == forms::ControlKind::PictureBox)
            want(c.picture(), shownAt(scale, c.picture(), ownBox(c), false), nullptr);
    }
}

void FormPainter::paintLine(HDC dc, const forms::Control& line) {
    float x = 0, y = 0;
    line.originInForm(x, y);
    const forms::PixelScale scale = line.form().pixelScale();
    const int x1 = scale.toPixels(x + line.x1()), y1 = scale.toPixels(y + line.y1());
    const int x2 = scale.toPixels(x + line.x2()), y2 = scale.toPixels(y + line.y2());
    const int width = line.borderWidth();
    const COLORREF color = toColorRef(line.borderColor());
    if (x1 == x2 && y1 == y2) {
        // A line whose ends meet is a dot as wide as the line.
        if (width <= 1) {
            SetPixel(dc, x1, y1, color);
            return;
        }
        Brush brush(CreateSolidBrush(color));
        Pen none(CreatePen(PS_NULL, 0, 0));
        if (!brush || !none)
            return;
        Selection b(dc, brush.get()), p(dc, none.get());
        // A null pen leaves the right and bottom edges out: one more pixel.
        const int low = width / 2, high = width - low + 1;
        Ellipse(dc, x1 - low, y1 - low, x1 + high, y1 + high);
        return;
    }
    // Wide lines are geometric pens with round ends, as the designer draws them.
    LOGBRUSH stroke{BS_SOLID, color, 0};
    Pen pen(width <= 1 ? CreatePen(PS_SOLID, 1, color)
                       : ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                                      static_cast<DWORD>(width), &stroke, 0, nullptr));
    if (!pen)
        return;
    Selection selected(dc, pen.get());
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

} // namespace orvela::win32
