#include "win32/win32_platform.h"

#include "forms/geometry.h"
#include "win32/display_dpi.h"
#include "win32/utf.h"

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <memory>
#include <utility>

namespace orvela::win32 {

using platform::ItemIdList;
using platform::ObjectHandle;
using platform::WindowHandle;

// The recycle-bin record is packed to 20 bytes on 32-bit Windows only; the
// size passed to Windows must be the target's own.
static_assert(sizeof(SHQUERYRBINFO) == (sizeof(void*) == 8 ? 24 : 20));

namespace {

HWND toHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}
WindowHandle fromHwnd(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}
HANDLE toHandle(ObjectHandle object) {
    return reinterpret_cast<HANDLE>(object);
}
ObjectHandle fromHandle(HANDLE object) {
    return reinterpret_cast<ObjectHandle>(object);
}

// The wide form of a text that Windows is to receive as a NUL-terminated
// string; nothing if it cannot hold it (not UTF-8, or a NUL inside).
std::optional<std::wstring> argument(const std::string& text) {
    if (text.find('\0') != std::string::npos)
        return std::nullopt;
    return toWide(text);
}

// An optional text argument: none for the empty text.
const wchar_t* orNull(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
}

// Writes text and a NUL over the start of buffer and keeps the rest of it, as
// a Windows call filling a caller's buffer does.
void fillBuffer(std::string& buffer, const std::string& text) {
    std::string filled = text + '\0';
    if (filled.size() < buffer.size())
        filled.append(buffer, filled.size(), std::string::npos);
    buffer = std::move(filled);
}

// GetComputerNameW and GetUserNameW share their form. sizeWithNul: the
// function reports a found name's length with its NUL (GetUserName does).
bool lookupName(BOOL(WINAPI* lookup)(LPWSTR, LPDWORD), bool sizeWithNul, std::string& buffer,
                std::uint32_t& size) {
    constexpr DWORD firstRoom = 257; // UNLEN + 1; computer names are shorter
    std::wstring wide(firstRoom, L'\0');
    DWORD length = firstRoom;
    if (!lookup(wide.data(), &length)) {
        const DWORD error = GetLastError();
        if ((error != ERROR_BUFFER_OVERFLOW && error != ERROR_INSUFFICIENT_BUFFER) ||
            length <= firstRoom || length > 32768)
            return false;
        wide.assign(length, L'\0');
        if (!lookup(wide.data(), &length))
            return false;
    }
    wide.resize(std::wstring_view(wide.c_str()).size());
    const std::string name = toUtf8(wide);
    const std::size_t needed = name.size() + 1;
    if (needed > size) {
        size = static_cast<std::uint32_t>(needed);
        return false;
    }
    fillBuffer(buffer, name);
    size = static_cast<std::uint32_t>(sizeWithNul ? needed : name.size());
    return true;
}

// Closes a kernel handle when it goes out of scope.
struct HandleCloser {
    void operator()(HANDLE handle) const {
        if (handle && handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

// The full path of the running executable; empty on failure.
std::wstring modulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::wstring();
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        if (path.size() >= 65536) // longer than any Windows path
            return std::wstring();
        path.resize(path.size() * 2); // truncated: grow and ask again
    }
}

// Where the folder part of a path ends (its last separator); npos if none.
std::size_t lastSeparator(const std::wstring& path) {
    return path.find_last_of(L"\\/");
}

bool writeAll(HANDLE file, const std::string& bytes) {
    constexpr std::size_t chunk = 1 << 20;
    for (std::size_t at = 0; at < bytes.size();) {
        const DWORD count = static_cast<DWORD>(std::min(chunk, bytes.size() - at));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + at, count, &written, nullptr) || written != count)
            return false;
        at += count;
    }
    return true;
}

} // namespace

Win32Platform::Win32Platform() : Win32Platform(defaultInstanceName) {}

Win32Platform::Win32Platform(std::string instanceName)
    : instanceName_(std::move(instanceName)), iconPixels_(forms::iconPixelsAt(systemDpi())) {}

Win32Platform::~Win32Platform() {
    releasePictures();
    if (instanceMutex_)
        CloseHandle(instanceMutex_);
}

// --- DisplayServices

bool Win32Platform::enumCurrentDisplaySettings(platform::DisplayMode& mode) {
    DEVMODEW devMode{};
    devMode.dmSize = sizeof(DEVMODEW);
    if (!EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &devMode)) {
        mode = {};
        return false;
    }
    mode.width = devMode.dmPelsWidth;
    mode.height = devMode.dmPelsHeight;
    return true;
}

std::uint32_t Win32Platform::getSysColor(int index) {
    return GetSysColor(index);
}

int Win32Platform::screenDpi() {
    return systemDpi();
}

// --- WindowServices

WindowHandle Win32Platform::findWindow(const std::string& className, const std::string& title) {
    const auto wideClass = argument(className);
    const auto wideTitle = argument(title);
    if (!wideClass || !wideTitle)
        return 0;
    return fromHwnd(FindWindowW(orNull(*wideClass), orNull(*wideTitle)));
}

