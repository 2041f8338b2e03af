#include "installer/install_procedure.h"

#include "installer/create_link1.h"
#include "installer/install_path.h"
#include "installer/shipped_files.h"

namespace orvela::installer {

void prepareInstallFolder(platform::FileServices& files, const std::string& installFolder) {
    if (!files.directoryExists(installFolder))
        (void)files.createDirectory(installFolder); // the first copy reports a failure
}

MoveOutcome moveShippedFiles(platform::FileServices& files, const std::string& shippingFolder,
                             const std::string& installFolder) {
    if (sameFolder(shippingFolder, installFolder))
        return {false, shippedFiles.front()};
    for (const char* name : shippedFiles)
        if (!files.copyFile(shippingFolder + name, installFolder + name))
            return {false, name};
    for (const char* name : shippedFiles)
        (void)files.deleteFile(shippingFolder + name, false); // one left behind: the install stands
    return {true, {}};
}

std::vector<std::string> makeShortcuts(platform::Platform& platform,
                                       const std::string& installFolder) {
    std::vector<std::string> failed;
    for (const common::ShortcutRequest& request : installShortcuts(installFolder))
        if (!CreateLink1(platform, request))
            failed.push_back(request.name);
    return failed;
}

} // namespace orvela::installer
