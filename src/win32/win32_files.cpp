// Win32Platform's folder and file operations beyond whole-file reads and writes.
#include "win32/utf.h"
#include "win32/win32_platform.h"

namespace orvela::win32 {

namespace {

// The wide form of a path, or nothing for a text Windows cannot hold.
std::optional<std::wstring> widePath(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos)
        return std::nullopt;
    return toWide(path);
}

} // namespace

bool Win32Platform::directoryExists(const std::string& path) {
    const auto p = widePath(path);
    if (!p)
        return false;
    const DWORD attributes = GetFileAttributesW(p->c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Platform::createDirectory(const std::string& path) {
    const auto p = widePath(path);
    return p && CreateDirectoryW(p->c_str(), nullptr);
}

bool Win32Platform::removeDirectory(const std::string& path) {
    const auto p = widePath(path);
    return p && RemoveDirectoryW(p->c_str());
}

bool Win32Platform::deleteFile(const std::string& path, bool force) {
    const auto p = widePath(path);
    if (!p)
        return false;
    const DWORD attributes = GetFileAttributesW(p->c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    if (force && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesW(p->c_str(), attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    return DeleteFileW(p->c_str());
}

bool Win32Platform::copyFile(const std::string& from, const std::string& to) {
    const auto source = widePath(from), target = widePath(to);
    return source && target && CopyFileW(source->c_str(), target->c_str(), FALSE);
}

} // namespace orvela::win32
