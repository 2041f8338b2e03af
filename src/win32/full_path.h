// Full paths for the calls that do not resolve relative ones themselves (the
// picture loader and the shortcut writers resolve them differently, or not at
// all, under Wine and on Windows).
#pragma once

#include <optional>
#include <string>

namespace orvela::win32 {

// GetFullPathNameW of path against the current folder; nothing for an empty
// path or when Windows cannot resolve it.
std::optional<std::wstring> fullPathOf(const std::wstring& path);

} // namespace orvela::win32
