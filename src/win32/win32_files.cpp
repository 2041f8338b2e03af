// Win32Platform's folder and file operations beyond whole-file reads and writes.
#include "win32/utf.h"
#include "win32/win32_platform.h"

#include <shlobj.h>

#include <string>

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

std::optional<std::string> Win32Platform::appDataDir() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path)))
        return std::nullopt;
    path[MAX_PATH - 1] = L'\0';
    std::wstring dir = path;
    while (dir.size() > 3 && (dir.back() == L'\\' || dir.back() == L'/'))
        dir.pop_back();
    if (dir.empty())
        return std::nullopt;
    return toUtf8(dir);
}

bool Win32Platform::folderTakesFiles(const std::string& dir) {
    const auto folder = widePath(dir);
    if (!folder)
        return false;
    std::wstring base = *folder;
    if (base.back() != L'\\' && base.back() != L'/')
        base += L'\\';
    // A name no one else uses; CREATE_NEW never opens a file that is there,
    // and the file goes when its handle closes.
    const std::wstring stem = base + L".orvela-probe-" + std::to_wstring(GetCurrentProcessId()) +
                              L"-" + std::to_wstring(GetTickCount()) + L"-";
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::wstring probe = stem + std::to_wstring(attempt) + L".tmp";
        const HANDLE file = CreateFileW(
            probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
            FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return true;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            return false;
    }
    return false;
}

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
