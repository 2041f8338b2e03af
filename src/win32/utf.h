// Conversion between the program's UTF-8 texts and Windows' UTF-16 texts:
// the one place where the two meet.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvela::win32 {

// The UTF-16 form of UTF-8 text; nothing if the text is not valid UTF-8 (or
// too long for Windows to convert). Embedded NULs are kept.
std::optional<std::wstring> toWide(std::string_view utf8);
// As toWide, with the empty text for text that does not convert.
inline std::wstring wideOrEmpty(std::string_view utf8) {
    return toWide(utf8).value_or(std::wstring());
}

// The UTF-8 form of UTF-16 text. Unpaired surrogates become U+FFFD, so the
// result is always valid UTF-8; the empty text if Windows cannot convert it.
std::string toUtf8(std::wstring_view wide);

} // namespace orvela::win32
