// The steps of the install behind "Next": the install folder, moving the
// shipped files into it, and the shortcuts.
#pragma once

#include "platform/platform.h"

#include <optional>
#include <string>
#include <vector>

namespace orvela::installer {

// The first shipped file missing from the shipping folder (ending in a
// separator); nothing when all five are there.
std::optional<std::string> missingShippedFile(platform::FileServices& files,
                                              const std::string& shippingFolder);

// Creates the install folder unless a folder of that name exists. A failure
// other than access denied shows when the files are copied.
platform::FileResult prepareInstallFolder(platform::FileServices& files,
                                          const std::string& installFolder);

enum class MoveFailure {
    none,
    sameFolder,   // the install folder is the shipping folder
    missingFile,  // the file is not (any more) in the shipping folder
    accessDenied, // Windows refuses the user the install folder
    copyFailed,   // anything else (a missing drive, a file in use)
};

struct MoveOutcome {
    MoveFailure failure = MoveFailure::none;
    std::string failedFile; // the first file that could not be copied

    bool moved() const { return failure == MoveFailure::none; }
};

// Copies the five shipped files from the shipping folder to the install
// folder (both ending in a separator), in order, and deletes them from the
// shipping folder only when every copy succeeded: a failed copy leaves the
// shipping folder whole (copies made before it stay in the install folder).
// Installing into the shipping folder itself fails at the first file. A file
// that cannot be deleted once all are copied stays; the install stands.
MoveOutcome moveShippedFiles(platform::FileServices& files, const std::string& shippingFolder,
                             const std::string& installFolder);

// Makes the seven shortcuts of the program in the install folder, in order;
// the names of those that could not be made (the others are made anyway).
std::vector<std::string> makeShortcuts(platform::Platform& platform,
                                       const std::string& installFolder);

} // namespace orvela::installer
