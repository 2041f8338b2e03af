#include "common/shortcut_service.h"

#include "common/internet_shortcut.h"

#include <array>

namespace orvela::common {

std::optional<std::string> locationKey(int location) {
    static constexpr std::array<const char*, 5> keys = {"Desktop", "Programs", "StartMenu",
                                                        "StartUp", "Programs/Microsoft Office"};
    if (location < 0 || location >= static_cast<int>(keys.size()))
        return std::nullopt;
    return keys[static_cast<std::size_t>(location)];
}

std::optional<std::string> ShortcutService::shortcutFolder(const ShortcutRequest& request,
                                                           bool create) {
    const auto key = locationKey(request.location);
    if (!key)
        return std::nullopt;
    std::string folder = platform_.scripting.specialFolder(*key);
    if (folder.empty())
        return std::nullopt;
    if (!request.subFolder.empty()) {
        folder = join(folder, request.subFolder);
        if (create && !platform_.files.directoryExists(folder) &&
            !platform_.files.fileExists(folder))
            (void)platform_.files.createDirectory(folder); // the save reports a failure
    }
    return folder;
}

std::string ShortcutService::shortcutPath(const std::string& folder,
                                          const ShortcutRequest& request) const {
    return join(folder, request.name + ".lnk");
}

std::string ShortcutService::internetShortcutPath(const std::string& folder,
                                                  const ShortcutRequest& request) const {
    return join(folder, request.name + ".url");
}

bool ShortcutService::CreateInternetShortcut(const ShortcutRequest& request) {
    const auto folder = shortcutFolder(request, true);
    if (!folder)
        return false;
    return platform_.files.replaceFile(internetShortcutPath(*folder, request),
                                       internetShortcutText(request.target));
}

bool ShortcutService::CreateLink(const ShortcutRequest& request) {
    const auto folder = shortcutFolder(request, true);
    if (!folder)
        return false;
    platform::Shortcut shortcut;
    shortcut.windowStyle = request.windowStyle;
    shortcut.hotKey = request.hotKey;
    shortcut.targetPath = request.target;
    shortcut.iconLocation = style_.iconIsTarget ? request.target : request.icon;
    shortcut.description = request.name;
    shortcut.workingDirectory = request.workingDirectory;
    return platform_.scripting.saveShortcut(shortcutPath(*folder, request), shortcut);
}

bool ShortcutService::DeleteLink(const ShortcutRequest& request) {
    const auto folder = shortcutFolder(request, true);
    if (!folder)
        return true;
    const std::string path = shortcutPath(*folder, request);
    if (!platform_.files.fileExists(path))
        return true;
    return platform_.files.deleteFile(path, true);
}

std::optional<std::string> ShortcutService::ProvLink(const ShortcutRequest& request) {
    const auto folder = shortcutFolder(request, false);
    if (!folder)
        return std::nullopt;
    std::string path = shortcutPath(*folder, request);
    if (!platform_.files.fileExists(path))
        return std::nullopt;
    return path;
}

} // namespace orvela::common
