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
    // An icon or a file is its own key, found without copying its path
    // (each item's icon is drawn at every tick).
    if (picture.kind != forms::Picture::Kind::Artwork)
        if (auto it = pictures_.find(KeyView{picture.kind, picture.source, picture.handle});
            it != pictures_.end())
            return it->second.get();
    Key key = keyOf(picture);
    auto it = pictures_.find(key);
    if (it == pictures_.end())
        it = pictures_.emplace(std::move(key), load(picture)).first;
    return it->second.get();
}

std::optional<forms::PixelSize> PictureCache::size(const forms::Picture& picture) {
    if (picture.kind != forms::Picture::Kind::Artwork) {
        const DecodedPicture* decoded = get(picture);
        if (!decoded)
            return std::nullopt;
        return forms::PixelSize{decoded->width(), decoded->height()};
    }
    Key key = keyOf(picture);
    auto it = sizes_.find(key);
    if (it == sizes_.end()) {
        std::optional<forms::PixelSize> found = forms::pictureSize(artworkView(picture.source));
        if (!found)
            if (const DecodedPicture* decoded = get(picture))
                found = forms::PixelSize{decoded->width(), decoded->height()};
        it = sizes_.emplace(std::move(key), found).first;
    }
    return it->second;
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

void PictureCache::keepArtwork(const std::unordered_set<const DecodedPicture*>& shown) {
    std::erase_if(pictures_, [&](const auto& entry) {
        const auto& [key, picture] = entry;
        return std::get<0>(key) == forms::Picture::Kind::Artwork && picture &&
               !shown.count(picture.get());
    });
}

bool PictureCache::holds(const forms::Picture& picture, const RECT& shown) {
    const int m = wanted(picture, shown);
    const std::string name = m == 0 ? std::string() : renderOf(picture, m);
    return !name.empty() && pictures_.count(keyOf(forms::Picture::artwork(name)));
}

bool PictureCache::decodesInBackground(const std::string& name) {
    if (!decoder_)
        return false;
    const std::optional<forms::PixelSize> pixels = size(forms::Picture::artwork(name));
    return pixels && static_cast<long long>(pixels->width) * pixels->height >= backgroundPixels;
}

std::string PictureCache::renderOf(const forms::Picture& picture, int m) {
    std::string name = m == 1 ? picture.source : forms::renderName(picture.source, m);
    if (name.empty() || artworkView(name).empty())
        return {};
    return name;
}

const DecodedPicture* PictureCache::render(const std::string& name, const RECT& shown,
                                           std::string* queued) {
    const forms::Picture art = forms::Picture::artwork(name);
    const Key key = keyOf(art);
    if (auto it = pictures_.find(key); it != pictures_.end()) {
        // Made smaller than its own size for an earlier display, and now
        // shown larger than that: decoded again whole (a display change).
        const DecodedPicture* have = it->second.get();
        const std::optional<forms::PixelSize> own = size(art);
        if (have && own && have->width() < own->width && have->width() < shown.right - shown.left)
            it->second = DecodedPicture::decode(artworkView(name));
        return it->second.get();
    }
    if (pending_.count(key)) {
        if (queued)
            *queued = name;
        return nullptr;
    }
    if (!decodesInBackground(name))
        return get(art);
    if (!queued)
        return nullptr; // a stand-in is only what is at hand
    if (!decoder_->request(name, std::string(artworkView(name)), shown.right - shown.left,
                           shown.bottom - shown.top))
        return get(art); // no thread for it: decoded here
    pending_.insert(key);
    *queued = name;
    return nullptr;
}

int PictureCache::wanted(const forms::Picture& picture, const RECT& shown) {
    const std::optional<forms::PixelSize> natural = size(picture);
    if (!natural)
        return 0;
    return forms::wantedRender(natural->width, natural->height, shown.right - shown.left,
                               shown.bottom - shown.top);
}

const DecodedPicture* PictureCache::get(const forms::Picture& picture, const RECT& shown,
                                        bool* provisional) {
    if (provisional)
        *provisional = false;
    if (picture.kind != forms::Picture::Kind::Artwork)
        return get(picture);
    const int first = wanted(picture, shown);
    if (first == 0)
        return nullptr;
    takeReady();
    // The wanted render, else a sharper one. A render on its way counts as
    // missing: the sharpest render at hand below it comes instead, drawn
    // quickly; with none at hand, it is finished here.
    std::string waiting;
    const DecodedPicture* found = nullptr;
    for (int m = first; m <= forms::largestRender && !found && waiting.empty(); ++m)
        if (const std::string name = renderOf(picture, m); !name.empty())
            found = render(name, shown, &waiting);
    for (int m = first - 1; m >= 1 && !found; --m)
        if (const std::string name = renderOf(picture, m); !name.empty())
            found = render(name, shown, waiting.empty() ? &waiting : nullptr);
    if (found || waiting.empty()) {
        if (provisional)
            *provisional = found && !waiting.empty();
        return found;
    }
    decoder_->finish(waiting);
    takeReady();
    return get(forms::Picture::artwork(waiting));
}

void PictureCache::prefetch(const forms::Picture& picture, const RECT& shown) {
    if (picture.kind != forms::Picture::Kind::Artwork || !decoder_)
        return;
    const int first = wanted(picture, shown);
    if (first == 0)
        return;
    for (int m = first; m <= forms::largestRender; ++m) {
        const std::string name = renderOf(picture, m);
        if (name.empty())
            continue;
        const Key key = keyOf(forms::Picture::artwork(name));
        if (!pictures_.count(key) && !pending_.count(key) &&
            decoder_->request(name, std::string(artworkView(name)), shown.right - shown.left,
                              shown.bottom - shown.top))
            pending_.insert(key);
        return;
    }
}

} // namespace orvela::win32
