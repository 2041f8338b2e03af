// Removing Uninstall.exe once it has ended, on every Windows from XP on and
// under Wine: a hidden cmd.exe started just before the exit waits a second
// (ping to the loopback address, the one sleep every cmd.exe has), deletes
// the file, tries again two seconds later, and then removes the folder,
// which rd does only if it is empty. A delete-on-reboot entry would need
// administrator rights and, after a reinstall before the reboot, would
// delete the new uninstaller.
#pragma once

#include "installer/self_removal.h"

#include <string>

namespace orvela::uninstall {

class CmdSelfRemoval final : public installer::SelfRemoval {
public:
    // False when a path holds "%" or a quote (cmd.exe would read them as its
    // own) or cmd.exe could not be started.
    bool removeAfterExit(const std::string& file, const std::string& folder) override;
};

} // namespace orvela::uninstall
