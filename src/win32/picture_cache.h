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
#include "win32/decoded_picture.h"

#include <functional>
#include <map>
#include <memory>
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
    // shown magnified more than 1.25 times (forms/picture_renders.h).
    const DecodedPicture* get(const forms::Picture& picture, const RECT& shown);

private:
    std::unique_ptr<DecodedPicture> load(const forms::Picture& picture) const;

    IconSource icons_;
    std::map<std::tuple<forms::Picture::Kind, std::string, std::uintptr_t>,
             std::unique_ptr<DecodedPicture>>
        pictures_;
};

} // namespace orvela::win32
