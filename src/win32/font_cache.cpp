#include "win32/font_cache.h"

#include "forms/form.h"
#include "win32/pixel_geometry.h"
#include "win32/utf.h"

#include <cmath>
#include <cstddef>

namespace orvela::win32 {

namespace {

constexpr float dialogDesignSize = 8.25f; // the designer's default size, points

// The system's fonts are sized for the screen's DPI; a form is laid out at
// its own (1440 / twips per pixel: 96 for the main window, the display's for
// a form that follows it), so the font is taken at the size it has there,
// keeping its size in points.
LONG atFormScale(LONG height, forms::PixelScale scale) {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen)
        ReleaseDC(nullptr, screen);
    const int formDpi = static_cast<int>(std::lround(forms::twipsPerInch / scale.twipsPerPixel));
    return dpi > 0 ? MulDiv(height, formDpi, dpi) : height;
}

HFONT stockGuiFont() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

} // namespace

HFONT FontCache::font(const forms::Font& font, forms::PixelScale scale) {
    Key key{font.name, font.size, font.bold, font.italic, font.charset, scale.twipsPerPixel};
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
        std::wstring face = toWide(font.name).value_or(std::wstring());
        if (face.size() >= LF_FACESIZE)
            face.resize(LF_FACESIZE - 1);
        HFONT created = CreateFontW(
            fontHeight(font.size, scale), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic,
            FALSE, FALSE, static_cast<DWORD>(font.charset & 0xFF), OUT_DEFAULT_PRECIS,
            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
        it = fonts_.emplace(key, FontHandle(created)).first;
    }
    return it->second ? it->second.get() : stockGuiFont();
}

LOGFONTW FontCache::systemDialogFont() {
    // The structure as Windows XP knows it, ending with the message font:
    // newer systems accept that size too, XP rejects the larger one.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, lfMessageFont) + sizeof(LOGFONTW);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0) &&
        metrics.lfMessageFont.lfFaceName[0])
        return metrics.lfMessageFont;
    LOGFONTW stock{};
    if (GetObjectW(stockGuiFont(), sizeof stock, &stock) == sizeof stock)
        return stock;
    stock = LOGFONTW{};
    stock.lfHeight = fontHeight(dialogDesignSize);
    stock.lfWeight = FW_NORMAL;
    stock.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(stock.lfFaceName, L"MS Shell Dlg", LF_FACESIZE);
    return stock;
}

HFONT FontCache::dialogFont(const forms::Font& font, forms::PixelScale scale) {
    DialogKey key{font.size, font.bold, font.italic, scale.twipsPerPixel};
    auto it = dialogFonts_.find(key);
    if (it == dialogFonts_.end()) {
        if (!dialogBase_)
            dialogBase_ = systemDialogFont();
        LOGFONTW lf = *dialogBase_;
        if (lf.lfHeight == 0)
            lf.lfHeight = fontHeight(dialogDesignSize, scale);
        else
            lf.lfHeight = atFormScale(lf.lfHeight, scale);
        const float scale = font.size > 0 ? font.size / dialogDesignSize : 1.0f;
        lf.lfHeight = static_cast<LONG>(std::lround(static_cast<float>(lf.lfHeight) * scale));
        lf.lfWidth = 0;
        lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = font.italic ? TRUE : FALSE;
        it = dialogFonts_.emplace(key, FontHandle(CreateFontIndirectW(&lf))).first;
    }
    return it->second ? it->second.get() : stockGuiFont();
}

HFONT FontCache::fontFor(const forms::Control& control) {
    const forms::PixelScale scale = control.form().pixelScale();
    return control.form().dialog() ? dialogFont(control.font(), scale)
                                   : font(control.font(), scale);
}

} // namespace orvela::win32
