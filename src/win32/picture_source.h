// The bytes behind picture references, read without decoding them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvela::win32 {

// The program's RCDATA resource named after the artwork file in upper case
// ("Fon1024.jpg" -> "FON1024.JPG"); nothing if there is none.
std::optional<std::string> artworkBytes(const std::string& name);
// The same bytes where the program holds them (no copy); empty if none.
std::string_view artworkView(const std::string& name);

// The whole file at a UTF-8 path, up to a limit far above any picture;
// nothing if it cannot be read.
std::optional<std::string> fileBytes(const std::string& path);

} // namespace orvela::win32
