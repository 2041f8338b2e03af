// The decoded form of every picture reference the forms show, decoded the
// first time it is drawn and kept for the life of the front end.
//   Artwork "Fon1024.jpg": the RCDATA resource "FON1024.JPG" of the program.
//   File "C:\path\pic.jpg": the file's bytes.
//   Icon "C:\path\item.lnk": the shell's large icon for that file.
// A reference that cannot be read or decoded gives nothing (and is not
// tried again).
#pragma once

#include "forms/picture.h"
#include "win32/decoded_picture.h"

#include <map>
#include <memory>
#include <string>
#include <utility>

namespace orvela::win32 {

class PictureCache {
public:
    PictureCache() = default;
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;

    // Null for no picture, or one that cannot be shown.
    const DecodedPicture* get(const forms::Picture& picture);

private:
    std::map<std::pair<forms::Picture::Kind, std::string>, std::unique_ptr<DecodedPicture>>
        pictures_;
};

} // namespace orvela::win32
