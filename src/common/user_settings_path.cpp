#include "common/user_settings_path.h"

namespace orvela::common {

std::optional<UserSettingsPlace> userSettingsPlace(platform::FileServices& files) {
    const std::optional<std::string> appData = files.appDataDir();
    if (!appData || appData->empty())
        return std::nullopt;
    UserSettingsPlace place;
    place.folder = files.joinPath(*appData, userSettingsFolderName);
    place.file = files.joinPath(place.folder, settingsFileName);
    return place;
}

} // namespace orvela::common
