// The two ways of writing a shell shortcut (.lnk) file. Both make the same
// calls on the shell's link object in the same order, so they write the same
// file; the scripting shell comes first because it is what the program's
// users expect to be asked, the link object is the fallback where the script
// host is disabled by policy or falls short (under Wine its HotKey is a stub).
// Both need COM initialised on the calling thread and a full path.
#pragma once

#include "platform/scripting_services.h"

#include <optional>
#include <string>

namespace orvela::win32 {

// WScript.Shell CreateShortcut(path), then WindowStyle, HotKey, TargetPath,
// IconLocation, Description, WorkingDirectory and Save. False, and no file
// written, when any step fails.
bool saveShortcutByScript(const std::wstring& path, const platform::Shortcut& shortcut);

// CLSID_ShellLink through IShellLinkW and IPersistFile::Save.
bool saveShortcutByShellLink(const std::wstring& path, const platform::Shortcut& shortcut);

// The target path stored in the shell link file at path (IShellLinkW loaded
// through IPersistFile, GetPath without resolving); nothing when it cannot
// be loaded or stores no path.
std::optional<std::wstring> shortcutTargetOf(const std::wstring& path);

// The file at path starts as a shell link does (header size and class id).
bool isShortcutFile(const std::wstring& path);

} // namespace orvela::win32
