// Uninstall.exe: removes what the installer made and what the program wrote,
// from the folder the uninstaller runs in, and only what is its own. Its
// only windows are its message boxes: the first asks Yes or No, No the
// default; No changes nothing.
//
// It refuses, changing nothing, in a shipping folder (one holding
// install.exe: the shortcuts there belong to the real install) and in a
// folder without Orvela.exe. Orvela.exe goes first: if it cannot be deleted
// (the program runs) nothing else is touched. Then each shortcut of the
// install and the autostart shortcut, each only if it starts a file of this
// folder (an Internet shortcut only if it opens the program's web site);
// the Start menu folder Orvela if it is then empty; the shipped text files
// only in an install folder (below); ovdata.dat. Its own file and the
// folder, if then empty and not a drive's root, go after it ends.
#pragma once

#include "installer/self_removal.h"
#include "platform/platform.h"

#include <string>
#include <vector>

namespace orvela::installer {

inline constexpr const char* uninstallTitle = "Orvela Uninstall";

// Whether folder is one the installer made and the uninstaller's own: it is
// named Orvela (the path rule ends every install folder so), holds
// Orvela.exe and the uninstaller under its shipped name Uninstall.exe
// (ownName: the running file's name), and no install.exe.
bool isInstallFolder(platform::FileServices& files, const std::string& folder,
                     const std::string& ownName);

class Uninstaller {
public:
    Uninstaller(platform::Platform& platform, SelfRemoval& selfRemoval)
        : platform_(platform), selfRemoval_(selfRemoval) {}

    // The whole uninstall, message boxes included; returns when it is over.
    void run();

private:
    int say(const std::string& text, unsigned style);
    void removeShortcuts(const std::string& folder, std::vector<std::string>& leftovers);
    void removeFiles(const std::string& folder, bool installFolder,
                     std::vector<std::string>& leftovers);
    // The per-user settings file and its folder.
    void removeUserSettings(std::vector<std::string>& leftovers);
    bool folderHoldsOthers(const std::string& folder, const std::string& ownFile);

    platform::Platform& platform_;
    SelfRemoval& selfRemoval_;
};

} // namespace orvela::installer
