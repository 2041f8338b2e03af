// What the installer moves and makes: the five shipped files, in the order
// they are moved, and the seven shortcuts, in the order they are made. The
// uninstaller removes the same things by the same names.
#pragma once

#include "common/shortcut_service.h"

#include <array>
#include <string>
#include <vector>

namespace orvela::installer {

inline constexpr std::array<const char*, 5> shippedFiles{"LICENSE.TXT", "ORDER.TXT", "ReadMe.TXT",
                                                         "Orvela.exe", "Uninstall.exe"};

// The special folders the shortcuts live in, as the shortcut service codes them.
inline constexpr int desktopLocation = 0, programsLocation = 1, startUpLocation = 3;

// The program's own file, whose presence marks an install folder.
inline constexpr const char* programFile = "Orvela.exe";
// The Start menu folder below Programs that holds six of the shortcuts.
inline constexpr const char* startMenuFolder = "Orvela";
// The web site that the shortcut "Visite Our Internet Site" opens.
inline constexpr const char* webAddress = "http://www.orvela.example/";

// One shortcut the installer makes: a shell link, or (web) an Internet
// shortcut file whose target is the web address.
struct InstallShortcut {
    common::ShortcutRequest request;
    bool web = false;
};

// The seven shortcuts for a program folder (ending in "\"): the desktop's
// "Orvela", then "Orvela", "ReadMe", "License", "Order", "Visite Our
// Internet Site" (the Internet shortcut) and "Uninstall" in
// Programs\Orvela. Empty working directories; the icon is the target's. The
// program's two shortcuts carry Ctrl+Shift+C; "Uninstall" carries no hot
// key, so the program's key never starts the uninstaller.
std::vector<InstallShortcut> installShortcuts(const std::string& installFolder);

} // namespace orvela::installer
