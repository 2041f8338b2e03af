// The real file searches, file information, icons and folder browser of
// Win32Platform: the wide-character calls, UTF-8 at the boundary.
#include "win32/large_icon.h"
#include "win32/utf.h"
#include "win32/win32_platform.h"

#include <commctrl.h>
#include <ole2.h>
#include <olectl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>

namespace orvela::win32 {

using platform::FindData;
using platform::FindHandle;
using platform::IconHandle;
using platform::ItemIdList;
using platform::PictureHandle;

namespace {

constexpr int largeIconPixels = 32; // what ExtractAssociatedIcon and the large list give

std::uint64_t fromFileTime(const FILETIME& t) {
    return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

void fill(FindData& data, const WIN32_FIND_DATAW& found) {
    data.attributes = found.dwFileAttributes;
    data.creationTime = fromFileTime(found.ftCreationTime);
    data.sizeHigh = found.nFileSizeHigh;
    data.sizeLow = found.nFileSizeLow;
    wchar_t name[MAX_PATH + 1] = {};
    std::memcpy(name, found.cFileName, sizeof found.cFileName);
    data.name = toUtf8(name);
}

HICON toIcon(IconHandle icon) {
    return reinterpret_cast<HICON>(icon);
}

} // namespace

FindHandle Win32Platform::findFirstFile(const std::string& pattern, FindData& data) {
    std::optional<std::wstring> wide = toWide(pattern);
    if (!wide || wide->find(L'\0') != std::wstring::npos)
        return 0;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(wide->c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    fill(data, found);
    return reinterpret_cast<FindHandle>(search);
}

bool Win32Platform::findNextFile(FindHandle search, FindData& data) {
    WIN32_FIND_DATAW found{};
    if (!search || !FindNextFileW(reinterpret_cast<HANDLE>(search), &found))
        return false;
    fill(data, found);
    return true;
}

void Win32Platform::findClose(FindHandle search) {
    if (search)
        FindClose(reinterpret_cast<HANDLE>(search));
}

bool Win32Platform::fileTimeToSystemTime(std::uint64_t fileTime, platform::SystemTime& time) {
    FILETIME ft{static_cast<DWORD>(fileTime & 0xFFFFFFFFu), static_cast<DWORD>(fileTime >> 32)};
    SYSTEMTIME st{};
    if (!FileTimeToSystemTime(&ft, &st))
        return false;
    time = {st.wYear, st.wMonth,  st.wDayOfWeek, st.wDay,
            st.wHour, st.wMinute, st.wSecond,    st.wMilliseconds};
    return true;
}

ItemIdList Win32Platform::browseForFolder(platform::WindowHandle owner, const std::string& title,
                                          unsigned flags) {
    std::wstring wideTitle = toWide(title).value_or(std::wstring());
    BROWSEINFOW info{};
    info.hwndOwner = owner ? reinterpret_cast<HWND>(owner) : GetActiveWindow();
    info.lpszTitle = wideTitle.c_str();
    info.ulFlags = flags;
    return reinterpret_cast<ItemIdList>(SHBrowseForFolderW(&info));
}

std::uintptr_t Win32Platform::getFileInfo(const std::string& path, std::uint32_t attributes,
                                          unsigned flags, platform::FileInfo& info) {
    std::optional<std::wstring> wide = toWide(path);
    if (!wide || wide->find(L'\0') != std::wstring::npos)
        return 0;
    SHFILEINFOW record{};
    DWORD_PTR result = SHGetFileInfoW(wide->c_str(), attributes, &record, sizeof record, flags);
    if (flags & (SHGFI_SYSICONINDEX | SHGFI_TYPENAME | SHGFI_DISPLAYNAME)) {
        record.szTypeName[std::size(record.szTypeName) - 1] = L'\0';
        record.szDisplayName[std::size(record.szDisplayName) - 1] = L'\0';
        info.iconIndex = record.iIcon;
        info.typeName = toUtf8(record.szTypeName);
        info.displayName = toUtf8(record.szDisplayName);
    }
    return static_cast<std::uintptr_t>(result);
}

IconHandle Win32Platform::extractAssociatedIcon(const std::string& path, int index) {
    std::optional<std::wstring> wide = toWide(path);
    if (!wide || wide->size() >= MAX_PATH || wide->find(L'\0') != std::wstring::npos)
        return 0;
    // Windows may write into the buffer (Wine puts its own path there for a
    // missing file): it gets a copy of MAX_PATH characters.
    if (iconPixels_ > largeIconPixels && index == 0) {
        if (HICON large = systemImageIcon(systemImageIndex(*wide), iconPixels_))
            return reinterpret_cast<IconHandle>(large);
    }
    wchar_t buffer[MAX_PATH] = {};
    std::memcpy(buffer, wide->c_str(), (wide->size() + 1) * sizeof(wchar_t));
    WORD icon = static_cast<WORD>(index);
    return reinterpret_cast<IconHandle>(
        ExtractAssociatedIconW(GetModuleHandleW(nullptr), buffer, &icon));
}

IconHandle Win32Platform::imageListIcon(platform::ImageListHandle list, int index) {
    if (!list || index < 0)
        return 0;
    // The system image lists share their indexes: the larger list's image.
    if (iconPixels_ > largeIconPixels) {
        if (HICON large = systemImageIcon(index, iconPixels_))
            return reinterpret_cast<IconHandle>(large);
    }
    return reinterpret_cast<IconHandle>(
        ImageList_GetIcon(reinterpret_cast<HIMAGELIST>(list), index, ILD_TRANSPARENT));
}

PictureHandle Win32Platform::createIconPicture(IconHandle icon) {
    if (!icon)
        return 0;
    PICTDESC description{};
    description.cbSizeofstruct = sizeof description;
    description.picType = PICTYPE_ICON;
    description.icon.hicon = toIcon(icon);
    IPicture* picture = nullptr;
    if (FAILED(OleCreatePictureIndirect(&description, IID_IPicture, TRUE,
                                        reinterpret_cast<void**>(&picture))) ||
        !picture) {
        DestroyIcon(toIcon(icon));
        return 0;
    }
    PictureHandle handle = nextPicture_++;
    pictures_[handle] = picture;
    return handle;
}

HICON Win32Platform::iconOfPicture(PictureHandle handle) const {
    auto it = pictures_.find(handle);
    if (it == pictures_.end())
        return nullptr;
    OLE_HANDLE icon = 0;
    auto* picture = static_cast<IPicture*>(it->second);
    if (FAILED(picture->get_Handle(&icon)))
        return nullptr;
    return reinterpret_cast<HICON>(static_cast<UINT_PTR>(icon));
}

void Win32Platform::releasePictures() {
    for (auto& [handle, picture] : pictures_)
        static_cast<IPicture*>(picture)->Release();
    pictures_.clear();
}

} // namespace orvela::win32
