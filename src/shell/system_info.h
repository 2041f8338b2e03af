// Wrappers around the Windows services the desktop needs: names of the
// computer and the user, special folders, the recycle bin, the Windows
// version, switching off and restarting. The platform layer makes the calls;
// these procedures keep what the program does around them.
#pragma once

#include "forms/form.h"
#include "platform/platform.h"

#include <cstdint>
#include <string>

namespace orvela::shell {

// The text without leading and trailing blanks, cut before its first NUL.
std::string trimAtNul(const std::string& text);
// The high word of a 32-bit value as the program computes it: value / 65535
// (less one for a negative value), rounded half to even, kept in 16 bits
// (saturating at the ends of the range).
std::int16_t HiWord(std::int32_t value);
// "There are \r\nN files in recycle\r\nof general size of \r\nK kb", K the
// whole kilobytes (1024 bytes) of size.
std::string recycleBinSummary(std::int64_t items, std::int64_t sizeBytes);
// ExitWindowsEx flags: shut down (1), reboot (+2), force if hung (+16),
// power off (+8). Programs that still answer get the end-of-session messages
// and may save their data; only hung ones are forced (the plain force flag
// would close them with their unsaved data lost).
std::uint32_t shutdownFlags(bool reboot, bool force, bool powerOff);

// Special folder numbers the program asks for.
inline constexpr int documentsFolder = 5;
inline constexpr int programFilesFolder = 38;

class SystemInfo {
public:
    SystemInfo(platform::Platform& platform, forms::Form& form2)
        : platform_(platform), form2_(form2) {}

    // Append "Computer Name : name\r\n" / "User Name : name\r\n" to the main
    // window's kompinfo (clearComputerInfo empties it); a failed lookup leaves its line out.
    // showUserName then copies kompinfo into Label34.
    void clearComputerInfo();
    void showComputerName();
    void showUserName();
    // The folder's path, or the empty text.
    std::string specialFolderPath(int folder);
    // Total size and item count of the recycle bin (root empty: every
    // drive); both 0 on failure.
    void queryRecycleBin(const std::string& root, std::int64_t& sizeBytes, std::int64_t& items);
    // The major Windows version.
    int getOSVer();
    void ShutDownWindows(bool reboot, bool force, bool powerOff);
    void switchOffComputer();
    void restartComputer();

private:
    void appendNameLine(bool user);
    void enableShutdownPrivilege();

    platform::Platform& platform_;
    forms::Form& form2_;
};

} // namespace orvela::shell
