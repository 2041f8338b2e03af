#include "common/folder_picker.h"

#include "common/path_text.h"

namespace orvela::common {

namespace {
constexpr unsigned bifReturnOnlyFsDirs = 1;
constexpr std::size_t maxPath = 260;
} // namespace

std::string vbGetBrowseDirectory(platform::ShellServices& shell, const std::string& description) {
    const std::string title = "Select the search directory for " + description + ".";
    platform::ItemIdList list = shell.browseForFolder(0, title, bifReturnOnlyFsDirs);
    if (!list)
        return {};
    std::string buffer(maxPath, '\0');
    const bool found = shell.getPathFromIdList(list, buffer);
    shell.releaseIdList(list);
    const std::string path = trimNull(buffer);
    return found && !path.empty() ? qualifyPath(path) : std::string();
}

} // namespace orvela::common
