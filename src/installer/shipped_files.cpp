#include "installer/shipped_files.h"

namespace orvela::installer {

namespace {

constexpr int desktop = desktopLocation, programs = programsLocation;
constexpr int normalWindow = 1, maximisedWindow = 3;
constexpr const char* hotKey = "CTRL+SHIFT+C";

struct ShortcutRow {
    int location;
    const char* name;
    const char* target;   // below the install folder, or the web address
    bool inInstallFolder; // false: the Internet shortcut to the web address
    const char* hotKey;
    int windowStyle;
};

constexpr ShortcutRow rows[] = {
    {desktop, "Orvela", "Orvela.exe", true, hotKey, normalWindow},
    {programs, "Orvela", "Orvela.exe", true, hotKey, normalWindow},
    {programs, "ReadMe", "ReadMe.txt", true, "", normalWindow},
    {programs, "License", "LICENSE.txt", true, "", normalWindow},
    {programs, "Order", "ORDER.txt", true, "", normalWindow},
    {programs, "Visite Our Internet Site", webAddress, false, "", maximisedWindow},
    {programs, "Uninstall", "Uninstall.exe", true, "", normalWindow},
};

} // namespace

std::vector<InstallShortcut> installShortcuts(const std::string& installFolder) {
    std::vector<InstallShortcut> shortcuts;
    for (const ShortcutRow& row : rows) {
        common::ShortcutRequest r;
        r.location = row.location;
        r.name = row.name;
        r.target = row.inInstallFolder ? installFolder + row.target : std::string(row.target);
        r.hotKey = row.hotKey;
        r.subFolder = row.location == programs ? startMenuFolder : "";
        r.windowStyle = row.windowStyle;
        shortcuts.push_back({r, !row.inInstallFolder});
    }
    return shortcuts;
}

} // namespace orvela::installer
