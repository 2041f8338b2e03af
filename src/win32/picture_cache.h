// The decoded form of every picture reference the forms show, decoded the
// first time it is drawn and kept while it is shown (artwork no window shows
// any more is let go, keepArtwork) or for the life of the front end.
//   Artwork "Fon1024.jpg": the RCDATA resource "FON1024.JPG" of the program.
//   File "C:\path\pic.jpg": the file's bytes.
//   Icon "C:\path\item.lnk": the shell's large icon for that file, or, for
//   a picture with a handle, a copy of the icon the platform made.
// A reference that cannot be read or decoded gives nothing (and is not
// tried again).
#pragma once

#include "forms/picture.h"
#include "forms/picture_size.h"
#include "win32/background_decoder.h"
#include "win32/decoded_picture.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_set>

namespace orvela::win32 {

class PictureCache {
public:
    using IconSource = std::function<HICON(std::uintptr_t)>;
    explicit PictureCache(IconSource icons = {}) : icons_(std::move(icons)) {}
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;

    // Null for no picture, or one that cannot be shown.
    const DecodedPicture* get(const forms::Picture& picture);
    // Its size in pixels: an artwork picture's from its header, without
    // decoding it; any other's from the decoded picture. Nothing for a
    // picture that cannot be shown.
    std::optional<forms::PixelSize> size(const forms::Picture& picture);
    // The render of an artwork picture to draw at the shown size: the
    // smallest of its 1x, 2x and 3x renders the program has that is not
    // shown magnified more than 1.25 times (forms/picture_renders.h). Large
    // renders are decoded in the background: while one is on its way the
    // best render at hand comes, and *provisional says so (draw it quickly;
    // a repaint then brings the sharp one); with none at hand, the wanted
    // one is finished first.
    const DecodedPicture* get(const forms::Picture& picture, const RECT& shown,
                              bool* provisional = nullptr);
    // Starts decoding, in the background, the render get() will want for
    // the shown size, so that it is ready when the first frame is painted.
    void prefetch(const forms::Picture& picture, const RECT& shown);
    // Renders of at least this many pixels are decoded in the background
    // once a callback tells when they are ready (setOnReady); smaller ones
    // (buttons, icons) at once.
    static constexpr long long backgroundPixels = 512 * 512;
    // ready runs on a decoding thread after each background picture is
    // done; the front end then calls takeReady on its own thread.
    void setOnReady(std::function<void()> ready);
    // Takes in the pictures decoded in the background; true if there were.
    bool takeReady();
    // Releases the decoded pixels of every artwork render not in shown (it
    // is decoded again when next drawn). Icons and the user's own pictures
    // stay: they are few, and dear to make again.
    void keepArtwork(const std::unordered_set<const DecodedPicture*>& shown);
    // Whether the picture's render for the shown size is decoded and held.
    bool holds(const forms::Picture& picture, const RECT& shown);

private:
    using Key = std::tuple<forms::Picture::Kind, std::string, std::uintptr_t>;
    using KeyView = std::tuple<forms::Picture::Kind, std::string_view, std::uintptr_t>;
    static Key keyOf(const forms::Picture& picture);
    std::unique_ptr<DecodedPicture> load(const forms::Picture& picture) const;
    // The render wanted for the shown size (1 to 3), or 0 for a picture
    // without size.
    int wanted(const forms::Picture& picture, const RECT& shown);
    // The name of a picture's render at multiple m (1 is the picture
    // itself), or empty when the program has no such render.
    static std::string renderOf(const forms::Picture& picture, int m);
    bool decodesInBackground(const std::string& name);
    // The named render: decoded here when small, a large one queued for the
    // background (*queued then names it) or, without queued, only if
    // decoded already.
    const DecodedPicture* render(const std::string& name, const RECT& shown, std::string* queued);

    IconSource icons_;
    std::unique_ptr<BackgroundDecoder> decoder_;
    std::map<Key, std::unique_ptr<DecodedPicture>, std::less<>> pictures_;
    std::map<Key, std::optional<forms::PixelSize>> sizes_; // of artwork
    std::set<Key> pending_; // renders being decoded in the background
};

} // namespace orvela::win32
