// Internet shortcut files (.url): the shell opens them in the browser. A
// shell link (.lnk) cannot hold a web address: it takes one for a file path.
#pragma once

#include <optional>
#include <string>

namespace orvela::common {

// The file's bytes for a web address: "[InternetShortcut]", then "URL=" and
// the address, each line ending in CR LF.
std::string internetShortcutText(const std::string& url);

// The address an Internet shortcut file holds: the URL key of its
// [InternetShortcut] section (section and key in any case, lines ending in
// CR LF or LF); nothing for a file without one.
std::optional<std::string> internetShortcutUrl(const std::string& bytes);

} // namespace orvela::common
