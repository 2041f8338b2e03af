// Names, drives, the Windows version, shutting down, and the process itself.
#pragma once

#include "platform/handles.h"

#include <cstdint>
#include <string>

namespace orvela::platform {

struct OsVersion {
    std::uint32_t major = 0, minor = 0, build = 0, platformId = 0;
};

struct Luid {
    std::uint32_t lowPart = 0;
    std::int32_t highPart = 0;
};

// One privilege with its attributes, as given to AdjustTokenPrivileges.
struct TokenPrivilege {
    Luid luid;
    std::uint32_t attributes = 0;
};

// SYSTEMTIME.
struct SystemTime {
    int year = 0, month = 0, dayOfWeek = 0, day = 0;
    int hour = 0, minute = 0, second = 0, milliseconds = 0;
};

class SystemServices {
public:
    virtual ~SystemServices() = default;
    // GetComputerNameA / GetUserNameA on a caller-filled buffer: buffer
    // receives the raw contents (name, NUL, the rest as it was).
    [[nodiscard]] virtual bool getComputerName(std::string& buffer, std::uint32_t& size) = 0;
    [[nodiscard]] virtual bool getUserName(std::string& buffer, std::uint32_t& size) = 0;
    virtual unsigned getDriveType(const std::string& root) = 0;
    virtual std::uint32_t getVersion() = 0;
    [[nodiscard]] virtual bool getVersionEx(OsVersion& version) = 0;
    virtual ObjectHandle getCurrentProcess() = 0;
    [[nodiscard]] virtual bool openProcessToken(ObjectHandle process, std::uint32_t access,
                                                ObjectHandle& token) = 0;
    [[nodiscard]] virtual bool lookupPrivilegeValue(const std::string& systemName,
                                                    const std::string& name, Luid& luid) = 0;
    [[nodiscard]] virtual bool adjustTokenPrivileges(ObjectHandle token, bool disableAll,
                                                     const TokenPrivilege& privilege) = 0;
    // CloseHandle of a handle the program opened (a process token).
    virtual void closeHandle(ObjectHandle handle) = 0;
    [[nodiscard]] virtual bool exitWindowsEx(std::uint32_t flags, std::uint32_t reason) = 0;
    // FileTimeToSystemTime (no conversion to local time); false for a time
    // Windows cannot convert.
    [[nodiscard]] virtual bool fileTimeToSystemTime(std::uint64_t fileTime, SystemTime& time) = 0;
    // GetDateFormat(user default locale, DATE_SHORTDATE) of a day: the date
    // in the user's short date format, UTF-8; empty on failure.
    virtual std::string shortDate(int year, int month, int day) = 0;
    // The system beep.
    virtual void beep() = 0;
    // Another instance of this program runs already.
    virtual bool anotherInstanceRunning() = 0;
};

} // namespace orvela::platform