WindowHandle Win32Platform::findWindowEx(WindowHandle parent, WindowHandle childAfter,
                                         const std::string& className, const std::string& title) {
    const auto wideClass = argument(className);
    const auto wideTitle = argument(title);
    if (!wideClass || !wideTitle)
        return 0;
    return fromHwnd(
        FindWindowExW(toHwnd(parent), toHwnd(childAfter), orNull(*wideClass), orNull(*wideTitle)));
}

bool Win32Platform::showWindow(WindowHandle window, int command) {
    return ShowWindow(toHwnd(window), command) != FALSE;
}

bool Win32Platform::setWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y,
                                 int cx, int cy, unsigned flags) {
    return SetWindowPos(toHwnd(window), toHwnd(insertAfter), x, y, cx, cy, flags) != FALSE;
}

// --- ShellServices

std::intptr_t Win32Platform::shellExecute(WindowHandle window, const std::string& operation,
                                          const std::string& file, const std::string& parameters,
                                          const std::string& directory, int showCommand) {
    const auto wideOperation = argument(operation);
    const auto wideFile = argument(file);
    const auto wideParameters = argument(parameters);
    const auto wideDirectory = argument(directory);
    if (!wideOperation || !wideFile || !wideParameters || !wideDirectory)
        return SE_ERR_FNF;
    HINSTANCE result = ShellExecuteW(toHwnd(window), orNull(*wideOperation), wideFile->c_str(),
                                     orNull(*wideParameters), orNull(*wideDirectory), showCommand);
    return reinterpret_cast<std::intptr_t>(result);
}

std::int32_t Win32Platform::emptyRecycleBin(WindowHandle window, const std::string& root,
                                            unsigned flags) {
    const auto wideRoot = argument(root);
    if (!wideRoot)
        return E_INVALIDARG;
    return SHEmptyRecycleBinW(toHwnd(window), orNull(*wideRoot), flags);
}

std::int32_t Win32Platform::queryRecycleBin(const std::string& root,
                                            platform::RecycleBinInfo& info) {
    info = {};
    const auto wideRoot = argument(root);
    if (!wideRoot)
        return E_INVALIDARG;
    SHQUERYRBINFO record{};
    record.cbSize = sizeof(SHQUERYRBINFO);
    const HRESULT result = SHQueryRecycleBinW(orNull(*wideRoot), &record);
    if (SUCCEEDED(result)) {
        info.size = record.i64Size;
        info.items = record.i64NumItems;
    }
    return result;
}

std::int32_t Win32Platform::getSpecialFolderLocation(WindowHandle owner, int folder,
                                                     ItemIdList& list) {
    PIDLIST_ABSOLUTE idList = nullptr;
    const HRESULT result = SHGetSpecialFolderLocation(toHwnd(owner), folder, &idList);
    if (FAILED(result) && idList) {
        CoTaskMemFree(idList);
        idList = nullptr;
    }
    list = reinterpret_cast<ItemIdList>(idList);
    return result;
}

bool Win32Platform::getPathFromIdList(ItemIdList list, std::string& buffer) {
    if (list == 0)
        return false;
    wchar_t path[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(reinterpret_cast<PCIDLIST_ABSOLUTE>(list), path))
        return false;
    path[MAX_PATH - 1] = L'\0';
    fillBuffer(buffer, toUtf8(path));
    return true;
}

void Win32Platform::releaseIdList(ItemIdList list) {
    CoTaskMemFree(reinterpret_cast<void*>(list));
}

// --- SystemServices

bool Win32Platform::getComputerName(std::string& buffer, std::uint32_t& size) {
    return lookupName(GetComputerNameW, false, buffer, size);
}

bool Win32Platform::getUserName(std::string& buffer, std::uint32_t& size) {
    return lookupName(GetUserNameW, true, buffer, size);
}

unsigned Win32Platform::getDriveType(const std::string& root) {
    const auto wideRoot = argument(root);
    if (!wideRoot || wideRoot->empty())
        return DRIVE_NO_ROOT_DIR;
    return GetDriveTypeW(wideRoot->c_str());
}

std::uint32_t Win32Platform::getVersion() {
    return GetVersion();
}

bool Win32Platform::getVersionEx(platform::OsVersion& version) {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOW);
    if (!GetVersionExW(&info)) {
        version = {};
        return false;
    }
    version.major = info.dwMajorVersion;
    version.minor = info.dwMinorVersion;
    version.build = info.dwBuildNumber;
    version.platformId = info.dwPlatformId;
    return true;
}

ObjectHandle Win32Platform::getCurrentProcess() {
    return fromHandle(GetCurrentProcess());
}

bool Win32Platform::openProcessToken(ObjectHandle process, std::uint32_t access,
                                     ObjectHandle& token) {
    HANDLE opened = nullptr;
    const bool ok = OpenProcessToken(toHandle(process), access, &opened) != FALSE;
    token = ok ? fromHandle(opened) : 0;
    return ok;
}

