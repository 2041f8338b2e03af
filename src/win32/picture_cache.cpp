#include "win32/picture_cache.h"

#include "forms/picture_renders.h"
#include "win32/picture_source.h"
#include "win32/utf.h"

#include <shellapi.h>

namespace orvela::win32 {

std::unique_ptr<DecodedPicture> PictureCache::load(const forms::Picture& picture) const {
    switch (picture.kind) {
    case forms::Picture::Kind::None:
        return nullptr;
    case forms::Picture::Kind::Artwork:
        if (auto bytes = artworkBytes(picture.source))
            return DecodedPicture::decode(*bytes);
        return nullptr;
    case forms::Picture::Kind::File:
        if (auto bytes = fileBytes(picture.source))
            return DecodedPicture::decode(*bytes);
        return nullptr;
    case forms::Picture::Kind::Icon: {
        if (picture.handle) {
            HICON icon = icons_ ? icons_(picture.handle) : nullptr;
            return icon ? DecodedPicture::adoptIcon(CopyIcon(icon)) : nullptr;
        }
        std::optional<std::wstring> path = toWide(picture.source);
        if (!path || path->empty() || path->find(L'\0') != std::wstring::npos)
            return nullptr;
        SHFILEINFOW info{};
        if (!SHGetFileInfoW(path->c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_LARGEICON))
            return nullptr;
        return DecodedPicture::adoptIcon(info.hIcon);
    }
    }
    return nullptr;
}

const DecodedPicture* PictureCache::get(const forms::Picture& picture) {
    if (picture.isNone())
        return nullptr;
    auto key = std::make_tuple(picture.kind, picture.source, picture.handle);
    // Artwork names are resource names, which ignore case.
    if (picture.kind == forms::Picture::Kind::Artwork)
        for (char& c : std::get<1>(key))
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
    auto it = pictures_.find(key);
    if (it == pictures_.end())
        it = pictures_.emplace(std::move(key), load(picture)).first;
    return it->second.get();
}

const DecodedPicture* PictureCache::get(const forms::Picture& picture, const RECT& shown) {
    const DecodedPicture* single = get(picture);
    if (!single || picture.kind != forms::Picture::Kind::Artwork)
        return single;
    const int wanted = forms::wantedRender(single->width(), single->height(),
                                           shown.right - shown.left, shown.bottom - shown.top);
    // The wanted render, else a sharper one, else the sharpest below it.
    auto render = [&](int multiple) -> const DecodedPicture* {
        if (multiple == 1)
            return single;
        const std::string name = forms::renderName(picture.source, multiple);
        return name.empty() ? nullptr : get(forms::Picture::artwork(name));
    };
    for (int m = wanted; m <= forms::largestRender; ++m)
        if (const DecodedPicture* found = render(m))
            return found;
    for (int m = wanted - 1; m > 1; --m)
        if (const DecodedPicture* found = render(m))
            return found;
    return single;
}

} // namespace orvela::win32
