#include "installer/uninstaller.h"

#include "installer/create_link1.h"
#include "installer/shipped_files.h"

#include <cctype>

namespace orvela::installer {

namespace {

using platform::mbIconExclamation;
using platform::mbIconInformation;
using platform::mbIconQuestion;
using platform::mbOkOnly;
using platform::mbYesNo;

constexpr const char* settingsFile = "ovdata.dat";

bool sameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string lines(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += "\r\n" + item;
    return text;
}

} // namespace

int Uninstaller::say(const std::string& text, unsigned style) {
    return platform_.dialogs.messageBox(0, text, style, uninstallTitle);
}

void Uninstaller::run() {
    platform::FileServices& files = platform_.files;
    const std::string folder = files.programDir();
    const std::string program = files.joinPath(folder, programFile);
    if (!files.fileExists(program)) {
        say("Orvela.exe is not in this folder:\r\n" + folder +
                "\r\n\r\nRun Uninstall.exe from the folder in which Orvela is installed. "
                "Nothing has been removed.",
            mbOkOnly | mbIconExclamation);
        return;
    }
    if (say("Remove Orvela from this computer?\r\n\r\nOrvela.exe, its text files and its "
            "settings in\r\n" +
                folder +
                "\r\nand the Orvela shortcuts on the desktop and in the Start menu will be "
                "deleted.",
            mbYesNo | mbIconQuestion) != platform::idYes)
        return;
    if (!files.deleteFile(program, true) && files.fileExists(program)) {
        say("Orvela.exe could not be deleted. If Orvela is running, end it (Exit) and run "
            "Uninstall.exe again.\r\n\r\nNothing has been removed.",
            mbOkOnly | mbIconExclamation);
        return;
    }
    const std::string ownName = files.programName() + ".exe";
    std::vector<std::string> leftovers;
    removeShortcuts(folder, leftovers);
    removeFiles(folder, ownName, leftovers);
    if (!leftovers.empty())
        say("Orvela has been removed, but these could not be deleted:" + lines(leftovers) +
                "\r\n\r\nYou may delete them by hand.",
            mbOkOnly | mbIconExclamation);
    else if (folderHoldsOthers(folder, ownName))
        say("Orvela has been removed from this computer.\r\n\r\nFiles that were not installed "
            "with Orvela stay in\r\n" +
                folder,
            mbOkOnly | mbIconInformation);
    else
        say("Orvela has been removed from this computer.", mbOkOnly | mbIconInformation);
    if (!selfRemoval_.removeAfterExit(files.joinPath(folder, ownName), folder))
        say(ownName +
                " could not remove itself. You may delete it by hand, and then the "
                "folder\r\n" +
                folder,
            mbOkOnly | mbIconExclamation);
}

void Uninstaller::removeShortcuts(const std::string& folder, std::vector<std::string>& leftovers) {
    common::ShortcutService shortcuts(platform_, installerShortcutStyle);
    std::vector<common::ShortcutRequest> requests = installShortcuts(folder);
    common::ShortcutRequest autostart;
    autostart.location = startUpLocation;
    autostart.name = "Orvela";
    requests.push_back(autostart);
    for (const common::ShortcutRequest& request : requests)
        if (const auto path = shortcuts.ProvLink(request))
            if (!platform_.files.deleteFile(*path, true))
                leftovers.push_back(*path);
    common::ShortcutRequest menu;
    menu.location = programsLocation;
    menu.subFolder = startMenuFolder;
    if (const auto menuFolder = shortcuts.shortcutFolder(menu, false))
        if (platform_.files.directoryExists(*menuFolder))
            (void)platform_.files.removeDirectory(*menuFolder); // a user's own shortcut keeps it
}

void Uninstaller::removeFiles(const std::string& folder, const std::string& ownName,
                              std::vector<std::string>& leftovers) {
    std::vector<std::string> names;
    for (const char* name : shippedFiles)
        if (!sameName(name, programFile) && !sameName(name, ownName))
            names.emplace_back(name);
    names.emplace_back(settingsFile);
    for (const std::string& name : names) {
        const std::string path = platform_.files.joinPath(folder, name);
        if (platform_.files.fileExists(path) && !platform_.files.deleteFile(path, true))
            leftovers.push_back(path);
    }
}

bool Uninstaller::folderHoldsOthers(const std::string& folder, const std::string& ownName) {
    platform::FileServices& files = platform_.files;
    platform::FindData entry;
    const platform::FindHandle search = files.findFirstFile(files.joinPath(folder, "*.*"), entry);
    if (!search)
        return false;
    bool others = false;
    do {
        others = entry.name != "." && entry.name != ".." && !sameName(entry.name, ownName);
    } while (!others && files.findNextFile(search, entry));
    files.findClose(search);
    return others;
}

} // namespace orvela::installer
