#include "installer/shipped_files.h"

namespace orvela::installer {

namespace {

constexpr int desktop = desktopLocation, programs = programsLocation;
constexpr int normalWindow = 1, maximisedWindow = 3;
constexpr const char* hotKey = "CTRL+SHIFT+C";

struct ShortcutRow {
    int location;
    const char* name;
    const char* target; // below the install folder, or a full address
    bool inInstallFolder;
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
    {programs, "Uninstall", "Uninstall.exe", true, hotKey, normalWindow},
};

} // namespace

std::vector<common::ShortcutRequest> installShortcuts(const std::string& installFolder) {
    std::vector<common::ShortcutRequest> requests;
    for (const ShortcutRow& row : rows) {
        common::ShortcutRequest r;
        r.location = row.location;
        r.name = row.name;
        r.target = row.inInstallFolder ? installFolder + row.target : std::string(row.target);
        r.hotKey = row.hotKey;
        r.subFolder = row.location == programs ? startMenuFolder : "";
        r.windowStyle = row.windowStyle;
        requests.push_back(r);
    }
    return requests;
}

} // namespace orvela::installer
