// Shell shortcuts (.lnk) in the user's special folders, through the
// scripting shell: create, delete and probe one shortcut per request; and
// Internet shortcuts (.url) for web addresses. The
// desktop program joins paths with "/" and gives each shortcut the icon it
// names; the installer joins with "\" and shows each target's own icon.
#pragma once

#include "platform/platform.h"

#include <optional>
#include <string>

namespace orvela::common {

// Where a shortcut lives and what it starts, in the order the routines take it.
struct ShortcutRequest {
    int location = 0;   // special folder code, see locationKey
    std::string name;   // file name without ".lnk"; also the description
    std::string target; // the file the shortcut starts
    std::string hotKey; // "CTRL+SHIFT+C"; empty for none
    std::string icon;   // "path,index"
    std::string workingDirectory;
    std::string subFolder; // below the special folder; empty for none
    int windowStyle = 1;   // 1 normal, 3 maximised, 7 minimised
};

// The scripting shell's special folder key of a location code: 0 "Desktop",
// 1 "Programs", 2 "StartMenu", 3 "StartUp", 4 "Programs/Microsoft Office"
// (which the shell may not know); nothing for any other code.
std::optional<std::string> locationKey(int location);

struct ShortcutStyle {
    char separator = '/';
    bool iconIsTarget = false; // the installer's shortcuts show their target's icon
};

class ShortcutService {
public:
    ShortcutService(platform::Platform& platform, ShortcutStyle style = {})
        : platform_(platform), style_(style) {}

    // Creates or overwrites the shortcut. False when the special folder is
    // unknown (nothing is written then: never a shortcut at a drive root) or
    // the file could not be written.
    bool CreateLink(const ShortcutRequest& request);
    // Deletes the shortcut if it exists (location, name and sub-folder
    // matter); true when none is left.
    bool DeleteLink(const ShortcutRequest& request);
    // Writes the Internet shortcut (.url) of the request: its target is the
    // web address; the other fields but location, name and sub-folder are
    // not used. False as for CreateLink.
    bool CreateInternetShortcut(const ShortcutRequest& request);
    // The shortcut's path when a shortcut file exists there; nothing
    // otherwise. A probe: it creates no folder.
    std::optional<std::string> ProvLink(const ShortcutRequest& request);

    // The folder of the request's shortcut (special folder, then sub-folder);
    // nothing when the special folder is unknown. With create, a missing
    // sub-folder is made (a failure is ignored: the save reports it).
    std::optional<std::string> shortcutFolder(const ShortcutRequest& request, bool create);
    std::string shortcutPath(const std::string& folder, const ShortcutRequest& request) const;
    // The same for the Internet shortcut: name + ".url".
    std::string internetShortcutPath(const std::string& folder,
                                     const ShortcutRequest& request) const;

private:
    std::string join(const std::string& a, const std::string& b) const {
        return a + style_.separator + b;
    }

    platform::Platform& platform_;
    ShortcutStyle style_;
};

} // namespace orvela::common
