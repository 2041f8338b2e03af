// Designer table of the main window Form2: the full-screen desktop with its
// variant-1 controls, the variant-2 overlay V1Frame, the variant-3 overlay
// V3Frame, the pop-up menu, the per-item control arrays and Timer1.
#pragma once

#include "forms/design.h"

namespace orvela::shell {

const forms::FormDesign& form2Design();

} // namespace orvela::shell
