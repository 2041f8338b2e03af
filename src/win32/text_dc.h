// A memory device context for measuring and composing text (and drawing
// from the bitmaps it composed) that keeps what was selected into it last.
// Under Wine each font selection costs a lookup of the X resources (a file
// read), and a clock's caption is measured and drawn anew every second:
// with the font left selected, the same font costs nothing the next time.
#pragma once

#include "win32/gdi_guards.h"

#include <windows.h>

namespace orvela::win32 {

class TextDc {
public:
    TextDc();
    TextDc(const TextDc&) = delete;
    TextDc& operator=(const TextDc&) = delete;
    // Selects the DC's own objects back before it goes.
    ~TextDc();

    // The DC with font (and bitmap, if given) selected, each only when it is
    // not already; null when the DC could not be made or a selection fails.
    // The objects must stay until they are replaced or released.
    HDC with(HFONT font, HBITMAP bitmap = nullptr);
    // Selects the DC's own bitmap back if bitmap is selected (before bitmap
    // is deleted).
    void release(HBITMAP bitmap);

private:
    MemoryDc dc_;
    HGDIOBJ originalFont_ = nullptr, originalBitmap_ = nullptr;
    HFONT font_ = nullptr;
    HBITMAP bitmap_ = nullptr;
};

} // namespace orvela::win32
