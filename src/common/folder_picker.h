// The folder picker of both programs: the shell's folder browser limited to
// file-system folders.
#pragma once

#include "platform/shell_services.h"

#include <string>

namespace orvela::common {

// Shows "Select the search directory for " + description + "." and returns
// the chosen folder with a trailing backslash, or the empty text when the
// user cancels or the folder has no file-system path.
std::string vbGetBrowseDirectory(platform::ShellServices& shell, const std::string& description);

} // namespace orvela::common
