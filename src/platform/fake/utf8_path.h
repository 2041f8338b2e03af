// A filesystem path from a UTF-8 text, the same on every platform.
#pragma once

#include <filesystem>
#include <string>

namespace orvela::platform::fake {

inline std::filesystem::path utf8Path(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

} // namespace orvela::platform::fake
