#include "installer/install_procedure.h"

#include "common/shortcut_service.h"
#include "installer/create_link1.h"
#include "installer/install_path.h"
#include "installer/shipped_files.h"

namespace orvela::installer {

std::optional<std::string> missingShippedFile(platform::FileServices& files,
                                              const std::string& shippingFolder) {
    for (const char* name : shippedFiles)
        if (!files.fileExists(shippingFolder + name))
            return name;
    return std::nullopt;
}

platform::FileResult prepareInstallFolder(platform::FileServices& files,
                                          const std::string& installFolder) {
    if (files.directoryExists(installFolder))
        return platform::FileResult::ok();
    return files.createDirectory(installFolder);
}

MoveOutcome moveShippedFiles(platform::FileServices& files, const std::string& shippingFolder,
                             const std::string& installFolder) {
    if (sameFolder(shippingFolder, installFolder))
        return {MoveFailure::sameFolder, shippedFiles.front()};
    for (const char* name : shippedFiles) {
        const platform::FileResult copied =
            files.copyFile(shippingFolder + name, installFolder + name);
        if (copied)
            continue;
        if (copied.accessDenied())
            return {MoveFailure::accessDenied, name};
        if (!files.fileExists(shippingFolder + name))
            return {MoveFailure::missingFile, name};
        return {MoveFailure::copyFailed, name};
    }
    for (const char* name : shippedFiles)
        (void)files.deleteFile(shippingFolder + name, false); // one left behind: the install stands
    return {};
}

std::vector<std::string> makeShortcuts(platform::Platform& platform,
                                       const std::string& installFolder) {
    std::vector<std::string> failed;
    common::ShortcutService service(platform, installerShortcutStyle);
    for (const InstallShortcut& shortcut : installShortcuts(installFolder)) {
        const bool made = shortcut.web ? service.CreateInternetShortcut(shortcut.request)
                                       : CreateLink1(platform, shortcut.request);
        if (!made)
            failed.push_back(shortcut.request.name);
    }
    return failed;
}

} // namespace orvela::installer