bool Win32Platform::lookupPrivilegeValue(const std::string& systemName, const std::string& name,
                                         platform::Luid& luid) {
    luid = {};
    const auto wideSystem = argument(systemName);
    const auto wideName = argument(name);
    if (!wideSystem || !wideName)
        return false;
    LUID found{};
    if (!LookupPrivilegeValueW(orNull(*wideSystem), wideName->c_str(), &found))
        return false;
    luid.lowPart = found.LowPart;
    luid.highPart = found.HighPart;
    return true;
}

bool Win32Platform::adjustTokenPrivileges(ObjectHandle token, bool disableAll,
                                          const platform::TokenPrivilege& privilege) {
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Luid.LowPart = privilege.luid.lowPart;
    privileges.Privileges[0].Luid.HighPart = privilege.luid.highPart;
    privileges.Privileges[0].Attributes = privilege.attributes;
    return AdjustTokenPrivileges(toHandle(token), disableAll ? TRUE : FALSE, &privileges, 0,
                                 nullptr, nullptr) != FALSE;
}

void Win32Platform::closeHandle(platform::ObjectHandle handle) {
    if (handle)
        CloseHandle(toHandle(handle));
}

bool Win32Platform::exitWindowsEx(std::uint32_t flags, std::uint32_t reason) {
    return ExitWindowsEx(flags, reason) != FALSE;
}

std::string Win32Platform::shortDate(int year, int month, int day) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(year);
    st.wMonth = static_cast<WORD>(month);
    st.wDay = static_cast<WORD>(day);
    wchar_t buffer[128];
    int n = GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buffer,
                           static_cast<int>(std::size(buffer)));
    return n > 1 ? toUtf8(std::wstring_view(buffer, static_cast<std::size_t>(n - 1)))
                 : std::string();
}

void Win32Platform::beep() {
    MessageBeep(MB_OK);
}

bool Win32Platform::anotherInstanceRunning() {
    if (anotherInstance_)
        return *anotherInstance_;
    bool running = false;
    const auto name = argument(instanceName_);
    if (name && !name->empty()) {
        SetLastError(ERROR_SUCCESS);
        HANDLE mutex = CreateMutexW(nullptr, FALSE, name->c_str());
        const DWORD error = GetLastError();
        if (mutex && error == ERROR_ALREADY_EXISTS) {
            running = true;
            CloseHandle(mutex);
        } else if (mutex) {
            instanceMutex_ = mutex; // held until this object goes
        } else {
            running = error == ERROR_ACCESS_DENIED; // it exists, made by another user
        }
    }
    anotherInstance_ = running;
    return running;
}

// --- FileServices

std::string Win32Platform::programDir() {
    const std::wstring path = modulePath();
    const std::size_t separator = lastSeparator(path);
    return separator == std::wstring::npos ? std::string() : toUtf8(path.substr(0, separator));
}

std::string Win32Platform::programName() {
    const std::wstring path = modulePath();
    const std::size_t separator = lastSeparator(path);
    std::wstring name = separator == std::wstring::npos ? path : path.substr(separator + 1);
    const std::size_t dot = name.rfind(L'.');
    if (dot != std::wstring::npos && dot > 0)
        name.resize(dot);
    return toUtf8(name);
}

std::string Win32Platform::joinPath(const std::string& dir, const std::string& name) {
    if (dir.empty())
        return name;
    if (dir.back() == '\\' || dir.back() == '/')
        return dir + name;
    return dir + '\\' + name;
}

bool Win32Platform::fileExists(const std::string& path) {
    const auto widePath = argument(path);
    if (!widePath || widePath->empty())
        return false;
    const DWORD attributes = GetFileAttributesW(widePath->c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> Win32Platform::readFile(const std::string& path, std::size_t maxBytes) {
    const auto widePath = argument(path);
    if (!widePath || widePath->empty())
        return std::nullopt;
    const UniqueHandle file(
        CreateFileW(widePath->c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE)
        return std::nullopt;
    constexpr std::size_t chunk = 1 << 16;
    std::string bytes;
    while (bytes.size() < maxBytes) {
        const std::size_t at = bytes.size();
        const DWORD count = static_cast<DWORD>(std::min(chunk, maxBytes - at));
        bytes.resize(at + count);
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + at, count, &read, nullptr))
            return std::nullopt;
        bytes.resize(at + read);
        if (read == 0)
            break;
    }
    return bytes;
}

bool Win32Platform::replaceFile(const std::string& path, const std::string& bytes) {
    const auto target = argument(path);
    if (!target || target->empty())
        return false;
    // A fresh temporary file beside the target, so that the final move stays
    // on one volume; CREATE_NEW never touches a file that is already there.
    std::wstring temp;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (unsigned attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temp = *target + L"." + std::to_wstring(attempt) + L".tmp";
        file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        const DWORD error = GetLastError();
        if (file == INVALID_HANDLE_VALUE && error != ERROR_FILE_EXISTS &&
            error != ERROR_ALREADY_EXISTS)
            return false;
    }
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool ok = writeAll(file, bytes) && FlushFileBuffers(file);
    ok = CloseHandle(file) && ok;
    ok = ok && MoveFileExW(temp.c_str(), target->c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok)
        DeleteFileW(temp.c_str());
    return ok;
}

} // namespace orvela::win32
