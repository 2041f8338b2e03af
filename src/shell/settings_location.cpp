#include "shell/settings_location.h"

#include "common/user_settings_path.h"
#include "shell/settings_file.h"

#include <string_view>

namespace orvela::shell {

static_assert(std::string_view(common::settingsFileName) == settingsFileName);

namespace {

// Makes the per-user file from the program folder's bytes or the new-file
// bytes. The bytes are read and written rather than the file copied, so a
// read-only attribute of a shipped file does not come along and block every
// later save; the first 1 MiB is all the program ever reads of it.
bool makeUserFile(platform::FileServices& files, const std::string& programFile,
                  const common::UserSettingsPlace& place) {
    if (!files.directoryExists(place.folder) && !files.createDirectory(place.folder))
        return false;
    std::optional<std::string> bytes;
    if (files.fileExists(programFile))
        bytes = files.readFile(programFile, settingsReadLimit);
    return files.replaceFile(place.file, bytes ? *bytes : defaultSettingsFileBytes());
}

} // namespace

std::string decideSettingsPath(platform::FileServices& files) {
    const std::string programDir = files.programDir();
    const std::string programFile = files.joinPath(programDir, settingsFileName);
    if (files.folderTakesFiles(programDir))
        return programFile;
    const auto place = common::userSettingsPlace(files);
    if (!place)
        return programFile;
    if (files.fileExists(place->file) || makeUserFile(files, programFile, *place))
        return place->file;
    return programFile;
}

} // namespace orvela::shell
