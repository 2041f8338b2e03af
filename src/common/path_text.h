// Plain texts of paths as Windows reports them, for both programs.
#pragma once

#include <string>

namespace orvela::common {

// A fixed-length platform text cut at its first NUL.
std::string trimNull(const std::string& text);
// The path with a trailing backslash (added unless it ends in one).
std::string qualifyPath(const std::string& path);

} // namespace orvela::common
