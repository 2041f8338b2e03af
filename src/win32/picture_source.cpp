#include "win32/picture_source.h"

#include "win32/utf.h"

#include <windows.h>

#include <cwctype>

namespace orvela::win32 {

namespace {
constexpr DWORD maxPictureBytes = 64u << 20;
}

std::optional<std::string> artworkBytes(const std::string& name) {
    const std::string_view bytes = artworkView(name);
    if (bytes.empty())
        return std::nullopt;
    return std::string(bytes);
}

std::string_view artworkView(const std::string& name) {
    std::optional<std::wstring> wide = toWide(name);
    if (!wide || wide->empty() || wide->find(L'\0') != std::wstring::npos)
        return {};
    // Resource names are upper case, "@" as "_" (cmake/artwork.cmake).
    for (wchar_t& c : *wide)
        c = c == L'@' ? L'_' : static_cast<wchar_t>(std::towupper(c));
    HRSRC found = FindResourceW(nullptr, wide->c_str(), MAKEINTRESOURCEW(10)); // RT_RCDATA
    if (!found)
        return {};
    // A module's resources stay where they are for as long as it is loaded.
    HGLOBAL loaded = LoadResource(nullptr, found);
    DWORD size = SizeofResource(nullptr, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return {};
    return std::string_view(static_cast<const char*>(data), size);
}

std::optional<std::string> fileBytes(const std::string& path) {
    std::optional<std::wstring> wide = toWide(path);
    if (!wide || wide->empty() || wide->find(L'\0') != std::wstring::npos)
        return std::nullopt;
    HANDLE file = CreateFileW(wide->c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::optional<std::string> out;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart <= maxPictureBytes) {
        std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
        DWORD read = 0;
        if (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
            read == bytes.size())
            out = std::move(bytes);
    }
    CloseHandle(file);
    return out;
}

} // namespace orvela::win32
