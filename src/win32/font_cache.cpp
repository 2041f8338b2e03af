#include "win32/font_cache.h"

#include "win32/pixel_geometry.h"
#include "win32/utf.h"

namespace orvela::win32 {

HFONT FontCache::font(const forms::Font& font) {
    Key key{font.name, font.size, font.bold, font.italic, font.charset};
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
        std::wstring face = toWide(font.name).value_or(std::wstring());
        if (face.size() >= LF_FACESIZE)
            face.resize(LF_FACESIZE - 1);
        HFONT created = CreateFontW(
            fontHeight(font.size), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, FALSE,
            FALSE, static_cast<DWORD>(font.charset & 0xFF), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
            DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
        it = fonts_.emplace(key, FontHandle(created)).first;
    }
    if (it->second)
        return it->second.get();
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

} // namespace orvela::win32
