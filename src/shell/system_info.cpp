#include "shell/system_info.h"

#include <cmath>

namespace orvela::shell {

namespace {
constexpr std::uint32_t nameBufferSize = 255;
constexpr std::size_t pathBufferSize = 260;
constexpr std::uint32_t tokenAdjustAndQuery = 0x28;
constexpr std::uint32_t privilegeEnabled = 2;
constexpr std::uint32_t allReasonBits = 0xFFFFFFFFu;
} // namespace

std::string trimAtNul(const std::string& text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    std::size_t last = text.find_last_not_of(' ');
    std::string trimmed = text.substr(first, last - first + 1);
    std::size_t nul = trimmed.find('\0');
    return nul == std::string::npos ? trimmed : trimmed.substr(0, nul);
}

std::int16_t HiWord(std::int32_t value) {
    double x = static_cast<double>(value) / 65535.0;
    if (value < 0)
        x -= 1;
    double r = std::nearbyint(x);
    if (r > 32767)
        return 32767;
    if (r < -32768)
        return -32768;
    return static_cast<std::int16_t>(r);
}

std::string recycleBinSummary(std::int64_t items, std::int64_t sizeBytes) {
    return "There are \r\n" + std::to_string(items) +
           " files in recycle\r\nof general size of \r\n" + std::to_string(sizeBytes / 1024) +
           " kb";
}

std::uint32_t shutdownFlags(bool reboot, bool force, bool powerOff) {
    std::uint32_t flags = reboot ? 3 : 1;
    if (force)
        flags += 16;
    if (powerOff)
        flags += 8;
    return flags;
}

void SystemInfo::appendNameLine(bool user) {
    std::string buffer(nameBufferSize, ' ');
    std::uint32_t size = nameBufferSize;
    bool ok = user ? platform_.system.getUserName(buffer, size)
                   : platform_.system.getComputerName(buffer, size);
    if (!ok)
        return;
    forms::Control& kompinfo = form2_.touch().control("kompinfo");
    kompinfo.setCaption(kompinfo.caption() + (user ? "User Name : " : "Computer Name : ") +
                        trimAtNul(buffer) + "\r\n");
}

void SystemInfo::clearComputerInfo() {
    form2_.touch().control("kompinfo").setCaption("");
}

void SystemInfo::showComputerName() {
    appendNameLine(false);
}

void SystemInfo::showUserName() {
    appendNameLine(true);
    // Copied even when the user name is unknown, so the computer line shows.
    forms::Form& form2 = form2_.touch();
    form2.control("Label34").setCaption(form2.control("kompinfo").caption());
}

std::string SystemInfo::specialFolderPath(int folder) {
    platform::ItemIdList list = 0;
    if (platform_.shell.getSpecialFolderLocation(0, folder, list) != 0)
        return {};
    std::string buffer(pathBufferSize, ' ');
    bool ok = platform_.shell.getPathFromIdList(list, buffer);
    platform_.shell.releaseIdList(list);
    if (!ok)
        return {};
    std::size_t nul = buffer.find('\0');
    return nul == std::string::npos ? buffer : buffer.substr(0, nul);
}

void SystemInfo::queryRecycleBin(const std::string& root, std::int64_t& sizeBytes,
                                 std::int64_t& items) {
    sizeBytes = 0;
    items = 0;
    platform::RecycleBinInfo info;
    if (platform_.shell.queryRecycleBin(root, info) < 0)
        return; // a query that failed: an empty bin
    sizeBytes = info.size;
    items = info.items;
}

int SystemInfo::getOSVer() {
    platform::OsVersion version;
    if (!platform_.system.getVersionEx(version))
        return 0;
    return static_cast<int>(version.major);
}

void SystemInfo::enableShutdownPrivilege() {
    if (platform_.system.getVersion() & 0x80000000u)
        return; // the 9x family has no privileges
    // Each step is tried even when the one before failed; a privilege that
    // could not be had makes ExitWindowsEx refuse, which ends nothing.
    platform::ObjectHandle token = 0;
    const bool opened = platform_.system.openProcessToken(platform_.system.getCurrentProcess(),
                                                          tokenAdjustAndQuery, token);
    platform::TokenPrivilege privilege;
    (void)platform_.system.lookupPrivilegeValue("", "SeShutdownPrivilege", privilege.luid);
    privilege.attributes = privilegeEnabled;
    (void)platform_.system.adjustTokenPrivileges(token, false, privilege);
    // The privilege stays with the process; the token handle is done with.
    if (opened && token)
        platform_.system.closeHandle(token);
}

void SystemInfo::ShutDownWindows(bool reboot, bool force, bool powerOff) {
    enableShutdownPrivilege();
    // Refused, the program runs on as if the command had not been given.
    (void)platform_.system.exitWindowsEx(shutdownFlags(reboot, force, powerOff), allReasonBits);
}

void SystemInfo::switchOffComputer() {
    if (getOSVer() < 5) {
        // NT 4 refuses to shut down without the privilege; 9x skips it.
        enableShutdownPrivilege();
        (void)platform_.system.exitWindowsEx(1, 0);
    } else {
        ShutDownWindows(false, true, true);
    }
}

void SystemInfo::restartComputer() {
    if (getOSVer() < 5) {
        enableShutdownPrivilege();
        (void)platform_.system.exitWindowsEx(2, 0);
    } else {
        ShutDownWindows(true, true, false);
    }
}

} // namespace orvela::shell
