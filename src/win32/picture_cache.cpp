#include "win32/picture_cache.h"

#include "forms/picture_renders.h"
#include "win32/picture_source.h"
#include "win32/utf.h"

#include <shellapi.h>

#include <optional>

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

PictureCache::Key PictureCache::keyOf(const forms::Picture& picture) {
    Key key = std::make_tuple(picture.kind, picture.source, picture.handle);
    // Artwork names are resource names, which ignore case.
    if (picture.kind == forms::Picture::Kind::Artwork)
        for (char& c : std::get<1>(key))
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
    return key;
}

const DecodedPicture* PictureCache::get(const forms::Picture& picture) {
    if (picture.isNone())
        return nullptr;
    Key key = keyOf(picture);
    auto it = pictures_.find(key);
    if (it == pictures_.end())
        it = pictures_.emplace(std::move(key), load(picture)).first;
    return it->second.get();
}

void PictureCache::setOnReady(std::function<void()> ready) {
    decoder_ = ready ? std::make_unique<BackgroundDecoder>(std::move(ready)) : nullptr;
}

bool PictureCache::takeReady() {
    if (!decoder_)
        return false;
    auto done = decoder_->takeDone();
    for (auto& [name, picture] : done) {
        const Key key = keyOf(forms::Picture::artwork(name));
        pending_.erase(key);
        pictures_[key] = std::move(picture);
    }
    return !done.empty();
}

const DecodedPicture* PictureCache::render(const forms::Picture& picture, int m, const RECT& shown,
                                           bool* queued) {
    if (m == 1)
        return get(picture);
    const std::string name = forms::renderName(picture.source, m);
    if (name.empty())
        return nullptr;
    const forms::Picture art = forms::Picture::artwork(name);
    const Key key = keyOf(art);
    if (pending_.count(key)) {
        if (queued)
            *queued = true;
        return nullptr;
    }
    if (pictures_.count(key) || !decoder_)
        return get(art);
    std::optional<std::string> bytes = artworkBytes(name);
    if (!bytes || bytes->size() < backgroundBytes)
        return get(art);
    if (!queued)
        return nullptr; // a stand-in is only what is at hand
    if (!decoder_->request(name, std::move(*bytes), shown.right - shown.left,
                           shown.bottom - shown.top))
        return get(art); // no thread for it: decoded here
    pending_.insert(key);
    *queued = true;
    return nullptr;
}

const DecodedPicture* PictureCache::get(const forms::Picture& picture, const RECT& shown,
                                        bool* provisional) {
    if (provisional)
        *provisional = false;
    const DecodedPicture* single = get(picture);
    if (!single || picture.kind != forms::Picture::Kind::Artwork)
        return single;
    takeReady();
    const int wanted = forms::wantedRender(single->width(), single->height(),
                                           shown.right - shown.left, shown.bottom - shown.top);
    // The wanted render, else a sharper one, else the sharpest below it. A
    // render on its way counts as missing, and what comes instead is
    // provisional.
    bool waiting = false;
    const DecodedPicture* found = nullptr;
    for (int m = wanted; m <= forms::largestRender && !found && !waiting; ++m)
        found = render(picture, m, shown, &waiting);
    for (int m = wanted - 1; m >= 1 && !found; --m)
        found = render(picture, m, shown, waiting ? nullptr : &waiting);
    if (provisional)
        *provisional = waiting && found;
    return found ? found : single;
}

} // namespace orvela::win32
