// Draws a form's content with GDI: its BackColor, its Picture at natural size
// at the top-left, then every effectively visible control in paint order
// (labels, images, frames, lines, picture boxes). Native child windows
// (buttons) draw themselves and are left out. Pixel (0, 0) of the device
// context is the top-left of the form's client area; only the part inside the
// dc's clipping region is touched.
#pragma once

#include "forms/form.h"
#include "win32/font_cache.h"
#include "win32/picture_cache.h"

#include <windows.h>

namespace orvela::win32 {

class FormPainter {
public:
    FormPainter(PictureCache& pictures, FontCache& fonts) : pictures_(pictures), fonts_(fonts) {}

    void paint(HDC dc, const forms::Form& form);

private:
    void paintControl(HDC dc, const forms::Control& control);
    void paintLabel(HDC dc, const forms::Control& label, const RECT& box);
    void paintPicture(HDC dc, const forms::Picture& picture, const RECT& box, bool stretch);
    void paintLine(HDC dc, const forms::Control& line);

    PictureCache& pictures_;
    FontCache& fonts_;
};

// Colours of the model are COLORREFs: red in the low byte.
inline COLORREF toColorRef(forms::Color color) {
    return static_cast<COLORREF>(color & 0xFFFFFF);
}

// DrawTextW flags of a label: alignment, breaking at blanks to fit the
// label's width, CR LF line breaks.
UINT labelTextFlags(const forms::Control& label);

} // namespace orvela::win32
