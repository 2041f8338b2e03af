// Uninstall.exe: removes what the installer made and what the program wrote,
// by name, from the folder the uninstaller runs in. Its only windows are its
// message boxes: the first asks Yes or No; No changes nothing. Run from a
// folder without Orvela.exe it says so and changes nothing. Orvela.exe goes
// first: if it cannot be deleted (the program runs) nothing else is touched.
// Then the seven shortcuts of the install (and the Start menu folder Orvela
// if it is then empty), the autostart shortcut, the shipped files and
// ovdata.dat; its own file and the folder, if then empty, go after it ends.
// A file it did not install is never deleted.
#pragma once

#include "installer/self_removal.h"
#include "platform/platform.h"

#include <string>
#include <vector>

namespace orvela::installer {

inline constexpr const char* uninstallTitle = "Orvela Uninstall";

class Uninstaller {
public:
    Uninstaller(platform::Platform& platform, SelfRemoval& selfRemoval)
        : platform_(platform), selfRemoval_(selfRemoval) {}

    // The whole uninstall, message boxes included; returns when it is over.
    void run();

private:
    int say(const std::string& text, unsigned style);
    void removeShortcuts(const std::string& folder, std::vector<std::string>& leftovers);
    void removeFiles(const std::string& folder, const std::string& ownFile,
                     std::vector<std::string>& leftovers);
    bool folderHoldsOthers(const std::string& folder, const std::string& ownFile);

    platform::Platform& platform_;
    SelfRemoval& selfRemoval_;
};

} // namespace orvela::installer
