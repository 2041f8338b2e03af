// Win32Platform's scripting services: the scripting shell first, the shell's
// own calls where it knows no answer (under Wine it knows only three special
// folders and cannot set a shortcut's hot key; on Windows it may be disabled
// by policy).
#include "win32/com_dispatch.h"
#include "win32/full_path.h"
#include "win32/shortcut_file.h"
#include "win32/utf.h"
#include "win32/win32_platform.h"

#include <shlobj.h>

#include <string_view>

namespace orvela::win32 {

namespace {

struct ShellFolder {
    std::string_view key; // as SpecialFolders names it
    int csidl;
};

constexpr ShellFolder shellFolders[] = {
    {"Desktop", CSIDL_DESKTOPDIRECTORY},
    {"Programs", CSIDL_PROGRAMS},
    {"StartMenu", CSIDL_STARTMENU},
    {"StartUp", CSIDL_STARTUP},
    {"AllUsersDesktop", CSIDL_COMMON_DESKTOPDIRECTORY},
    {"AllUsersPrograms", CSIDL_COMMON_PROGRAMS},
    {"AllUsersStartMenu", CSIDL_COMMON_STARTMENU},
    {"AllUsersStartup", CSIDL_COMMON_STARTUP},
    {"MyDocuments", CSIDL_PERSONAL},
    {"Favorites", CSIDL_FAVORITES},
    {"Fonts", CSIDL_FONTS},
    {"NetHood", CSIDL_NETHOOD},
    {"PrintHood", CSIDL_PRINTHOOD},
    {"Recent", CSIDL_RECENT},
    {"SendTo", CSIDL_SENDTO},
    {"Templates", CSIDL_TEMPLATES},
};

// ASCII letters compared without case, as the scripting shell compares keys.
bool sameKey(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z')
            x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<char>(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

// SHGetFolderPathW of the key's folder; the empty text for any other key.
std::string shellFolderPath(const std::string& key) {
    for (const ShellFolder& folder : shellFolders) {
        if (!sameKey(folder.key, key))
            continue;
        wchar_t path[MAX_PATH] = {};
        if (FAILED(SHGetFolderPathW(nullptr, folder.csidl, nullptr, SHGFP_TYPE_CURRENT, path)))
            return std::string();
        path[MAX_PATH - 1] = L'\0';
        return toUtf8(path);
    }
    return std::string();
}

// SpecialFolders(key) of the scripting shell: S_OK and its answer (possibly
// empty), or the failure.
HRESULT scriptFolder(const std::wstring& key, std::string& path) {
    DispatchPtr shell;
    HRESULT result = createObject(L"WScript.Shell", shell);
    if (FAILED(result))
        return result;
    Variant folders;
    result = invoke(shell.get(), L"SpecialFolders", nullptr, folders.get());
    if (FAILED(result))
        return result;
    Variant index, item;
    if (!folders.object() || !index.setText(key))
        return E_FAIL;
    result = invoke(folders.object(), L"Item", index.get(), item.get());
    if (FAILED(result))
        return result;
    if (item.get()->vt != VT_BSTR) {
        result = VariantChangeType(item.get(), item.get(), 0, VT_BSTR);
        if (FAILED(result))
            return result;
    }
    const BSTR text = item.get()->bstrVal;
    path = text ? toUtf8(std::wstring_view(text, SysStringLen(text))) : std::string();
    return S_OK;
}

std::optional<std::wstring> wideArgument(const std::string& text) {
    if (text.empty() || text.find('\0') != std::string::npos)
        return std::nullopt;
    return toWide(text);
}

} // namespace

std::string Win32Platform::specialFolder(const std::string& key) {
    const auto wideKey = wideArgument(key);
    if (!wideKey)
        return std::string();
    std::string path;
    const HRESULT result = scriptFolder(*wideKey, path);
    // Without COM on this thread the caller broke the contract: no answer.
    if (result == CO_E_NOTINITIALIZED)
        return std::string();
    return path.empty() ? shellFolderPath(key) : path;
}

bool Win32Platform::saveShortcut(const std::string& path, const platform::Shortcut& shortcut) {
    const auto widePath = wideArgument(path);
    const auto full = widePath ? fullPathOf(*widePath) : std::nullopt;
    if (!full)
        return false;
    return saveShortcutByScript(*full, shortcut) || saveShortcutByShellLink(*full, shortcut);
}

std::optional<std::string> Win32Platform::shortcutTarget(const std::string& path) {
    const auto widePath = wideArgument(path);
    const auto full = widePath ? fullPathOf(*widePath) : std::nullopt;
    if (!full)
        return std::nullopt;
    const auto target = shortcutTargetOf(*full);
    if (!target)
        return std::nullopt;
    return toUtf8(*target);
}

} // namespace orvela::win32
