#include "win32/shortcut_file.h"

#include "win32/com_dispatch.h"
#include "win32/shell_texts.h"
#include "win32/utf.h"

#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <cstring>
#include <optional>

namespace orvela::win32 {

namespace {

// The shortcut's texts in wide form; nothing if one is no text Windows can
// hold (not UTF-8, or a NUL inside).
struct WideShortcut {
    int showCommand = SW_SHOWNORMAL;
    std::wstring hotKey, targetPath, iconLocation, description, workingDirectory;
};

std::optional<std::wstring> wideText(const std::string& text) {
    if (text.find('\0') != std::string::npos)
        return std::nullopt;
    return toWide(text);
}

std::optional<WideShortcut> widen(const platform::Shortcut& shortcut) {
    const auto hotKey = wideText(shortcut.hotKey), target = wideText(shortcut.targetPath),
               icon = wideText(shortcut.iconLocation), description = wideText(shortcut.description),
               directory = wideText(shortcut.workingDirectory);
    if (!hotKey || !target || !icon || !description || !directory)
        return std::nullopt;
    return WideShortcut{showCommandOfWindowStyle(shortcut.windowStyle),
                        *hotKey,
                        *target,
                        *icon,
                        *description,
                        *directory};
}

bool putText(IDispatch* object, const wchar_t* name, const std::wstring& text) {
    Variant value;
    return value.setText(text) && SUCCEEDED(putProperty(object, name, value.get()));
}

} // namespace

bool saveShortcutByScript(const std::wstring& path, const platform::Shortcut& shortcut) {
    const auto fields = widen(shortcut);
    if (!fields || path.empty())
        return false;
    DispatchPtr shell;
    if (FAILED(createObject(L"WScript.Shell", shell)))
        return false;
    Variant file, link;
    if (!file.setText(path) ||
        FAILED(invoke(shell.get(), L"CreateShortcut", file.get(), link.get())))
        return false;
    IDispatch* const object = link.object();
    if (!object)
        return false;
    Variant style;
    style.setInteger(fields->showCommand);
    return SUCCEEDED(putProperty(object, L"WindowStyle", style.get())) &&
           putText(object, L"HotKey", fields->hotKey) &&
           putText(object, L"TargetPath", fields->targetPath) &&
           putText(object, L"IconLocation", fields->iconLocation) &&
           putText(object, L"Description", fields->description) &&
           putText(object, L"WorkingDirectory", fields->workingDirectory) &&
           SUCCEEDED(invoke(object, L"Save", nullptr, nullptr)) && isShortcutFile(path);
}

bool saveShortcutByShellLink(const std::wstring& path, const platform::Shortcut& shortcut) {
    const auto fields = widen(shortcut);
    if (!fields || path.empty())
        return false;
    IShellLinkW* created = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&created))) ||
        !created)
        return false;
    const ComPtr<IShellLinkW> link(created);
    IPersistFile* persist = nullptr;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) ||
        !persist)
        return false;
    const ComPtr<IPersistFile> file(persist);
    const IconLocation icon = splitIconLocation(fields->iconLocation);
    return SUCCEEDED(link->SetPath(fields->targetPath.c_str())) &&
           SUCCEEDED(link->SetWorkingDirectory(fields->workingDirectory.c_str())) &&
           SUCCEEDED(link->SetDescription(fields->description.c_str())) &&
           SUCCEEDED(link->SetIconLocation(icon.path.c_str(), icon.index)) &&
           SUCCEEDED(link->SetShowCmd(fields->showCommand)) &&
           SUCCEEDED(link->SetHotkey(parseHotKey(shortcut.hotKey))) &&
           SUCCEEDED(file->Save(path.c_str(), TRUE)) && isShortcutFile(path);
}

std::optional<std::wstring> shortcutTargetOf(const std::wstring& path) {
    if (path.empty() || !isShortcutFile(path))
        return std::nullopt;
    IShellLinkW* created = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&created))) ||
        !created)
        return std::nullopt;
    const ComPtr<IShellLinkW> link(created);
    IPersistFile* persist = nullptr;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) ||
        !persist)
        return std::nullopt;
    const ComPtr<IPersistFile> file(persist);
    if (FAILED(file->Load(path.c_str(), STGM_READ)))
        return std::nullopt;
    wchar_t target[MAX_PATH] = {};
    // The item identifier list holds the path in full Unicode; Wine's
    // GetPath gives the link's ANSI path, "?" for every other letter.
    PIDLIST_ABSOLUTE items = nullptr;
    if (SUCCEEDED(link->GetIDList(&items)) && items) {
        const bool named = SHGetPathFromIDListW(items, target);
        CoTaskMemFree(items);
        if (named && target[0]) {
            target[MAX_PATH - 1] = L'\0';
            return std::wstring(target);
        }
    }
    // S_FALSE: the link stores no path (a shell item without one).
    if (link->GetPath(target, MAX_PATH, nullptr, 0) != S_OK)
        return std::nullopt;
    target[MAX_PATH - 1] = L'\0';
    return std::wstring(target);
}

bool isShortcutFile(const std::wstring& path) {
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    unsigned char head[20] = {};
    DWORD read = 0;
    const bool ok = ReadFile(handle, head, sizeof head, &read, nullptr) && read == sizeof head;
    CloseHandle(handle);
    // The header's size (0x4C, little-endian) and the link's class id.
    static const unsigned char expected[20] = {0x4C, 0, 0,    0, 0x01, 0x14, 0x02, 0, 0, 0,
                                               0,    0, 0xC0, 0, 0,    0,    0,    0, 0, 0x46};
    return ok && std::memcmp(head, expected, sizeof head) == 0;
}

} // namespace orvela::win32
