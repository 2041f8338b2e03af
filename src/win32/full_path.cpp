#include "win32/full_path.h"

#include <windows.h>

namespace orvela::win32 {

std::optional<std::wstring> fullPathOf(const std::wstring& path) {
    if (path.empty() || path.find(L'\0') != std::wstring::npos)
        return std::nullopt;
    std::wstring full(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        const DWORD length =
            GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0)
            return std::nullopt;
        if (length < full.size()) {
            full.resize(length);
            return full;
        }
        full.assign(length, L'\0'); // too small: length is the room needed with the NUL
    }
    return std::nullopt;
}

} // namespace orvela::win32
