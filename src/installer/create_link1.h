// The installer's shortcut routine: the shortcut service joining paths with
// "\" and giving every shortcut the icon of the file it starts.
#pragma once

#include "common/shortcut_service.h"
#include "platform/platform.h"

namespace orvela::installer {

inline constexpr common::ShortcutStyle installerShortcutStyle{.separator = '\\',
                                                              .iconIsTarget = true};

// Creates or overwrites the shortcut of the request. False when its special
// folder is unknown (then nothing is written) or the file could not be saved.
bool CreateLink1(platform::Platform& platform, const common::ShortcutRequest& request);

} // namespace orvela::installer
