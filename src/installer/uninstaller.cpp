#include "installer/uninstaller.h"

#include "common/internet_shortcut.h"
#include "common/user_settings_path.h"
#include "installer/create_link1.h"
#include "installer/install_path.h"
#include "installer/shipped_files.h"

#include <cctype>

namespace orvela::installer {

namespace {

using platform::mbDefButton2;
using platform::mbIconExclamation;
using platform::mbIconInformation;
using platform::mbIconQuestion;
using platform::mbOkOnly;
using platform::mbYesNo;

constexpr const char* settingsFile = "ovdata.dat";
constexpr const char* installerFile = "install.exe";
constexpr const char* uninstallerFile = "Uninstall.exe";
// An Internet shortcut is a few lines; anything longer is not ours.
constexpr std::size_t maxInternetShortcut = 4096;

bool sameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The last name of a path ("D:\Apps\Orvela\" gives "Orvela").
std::string lastName(std::string path) {
    while (!path.empty() && (path.back() == '\\' || path.back() == '/'))
        path.pop_back();
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

// The file's path lies directly in folder.
bool liesIn(const std::string& file, const std::string& folder) {
    const std::size_t separator = file.find_last_of("\\/");
    return separator != std::string::npos && sameFolder(file.substr(0, separator), folder);
}

std::string lines(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += "\r\n" + item;
    return text;
}

} // namespace

bool isInstallFolder(platform::FileServices& files, const std::string& folder,
                     const std::string& ownName) {
    return sameName(lastName(folder), lastName(programFolderName)) &&
           sameName(ownName, uninstallerFile) &&
           files.fileExists(files.joinPath(folder, programFile)) &&
           !files.fileExists(files.joinPath(folder, installerFile));
}

int Uninstaller::say(const std::string& text, unsigned style) {
    return platform_.dialogs.messageBox(0, text, style, uninstallTitle);
}

void Uninstaller::run() {
    platform::FileServices& files = platform_.files;
    const std::string folder = files.programDir();
    const std::string program = files.joinPath(folder, programFile);
    if (files.fileExists(files.joinPath(folder, installerFile))) {
        say("This folder holds install.exe:\r\n" + folder +
                "\r\n\r\nIt is the Orvela installation package, not an installed Orvela. Run "
                "Uninstall.exe from the folder in which Orvela is installed. Nothing has been "
                "removed.",
            mbOkOnly | mbIconExclamation);
        return;
    }
    if (!files.fileExists(program)) {
        say("Orvela.exe is not in this folder:\r\n" + folder +
                "\r\n\r\nRun Uninstall.exe from the folder in which Orvela is installed. "
                "Nothing has been removed.",
            mbOkOnly | mbIconExclamation);
        return;
    }
    const std::string ownName = files.programName() + ".exe";
    const bool installFolder = isInstallFolder(files, folder, ownName);
    const std::string what = installFolder ? "Orvela.exe, its text files and its settings in\r\n"
                                           : "Orvela.exe and its settings in\r\n";
    if (say("Remove Orvela from this computer?\r\n\r\n" + what + folder +
                "\r\nand the Orvela shortcuts on the desktop and in the Start menu will be "
                "deleted.",
            mbYesNo | mbIconQuestion | mbDefButton2) != platform::idYes)
        return;
    if (!files.deleteFile(program, true) && files.fileExists(program)) {
        say("Orvela.exe could not be deleted. If Orvela is running, end it (Exit) and run "
            "Uninstall.exe again.\r\n\r\nNothing has been removed.",
            mbOkOnly | mbIconExclamation);
        return;
    }
    std::vector<std::string> leftovers;
    removeShortcuts(folder, leftovers);
    removeFiles(folder, installFolder, leftovers);
    removeUserSettings(leftovers);
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
    // A drive's root is never removed, only the uninstaller's file in it.
    const std::string emptyFolder = isDriveRoot(folder) ? std::string() : folder;
    if (!selfRemoval_.removeAfterExit(files.joinPath(folder, ownName), emptyFolder))
        say(ownName +
                " could not remove itself. You may delete it by hand, and then the "
                "folder\r\n" +
                folder,
            mbOkOnly | mbIconExclamation);
}

void Uninstaller::removeShortcuts(const std::string& folder, std::vector<std::string>& leftovers) {
    common::ShortcutService shortcuts(platform_, installerShortcutStyle);
    std::vector<InstallShortcut> installed = installShortcuts(folder);
    InstallShortcut autostart;
    autostart.request.location = startUpLocation;
    autostart.request.name = "Orvela";
    installed.push_back(autostart);
    platform::FileServices& files = platform_.files;
    for (const InstallShortcut& shortcut : installed) {
        std::optional<std::string> path;
        bool ours = false;
        if (shortcut.web) {
            const auto menu = shortcuts.shortcutFolder(shortcut.request, false);
            path = menu ? std::optional(shortcuts.internetShortcutPath(*menu, shortcut.request))
                        : std::nullopt;
            const auto bytes = path ? files.readFile(*path, maxInternetShortcut) : std::nullopt;
            const auto url = bytes ? common::internetShortcutUrl(*bytes) : std::nullopt;
            ours = url && *url == webAddress;
        } else {
            path = shortcuts.ProvLink(shortcut.request);
            const auto target = path ? platform_.scripting.shortcutTarget(*path) : std::nullopt;
            ours = target && liesIn(*target, folder);
        }
        if (ours && !files.deleteFile(*path, true))
            leftovers.push_back(*path);
    }
    common::ShortcutRequest menu;
    menu.location = programsLocation;
    menu.subFolder = startMenuFolder;
    if (const auto menuFolder = shortcuts.shortcutFolder(menu, false))
        if (files.directoryExists(*menuFolder))
            (void)files.removeDirectory(*menuFolder); // a user's own shortcut keeps it
}

void Uninstaller::removeFiles(const std::string& folder, bool installFolder,
                              std::vector<std::string>& leftovers) {
    std::vector<std::string> names;
    if (installFolder)
        for (const char* name : shippedFiles)
            if (!sameName(name, programFile) && !sameName(name, uninstallerFile))
                names.emplace_back(name);
    names.emplace_back(settingsFile);
    for (const std::string& name : names) {
        const std::string path = platform_.files.joinPath(folder, name);
        if (platform_.files.fileExists(path) && !platform_.files.deleteFile(path, true))
            leftovers.push_back(path);
    }
}

void Uninstaller::removeUserSettings(std::vector<std::string>& leftovers) {
    // The per-user settings file, kept when the program folder took no
    // files, and its folder once empty; a folder holding anything else stays.
    platform::FileServices& files = platform_.files;
    const auto place = common::userSettingsPlace(files);
    if (!place || !files.directoryExists(place->folder))
        return;
    if (files.fileExists(place->file) && !files.deleteFile(place->file, true))
        leftovers.push_back(place->file);
    (void)files.removeDirectory(place->folder);
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
