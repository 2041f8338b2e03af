// Opaque handles passed through the platform interfaces. 0 means none.
#pragma once

#include <cstdint>

namespace orvela::platform {

using WindowHandle = std::uintptr_t;
using ObjectHandle = std::uintptr_t; // processes, tokens
using ItemIdList = std::uintptr_t;   // shell item identifier lists
using FindHandle = std::uintptr_t;   // file searches
using IconHandle = std::uintptr_t;   // icons
using ImageListHandle = std::uintptr_t;
using PictureHandle = std::uintptr_t; // pictures made from icons, owned by the platform

} // namespace orvela::platform
