// The fake's shortcut file: the shortcut's fields as "Name=value" lines under
// a header line, so that the driver and the tests can read them back.
#pragma once

#include "platform/scripting_services.h"

#include <optional>
#include <string>

namespace orvela::platform::fake {

std::string renderShortcut(const Shortcut& shortcut);
// The fields of a file renderShortcut wrote; none for any other content.
std::optional<Shortcut> parseShortcut(const std::string& bytes);

} // namespace orvela::platform::fake
