// The texts the desktop scan makes of what Windows reports (the plain path
// texts both programs use are in common/path_text.h).
#pragma once

#include <cstdint>
#include <string>

namespace orvela::desktopitems {

// The file name up to, not including, its first "." (empty for ".name").
std::string displayNameOf(const std::string& fileName);
// The text after the file name's last ".", lower case ("Notes.TXT" gives
// "txt"); empty without a dot.
std::string extensionOf(const std::string& fileName);
// Decimal kilobytes, rounded, with thousands grouped: 1500 -> "2kb",
// 1234000 -> "1,235kb".
std::string formatFileSize(std::uint64_t bytes);
// Lower case of UTF-8 text: ASCII, Latin-1, Greek and Cyrillic letters; any
// other byte, and every byte that is no well-formed character, is copied.
std::string lowerCase(const std::string& text);

} // namespace orvela::desktopitems
