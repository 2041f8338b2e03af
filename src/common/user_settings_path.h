// The per-user settings file %APPDATA%\Orvela\ovdata.dat: where Orvela keeps
// its settings when its program folder takes no files. The program decides
// on it at start-up (shell/settings_location.h); the uninstaller removes it.
#pragma once

#include "platform/file_services.h"

#include <optional>
#include <string>

namespace orvela::common {

inline constexpr const char* settingsFileName = "ovdata.dat";
inline constexpr const char* userSettingsFolderName = "Orvela";

struct UserSettingsPlace {
    std::string folder; // %APPDATA%\Orvela
    std::string file;   // %APPDATA%\Orvela\ovdata.dat
};

// The per-user folder and file; none when Windows gives no application-data
// folder. Nothing is created or checked.
std::optional<UserSettingsPlace> userSettingsPlace(platform::FileServices& files);

} // namespace orvela::common
