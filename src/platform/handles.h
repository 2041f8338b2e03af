// Opaque handles passed through the platform interfaces. 0 means none.
#pragma once

#include <cstdint>

namespace orvela::platform {

using WindowHandle = std::uintptr_t;
using ObjectHandle = std::uintptr_t; // processes, tokens
using ItemIdList = std::uintptr_t;   // shell item identifier lists

} // namespace orvela::platform
