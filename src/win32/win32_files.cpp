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

// The kind of the failure GetLastError reports for the call just made.
platform::FileResult lastFailure() {
    switch (GetLastError()) {
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
    case ERROR_NETWORK_ACCESS_DENIED:
        return platform::FileResult::failed(platform::FileError::accessDenied);
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
        return platform::FileResult::failed(platform::FileError::notFound);
    default:
        return platform::FileResult::failed(platform::FileError::other);
    }
}

const platform::FileResult unnamable = platform::FileResult::failed(platform::FileError::other);

} // namespace

bool Win32Platform::directoryExists(const std::string& path) {
    const auto p = widePath(path);
    if (!p)
        return false;
    const DWORD attributes = GetFileAttributesW(p->c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

platform::FileResult Win32Platform::createDirectory(const std::string& path) {
    const auto p = widePath(path);
    if (!p)
        return unnamable;
    return CreateDirectoryW(p->c_str(), nullptr) ? platform::FileResult::ok() : lastFailure();
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

platform::FileResult Win32Platform::copyFile(const std::string& from, const std::string& to) {
    const auto source = widePath(from), target = widePath(to);
    if (!source || !target)
        return unnamable;
    return CopyFileW(source->c_str(), target->c_str(), FALSE) ? platform::FileResult::ok()
                                                              : lastFailure();
}

} // namespace orvela::win32
