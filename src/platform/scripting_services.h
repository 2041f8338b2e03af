// Windows Script Host objects, created for one operation and released after it.
#pragma once

#include <optional>
#include <string>

namespace orvela::platform {

// The properties of a shell shortcut (.lnk) as the scripting shell's
// shortcut object names them. hotKey is its text ("CTRL+SHIFT+C");
// iconLocation a path, a comma and an icon index.
struct Shortcut {
    int windowStyle = 1;
    std::string hotKey;
    std::string targetPath;
    std::string iconLocation;
    std::string description;
    std::string workingDirectory;
};

class ScriptingServices {
public:
    virtual ~ScriptingServices() = default;
    // WScript.Shell SpecialFolders(key); the empty text if the host fails.
    // On Windows, a key the host does not know (or a host disabled by policy)
    // falls back to the shell's own folder of that name.
    virtual std::string specialFolder(const std::string& key) = 0;
    // WScript.Shell CreateShortcut(path), its properties, Save: creates or
    // overwrites the shortcut file. False when it could not be written.
    [[nodiscard]] virtual bool saveShortcut(const std::string& path, const Shortcut& shortcut) = 0;
    // The target path stored in the shortcut file at path (read back through
    // the shell's link object, not resolved); nothing when no shortcut can
    // be read there.
    virtual std::optional<std::string> shortcutTarget(const std::string& path) = 0;
};

} // namespace orvela::platform
