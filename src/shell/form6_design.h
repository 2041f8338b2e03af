// Designer table of the installer prompt Form6: a small borderless window
// asking to run install.exe first, with the buttons "Install.exe" and "Cancel".
#pragma once

#include "forms/design.h"

namespace orvela::shell {

const forms::FormDesign& form6Design();

} // namespace orvela::shell
