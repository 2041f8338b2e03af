// The decoded form of every picture reference the forms show, decoded the
// first time it is drawn and kept for the life of the front end.
//   Artwork "Fon1024.jpg": the RCDATA resource "FON1024.JPG" of the program.
//   File "C:\path\pic.jpg": the file's bytes.
//   Icon "C:\path\item.lnk": the shell's large icon for that file, or, for
//   a picture with a handle, a copy of the icon the platform made.
// A reference that cannot be read or decoded gives nothing (and is not
// tried again).
#pragma once

#include "forms/picture.h"
#include "win32/background_decoder.h"
#include "win32/decoded_picture.h"

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>

namespace orvela::win32 {

class PictureCache {
public:
    using IconSource = std::function<HICON(std::uintptr_t)>;
    explicit PictureCache(IconSource icons = {}) : icons_(std::move(icons)) {}
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;

    // Null for no picture, or one that cannot be shown.
    const DecodedPicture* get(const forms::Picture& picture);
    // The render of an artwork picture to draw at the shown size: the
    // smallest of its 1x, 2x and 3x renders the program has that is not
    // shown magnified more than 1.25 times (forms/picture_renders.h). A
    // large render not decoded yet is decoded in the background; until it
    // is ready the best render at hand comes, and *provisional says so
    // (draw it quickly; a repaint then brings the sharp one).
    const DecodedPicture* get(const forms::Picture& picture, const RECT& shown,
                              bool* provisional = nullptr);
    // Renders of at least this many bytes are decoded in the background
    // once a callback tells when they are ready (setOnReady); smaller ones
    // at once, as everything before.
    static constexpr std::size_t backgroundBytes = 64 * 1024;
    // ready runs on the decoding thread after each background picture is
    // done; the front end then calls takeReady on its own thread.
    void setOnReady(std::function<void()> ready);
    // Takes in the pictures decoded in the background; true if there were.
    bool takeReady();

private:
    using Key = std::tuple<forms::Picture::Kind, std::string, std::uintptr_t>;
    static Key keyOf(const forms::Picture& picture);
    std::unique_ptr<DecodedPicture> load(const forms::Picture& picture) const;
    // The render at multiple m (1 is the picture itself) if the program has
    // it: decoded here when small, a large one queued for the background
    // (*queued then true) or, without queued, only if decoded already.
    const DecodedPicture* render(const forms::Picture& picture, int m, const RECT& shown,
                                 bool* queued);

    IconSource icons_;
    std::unique_ptr<BackgroundDecoder> decoder_;
    std::map<Key, std::unique_ptr<DecodedPicture>> pictures_;
    std::set<Key> pending_; // renders being decoded in the background
};

} // namespace orvela::win32
